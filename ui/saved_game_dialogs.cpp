// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/saved_game_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QSettings>
#include <QTreeView>

namespace {
const QString Filter = QStringLiteral("\"Das Krugheim\" Spielstände (*.krg)");
const QString Extension = QStringLiteral("krg");

// Qt's file dialog keeps its history and last folder in ~/.config/QtProject.conf. Settings
// are sent below /dev/null, where no folder can ever be made, so nothing is read or written.
// The system's own dialog is not used either: it may keep a list of recent files.
void KeepQtSettingsOffDisk() {
    const QString nowhere = QStringLiteral("/dev/null/krugheim");
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        QSettings::setPath(format, QSettings::UserScope, nowhere);
        QSettings::setPath(format, QSettings::SystemScope, nowhere);
    }
}

void SetUp(QFileDialog& dialog) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setDefaultSuffix(Extension);
    // Size, type and date fit their column ("14,1 KiB", not "14,...KiB"); the name takes the rest.
    if (auto* details = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        QHeaderView* header = details->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(QHeaderView::ResizeToContents);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
    }
}

QString Run(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}
} // namespace

SavedGameDialogs::SavedGameDialogs(QWidget* parent) : parent_(parent) {
    KeepQtSettingsOffDisk();
}

QString SavedGameDialogs::Folder() const {
    return folder_.isEmpty() ? QDir::homePath() : folder_;
}

QString SavedGameDialogs::Remember(const QString& path) {
    if (!path.isEmpty())
        folder_ = QFileInfo(path).absolutePath();
    return path;
}

QString SavedGameDialogs::AskPathToSave() {
    QFileDialog dialog(parent_, QStringLiteral("Spielstand speichern"), Folder(), Filter);
    SetUp(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The player picks the file to write on purpose; replacing it needs no second question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.selectFile(QStringLiteral("spielstand"));
    return Remember(Run(dialog));
}

QString SavedGameDialogs::AskPathToOpen() {
    QFileDialog dialog(parent_, QString(), Folder(), Filter);
    SetUp(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.selectFile(QStringLiteral("*.krg"));
    return Remember(Run(dialog));
}
