#pragma once

#include "ui/dialog_form.h"

// Window "Bank" (not built yet).
class TForm12 : public TDialogForm {
    Q_OBJECT
public:
    TForm12();
};
