#include "ui/saved_game_dialogs.h"

#include <QFileDialog>

namespace {
const QString Filter = QStringLiteral("\"Das Krugheim\" Spielstände (*.krg)");
const QString Extension = QStringLiteral("krg");

QString Run(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}
} // namespace

QString AskPathToSave(QWidget* parent) {
    QFileDialog dialog(parent, QStringLiteral("Spielstand speichern"), QString(), Filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(Extension);
    // The player picks the file to write on purpose; replacing it needs no second question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.selectFile(QStringLiteral("spielstand"));
    return Run(dialog);
}

QString AskPathToOpen(QWidget* parent) {
    QFileDialog dialog(parent, QString(), QString(), Filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(Extension);
    dialog.selectFile(QStringLiteral("*.krg"));
    return Run(dialog);
}
