#include "app/caption_fit.h"

#include <QFontDatabase>
#include <QFontMetrics>

#include <algorithm>

#include "app/main_window_layout.h"
#include "buttons/skinned_combo_button.h"
#include "skin/skin_fonts.h"
#include "skin/vok_button.h"

namespace tavro {

namespace {

constexpr const char* kNarrowFace = "Arial Narrow";
constexpr const char* kNarrowFallback = "Liberation Sans Narrow";
constexpr int kLargest = 15;
constexpr int kSmallestRegular = 12;
constexpr int kSmallestNarrow = 9;

QFont NarrowFont(int pixelHeight) {
    if (!QFontDatabase::hasFamily(QString::fromLatin1(kNarrowFace))) {
        QFont::insertSubstitution(QString::fromLatin1(kNarrowFace),
                                  QString::fromLatin1(kNarrowFallback));
    }
    QFont font(QString::fromLatin1(kNarrowFace));
    font.setPixelSize(pixelHeight);
    font.setWeight(QFont::Normal);
    return font;
}

std::vector<QFont> Candidates() {
    std::vector<QFont> fonts;
    for (int pixels = kLargest; pixels >= kSmallestRegular; --pixels) {
        fonts.push_back(ControlFont(pixels));
    }
    for (int pixels = kLargest; pixels >= kSmallestNarrow; --pixels) {
        fonts.push_back(NarrowFont(pixels));
    }
    return fonts;
}

}  // namespace

QSize ButtonCaptionRoom(const LayoutRect& rect) {
    using main_window_layout::kButtonFrameWidth;
    return {rect.width - CVokButton::kCaptionIndent - 2 * kButtonFrameWidth, rect.height};
}

QSize DropDownCaptionRoom(const LayoutRect& rect) {
    return {
        rect.width - SkinnedComboButton::kCaptionIndent - main_window_layout::kDropDownArrowWidth,
        rect.height};
}

bool CaptionFits(const QFont& font, const CaptionBox& box) {
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(box.text) <= box.room.width() &&
           metrics.height() <= box.room.height();
}

QFont FitCaptionFont(const std::vector<CaptionBox>& boxes) {
    const std::vector<QFont> candidates = Candidates();
    for (const QFont& font : candidates) {
        if (std::all_of(boxes.begin(), boxes.end(),
                        [&font](const CaptionBox& box) { return CaptionFits(font, box); })) {
            return font;
        }
    }
    return candidates.back();
}

QString FittedCaption(const QFont& font, const CaptionBox& box) {
    return QFontMetrics(font).elidedText(box.text, Qt::ElideRight, box.room.width());
}

}  // namespace tavro
