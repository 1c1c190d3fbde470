#include "ui/form8_prices.h"

TForm8::TForm8() : TDialogForm(QStringLiteral("Preise"), 348, 252) {}
