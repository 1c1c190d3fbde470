// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form1_main.h"

#include "game/guests.h"
#include "ui/dialog_form.h"
#include "ui/form4_cards.h"
#include "ui/form8_prices.h"
#include "ui/game_keys.h"
#include "ui/game_session.h"
#include "ui/names.h"
#include "ui/saved_game_dialogs.h"
#include "ui/tool_tips.h"
#include "widgets/led_meter.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <optional>

namespace {
constexpr int ClientWidth = 427; // with a usual frame and title bar the window is 435 x 338
constexpr int ClientHeight = 311;
} // namespace

TForm1::TForm1(GameSession& session) : session_(session) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Das Krugheim"));
    setFixedSize(ClientWidth, ClientHeight);
    ApplyGameLook(this);
    BuildControls();
    SetFocusOrder();
    Timer1 = session_.Timer();
    FollowSession();

    auto dialogs = std::make_shared<SavedGameDialogs>(this);
    SaveDialog1 = [dialogs] { return dialogs->AskPathToSave(); };
    OpenDialog1 = [dialogs] { return dialogs->AskPathToOpen(); };
}

TForm1::~TForm1() = default;

// What the session shows appears here: the displays, and the buttons of each stage.
void TForm1::FollowSession() {
    session_.ShowDisplaysOn(this);
    connect(&session_, &GameSession::MoneyTextChanged, Label1, &QLabel::setText);
    connect(&session_, &GameSession::ClockTextChanged, Label2, &QLabel::setText);
    connect(&session_, &GameSession::GaugeChanged, this, [this](Gauge gauge, int value) {
        GaugeControl(gauge)->SetPosition(value);
        ShowGaugeTip(gauge, value);
    });
    connect(&session_, &GameSession::NewGameStarted, this, &TForm1::ShowGameStage);
    connect(&session_, &GameSession::LeaseStageChanged, this, &TForm1::ShowLeaseStage);
}

QPushButton* TForm1::AddButton(const char* name, const QString& caption, int left, int top,
                               int width, bool visible, void (TForm1::*handler)()) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(left, top, width, 25);
    button->setVisible(visible);
    connect(button, &QPushButton::clicked, this, handler);
    return button;
}

QLabel* TForm1::AddLabel(const char* name, const QString& caption, int left, int top,
                         bool visible) {
    QLabel* label = MakeLabel(this, name, caption, QPoint(left, top));
    label->setVisible(visible);
    return label;
}

TLEDMeter* TForm1::AddGauge(const char* name, int top) {
    auto* gauge = new TLEDMeter(this);
    gauge->setObjectName(QString::fromLatin1(name));
    gauge->setGeometry(264, top, 143, 11);
    gauge->SetBevelStyle(bvLowered);
    gauge->SetColorLED1(QColor(255, 0, 0));
    gauge->SetColorLED2(QColor(255, 255, 0));
    gauge->SetColorLED3(QColor(0, 255, 0));
    gauge->SetColorSeperator(Qt::black);
    gauge->SetDirection(mdRight);
    gauge->SetLEDContrast(7);
    gauge->SetMax(100);
    gauge->SetMin(0);
    gauge->SetNumDigits(20);
    gauge->SetSingleLED(false);
    gauge->SetStartColor2(50);
    gauge->SetStartColor3(75);
    gauge->SetPosition(0);
    return gauge;
}

