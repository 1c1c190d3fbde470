#include "ui/message_box.h"

#include "ui/form1_main.h"
#include "ui/forms.h"

#include <QIcon>
#include <QMessageBox>
#include <QPushButton>

void ShowGameMessage(const QString& text) {
    if (Form1 && Form1->Ending())
        return;
    // No parent: the main window may be hidden behind a dialog, and the box belongs to the
    // whole program, centred on the screen.
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Das Krugheim"), text, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    // Room for the title even when the message is short ("Disk full").
    box.setStyleSheet(QStringLiteral("QLabel { min-width: 220px; }"));
    box.button(QMessageBox::Ok)->setIcon(QIcon()); // a plain "OK", as in every message
    box.exec();
}

void ShowGameMessage(const std::string& utf8Text) {
    ShowGameMessage(QString::fromStdString(utf8Text));
}
