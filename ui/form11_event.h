#pragma once

#include "ui/dialog_form.h"

// Window "Ereigniss" (not built yet).
class TForm11 : public TDialogForm {
    Q_OBJECT
public:
    TForm11();
};
