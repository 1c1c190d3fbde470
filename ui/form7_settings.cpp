// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form7_settings.h"

#include "game/game_state.h"
#include "ui/game_session.h"
#include "ui/spin_edit.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>

namespace {
const QColor HelpTextColour(0, 255, 0);
const QColor FrameShadow(128, 128, 128);
const QColor FrameHighlight(255, 255, 255);
constexpr int GroupCaptionLeft = 8;
constexpr int GroupCaptionPadding = 2;

void Colour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}
} // namespace

TGroupBox::TGroupBox(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {}

void TGroupBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const QRect frame = rect().adjusted(0, metrics.height() / 2, -2, -2);
    painter.setPen(FrameShadow);
    painter.drawRect(frame);
    painter.setPen(FrameHighlight);
    painter.drawRect(frame.translated(1, 1));

    if (title().isEmpty())
        return;
    const QRect caption(GroupCaptionLeft, 0,
                        metrics.horizontalAdvance(title()) + 2 * GroupCaptionPadding,
                        metrics.height());
    painter.fillRect(caption, palette().window());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter, title());
}

TForm7::TForm7(GameSession& session)
    : TDialogForm(QStringLiteral("Einstellungen"), 309, 328), session_(session) {
    setObjectName(QStringLiteral("Form7"));
    BuildSpeedGroup();

    GroupBox1 = AddGroup("GroupBox1", QStringLiteral("Lagermindestmengen:"), {145, 6, 151, 105});
    Label1 = AddHelpText(GroupBox1, "Label1",
                         QStringLiteral("Gibt an, ab welchem \nLagerbestand eine Ware \n"
                                        "als knapp gekennzeichnet \nwird."),
                         {9, 17});
    SpinEdit1 = AddSpinEdit(GroupBox1, "SpinEdit1", 0, 100, {50, 70, 51, 26});

    GroupBox2 = AddGroup("GroupBox2", QStringLiteral("Bestellmenge:"), {7, 118, 133, 113});
    Label2 = AddHelpText(GroupBox2, "Label2",
                         QStringLiteral("Gibt an, wieviel Ware\nbestellt wird, wenn \n"
                                        "etwas der Karte hin-\nzugefügt wird."),
                         {8, 17});
    SpinEdit2 = AddSpinEdit(GroupBox2, "SpinEdit2", 1, 500, {34, 78, 51, 26});

    GroupBox3 = AddGroup("GroupBox3", QStringLiteral("Bestellmenge Lager:"), {145, 118, 151, 113});
    Label3 =
        AddHelpText(GroupBox3, "Label3",
                    QStringLiteral("Gibt an, wieviel Ware bestellt\nwird, wenn etwas im Lager\n"
                                   "nachgekauft wird."),
                    {6, 18});
    SpinEdit3 = AddSpinEdit(GroupBox3, "SpinEdit3", 1, 500, {50, 78, 51, 26});

    GroupBox4 = AddGroup("GroupBox4", QStringLiteral("Nachrichten:"), {7, 237, 289, 58});
    CheckBox1 =
        AddCheckBox("CheckBox1", QStringLiteral("Nachricht anzeigen, wenn Ware eingegangen ist."),
                    {10, 18, 269, 17});
    CheckBox2 =
        AddCheckBox("CheckBox2", QStringLiteral("Nachricht, wann die Ware eintreffen wird."),
                    {10, 36, 271, 17});

    ApplyLightIndicators(this);
    ApplyControls(GameValues());
    ConnectToGameValues();
    connect(&session_, &GameSession::ControlsLoaded, this, &TForm7::ApplyControls);
}

ControlValues& TForm7::GameValues() {
    return session_.state().Controls;
}

void TForm7::BuildSpeedGroup() {
    RadioGroup1 =
        AddGroup("RadioGroup1", QStringLiteral("Spielgeschwindigkeit:"), {7, 6, 132, 105});
    speedButtons_ = new QButtonGroup(this);
    const QString captions[] = {QStringLiteral("Schnell (3)"), QStringLiteral("Normal (2)"),
                                QStringLiteral("Langsam (1)"), QStringLiteral("Pause (0)")};
    for (int i = 0; i < 4; ++i) {
        auto* item = new QRadioButton(captions[i], RadioGroup1);
        item->setObjectName(QStringLiteral("RadioGroup1Item%1").arg(i));
        item->setGeometry(8, 17 + 21 * i, 118, 19);
        speedButtons_->addButton(item, i);
        RadioItems[i] = item;
    }
    // Only a change of the selection acts; choosing the entry already selected does nothing.
    connect(speedButtons_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            RadioGroup1Click();
    });
}

