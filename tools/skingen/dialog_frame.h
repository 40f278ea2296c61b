#pragma once

#include <QPainter>
#include <QPointF>
#include <QRect>
#include <QRgb>
#include <QSize>
#include <QString>

// What every dialog picture shares: its frame, the round icon beside its message and
// the message itself.
namespace tavro::skingen {

// Amber, for the icons of warnings.
inline constexpr QRgb kWarningTint = 0xFFE8B339;

enum class Icon { Warning, Question, Surface, Done, Key, None };

// A dark panel with a title bar and a thin accent line along its top.
void PaintDialogFrame(QPainter& painter, const QSize& size, const QString& title);

// A round badge with the icon's glyph, 34 pixels across.
void PaintIcon(QPainter& painter, QPointF centre, Icon icon);

// A heading and, under it, the wrapped message text.
void PaintMessage(QPainter& painter, const QRect& box, const QString& heading, const QString& text);

}  // namespace tavro::skingen
