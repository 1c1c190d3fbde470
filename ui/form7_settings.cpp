#include "ui/form7_settings.h"

TForm7::TForm7() : TDialogForm(QStringLiteral("Einstellungen"), 309, 328) {}
