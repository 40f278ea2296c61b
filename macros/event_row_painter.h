#pragma once

#include <QPainter>
#include <QRect>
#include <QRgb>

#include "macros/event_row_label.h"
#include "skin/vok_button.h"

namespace tavro {

// How the event editor draws one event's row. Offsets are from the row's left edge L.
namespace event_row {

inline constexpr QRgb kTextColour = 0xFFBEBEBE;
inline constexpr QRgb kSelectedTextColour = CVokButton::kDefaultSelectedTextColour;
inline constexpr QRgb kLineColour = 0xFFBEBEBE;
inline constexpr int kFontHeight = 13;
// A name too wide for its room is drawn smaller, down to this height, then cut short.
inline constexpr int kSmallestFontHeight = 10;

inline constexpr int kMarkLeft = 2;    // the line or arrow from L + 2 …
inline constexpr int kMarkRight = 12;  // … to L + 12
inline constexpr int kTextLeft = 17;
inline constexpr int kDelayRight = 174;
inline constexpr int kGap = 6;  // between the name and the delay
// A row without a name shows its delay alone, from L + 2.
inline constexpr int kLoneDelayLeft = 2;
inline constexpr int kLoneDelayRight = 54;

}  // namespace event_row

// Draws the row's mark, text and delay. Nothing is drawn right of `visibleRight`,
// where the editor's scroll bar stands: the delay is drawn flush right before it
// (at L + 174 at most) and the name takes the room left of the delay.
void PaintEventRow(QPainter& painter, const EventRowLabel& label, const QRect& row,
                   int visibleRight, bool selected);

}  // namespace tavro
