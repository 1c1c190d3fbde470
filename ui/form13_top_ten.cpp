#include "ui/form13_top_ten.h"

TForm13::TForm13() : TDialogForm(QStringLiteral("Top Ten"), 435, 300) {}
