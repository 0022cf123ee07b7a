#pragma once
// The program's own pictures, drawn with QPainter and stretched over the
// rectangle they are given: the splash picture (designed on 600 x 450), the
// outlines of the five section types with their dimension letters (190 x 190)
// and the decorative picture of the project page (281 x 153).

#include "model/project.h"

class QPainter;
class QRectF;

namespace kvor::ui {

void drawSplash(QPainter& painter, const QRectF& area);
void drawSectionOutline(QPainter& painter, SectionType type, const QRectF& area);
void drawBeamDecoration(QPainter& painter, const QRectF& area);

}  // namespace kvor::ui
