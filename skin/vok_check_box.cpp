#include "skin/vok_check_box.h"

#include <QPainter>

namespace tavro {

CVokCheckBox::CVokCheckBox(int id, QWidget* parent) : FourStateButton(id, parent) {
    setCheckable(true);
}

void CVokCheckBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawStretched(painter, currentLook(isChecked()), rect());
}

}  // namespace tavro
