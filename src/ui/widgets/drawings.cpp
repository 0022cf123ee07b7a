#include "ui/widgets/drawings.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>

namespace kvor::ui {

namespace {

// Maps the design canvas onto the target rectangle; undone when it goes out of scope.
class Canvas {
public:
    Canvas(QPainter& painter, const QRectF& area, QSizeF design) : painter_(painter)
    {
        painter_.save();
        painter_.translate(area.topLeft());
        painter_.scale(area.width() / design.width(), area.height() / design.height());
    }
    ~Canvas() { painter_.restore(); }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

private:
    QPainter& painter_;
};

QFont letterFont(double pixelSize, bool italic = true, bool bold = false)
{
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(static_cast<int>(pixelSize));
    font.setItalic(italic);
    font.setBold(bold);
    return font;
}

const QColor kInk(30, 34, 40);
const QColor kConcrete(214, 218, 222);
const QColor kConcreteDark(150, 156, 164);
const QColor kTendon(200, 30, 30);
const QColor kDimension(20, 70, 140);

// A small oblique tick, the mark of a dimension line's end in structural drawings.
void drawTick(QPainter& p, QPointF at)
{
    p.drawLine(at + QPointF(-3, 3), at + QPointF(3, -3));
}

// A dimension line from a to b with its extension lines, shifted by `offset`
// from the measured edge, and the letter beside its middle.
void drawDimension(QPainter& p, QPointF a, QPointF b, QPointF offset, const QString& letter)
{
    p.save();
    p.setPen(QPen(kDimension, 0.8));
    const QPointF da = a + offset;
    const QPointF db = b + offset;
    const double length = std::hypot(offset.x(), offset.y());
    const QPointF unit = length > 0 ? offset / length : QPointF();
    p.drawLine(a + unit * 2, da + unit * 3);
    p.drawLine(b + unit * 2, db + unit * 3);
    p.drawLine(da, db);
    drawTick(p, da);
    drawTick(p, db);
    p.setFont(letterFont(13));
    const QPointF middle = (da + db) / 2 + unit * 9;
    const QRectF box(middle - QPointF(14, 8), QSizeF(28, 16));
    p.drawText(box, Qt::AlignCenter, letter);
    p.restore();
}

void drawSolid(QPainter& p, const QPolygonF& outline)
{
    p.save();
    QLinearGradient shade(outline.boundingRect().topLeft(), outline.boundingRect().bottomRight());
    shade.setColorAt(0, kConcrete.lighter(106));
    shade.setColorAt(1, kConcrete.darker(108));
    p.setBrush(shade);
    p.setPen(QPen(kInk, 1.6));
    p.drawPolygon(outline);
    p.restore();
}

// The centroid: a small circle with a cross and the dash-dot axis through it.
void drawCentroid(QPainter& p, QPointF centroid, double left, double right)
{
    p.save();
    QPen axis(kInk, 0.7, Qt::DashDotLine);
    p.setPen(axis);
    p.drawLine(QPointF(left - 10, centroid.y()), QPointF(right + 10, centroid.y()));
    p.setPen(QPen(kInk, 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centroid, 3.5, 3.5);
    p.drawLine(centroid + QPointF(-5, 0), centroid + QPointF(5, 0));
    p.drawLine(centroid + QPointF(0, -5), centroid + QPointF(0, 5));
    p.restore();
}

QPolygonF rectangle(double x, double y, double w, double h)
{
    return QPolygonF(QRectF(x, y, w, h));
}

// A T made of a flange (fw x fh) and a centred web (ww x wh); flange on top or below.
QPolygonF tShape(double cx, double top, double fw, double fh, double ww, double wh, bool flangeOnTop)
{
    QPolygonF t;
    if (flangeOnTop) {
        t << QPointF(cx - fw / 2, top) << QPointF(cx + fw / 2, top) << QPointF(cx + fw / 2, top + fh)
          << QPointF(cx + ww / 2, top + fh) << QPointF(cx + ww / 2, top + fh + wh)
          << QPointF(cx - ww / 2, top + fh + wh) << QPointF(cx - ww / 2, top + fh)
          << QPointF(cx - fw / 2, top + fh);
    } else {
        t << QPointF(cx - ww / 2, top) << QPointF(cx + ww / 2, top) << QPointF(cx + ww / 2, top + wh)
          << QPointF(cx + fw / 2, top + wh) << QPointF(cx + fw / 2, top + wh + fh)
          << QPointF(cx - fw / 2, top + wh + fh) << QPointF(cx - fw / 2, top + wh)
          << QPointF(cx - ww / 2, top + wh);
    }
    return t;
}

void drawRectangleSection(QPainter& p)
{
    const double x = 50, y = 30, w = 80, h = 120;
    drawSolid(p, rectangle(x, y, w, h));
    drawCentroid(p, {x + w / 2, y + h / 2}, x, x + w);
    drawDimension(p, {x, y + h}, {x + w, y + h}, {0, 14}, QStringLiteral("b"));
    drawDimension(p, {x + w, y}, {x + w, y + h}, {18, 0}, QStringLiteral("h"));
}

void drawSquareSection(QPainter& p)
{
    const double x = 45, y = 35, a = 100;
    drawSolid(p, rectangle(x, y, a, a));
    drawCentroid(p, {x + a / 2, y + a / 2}, x, x + a);
    drawDimension(p, {x, y + a}, {x + a, y + a}, {0, 14}, QStringLiteral("a"));
    drawDimension(p, {x + a, y}, {x + a, y + a}, {18, 0}, QStringLiteral("a"));
}

void drawTSection(QPainter& p, bool flangeOnTop)
{
    const double cx = 88, top = 32, fw = 124, fh = 28, ww = 36, wh = 96;
    drawSolid(p, tShape(cx, top, fw, fh, ww, wh, flangeOnTop));
    // Centroid of the drawn shape, from the areas of flange and web.
    const double flangeArea = fw * fh, webArea = ww * wh;
    const double flangeMid = flangeOnTop ? top + fh / 2 : top + wh + fh / 2;
    const double webMid = flangeOnTop ? top + fh + wh / 2 : top + wh / 2;
    const double cy = (flangeArea * flangeMid + webArea * webMid) / (flangeArea + webArea);
    drawCentroid(p, {cx, cy}, cx - fw / 2, cx + fw / 2);

    const double bottom = top + fh + wh;
    const double right = cx + fw / 2;
    if (flangeOnTop) {
        drawDimension(p, {cx - fw / 2, top}, {right, top}, {0, -12}, QStringLiteral("b1"));
        drawDimension(p, {cx - ww / 2, bottom}, {cx + ww / 2, bottom}, {0, 14}, QStringLiteral("b2"));
        drawDimension(p, {right, top}, {right, top + fh}, {12, 0}, QStringLiteral("h1"));
        drawDimension(p, {cx + ww / 2, top + fh}, {cx + ww / 2, bottom}, {right - cx - ww / 2 + 12, 0},
                      QStringLiteral("h2"));
    } else {
        drawDimension(p, {cx - ww / 2, top}, {cx + ww / 2, top}, {0, -12}, QStringLiteral("b2"));
        drawDimension(p, {cx - fw / 2, bottom}, {right, bottom}, {0, 14}, QStringLiteral("b1"));
        drawDimension(p, {right, top + wh}, {right, bottom}, {12, 0}, QStringLiteral("h1"));
        drawDimension(p, {cx + ww / 2, top}, {cx + ww / 2, top + wh}, {right - cx - ww / 2 + 12, 0},
                      QStringLiteral("h2"));
    }
}

void drawGeneralSection(QPainter& p)
{
    QPolygonF outline;
    outline << QPointF(28, 40) << QPointF(150, 28) << QPointF(164, 62) << QPointF(122, 78)
            << QPointF(132, 156) << QPointF(70, 166) << QPointF(58, 92) << QPointF(22, 76);
    drawSolid(p, outline);
    // Corner points of a general polygon, numbered as they are listed.
    p.save();
    p.setPen(QPen(kInk, 1));
    p.setBrush(Qt::white);
    for (const QPointF& corner : outline)
        p.drawEllipse(corner, 2.2, 2.2);
    p.restore();
    drawCentroid(p, {95, 84}, 22, 164);
    p.save();
    p.setPen(kDimension);
    p.setFont(letterFont(12));
    p.drawText(QRectF(100, 92, 60, 16), Qt::AlignLeft, QStringLiteral("A, I"));
    p.restore();
}

// A support triangle under the beam axis with its ground hatching.
void drawSupport(QPainter& p, QPointF top, double size, bool roller)
{
    p.save();
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(Qt::white);
    QPolygonF triangle;
    triangle << top << top + QPointF(-size * 0.6, size) << top + QPointF(size * 0.6, size);
    p.drawPolygon(triangle);
    double ground = top.y() + size;
    if (roller) {
        p.drawLine(QPointF(top.x() - size * 0.7, ground + 3), QPointF(top.x() + size * 0.7, ground + 3));
        ground += 3;
    }
    p.drawLine(QPointF(top.x() - size * 0.9, ground), QPointF(top.x() + size * 0.9, ground));
    p.setPen(QPen(kInk, 0.7));
    for (double x = -size * 0.9; x < size * 0.9; x += size * 0.3)
        p.drawLine(QPointF(top.x() + x, ground + size * 0.3), QPointF(top.x() + x + size * 0.3, ground));
    p.restore();
}

// A prestressing force at an anchorage: an arrow from outside (`outside` is
// -1 left of the anchorage, +1 right of it) pressing on the beam end.
void drawAnchorForce(QPainter& p, QPointF anchor, double outside, const QColor& colour)
{
    p.save();
    p.setPen(QPen(colour, 2));
    p.setBrush(colour);
    const QPointF tip = anchor + QPointF(outside * 2, 0);
    p.drawLine(anchor + QPointF(outside * 34, 0), tip + QPointF(outside * 8, 0));
    QPolygonF head;
    head << tip << tip + QPointF(outside * 9, 4.5) << tip + QPointF(outside * 9, -4.5);
    p.drawPolygon(head);
    p.restore();
}

}  // namespace

void drawSplash(QPainter& p, const QRectF& area)
{
    Canvas canvas(p, area, {600, 450});

    QLinearGradient sky(0, 0, 0, 450);
    sky.setColorAt(0, QColor(12, 22, 44));
    sky.setColorAt(1, QColor(2, 4, 10));
    p.fillRect(QRectF(0, 0, 600, 450), sky);

    p.setPen(QColor(238, 242, 248));
    p.setFont(letterFont(66, false, true));
    p.drawText(QRectF(0, 36, 600, 80), Qt::AlignCenter, QStringLiteral("Kvor1.1"));
    p.setPen(QColor(170, 186, 210));
    p.setFont(letterFont(19, false));
    p.drawText(QRectF(0, 118, 600, 28), Qt::AlignCenter,
               QStringLiteral("Návrh předpínacích kabelů betonového nosníku"));
    p.setFont(letterFont(14, false));
    p.drawText(QRectF(0, 146, 600, 24), Qt::AlignCenter,
               QStringLiteral("a vyhodnocení jejich účinků pomocí příčinkových čar"));

    // A continuous beam of two spans with a draped tendon: low at mid-span,
    // high over the inner support, at the centroid at both anchorages.
    const double left = 70, right = 530, top = 236, depth = 44;
    const double middle = (left + right) / 2;
    QLinearGradient concrete(0, top, 0, top + depth);
    concrete.setColorAt(0, QColor(196, 202, 210));
    concrete.setColorAt(1, QColor(120, 128, 140));
    p.setPen(QPen(QColor(230, 234, 240), 1.2));
    p.setBrush(concrete);
    p.drawRect(QRectF(left, top, right - left, depth));

    const double axis = top + depth / 2;
    const double low = top + depth - 7, high = top + 7;
    QPainterPath tendon(QPointF(left, axis));
    tendon.cubicTo(QPointF(left + 60, low + 4), QPointF(middle - 130, low + 2), QPointF(middle - 90, low));
    tendon.cubicTo(QPointF(middle - 40, low - 2), QPointF(middle - 25, high), QPointF(middle, high));
    tendon.cubicTo(QPointF(middle + 25, high), QPointF(middle + 40, low - 2), QPointF(middle + 90, low));
    tendon.cubicTo(QPointF(right - 130, low + 2), QPointF(right - 60, low + 4), QPointF(right, axis));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(240, 70, 50), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(tendon);
    p.setPen(QPen(QColor(240, 240, 240), 1, Qt::DashDotLine));
    p.drawLine(QPointF(left - 14, axis), QPointF(right + 14, axis));

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(235, 235, 235));
    p.drawRect(QRectF(left - 4, axis - 9, 4, 18));
    p.drawRect(QRectF(right, axis - 9, 4, 18));
    drawAnchorForce(p, {left - 4, axis}, -1, QColor(255, 190, 60));
    drawAnchorForce(p, {right + 4, axis}, 1, QColor(255, 190, 60));

