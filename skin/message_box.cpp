#include "skin/message_box.h"

#include <QMessageBox>

namespace tavro {

void ShowMessageBox(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("TAVRO"), text, QMessageBox::Ok, parent);
    box.setWindowModality(parent != nullptr ? Qt::WindowModal : Qt::ApplicationModal);
    box.exec();
}

}  // namespace tavro
