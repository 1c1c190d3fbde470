#include "ui/form2_lease.h"

TForm2::TForm2() : TDialogForm(QStringLiteral("Kneipe pachten"), 254, 130) {}
