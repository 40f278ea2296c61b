#include "app/message_sink.h"

#include <QMessageBox>

namespace tavro {

void ShowMessageBox(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("TAVRO"), text, QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace tavro
