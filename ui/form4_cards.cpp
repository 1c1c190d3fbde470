#include "ui/form4_cards.h"

TForm4::TForm4() : TDialogForm(QStringLiteral("Getränkekarte"), 400, 200) {}
TForm5::TForm5() : TDialogForm(QStringLiteral("Speisekarte"), 400, 200) {}
TForm6::TForm6() : TDialogForm(QStringLiteral("Weinkarte"), 400, 200) {}
