#include <QPainterPath>

#include "app/main_window_layout.h"
#include "app/support_layout.h"
#include "paint.h"
#include "sheets.h"

namespace tavro::skingen {

namespace {

using namespace colour;
namespace layout = support_layout;

void PaintHelpIcon(QPainter& painter, QPointF centre) {
    painter.setPen(QPen(Colour(kAccent), 1.6));
    painter.setBrush(WithAlpha(kAccent, 24));
    painter.drawEllipse(centre, 17, 17);
    DrawText(painter, QRectF(centre.x() - 17, centre.y() - 17, 34, 34).toRect(),
             QStringLiteral("?"), kAccent, ThemeFont(20, Weight::Bold), Align::Centre);
}

void PaintUpdateIcon(QPainter& painter, QPointF centre) {
    painter.setPen(QPen(Colour(kAccent), 1.6));
    painter.setBrush(WithAlpha(kAccent, 24));
    painter.drawEllipse(centre, 17, 17);
    QPainterPath arrow;
    arrow.moveTo(centre + QPointF(0, 8));
    arrow.lineTo(centre + QPointF(0, -8));
    arrow.moveTo(centre + QPointF(-6, -2));
    arrow.lineTo(centre + QPointF(0, -8));
    arrow.lineTo(centre + QPointF(6, -2));
    painter.setPen(QPen(Colour(kAccent), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(arrow);
}

void PaintColumn(QPainter& painter, const QRect& card, const QString& title,
                 const QString& firstText, const QString& secondText, bool help) {
    DrawCard(painter, card);
    const QPointF iconCentre(card.center().x() + 1, card.y() + 40);
    if (help) {
        PaintHelpIcon(painter, iconCentre);
    } else {
        PaintUpdateIcon(painter, iconCentre);
    }
    DrawText(painter, QRect(card.x(), card.y() + 62, card.width(), 18), title, kWhite,
             ThemeFont(14, Weight::SemiBold), Align::Centre);
    const QFont hint = ThemeFont(11);
    DrawParagraph(painter, QRect(card.x() + 40, 156, card.width() - 80, 40), firstText, kTextMuted,
                  hint, Align::Centre);
    DrawDivider(painter, card.x() + 24, card.right() - 24, 212);
    DrawParagraph(painter, QRect(card.x() + 40, 232, card.width() - 80, 40), secondText, kTextMuted,
                  hint, Align::Centre);
}

}  // namespace

QImage PaintSupportSheet(SkinState state) {
    QImage sheet = NewSheet(main_window_layout::kPageWidth, main_window_layout::kPageHeight);
    QPainter painter(&sheet);
    BeginPainter(painter);
    FillPage(painter, QRect(0, 0, main_window_layout::kPageWidth, main_window_layout::kPageHeight));
    PaintColumn(painter, QRect(62, 20, 280, 316), QStringLiteral("Help and support"),
                QStringLiteral("Answers to the questions asked most about the mouse and this "
                               "program."),
                QStringLiteral("Still stuck? Our support team is glad to help you."), true);
    PaintColumn(painter, QRect(434, 20, 282, 316), QStringLiteral("Updates"),
                QStringLiteral("See whether a newer version of TAVRO Config is out."),
                QStringLiteral("Look for new firmware for the mouse and how to install it."),
                false);
    const QFont version = ThemeFont(11);
    DrawText(painter, QRect(500, layout::kFirmwareVersionLabel.rect.y, 124, 14),
             QStringLiteral("Firmware version"), kTextMuted, version, Align::Right);
    DrawText(painter, QRect(500, layout::kSoftwareVersionLabel.rect.y, 124, 13),
             QStringLiteral("Software version"), kTextMuted, version, Align::Right);

    DrawPushButton(painter, R(layout::kFaqButton.rect), state, QStringLiteral("FAQ"));
    DrawPushButton(painter, R(layout::kOnlineSupportButton.rect), state,
                   QStringLiteral("Online Support"));
    DrawPushButton(painter, R(layout::kCheckUpdatesButton.rect), state,
                   QStringLiteral("Check Updates"));
    DrawPushButton(painter, R(layout::kCheckFirmwareButton.rect), state,
                   QStringLiteral("Check Firmware"));
    return sheet;
}

std::vector<Outline> SupportOutlines() {
    std::vector<Outline> outlines;
    for (const PlacedControl& control :
         {layout::kFaqButton, layout::kOnlineSupportButton, layout::kCheckUpdatesButton,
          layout::kCheckFirmwareButton, layout::kFirmwareVersionLabel,
          layout::kSoftwareVersionLabel}) {
        outlines.push_back({control.rect, QString::number(control.id)});
    }
    return outlines;
}

}  // namespace tavro::skingen
