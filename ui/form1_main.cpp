#include "ui/form1_main.h"

#include "widgets/led_meter.h"

#include <QApplication>
#include <QTimer>

// Skeleton; the window is built in its own change.
TForm1::TForm1(RandomSource* rng)
    : ownRng_(rng ? nullptr : std::make_unique<GameRandom>()),
      game_(rng ? *rng : *ownRng_, *this) {
    setWindowTitle(QStringLiteral("Das Krugheim"));
    Timer1 = new QTimer(this);
}

TForm1::~TForm1() = default;

void TForm1::vermoegenanzeigen() {}
void TForm1::knoepfezeigen() {}
double TForm1::pve() const { return 0; }
void TForm1::Button1Click() {}
void TForm1::Button2Click() {}
void TForm1::Button3Click() {}
void TForm1::Button4Click() {}
void TForm1::Button5Click() {}
void TForm1::Button6Click() {}
void TForm1::Button7Click() {}
void TForm1::Button8Click() {}
void TForm1::Button9Click() {}
void TForm1::Button10Click() {}
void TForm1::Button11Click() {}
void TForm1::Button12Click() {}
void TForm1::Button13Click() {}
void TForm1::Button15Click() {}
void TForm1::Button16Click() {}
void TForm1::Button17Click() {}
void TForm1::Timer1Timer() {}
void TForm1::FormKeyPress(QChar) {}
void TForm1::FormKeyUp(int, Qt::KeyboardModifiers) {}
bool TForm1::TimerEnabled() const { return Timer1->isActive(); }
void TForm1::SetTimerInterval(int milliseconds) { Timer1->setInterval(milliseconds); }
void TForm1::ShowMessage(const std::string&) {}
void TForm1::SetTimerEnabled(bool) {}
void TForm1::ShowEventWindow() {}
void TForm1::SetGauge(Gauge, int) {}
void TForm1::SetClockText(const std::string&) {}
void TForm1::RefreshMoney() {}
void TForm1::Quit() {}
