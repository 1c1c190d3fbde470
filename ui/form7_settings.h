#pragma once

#include "ui/dialog_form.h"

// Window "Einstellungen" (not built yet).
class TForm7 : public TDialogForm {
    Q_OBJECT
public:
    TForm7();
};
