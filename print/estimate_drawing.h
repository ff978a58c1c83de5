#pragma once
// Draws the estimate page on any paint device (printer, PDF writer, preview), mapping the page's
// dots at 600 dots per inch onto the device's own resolution.

#include "print/estimate_page.h"

#include <QFont>

#include <vector>

class QPainter;

namespace carloan {

// One 13-point Mincho face whose single-byte characters are half as wide as its double-byte
// ones, so that blanks align the figures.
QFont estimate_font();

// Each string's top-left corner at its position, relative to the painter's current origin.
void draw_estimate(QPainter& painter, const std::vector<page_string>& page);

}  // namespace carloan
