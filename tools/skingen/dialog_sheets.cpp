#include "buttons/popup_layout.h"
#include "dialog_frame.h"
#include "macros/rename_layout.h"
#include "paint.h"
#include "sheets.h"

namespace tavro::skingen {

namespace {

using namespace colour;

struct PopupText {
    int mode;
    const char* title;
    Icon icon;
    const char* heading;
    const char* message;
    const char* ok;
};

constexpr PopupText kPopupTexts[] = {
    {popup_layout::kLeftClickWarning, "Left Click", Icon::Warning, "Keep one Left Click",
     "This is the last button set to Left Click. Give Left Click to another button first, "
     "so that the mouse can still click.",
     "OK"},
    {popup_layout::kDeleteMacro, "Delete macro", Icon::Question, "Delete this macro?",
     "The selected macro leaves the library. Buttons that play it go back to their default "
     "function.",
     "OK"},
    {popup_layout::kSurfaceStart, "Surface analysis", Icon::Surface, "Test your surface",
     "Put the mouse on the surface you want to test. Press Start, then keep moving the mouse "
     "in wide circles for ten seconds.",
     "Start"},
    {popup_layout::kSurfaceCountdown, "Surface analysis", Icon::None, "Keep moving",
     "Move the mouse in circles until the count reaches zero.", "Measuring…"},
    {popup_layout::kSurfaceResult, "Surface analysis", Icon::Done, "Analysis complete",
     "The sensor page now shows how well the mouse tracks on this surface.", "Show Result"},
    {popup_layout::kResetWarning, "Reset to Default", Icon::Warning, "Reset all profiles?",
     "All five profiles go back to their factory settings and are written to the mouse. "
     "Your macros stay in the library.",
     "OK"},
    {popup_layout::kAssignKey, "Assign a key", Icon::Key, "Press a key",
     "Then click OK to give the button the last key pressed.", "OK"},
};

const PopupText& TextOf(int mode) {
    for (const PopupText& text : kPopupTexts) {
        if (text.mode == mode) {
            return text;
        }
    }
    return kPopupTexts[0];
}

void PaintKeyCap(QPainter& painter, const LayoutRect& label) {
    const QRectF cap = QRectF(R(label)).adjusted(-10.5, -7.5, 10.5, 9.5);
    painter.setPen(QPen(Colour(0xFF050607), 1));
    painter.setBrush(Colour(0xFF2C3037));
    painter.drawRoundedRect(cap, 6, 6);
    // The key's face is one flat colour, so the name label can sit on any part of it.
    const QRectF face = cap.adjusted(3, 2, -3, -5);
    painter.setPen(QPen(Colour(0xFF464B53), 1));
    painter.setBrush(Colour(0xFF1F2227));
    painter.drawRoundedRect(face, 4, 4);
}

void AddOutline(std::vector<Outline>& outlines, const PlacedControl& control) {
    if (!control.rect.empty()) {
        outlines.push_back({control.rect, QString::number(control.id)});
    }
}

}  // namespace

QImage PaintRenameSheet(SkinState state) {
    namespace layout = rename_layout;
    QImage sheet = NewSheet(layout::kDialog.width, layout::kDialog.height);
    QPainter painter(&sheet);
    BeginPainter(painter);
    PaintDialogFrame(painter, PictureRect(sheet).size(), QStringLiteral("Rename profile"));
    const LayoutRect edit = layout::kNameEdit.rect;
    DrawText(painter, QRect(20, edit.y - 2, edit.x - 28, edit.height + 4), QStringLiteral("Name"),
             kText, ThemeFont(12, Weight::Medium), Align::Right);
    DrawParagraph(painter, QRect(edit.x, edit.bottom() + 10, edit.width + 60, 40),
                  QStringLiteral("Shown on the profile button. The mouse keeps the first 15 "
                                 "characters."),
                  kTextMuted, ThemeFont(11));
    DrawDivider(painter, 12, layout::kDialog.width - 12, 118);
    DrawField(painter, R(edit).adjusted(-1, -2, 1, 2), state);
    DrawPushButton(painter, R(layout::kOkButton.rect), state, QStringLiteral("OK"), true);
    DrawPushButton(painter, R(layout::kCancelButton.rect), state, QStringLiteral("Cancel"));
    DrawCloseBox(painter, R(layout::kCloseButton.rect), state);
    return sheet;
}

std::vector<Outline> RenameOutlines() {
    namespace layout = rename_layout;
    std::vector<Outline> outlines;
    for (const PlacedControl& control :
         {layout::kNameEdit, layout::kOkButton, layout::kCancelButton, layout::kCloseButton}) {
        AddOutline(outlines, control);
    }
    return outlines;
}

QImage PaintPopupSheet(int mode, SkinState state) {
    const popup_layout::PopupLayout& layout = *popup_layout::FindMode(mode);
    const PopupText& text = TextOf(mode);
    QImage sheet = NewSheet(layout.dialog.width, layout.dialog.height);
    QPainter painter(&sheet);
    BeginPainter(painter);
    PaintDialogFrame(painter, PictureRect(sheet).size(), QString::fromUtf8(text.title));

    const int right = layout.dialog.width - 22;
    if (mode == popup_layout::kSurfaceCountdown) {
        DrawWell(painter, R(layout.image.rect).adjusted(-1, -1, 1, 1));
        PaintMessage(painter, QRect(226, 46, right - 226, 80), QString::fromUtf8(text.heading),
                     QString::fromUtf8(text.message));
        const LayoutRect time = layout.time.rect;
        DrawText(painter, QRect(226, time.y - 3, time.x - 232, time.height + 6),
                 QStringLiteral("Time left"), kTextMuted, ThemeFont(11), Align::Right);
        DrawText(painter, QRect(time.right() + 3, time.y - 3, 20, time.height + 6),
                 QStringLiteral("s"), kTextMuted, ThemeFont(11));
    } else {
        PaintIcon(painter, QPointF(40, 62), text.icon);
        PaintMessage(painter, QRect(72, 46, right - 72, 90), QString::fromUtf8(text.heading),
                     QString::fromUtf8(text.message));
    }
    if (mode == popup_layout::kAssignKey) {
        const LayoutRect key = layout.time.rect;
        DrawText(painter, QRect(72, key.y, key.x - 72 - 16, key.height), QStringLiteral("Key"),
                 kTextMuted, ThemeFont(11), Align::Right);
        PaintKeyCap(painter, key);
    } else if (mode != popup_layout::kSurfaceCountdown) {
        DrawDivider(painter, 12, layout.dialog.width - 12, layout.ok.rect.y - 10);
    }
    if (mode == popup_layout::kSurfaceCountdown) {
        // Its OK stays disabled through the countdown, and a disabled button shows its
        // normal look: that look reads as a busy state.
        const bool over = state == SkinState::Over;
        DrawPushButton(painter, R(layout.ok.rect), over ? SkinState::Normal : SkinState::Disable,
                       QString::fromUtf8(text.ok));
    } else {
        DrawPushButton(painter, R(layout.ok.rect), state, QString::fromUtf8(text.ok), true);
    }
    if (!layout.cancel.rect.empty()) {
        DrawPushButton(painter, R(layout.cancel.rect), state, QStringLiteral("Cancel"));
    }
    if (!layout.close.rect.empty()) {
        DrawCloseBox(painter, R(layout.close.rect), state);
    }
    return sheet;
}

std::vector<Outline> PopupOutlines(int mode) {
    const popup_layout::PopupLayout& layout = *popup_layout::FindMode(mode);
    std::vector<Outline> outlines;
    for (const PlacedControl& control :
         {layout.ok, layout.cancel, layout.close, layout.time, layout.image}) {
        AddOutline(outlines, control);
    }
    return outlines;
}

}  // namespace tavro::skingen
