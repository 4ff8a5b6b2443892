// QtMessageBox: the game's texts in modal OK-only boxes titled with the application's name.
#include "platform/qt_message_box.h"

#include <QApplication>
#include <QMessageBox>

void QtMessageBox::Show(const std::string& text) {
    // Parented to the active window so that it opens over the building, yet application-modal:
    // no window of the game takes input until OK.
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("QUV"), QString::fromStdString(text),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}