    // Supports drawn in light ink on the dark ground.
    p.save();
    p.setPen(QPen(QColor(220, 226, 236), 1.2));
    for (double x : {left + 8, middle, right - 8}) {
        QPolygonF triangle;
        triangle << QPointF(x, top + depth) << QPointF(x - 11, top + depth + 18)
                 << QPointF(x + 11, top + depth + 18);
        p.setBrush(QColor(40, 48, 64));
        p.drawPolygon(triangle);
        p.drawLine(QPointF(x - 16, top + depth + 18), QPointF(x + 16, top + depth + 18));
        for (double h = -16; h < 16; h += 5)
            p.drawLine(QPointF(x + h, top + depth + 24), QPointF(x + h + 5, top + depth + 18));
    }
    p.restore();

    // The influence line of the moment over the inner support, drawn below.
    const double base = 352;
    QPainterPath influence(QPointF(left + 8, base));
    influence.cubicTo(QPointF(left + 80, base + 26), QPointF(middle - 90, base + 36), QPointF(middle, base));
    influence.cubicTo(QPointF(middle + 90, base + 36), QPointF(right - 80, base + 26), QPointF(right - 8, base));
    QPainterPath filled = influence;
    filled.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 130, 220, 90));
    p.drawPath(filled);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(110, 170, 255), 1.6));
    p.drawPath(influence);
    p.setPen(QPen(QColor(150, 160, 180), 1));
    p.drawLine(QPointF(left + 8, base), QPointF(right - 8, base));

    p.setPen(QColor(120, 132, 150));
    p.setFont(letterFont(12, false));
    p.drawText(QRectF(0, 414, 590, 20), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("verze 1.1"));
}