QGroupBox* TForm7::AddGroup(const char* name, const QString& title, QRect geometry) {
    auto* group = new TGroupBox(title, this);
    group->setObjectName(QString::fromLatin1(name));
    group->setGeometry(geometry);
    return group;
}

QLabel* TForm7::AddHelpText(QGroupBox* group, const char* name, const QString& text, QPoint at) {
    QLabel* label = MakeLabel(group, name, text, at);
    Colour(label, HelpTextColour);
    return label;
}

TSpinEdit* TForm7::AddSpinEdit(QGroupBox* group, const char* name, int minValue, int maxValue,
                               QRect geometry) {
    auto* spinEdit = new TSpinEdit(minValue, maxValue, minValue, group);
    spinEdit->setObjectName(QString::fromLatin1(name));
    spinEdit->setGeometry(geometry);
    spinEdit->setFont(GameFont(10));
    return spinEdit;
}

QCheckBox* TForm7::AddCheckBox(const char* name, const QString& caption, QRect geometry) {
    auto* checkBox = new QCheckBox(caption, GroupBox4);
    checkBox->setObjectName(QString::fromLatin1(name));
    checkBox->setGeometry(geometry);
    Colour(checkBox, HelpTextColour);
    return checkBox;
}

void TForm7::ConnectToGameValues() {
    connect(SpinEdit1, &TSpinEdit::Changed, this,
            [this](int value) { GameValues().MinStockLevel = value; });
    connect(SpinEdit2, &TSpinEdit::Changed, this,
            [this](int value) { GameValues().CardOrderQuantity = value; });
    connect(SpinEdit3, &TSpinEdit::Changed, this,
            [this](int value) { GameValues().StorageOrderQuantity = value; });
    connect(CheckBox1, &QCheckBox::toggled, this,
            [this](bool checked) { GameValues().NotifyOnDelivery = checked; });
    connect(CheckBox2, &QCheckBox::toggled, this,
            [this](bool checked) { GameValues().NotifyDeliveryTime = checked; });
}

void TForm7::RadioGroup1Click() {
    const int index = ItemIndex();
    GameValues().SpeedIndex = index;
    const int interval = SpeedInterval(index);
    if (interval <= 0)
        return;
    session_.SetTimerInterval(interval);
    session_.SetTimerEnabled(true);
}

int TForm7::ItemIndex() const {
    return speedButtons_->checkedId();
}

void TForm7::SetItemIndex(int index) {
    const QSignalBlocker quiet(speedButtons_);
    if (index < 0 || index > 3) {
        // An exclusive group cannot uncheck its last button; let go of exclusivity for it.
        speedButtons_->setExclusive(false);
        for (QRadioButton* item : RadioItems)
            item->setChecked(false);
        speedButtons_->setExclusive(true);
        return;
    }
    RadioItems[index]->setChecked(true);
}

void TForm7::ApplyControls(const ControlValues& values) {
    const ControlValues wanted = values; // `values` may be the game's own record
    SetItemIndex(wanted.SpeedIndex);
    SpinEdit1->SetValue(wanted.MinStockLevel);
    SpinEdit2->SetValue(wanted.CardOrderQuantity);
    SpinEdit3->SetValue(wanted.StorageOrderQuantity);
    CheckBox1->setChecked(wanted.NotifyOnDelivery);
    CheckBox2->setChecked(wanted.NotifyDeliveryTime);

    ControlValues& game = GameValues();
    game.SpeedIndex = ItemIndex();
    game.MinStockLevel = SpinEdit1->Value();
    game.CardOrderQuantity = SpinEdit2->Value();
    game.StorageOrderQuantity = SpinEdit3->Value();
    game.NotifyOnDelivery = CheckBox1->isChecked();
    game.NotifyDeliveryTime = CheckBox2->isChecked();
}
