#include "ui/form10_entertainment.h"

TForm10::TForm10() : TDialogForm(QStringLiteral("Unterhaltung"), 435, 300) {}