void drawSectionOutline(QPainter& p, SectionType type, const QRectF& area)
{
    p.fillRect(area, Qt::white);
    Canvas canvas(p, area, {190, 190});
    switch (type) {
    case SectionType::Rectangle:
        drawRectangleSection(p);
        break;
    case SectionType::Square:
        drawSquareSection(p);
        break;
    case SectionType::TSection:
        drawTSection(p, true);
        break;
    case SectionType::InvertedTSection:
        drawTSection(p, false);
        break;
    case SectionType::General:
        drawGeneralSection(p);
        break;
    }
}

void drawBeamDecoration(QPainter& p, const QRectF& area)
{
    Canvas canvas(p, area, {281, 153});
    QLinearGradient paper(0, 0, 0, 153);
    paper.setColorAt(0, QColor(250, 251, 253));
    paper.setColorAt(1, QColor(232, 237, 244));
    p.setPen(QPen(kConcreteDark, 1));
    p.setBrush(paper);
    p.drawRect(QRectF(0.5, 0.5, 280, 152));

    // A simple beam with a parabolic tendon, sagging to the bottom at mid-span.
    const double left = 46, right = 235, top = 30, depth = 24;
    drawSolid(p, rectangle(left, top, right - left, depth));
    QPainterPath tendon(QPointF(left, top + depth / 2));
    tendon.quadTo(QPointF((left + right) / 2, top + depth + 2), QPointF(right, top + depth / 2));
    p.setPen(QPen(kTendon, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tendon);
    drawAnchorForce(p, {left, top + depth / 2}, -1, kTendon);
    drawAnchorForce(p, {right, top + depth / 2}, 1, kTendon);
    drawSupport(p, {left + 6, top + depth}, 11, false);
    drawSupport(p, {right - 6, top + depth}, 11, true);

    // Below it the influence line of the mid-span moment: a triangle.
    const double base = 96, peak = 140;
    QPolygonF influence;
    influence << QPointF(left + 6, base) << QPointF((left + right) / 2, peak) << QPointF(right - 6, base);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 90, 170, 60));
    p.drawPolygon(influence);
    p.setPen(QPen(kDimension, 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(influence);
    p.setPen(QPen(kInk, 0.8));
    p.drawLine(QPointF(left + 6, base), QPointF(right - 6, base));
    p.setPen(kDimension);
    p.setFont(letterFont(12));
    p.drawText(QRectF((left + right) / 2 + 6, base + 10, 40, 16), Qt::AlignLeft, QStringLiteral("η"));
}

}  // namespace kvor::ui
