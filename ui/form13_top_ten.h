#pragma once

#include "ui/dialog_form.h"

// Window "Top Ten" (not built yet).
class TForm13 : public TDialogForm {
    Q_OBJECT
public:
    TForm13();
};
