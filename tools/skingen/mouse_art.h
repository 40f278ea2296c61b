#pragma once

#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QTransform>

// The TAVRO seen from above, front up, in its own units: about 160 wide and 282 long,
// centred on the origin. Used large on the mouse settings page and small in the header.
namespace tavro::skingen {

// Settings: full detail; Hero: small, with a lime rim; Preview: the lighting preview's
// mouse, its lit parts left dark for the preview to cut its windows into. The preview's
// mouse has a slimmer nose, the wheel further forward and the logo further back, so that
// the whole mouse fits its picture while the wheel and the logo sit on the preview's
// fixed zone rectangles.
enum class MouseArtStyle { Settings, Hero, Preview };

enum class MousePart { LeftButton, RightButton, Wheel, Forward, Back, DpiUp, DpiDown };

// Draws the mouse centred at `centre`, scaled and turned by `degrees` clockwise.
void DrawMouseTopView(QPainter& painter, QPointF centre, qreal scale, qreal degrees,
                      MouseArtStyle style);

// The placement DrawMouseTopView uses.
QTransform MouseTransform(QPointF centre, qreal scale, qreal degrees);

// The lit parts, in the mouse's own units: the wheel and the logo.
QPainterPath MouseWheel(MouseArtStyle style);
QPainterPath MouseLogo(MouseArtStyle style);

// Where a leader line should touch a part, in the mouse's own units.
QPointF MousePartAnchor(MousePart part);

}  // namespace tavro::skingen
