#pragma once

#include "ui/dialog_form.h"

// Window "Kneipe pachten" (not built yet).
class TForm2 : public TDialogForm {
    Q_OBJECT
public:
    TForm2();
};
