#pragma once

#include <QString>

class QWidget;

// The file dialogs of "Speichern" and "Laden". Both return the chosen path, or an empty string
// when the player cancels.
QString AskPathToSave(QWidget* parent);
QString AskPathToOpen(QWidget* parent);
