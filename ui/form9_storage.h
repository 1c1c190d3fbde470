#pragma once

#include "ui/dialog_form.h"

// Window "Lager" (not built yet).
class TForm9 : public TDialogForm {
    Q_OBJECT
public:
    TForm9();
};
