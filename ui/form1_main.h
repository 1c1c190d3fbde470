// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

class GameSession;
class QLabel;
class QPushButton;
class TCardForm;
class TForm8;
class TGameTimer;
class TLEDMeter;
enum class Gauge;

// The main window: money, clock, the five gauges and one button per command. It shows the
// game of the session and hands its commands on to it.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(GameSession& session);
    ~TForm1() override;

    // The windows the commands open; the window set hands them over once all exist.
    struct Dialogs {
        QWidget* Lease = nullptr;         // Form2
        QWidget* Staff = nullptr;         // Form3
        TCardForm* Drinks = nullptr;      // Form4
        TCardForm* Dishes = nullptr;      // Form5
        TCardForm* Wines = nullptr;       // Form6
        QWidget* Settings = nullptr;      // Form7
        TForm8* Prices = nullptr;         // Form8
        QWidget* Storage = nullptr;       // Form9
        QWidget* Entertainment = nullptr; // Form10
        QWidget* Bank = nullptr;          // Form12
        QWidget* TopTen = nullptr;        // Form13
        QWidget* Goals = nullptr;         // Form16
    };
    void SetDialogs(const Dialogs& dialogs) { dialogs_ = dialogs; }

    // Rewrites the money text into all five money labels.
    void vermoegenanzeigen();
    // Shows the nine management buttons.
    void knoepfezeigen();
    // Mean margin of the cards.
    double pve() const;

    // Handlers.
    void Button1Click();  // "Spiel starten"
    void Button2Click();  // "Kneipe pachten"
    void Button3Click();  // "Top Ten"
    void Button4Click();  // "Getränkekarte"
    void Button5Click();  // "Speisekarte"
    void Button6Click();  // "Weinkarte"
    void Button7Click();  // "Personal"
    void Button8Click();  // "Bank"
    void Button9Click();  // "Unterhaltung"
    void Button10Click(); // "Preise"
    void Button11Click(); // "Speichern"
    void Button12Click(); // "Laden"
    void Button13Click(); // "Spielende"
    void Button15Click(); // "Einstellungen"
    void Button16Click(); // "Lager"
    void Button17Click(); // "Spielziele"
    void Timer1Timer();
    // The speed and reward keys; the window set's key preview (GameKeys) hands them on.
    void FormKeyPress(QChar key);
    void FormKeyUp(int key, Qt::KeyboardModifiers modifiers);

    // File dialogs of "Speichern" and "Laden"; tests replace them with functions that hand
    // back a path (empty = cancelled).
    std::function<QString()> SaveDialog1;
    std::function<QString()> OpenDialog1;

    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;
    QPushButton* Button5 = nullptr;
    QPushButton* Button6 = nullptr;
    QPushButton* Button7 = nullptr;
    QPushButton* Button8 = nullptr;
    QPushButton* Button9 = nullptr;
    QPushButton* Button10 = nullptr;
    QPushButton* Button11 = nullptr;
    QPushButton* Button12 = nullptr;
    QPushButton* Button13 = nullptr;
    QPushButton* Button15 = nullptr;
    QPushButton* Button16 = nullptr;
    QPushButton* Button17 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    TLEDMeter* Progressbar1 = nullptr;
    TLEDMeter* Progressbar2 = nullptr;
    TLEDMeter* Progressbar3 = nullptr;
    TLEDMeter* Progressbar4 = nullptr;
    TLEDMeter* Progressbar5 = nullptr;
    // The session's game timer.
    TGameTimer* Timer1 = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPushButton* AddButton(const char* name, const QString& caption, int left, int top, int width,
                           bool visible, void (TForm1::*handler)());
    QLabel* AddLabel(const char* name, const QString& caption, int left, int top, bool visible);
    TLEDMeter* AddGauge(const char* name, int top);
    void BuildControls();
    void SetFocusOrder();
    void FollowSession();
    void OpenDialog(QWidget* dialog);
    void ShowGameStage();
    void ShowLeaseStage(bool pubLeased);
    void HideManagementButtons();
    TLEDMeter* GaugeControl(Gauge gauge) const;
    QLabel* GaugeCaption(Gauge gauge) const;
    // The tool tip and description of a gauge and its caption, rewritten when its value changed.
    void ShowGaugeTip(Gauge gauge, int value);

    GameSession& session_;
    Dialogs dialogs_;
    std::array<std::optional<int>, 5> gaugeTips_;
};
