#pragma once

#include <QFont>
#include <QSize>
#include <QString>

#include <vector>

#include "skin/layout_rect.h"

namespace tavro {

// A caption and the room its control leaves for it.
struct CaptionBox {
    QString text;
    QSize room;
};

// The room of a push button's caption (drawn centred, moved right by the button's
// indent) and of a drop-down's (drawn from its indent up to the arrow).
QSize ButtonCaptionRoom(const LayoutRect& rect);
QSize DropDownCaptionRoom(const LayoutRect& rect);

bool CaptionFits(const QFont& font, const CaptionBox& box);

// The first font in which every caption fits its room, trying the controls' face from
// 15 pixels down to 12, then its narrow cut from 15 down to 9 (shrinking a regular face
// further would make it hard to read). When not even the last fits, that one: the
// caller shortens what is still too long.
QFont FitCaptionFont(const std::vector<CaptionBox>& boxes);

// The caption to draw: `text` itself when it fits, else cut with an ellipsis.
QString FittedCaption(const QFont& font, const CaptionBox& box);

}  // namespace tavro
