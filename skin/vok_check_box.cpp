#include "skin/vok_check_box.h"

namespace tavro {

CVokCheckBox::CVokCheckBox(int id, QWidget* parent) : FourStateButton(id, parent) {
    setCheckable(true);
}

}  // namespace tavro
