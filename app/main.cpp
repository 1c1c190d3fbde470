#include "ui/form1_main.h"
#include "ui/forms.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

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

    // The game speaks German, so do Qt's own texts (the buttons of the file dialogs).
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                     QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    CreateForms();
    Form1->show();
    const int result = QApplication::exec();
    DestroyForms();
    return result;
}
