#include "ui/form12_bank.h"

TForm12::TForm12() : TDialogForm(QStringLiteral("Bank"), 145, 205) {}
