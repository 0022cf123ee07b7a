#include "ui/windows/result_block.h"

#include "results/group_sums.h"
#include "ui/widgets/window_setup.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace kvor::ui {

namespace {

const QString kNotEvaluatedText = QStringLiteral("Veličina nebyla vyhodnocována!");

QString fromUtf8(const std::string& text)
{
    return QString::fromStdString(text);
}

QString numbered(const char* prefix, int number)
{
    return QString::fromLatin1(prefix) + QString::number(number);
}

// A label of fixed place and width: texts set later are not cut by a size
// taken from the first text.
QLabel* fixedLabel(QWidget* parent, const QString& name, const QString& text, const QRect& rect,
                   LabelStyle style = LabelStyle::Plain)
{
    QLabel* label = makeLabel(parent, name, text, rect.topLeft(), style);
    label->setGeometry(rect);
    return label;
}

QLineEdit* readOnlyField(QWidget* parent, const QString& name, const QRect& rect)
{
    QLineEdit* field = makeEdit(parent, name, rect);
    field->setReadOnly(true);
    return field;
}

// "Veličina nebyla vyhodnocována!" lies over what it covers and hides it.
QLabel* notEvaluatedLabel(QWidget* parent, const QString& name, const QRect& rect)
{
    QLabel* label = fixedLabel(parent, name, kNotEvaluatedText, rect, LabelStyle::Bold);
    label->setAlignment(Qt::AlignCenter);
    label->setAutoFillBackground(true);
    label->raise();
    label->hide();
    return label;
}

// Block controls of quantity q are numbered 13 apart: Label7, Label20, ...
constexpr int kBlockLabelPitch = 13;
constexpr int kColumnPitch = 124;
// The unit stands above the field's right end, so the field takes the column.
constexpr int kFieldWidth = 118;
// The warnings of the blocks follow the window's last label, Label97.
constexpr int kFirstWarningLabel = 98;

}  // namespace

QString quantityRowTitle(int q)
{
    return QString::number(q + 1) + QStringLiteral(".posuzovaná veličina");
}

namespace {

// A value field is 90 pixels wide: too narrow for fifteen digits, a sign, the
// separator and an exponent in the window's font. A text that would not fit
// gets a smaller font, so the whole number stays visible and the layout stays.
constexpr int kSmallestValuePixelSize = 6;

int textRoom(const QLineEdit* field)
{
    QStyleOptionFrame frame;
    frame.initFrom(field);
    frame.rect = field->rect();
    frame.lineWidth = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, field);
    frame.state |= QStyle::State_Sunken;
    const QRect contents = field->style()
                               ->subElementRect(QStyle::SE_LineEditContents, &frame, field)
                               .marginsRemoved(field->textMargins());
    constexpr int kLineEditMargin = 2;  // the line edit's own margin on each side
    constexpr int kCursorWidth = 1;
    return contents.width() - 2 * kLineEditMargin - kCursorWidth;
}

void fitFont(QLineEdit* field, const QString& text)
{
    QFont font = field->parentWidget()->font();
    const int room = textRoom(field);
    for (int size = QFontInfo(font).pixelSize();
         size > kSmallestValuePixelSize && QFontMetrics(font).horizontalAdvance(text) > room;)
        font.setPixelSize(--size);
    field->setFont(font);
}

}  // namespace

void showValueText(QLineEdit* field, const std::string& text)
{
    const QString shown = fromUtf8(text);
    fitFont(field, shown);
    field->setText(shown);
    field->setCursorPosition(0);
    field->setToolTip(shown);
}

ResultBlock::ResultBlock(QWidget* window, int q, int top) : q_(q)
{
    const int first = 7 + kBlockLabelPitch * q;  // the kind caption's number
    title_ = fixedLabel(window, numbered("Label", 2 + q), quantityRowTitle(q), {12, top, 136, 16},
                        LabelStyle::Bold);
    caption_ = fixedLabel(window, numbered("Label", first), {}, {150, top, 170, 16});
    comment_ = fixedLabel(window, numbered("Label", first + 1), {}, {322, top, 310, 16});
    for (int t = 0; t < kSlotCount; ++t) {
        const int x = 12 + kColumnPitch * t;
        tendonLabels_[t] = fixedLabel(window, numbered("Label", first + 2 + t),
                                      QString::number(t + 1) + QStringLiteral(".kabel"), {x, top + 22, 60, 16});
        values_[t] = readOnlyField(window, numbered("Edit", 1 + kSlotCount * q + t), {x, top + 40, kFieldWidth, 22});
        units_[t] = fixedLabel(window, numbered("Label", first + 7 + t), {}, {x + 60, top + 22, kFieldWidth - 60, 16});
        units_[t]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    // Two lines of a smaller font between the fields and the next block.
    warning_ = fixedLabel(window, numbered("Label", kFirstWarningLabel + q), {}, {12, top + 64, 620, 25});
    QFont small = window->font();
    small.setPixelSize(10);
    warning_->setFont(small);
    warning_->setWordWrap(true);
    warning_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    warning_->setStyleSheet(QStringLiteral("color: #a00000;"));
    warning_->hide();
    notEvaluated_ = notEvaluatedLabel(window, numbered("Label", first + 12), {12, top + 20, 620, 46});
}

void ResultBlock::show(const EvaluationResult& results, const std::string& warning)
{
    const bool fieldsShown = results.block[q_] != BlockState::NotEvaluated;
    caption_->setText(fromUtf8(results.caption[q_]));
    comment_->setText(fromUtf8(results.comment[q_]));
    const QString unit = fromUtf8(results.unit[q_]);
    for (int t = 0; t < kSlotCount; ++t) {
        showValueText(values_[t], results.value[q_][t]);
        units_[t]->setText(unit);
        tendonLabels_[t]->setVisible(fieldsShown);
        values_[t]->setVisible(fieldsShown);
        units_[t]->setVisible(fieldsShown);
    }
    warning_->setText(fromUtf8(warning));
    warning_->setVisible(fieldsShown && !warning.empty());
    notEvaluated_->setVisible(!fieldsShown);
}

GroupLine::GroupLine(QWidget* panel, int q, int top) : q_(q)
{
    title_ = fixedLabel(panel, numbered("Label", 78 + 2 * q), quantityRowTitle(q), {12, top + 4, 136, 16},
                        LabelStyle::Bold);
    caption_ = fixedLabel(panel, numbered("Label", 79 + 2 * q), {}, {150, top + 4, 170, 16});
    sum_ = readOnlyField(panel, numbered("Edit", 27 + q), {322, top, 150, 22});
    unit_ = fixedLabel(panel, numbered("Label", 93 + q), {}, {476, top + 4, 40, 16});
    notEvaluated_ = notEvaluatedLabel(panel, numbered("Label", 88 + q), {150, top - 2, 380, 26});
}

void GroupLine::show(const EvaluationResult& results)
{
    const bool fieldsShown = results.block[q_] != BlockState::NotEvaluated;
    caption_->setText(fromUtf8(results.caption[q_]));
    showValueText(sum_, results.groupSum[q_]);
    unit_->setText(fromUtf8(results.unit[q_]));
    sum_->setVisible(fieldsShown);
    unit_->setVisible(fieldsShown);
    notEvaluated_->setVisible(groupLineNotEvaluated(results, q_));
}

}  // namespace kvor::ui
