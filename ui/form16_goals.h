#pragma once

#include "ui/dialog_form.h"

// Window "Spielziele" (not built yet).
class TForm16 : public TDialogForm {
    Q_OBJECT
public:
    TForm16();
};
