#include "platform/message_boxes.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace ovrelan {

void QtMessageBoxes::show_ok(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.button(QMessageBox::Ok)
        ->setText(QCoreApplication::translate(
            "MessageBoxes", "ОК")); // in Cyrillic letters, as the rest of the text
    box.exec();
}

bool QtMessageBoxes::ask_yes_no(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

} // namespace ovrelan
