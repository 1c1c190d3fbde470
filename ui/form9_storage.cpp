#include "ui/form9_storage.h"

TForm9::TForm9() : TDialogForm(QStringLiteral("Lager"), 335, 319) {}
