#include "app/placeholder_page.h"

namespace tavro {

PlaceholderPage::PlaceholderPage(const QImage& background, const QString& name, QWidget* parent)
    : CVokImageDialog(parent) {
    setBackground(background);
    setAccessibleName(name);
}

}  // namespace tavro
