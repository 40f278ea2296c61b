#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>

#include <string_view>

#include "skin/layout_rect.h"
#include "skin/skin_files.h"
#include "theme.h"

// Drawing primitives of the theme: surfaces, texts and the looks of each kind of
// control in each state. Every control look fills exactly its rectangle, so that the
// page can cut it out and lay it over the background without a seam.
namespace tavro::skingen {

QRect R(const LayoutRect& rect);
QString Q(std::string_view text);

// Pictures are painted in page pixels; NewSheet and NewPicture make them PictureScale()
// times as large with that device pixel ratio, so every painter draws the 1× and the 2×
// set alike.
int PictureScale();
class ScopedPictureScale {
public:
    explicit ScopedPictureScale(int scale);
    ~ScopedPictureScale();
    ScopedPictureScale(const ScopedPictureScale&) = delete;
    ScopedPictureScale& operator=(const ScopedPictureScale&) = delete;

private:
    int previous_;
};

QImage NewSheet(int width, int height);
QImage NewPicture(int width, int height);  // transparent, with alpha
// A picture's area in page pixels.
QRect PictureRect(const QImage& picture);
void BeginPainter(QPainter& painter);

// Backgrounds.
void FillPage(QPainter& painter, const QRect& rect);
void DrawCard(QPainter& painter, const QRect& rect);
void DrawWell(QPainter& painter, const QRect& rect);  // an inset panel for lists
void DrawDivider(QPainter& painter, int x1, int x2, int y);
void DrawWindowFrame(QPainter& painter, const QRect& rect);

// Texts.
enum class Align { Left, Centre, Right };
void DrawText(QPainter& painter, const QRect& rect, const QString& text, QRgb colour,
              const QFont& font, Align align = Align::Left);
// Wrapped text from the top-left of `rect`.
void DrawParagraph(QPainter& painter, const QRect& rect, const QString& text, QRgb colour,
                   const QFont& font, Align align = Align::Left, int lineSpacing = 0);
void DrawSectionTitle(QPainter& painter, int x, int y, const QString& title);

// Control looks. In every kind, Over is the hover glow, Down pressed, checked or
// selected, Disable greyed.
void DrawPushButton(QPainter& painter, const QRect& rect, SkinState state, const QString& text = {},
                    bool primary = false);
void DrawCheckBox(QPainter& painter, const QRect& rect, SkinState state, const QString& text = {});
void DrawOption(QPainter& painter, const QRect& rect, SkinState state, const QString& text);
void DrawDropDown(QPainter& painter, const QRect& rect, SkinState state);
void DrawField(QPainter& painter, const QRect& rect, SkinState state);
void DrawCloseBox(QPainter& painter, const QRect& rect, SkinState state);
// A slider groove centred on the thumbs' middle row, with optional step ticks.
void DrawSliderTrack(QPainter& painter, const QRect& rect, int thumbWidth, int thumbHeight,
                     int steps);
void DrawBadge(QPainter& painter, const QRect& rect, SkinState state, const QString& text);

// Small icons.
void DrawChevronDown(QPainter& painter, QPointF centre, qreal size, const QColor& colour);

}  // namespace tavro::skingen
