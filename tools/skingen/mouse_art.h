#pragma once

#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QTransform>

// The TAVRO seen from above, front up, in its own units: about 160 wide and 282 long,
// centred on the origin. Used large on the mouse settings page and small in the header.
namespace tavro::skingen {

// Settings: full detail; Hero: small, with a lime rim; Preview: the lighting zones left
// unlit, for the lighting preview to cut its windows into.
enum class MouseArtStyle { Settings, Hero, Preview };

enum class MousePart { LeftButton, RightButton, Wheel, Forward, Back, DpiUp, DpiDown };

// Draws the mouse centred at `centre`, scaled and turned by `degrees` clockwise.
void DrawMouseTopView(QPainter& painter, QPointF centre, qreal scale, qreal degrees,
                      MouseArtStyle style);

// The placement DrawMouseTopView uses.
QTransform MouseTransform(QPointF centre, qreal scale, qreal degrees);

// The lit parts, in the mouse's own units: the wheel's slot and the logo.
QPainterPath MouseWheelSlot();
QPainterPath MouseWheel();
QPainterPath MouseLogo();

// Where a leader line should touch a part, in the mouse's own units.
QPointF MousePartAnchor(MousePart part);

}  // namespace tavro::skingen
