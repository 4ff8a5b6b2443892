// QtMessageBox: the game's texts in modal OK-only boxes titled with the application's name.
#include "qt/qt_message_box.h"

#include <QEventLoop>
#include <QMessageBox>

void QtMessageBox::Show(const std::string& text) {
    // A child of the game's window opens centred over it, is transient for it, and minimises
    // with it; application-modal, so no window of the game takes input until OK.
    QWidget* owner = m_owner ? m_owner() : nullptr;
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(kTitle), QString::fromStdString(text),
                    QMessageBox::Ok, owner);
    box.setWindowModality(Qt::ApplicationModal);
    // Waited for until OK rather than exec()'d: the box may be hidden and shown again to bring it
    // back in front, which would end exec().
    QEventLoop answered;
    QObject::connect(&box, &QDialog::finished, &answered, &QEventLoop::quit);
    box.show();
    answered.exec(QEventLoop::DialogExec);
}
