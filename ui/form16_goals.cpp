#include "ui/form16_goals.h"

TForm16::TForm16() : TDialogForm(QStringLiteral("Spielziele"), 355, 123) {}
