#pragma once

#include "ui/dialog_form.h"

// Window "Personal" (not built yet).
class TForm3 : public TDialogForm {
    Q_OBJECT
public:
    TForm3();
};
