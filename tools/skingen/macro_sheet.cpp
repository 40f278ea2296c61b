#include "app/main_window_layout.h"
#include "macros/macro_page_layout.h"
#include "paint.h"
#include "sheets.h"

namespace tavro::skingen {

namespace {

using namespace colour;
namespace layout = macro_page_layout;

void PaintBackground(QPainter& painter) {
    FillPage(painter, QRect(0, 0, main_window_layout::kPageWidth, main_window_layout::kPageHeight));
    const QFont hint = ThemeFont(11);

    DrawCard(painter, QRect(14, 8, 490, 333));
    DrawSectionTitle(painter, 42, 20, QStringLiteral("Macros"));
    DrawText(painter, QRect(42, 38, 200, 14), QStringLiteral("Your macro library"), kTextMuted,
             hint);
    DrawSectionTitle(painter, 282, 20, QStringLiteral("Events"));
    DrawText(painter, QRect(282, 38, 200, 14), QStringLiteral("Keys and pauses, in order"),
             kTextMuted, hint);
    for (const PlacedControl& panel : {layout::kMacroList, layout::kEventEditor}) {
        DrawWell(painter, R(panel.rect).adjusted(-1, -1, 1, 1));
    }
    DrawParagraph(painter, QRect(282, 284, 200, 40),
                  QStringLiteral("Right-click an event to record around it or to insert mouse "
                                 "clicks, wheel steps and delays."),
                  kTextDim, hint);

    DrawCard(painter, QRect(514, 8, 256, 333));
    DrawSectionTitle(painter, 530, 20, QStringLiteral("Recording"));
    DrawText(painter, QRect(530, 38, 230, 14), QStringLiteral("Type keys into the chosen macro"),
             kTextMuted, hint);
    DrawDivider(painter, 528, 756, 200);
    DrawParagraph(painter, QRect(542, 212, 214, 120),
                  QStringLiteral("Choose a macro, press Start Record and type. Press Stop Record "
                                 "when done.\n\nRecord Delay keeps the pauses between keys. "
                                 "Record Hold keeps keys that stay pressed."),
                  kTextMuted, hint, Align::Left, 2);
}

}  // namespace

QImage PaintMacroBackground() {
    QImage sheet = NewSheet(main_window_layout::kPageWidth, main_window_layout::kPageHeight);
    QPainter painter(&sheet);
    BeginPainter(painter);
    PaintBackground(painter);
    return sheet;
}

QImage PaintMacroSheet(SkinState state) {
    QImage sheet = PaintMacroBackground();
    QPainter painter(&sheet);
    BeginPainter(painter);
    DrawPushButton(painter, R(layout::kNewMacroButton.rect), state, QStringLiteral("New Macro"));
    DrawPushButton(painter, R(layout::kDeleteButton.rect), state, QStringLiteral("Delete"));
    DrawCheckBox(painter, R(layout::kRecordDelayBox.rect), state, QStringLiteral("Record Delay"));
    DrawCheckBox(painter, R(layout::kRecordHoldBox.rect), state, QStringLiteral("Record Hold"));
    DrawPushButton(painter, R(layout::kStartRecordButton.rect), state,
                   QStringLiteral("Start Record"), true);
    DrawPushButton(painter, R(layout::kStopRecordSkinRect), state, QStringLiteral("Stop Record"));
    return sheet;
}

std::vector<Outline> MacroOutlines() {
    std::vector<Outline> outlines;
    for (const PlacedControl& control :
         {layout::kMacroList, layout::kEventEditor, layout::kNewMacroButton, layout::kDeleteButton,
          layout::kRecordDelayBox, layout::kRecordHoldBox, layout::kStartRecordButton}) {
        outlines.push_back({control.rect, QString::number(control.id)});
    }
    outlines.push_back({layout::kStopRecordSkinRect, QStringLiteral("1068 looks")});
    return outlines;
}

}  // namespace tavro::skingen
