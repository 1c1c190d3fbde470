// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// The file dialogs of "Speichern" and "Laden". Both return the chosen path, or an empty string
// when the player cancels. The first dialog of a run opens in the player's home folder, every
// later one in the folder of the file last chosen in either of them. Nothing of this outlives
// the run: the dialogs write no settings of their own (the game writes nothing but the saved
// games the player asks for).
class SavedGameDialogs {
public:
    explicit SavedGameDialogs(QWidget* parent);

    QString AskPathToSave();
    QString AskPathToOpen();

    // Where the next dialog opens.
    QString Folder() const;

private:
    QString Remember(const QString& path);

    QWidget* parent_;
    QString folder_;
};
