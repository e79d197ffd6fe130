#include "platform/qtwindow/QtMessageBoxes.h"

#include <QMessageBox>

namespace lumet {

namespace {

QMessageBox::Icon QtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::None:
        return QMessageBox::NoIcon;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    }
    return QMessageBox::NoIcon;
}

void Show(QMessageBox::Icon icon, const QString& caption, const std::string& text, QWidget* owner) {
    QMessageBox box(icon, caption, QString::fromStdString(text), QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);
    // A command in a text can be copied from the box and pasted into a terminal.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    box.exec();
}

} // namespace

void QtMessageBoxes::ShowApplicationMessage(const std::string& text) {
    Show(QMessageBox::Warning, applicationName_, text, owner_.data());
}

void QtMessageBoxes::ShowMessage(const std::string& caption, MessageIcon icon,
                                 const std::string& text) {
    Show(QtIcon(icon), QString::fromStdString(caption), text, nullptr);
}

} // namespace lumet
