// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/dialog_form.h"

#include <QGroupBox>

struct ControlValues;
class GameSession;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QRadioButton;
class TSpinEdit;

// A group box drawn the classic way: an etched frame with the caption set into its top line.
// Children are placed by pixel position, relative to the box's top-left corner.
class TGroupBox : public QGroupBox {
    Q_OBJECT
public:
    explicit TGroupBox(const QString& caption, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// Window "Einstellungen": game speed, minimum stock level, the two order quantities and the two
// delivery message switches. Its controls and the game's ControlValues are kept in step at
// every change, so every reader of a setting sees what the window shows.
class TForm7 : public TDialogForm {
    Q_OBJECT
public:
    explicit TForm7(GameSession& session);

    // A new speed entry was chosen: sets the game timer's interval and switches it on.
    void RadioGroup1Click();

    // The selected speed entry, -1 for none.
    int ItemIndex() const;

    // Puts `values` on the controls (a loaded game) without acting on the speed choice; the
    // quantities are brought into their ranges and the game's values follow the controls.
    void ApplyControls(const ControlValues& values);

    QGroupBox* RadioGroup1 = nullptr;
    QRadioButton* RadioItems[4] = {};
    QGroupBox* GroupBox1 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QGroupBox* GroupBox3 = nullptr;
    QGroupBox* GroupBox4 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    TSpinEdit* SpinEdit1 = nullptr;
    TSpinEdit* SpinEdit2 = nullptr;
    TSpinEdit* SpinEdit3 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QCheckBox* CheckBox2 = nullptr;

private:
    void BuildSpeedGroup();
    QGroupBox* AddGroup(const char* name, const QString& title, QRect geometry);
    QLabel* AddHelpText(QGroupBox* group, const char* name, const QString& text, QPoint at);
    TSpinEdit* AddSpinEdit(QGroupBox* group, const char* name, int minValue, int maxValue,
                           QRect geometry);
    QCheckBox* AddCheckBox(const char* name, const QString& caption, QRect geometry);
    void SetItemIndex(int index);
    void ConnectToGameValues();
    ControlValues& GameValues();

    GameSession& session_;
    QButtonGroup* speedButtons_ = nullptr;
};
