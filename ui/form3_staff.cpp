#include "ui/form3_staff.h"

TForm3::TForm3() : TDialogForm(QStringLiteral("Personal"), 324, 136) {}
