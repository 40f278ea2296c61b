#include <QPainterPath>

#include "buttons/popup_layout.h"
#include "dialog_frame.h"
#include "paint.h"
#include "sheets.h"

namespace tavro::skingen {

namespace {

using namespace colour;

// A page with a folded corner and an exclamation mark, in the round warning badge.
void PaintFileIcon(QPainter& painter, QPointF centre) {
    painter.setPen(QPen(Colour(kWarningTint), 1.6));
    painter.setBrush(WithAlpha(kWarningTint, 26));
    painter.drawEllipse(centre, 17, 17);

    const QRectF page(centre.x() - 7, centre.y() - 9.5, 14, 19);
    const qreal fold = 5;
    QPainterPath outline;
    outline.moveTo(page.topLeft());
    outline.lineTo(page.right() - fold, page.top());
    outline.lineTo(page.right(), page.top() + fold);
    outline.lineTo(page.bottomRight());
    outline.lineTo(page.bottomLeft());
    outline.closeSubpath();
    outline.moveTo(page.right() - fold, page.top());
    outline.lineTo(page.right() - fold, page.top() + fold);
    outline.lineTo(page.right(), page.top() + fold);
    painter.setPen(QPen(Colour(kWarningTint), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(outline);

    painter.setPen(QPen(Colour(kWarningTint), 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(centre.x(), centre.y() - 3), QPointF(centre.x(), centre.y() + 3));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Colour(kWarningTint));
    painter.drawEllipse(QPointF(centre.x(), centre.y() + 6.5), 1.3, 1.3);
}

}  // namespace

QImage PaintFileWarningSheet(SkinState state) {
    const popup_layout::PopupLayout& layout = *popup_layout::FindMode(popup_layout::kFileWarning);
    QImage sheet = NewSheet(layout.dialog.width, layout.dialog.height);
    QPainter painter(&sheet);
    BeginPainter(painter);
    PaintDialogFrame(painter, sheet.size(), QStringLiteral("Profile file"));
    PaintFileIcon(painter, QPointF(40, 62));
    const int right = layout.dialog.width - 22;
    PaintMessage(painter, QRect(72, 46, right - 72, 90),
                 QStringLiteral("The file could not be read or written"),
                 QStringLiteral("Import takes a TAVRO profile file that can be read; export "
                                "needs a folder you may write to. Nothing was changed."));
    DrawDivider(painter, 12, layout.dialog.width - 12, layout.ok.rect.y - 10);
    DrawPushButton(painter, R(layout.ok.rect), state, QStringLiteral("OK"), true);
    DrawCloseBox(painter, R(layout.close.rect), state);
    return sheet;
}

}  // namespace tavro::skingen
