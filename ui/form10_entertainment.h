#pragma once

#include "ui/dialog_form.h"

// Window "Unterhaltung" (not built yet).
class TForm10 : public TDialogForm {
    Q_OBJECT
public:
    TForm10();
};
