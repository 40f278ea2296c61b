#include "skin/place_control.h"

#include <QString>

#include "skin/layout_qt.h"
#include "skin/owner_notification.h"
#include "skin/skinned_button.h"

namespace tavro {

void PlaceControl(QWidget& control, const PlacedControl& placed) {
    SetControlId(&control, placed.id);
    control.setGeometry(ToQRect(placed.rect));
    const QString caption =
        QString::fromUtf8(placed.caption.data(), static_cast<qsizetype>(placed.caption.size()));
    if (auto* button = qobject_cast<SkinnedButton*>(&control)) {
        button->setTemplateCaption(caption);
    } else {
        control.setAccessibleName(caption);
    }
    if (placed.rect.empty()) {
        control.hide();
    }
}

}  // namespace tavro