void TForm1::BuildControls() {
    Button1 = AddButton("Button1", QStringLiteral("Spiel starten"), 32, 24, 218, true,
                        &TForm1::Button1Click);
    Button2 = AddButton("Button2", QStringLiteral("Kneipe pachten"), 32, 55, 100, false,
                        &TForm1::Button2Click);
    Button3 =
        AddButton("Button3", QStringLiteral("Top Ten"), 150, 55, 100, false, &TForm1::Button3Click);
    Button7 =
        AddButton("Button7", QStringLiteral("Personal"), 32, 86, 100, false, &TForm1::Button7Click);
    Button8 =
        AddButton("Button8", QStringLiteral("Bank"), 150, 86, 100, false, &TForm1::Button8Click);
    Button4 = AddButton("Button4", QStringLiteral("Getränkekarte"), 32, 117, 100, false,
                        &TForm1::Button4Click);
    Button16 = AddButton("Button16", QStringLiteral("Lager"), 150, 117, 100, false,
                         &TForm1::Button16Click);
    Button5 = AddButton("Button5", QStringLiteral("Speisekarte"), 32, 148, 100, false,
                        &TForm1::Button5Click);
    Button6 = AddButton("Button6", QStringLiteral("Weinkarte"), 32, 179, 100, false,
                        &TForm1::Button6Click);
    Button15 = AddButton("Button15", QStringLiteral("Einstellungen"), 150, 179, 100, true,
                         &TForm1::Button15Click);
    Button10 = AddButton("Button10", QStringLiteral("Preise"), 32, 210, 100, false,
                         &TForm1::Button10Click);
    Button12 =
        AddButton("Button12", QStringLiteral("Laden"), 150, 210, 100, true, &TForm1::Button12Click);
    Button9 = AddButton("Button9", QStringLiteral("Unterhaltung"), 32, 241, 100, false,
                        &TForm1::Button9Click);
    Button11 = AddButton("Button11", QStringLiteral("Speichern"), 150, 241, 100, false,
                         &TForm1::Button11Click);
    Button17 = AddButton("Button17", QStringLiteral("Spielziele"), 32, 272, 100, true,
                         &TForm1::Button17Click);
    Button13 = AddButton("Button13", QStringLiteral("Spielende"), 150, 272, 100, true,
                         &TForm1::Button13Click);

    Label1 = AddLabel("Label1", QStringLiteral("Vermögen"), 264, 23, false);
    Label2 = AddLabel("Label2", QStringLiteral("Zeit"), 264, 37, false);
    // Money and clock change with every tick: room up to the window's edge spares re-measuring
    // their texts each time.
    for (QLabel* display : {Label1, Label2})
        display->resize(ClientWidth - display->x(), display->height());
    Label7 = AddLabel("Label7", QStringLiteral("Schnelligkeit Personal:"), 264, 95, true);
    Progressbar5 = AddGauge("Progressbar5", 112);
    Label3 = AddLabel("Label3", QStringLiteral("Vielfalt:"), 264, 136, true);
    Progressbar1 = AddGauge("Progressbar1", 152);
    Label4 = AddLabel("Label4", QStringLiteral("Unterhaltungsfaktor:"), 264, 175, true);
    Progressbar2 = AddGauge("Progressbar2", 192);
    Label5 = AddLabel("Label5", QStringLiteral("Preise:"), 264, 215, true);
    Progressbar3 = AddGauge("Progressbar3", 232);
    Label6 = AddLabel("Label6", QStringLiteral("Gesamtattraktivität:"), 264, 255, true);
    Progressbar4 = AddGauge("Progressbar4", 272);
    // Each caption names its gauge for screen readers.
    Label7->setBuddy(Progressbar5);
    Label3->setBuddy(Progressbar1);
    Label4->setBuddy(Progressbar2);
    Label5->setBuddy(Progressbar3);
    Label6->setBuddy(Progressbar4);
    for (const Gauge gauge :
         {Gauge::Variety, Gauge::Entertainment, Gauge::Prices, Gauge::Attractiveness, Gauge::Staff})
        ShowGaugeTip(gauge, 0);
}

