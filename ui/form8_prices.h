#pragma once

#include "ui/dialog_form.h"

// Window "Preise" (not built yet).
class TForm8 : public TDialogForm {
    Q_OBJECT
public:
    TForm8();
};
