#include "ui/form1_main.h"
#include "ui/forms.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Das Krugheim"));
    QApplication::setApplicationDisplayName(QStringLiteral("Das Krugheim"));
    // Dialogs hide the main window while they are open; the game ends only explicitly.
    QApplication::setQuitOnLastWindowClosed(false);

    CreateForms();
    Form1->show();
    const int result = QApplication::exec();
    DestroyForms();
    return result;
}