void TForm1::SetFocusOrder() {
    QWidget* const order[] = {Button1,  Button2,  Button3,  Button4,  Button5,  Button6,
                              Button7,  Button8,  Button9,  Button10, Button11, Button12,
                              Button13, Button15, Button16, Button17};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TForm1::vermoegenanzeigen() {
    session_.ShowMoney();
}

void TForm1::knoepfezeigen() {
    for (QPushButton* button :
         {Button7, Button4, Button5, Button6, Button10, Button9, Button3, Button8, Button16})
        button->show();
}

void TForm1::HideManagementButtons() {
    for (QPushButton* button :
         {Button7, Button4, Button5, Button6, Button10, Button9, Button3, Button8, Button16})
        button->hide();
}

void TForm1::ShowLeaseStage(bool pubLeased) {
    if (pubLeased) {
        knoepfezeigen();
        Button2->setEnabled(false);
    } else {
        HideManagementButtons();
        Button2->setEnabled(true);
    }
}

double TForm1::pve() const {
    return ::pve(session_.state());
}

void TForm1::Button1Click() {
    session_.StartNewGame();
}

void TForm1::ShowGameStage() {
    Button2->show();
    Button11->show();
    Label1->show();
    Label2->show();
    Button1->setEnabled(false);
}

void TForm1::OpenDialog(QWidget* dialog) {
    hide();
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void TForm1::Button2Click() {
    OpenDialog(dialogs_.Lease);
}
void TForm1::Button3Click() {
    OpenDialog(dialogs_.TopTen);
}
void TForm1::Button7Click() {
    OpenDialog(dialogs_.Staff);
}
void TForm1::Button8Click() {
    OpenDialog(dialogs_.Bank);
}
void TForm1::Button9Click() {
    OpenDialog(dialogs_.Entertainment);
}
void TForm1::Button15Click() {
    OpenDialog(dialogs_.Settings);
}
void TForm1::Button16Click() {
    OpenDialog(dialogs_.Storage);
}
void TForm1::Button17Click() {
    OpenDialog(dialogs_.Goals);
}

void TForm1::Button4Click() {
    hide();
    dialogs_.Drinks->FormPaint(Button4);
    OpenDialog(dialogs_.Drinks);
}

void TForm1::Button5Click() {
    hide();
    dialogs_.Dishes->FormPaint(Button5);
    OpenDialog(dialogs_.Dishes);
}

void TForm1::Button6Click() {
    hide();
    dialogs_.Wines->FormPaint(Button6);
    OpenDialog(dialogs_.Wines);
}

void TForm1::Button10Click() {
    hide();
    dialogs_.Prices->FormPaint(Button10);
    OpenDialog(dialogs_.Prices);
}

void TForm1::Button11Click() {
    session_.SaveGame(SaveDialog1);
}

void TForm1::Button12Click() {
    session_.LoadGame(OpenDialog1);
}

void TForm1::Button13Click() {
    session_.Quit();
}

void TForm1::closeEvent(QCloseEvent* event) {
    event->accept();
    session_.Quit();
}

void TForm1::Timer1Timer() {
    session_.RunTick();
}

void TForm1::FormKeyPress(QChar key) {
    if (const std::optional<int> interval = GameSession::SpeedKeyInterval(key))
        session_.SetTimerInterval(*interval);
}

void TForm1::FormKeyUp(int key, Qt::KeyboardModifiers modifiers) {
    if (const std::optional<RewardKey> reward = RewardKeyOf(key, modifiers)) {
        if (GrantReward(session_.game(), *reward))
            vermoegenanzeigen();
    }
}

void TForm1::keyPressEvent(QKeyEvent* event) {
    if (!PressFocusedButton(this, event))
        QWidget::keyPressEvent(event);
}

QLabel* TForm1::GaugeCaption(Gauge gauge) const {
    QLabel* const captions[] = {Label3, Label4, Label5, Label6, Label7};
    return captions[static_cast<std::size_t>(gauge)];
}

void TForm1::ShowGaugeTip(Gauge gauge, int value) {
    std::optional<int>& shown = gaugeTips_[static_cast<std::size_t>(gauge)];
    if (shown == value)
        return;
    shown = value;
    const QString tip = GaugeTip(gauge, value);
    for (QWidget* widget :
         {static_cast<QWidget*>(GaugeControl(gauge)), static_cast<QWidget*>(GaugeCaption(gauge))}) {
        widget->setToolTip(PlainToolTip(tip));
        widget->setAccessibleDescription(tip);
    }
}

TLEDMeter* TForm1::GaugeControl(Gauge gauge) const {
    // In the order of the Gauge values: Progressbar1 shows the variety, Progressbar5 the staff.
    TLEDMeter* const gauges[] = {Progressbar1, Progressbar2, Progressbar3, Progressbar4,
                                 Progressbar5};
    return gauges[static_cast<std::size_t>(gauge)];
}
