#include "ui/form11_event.h"

TForm11::TForm11() : TDialogForm(QStringLiteral("Ereigniss"), 536, 303) {}
