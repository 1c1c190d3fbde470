#include "ui/form1_main.h"
#include "ui/forms.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The icon lives in the window library's resources.
    Q_INIT_RESOURCE(krugheim);
    QApplication::setApplicationName(QStringLiteral("Das Krugheim"));
    // No application display name: the window system would append it to every dialog's title.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/krugheim.png")));
    QGuiApplication::setDesktopFileName(QStringLiteral("krugheim"));
    // Dialogs hide the main window while they are open; the game ends only explicitly.
    QApplication::setQuitOnLastWindowClosed(false);

    CreateForms();
    Form1->show();
    const int result = QApplication::exec();
    DestroyForms();
    return result;
}
