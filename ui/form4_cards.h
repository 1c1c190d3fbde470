#pragma once

#include "ui/dialog_form.h"

// The three menu cards (not built yet).
class TForm4 : public TDialogForm {
    Q_OBJECT
public:
    TForm4();
};
class TForm5 : public TDialogForm {
    Q_OBJECT
public:
    TForm5();
};
class TForm6 : public TDialogForm {
    Q_OBJECT
public:
    TForm6();
};
