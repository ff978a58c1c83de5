#pragma once
// Draws a printed page (the estimate, the schedule) on any paint device: printer, PDF writer,
// preview. The page's dots at 600 dots per inch are mapped onto the device's own resolution.

#include "print/page_strings.h"

#include <QFont>

#include <functional>
#include <vector>

class QPainter;

namespace carloan {

// One 13-point Mincho face whose single-byte characters are half as wide as its double-byte
// ones, so that blanks align the figures.
QFont page_font();

// Each string's top-left corner at its position, relative to the painter's current origin.
void draw_page(QPainter& painter, const std::vector<page_string>& page);

// Draws page `index` (from 0) with the painter at the printable area's top-left corner.
using page_drawing = std::function<void(QPainter& painter, int index)>;

// Pages ready for a device: how many, and how each is drawn.
struct drawn_pages {
    int count = 0;
    page_drawing draw;
};

// The drawing of pages laid out in advance, each with draw_page.
drawn_pages drawing_of(std::vector<std::vector<page_string>> pages);

}  // namespace carloan
