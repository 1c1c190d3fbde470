// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/game_session.h"

#include "game/booking.h"
#include "game/date_time.h"
#include "game/guests.h"
#include "game/lease.h"
#include "game/new_game.h"
#include "game/number_format.h"
#include "game/tick.h"
#include "persistence/save_game.h"
#include "ui/names.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QFontMetrics>
#include <QGridLayout>
#include <QIcon>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSpacerItem>

namespace {
constexpr int DesignInterval = 400;

// Besides the title, a window manager's title bar holds an icon and up to three buttons. The
// message box itself only allows for a little more than the title, so a short message
// ("Disk full") would cut it.
constexpr int TitleBarExtras = 120;
// A Wayland compositor without title bars of its own leaves them to Qt, which centres the
// title in 14-pixel type and puts three buttons of 27 pixels at the right: the title needs the
// room of the buttons on both of its sides.
constexpr int QtTitlePixels = 14;
constexpr int QtTitleButtons = 3 * 27 + 10;

int TitleBarWidth(const QMessageBox& box) {
    QFont titleFont = box.font();
    titleFont.setBold(true);
    if (QGuiApplication::platformName() == QLatin1String("wayland")) {
        titleFont.setPixelSize(QtTitlePixels);
        return QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + 2 * QtTitleButtons;
    }
    return QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + TitleBarExtras;
}

// The window the player looks at, which raised the message: the active window of the game,
// else a visible one. Another message box does not count, it goes before this one.
QWidget* VisibleGameWindow() {
    const auto gameWindow = [](QWidget* window) {
        return window && window->isVisible() && window->isWindow() &&
               !qobject_cast<QMessageBox*>(window) && window->windowType() == Qt::Window;
    };
    if (QWidget* active = QApplication::activeWindow(); gameWindow(active))
        return active;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (gameWindow(window))
            return window;
    return nullptr;
}

// A minimum width for the box's grid. The label keeps the width of its text: a minimum width
// set on the label itself (as by a style sheet) outlives the box's own sizing and cuts the
// text of a long message at the label's edge.
void LeaveRoomForTitle(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid)
        return;
    const int width = TitleBarWidth(box);
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

std::string LocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}
} // namespace

std::unique_ptr<QMessageBox> MakeGameMessageBox(const QString& text, QWidget* owner) {
    // Its owner is its transient parent: the window manager or compositor shows it over that
    // window and keeps it there.
    auto box = std::make_unique<QMessageBox>(QMessageBox::NoIcon, QStringLiteral("Das Krugheim"),
                                             PrintableText(text), QMessageBox::Ok, owner);
    box->setTextFormat(Qt::PlainText);
    box->button(QMessageBox::Ok)->setIcon(QIcon()); // a plain "OK", as in every message
    LeaveRoomForTitle(*box);
    return box;
}

GameSession::GameSession(RandomSource* rng)
    : ownRng_(rng ? nullptr : std::make_unique<GameRandom>()), game_(rng ? *rng : *ownRng_, *this) {
    timer_ = new TGameTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(DesignInterval);
    connect(timer_, &TGameTimer::timeout, this, &GameSession::RunTick);
    displays_ = std::make_unique<TickDisplays>(
        *timer_,
        TickDisplays::Drawers{[this](Gauge gauge, int value) { emit GaugeChanged(gauge, value); },
                              [this](const std::string& text) { DrawClockText(text); },
                              [this](double wealth) { DrawMoney(wealth); }});
    displays_->SetDrawnListener([this] { emit DisplaysDrawn(); });
    EndProgram = [] { QCoreApplication::exit(0); };
}

GameSession::~GameSession() = default;

void GameSession::ShowDisplaysOn(const QWidget* window) {
    displays_->SetWindow(window);
}

void GameSession::RunTick() {
    if (TickRunning() || game_.Ending)
        return;
    TickBlocker tickInProgress(*this);
    // After GameOver the host's Quit has already ended everything; nothing else is to run.
    Tick(game_);
}

std::optional<int> GameSession::SpeedKeyInterval(QChar key) {
    switch (key.unicode()) {
    case u'0':
        return SpeedInterval(SpeedPause);
    case u'1':
        return SpeedInterval(SpeedSlow);
    case u'2':
        return SpeedInterval(SpeedNormal);
    case u'3':
        return SpeedInterval(SpeedFast);
    default:
        return std::nullopt;
    }
}

bool GameSession::TimerEnabled() const {
    return timer_->isActive();
}

// At full speed the timer wakes up once per screen frame, when the displays are drawn; the
// window may have moved to another screen since the last start.
void GameSession::PaceTimerToScreen() {
    timer_->setShortestWait(static_cast<int>(displays_->ScreenFramePeriod().count()));
}

void GameSession::SetTimerInterval(int milliseconds) {
    PaceTimerToScreen();
    timer_->setInterval(milliseconds);
    displays_->TimerChanged();
}

void GameSession::SetTimerEnabled(bool enabled) {
    if (!enabled)
        timer_->stop();
    else if ((!timer_->isActive() || timer_->wakeUpHeldUp()) && !game_.Ending) {
        PaceTimerToScreen();
        timer_->start();
    }
    displays_->TimerChanged();
}

void GameSession::StartNewGame() {
    NewGame(game_, NowAsDateTime());
    SetClockText(ClockText(state().GameClock));
    ShowMoney();
    emit NewGameStarted();
    SetTimerEnabled(true);
}

void GameSession::ShowMoney() {
    displays_->DropMoney(); // a tick's amount still waiting for its frame is older
    WriteMoney(state().Wealth);
}

void GameSession::AdoptLease() {
    if (AdoptLeasedLocation(state()))
        emit LeaseStageChanged(true);
}

// Saving and loading run with the game timer stopped, so no tick sees a game half saved or
// half loaded.
void GameSession::SaveGame(const std::function<QString()>& askPath) {
    SetTimerEnabled(false);
    const QString path = askPath();
    if (!path.isEmpty()) {
        const SaveResult saved = WriteSavedGame(LocalPath(path), state());
        if (!saved.Ok)
            ShowMessage(saved.Error);
    }
    SetTimerEnabled(true);
}

void GameSession::LoadGame(const std::function<QString()>& askPath) {
    const bool timerWasRunning = TimerEnabled();
    SetTimerEnabled(false);
    const QString path = askPath();
    if (path.isEmpty()) {
        SetTimerEnabled(timerWasRunning);
        return;
    }
    LoadStoppedGame(LocalPath(path), timerWasRunning);
}

void GameSession::LoadSavedGame(const std::string& localPath) {
    const bool timerWasRunning = TimerEnabled();
    SetTimerEnabled(false);
    LoadStoppedGame(localPath, timerWasRunning);
}

void GameSession::LoadStoppedGame(const std::string& localPath, bool timerWasRunning) {
    const auto loaded = std::make_unique<LoadResult>(ReadSavedGame(localPath, state().Controls));
    if (!loaded->Ok) {
        ShowMessage(loaded->Error);
        SetTimerEnabled(timerWasRunning);
        return;
    }
    StartNewGame();
    ApplySavedGame(state(), loaded->Game);
    BeginBooks(game_, BooksOrigin::Loaded);
    // The entertainment dialog reads its purchase flags from the game whenever it is shown.
    emit ControlsLoaded(state().Controls);
    if (const int interval = SpeedInterval(state().Controls.SpeedIndex); interval > 0)
        SetTimerInterval(interval);
    emit LeaseStageChanged(AnyLocationLeased(state()));
    // The displays show the loaded game at once, not only after the next tick (which may be
    // days away at "Pause (0)").
    ShowMoney();
    SetClockText(ClockText(state().GameClock));
    ShowAllGauges(game_);
    emit GameLoaded();
    SetTimerEnabled(true);
}

void GameSession::ShowMessage(const std::string& text) {
    // The player reads the message beside the displays: they must be current.
    displays_->DrawNow();
    if (game_.Ending)
        return;
    QPointer<QWidget> owner = VisibleGameWindow();
    MakeGameMessageBox(QString::fromStdString(text), owner)->exec();
    // The keys go back to the window the message came from, as after any dialog.
    if (owner && owner->isVisible())
        owner->activateWindow();
}

void GameSession::ShowEventWindow() {
    displays_->DrawNow();
    emit EventRaised();
}

void GameSession::SetGauge(Gauge gauge, int value) {
    displays_->SetGauge(gauge, value);
}

void GameSession::SetClockText(const std::string& text) {
    displays_->SetClock(text);
}

void GameSession::RefreshMoney() {
    displays_->SetMoney(state().Wealth);
}

void GameSession::DrawClockText(const std::string& text) {
    if (text == clockText_)
        return;
    clockText_ = text;
    emit ClockTextChanged(QString::fromStdString(text));
}

void GameSession::DrawMoney(double wealth) {
    // Every tick asks for the money: the money text is only rewritten when the amount changed.
    if (moneyShown_ && wealth == shownWealth_)
        return;
    WriteMoney(wealth);
}

void GameSession::WriteMoney(double wealth) {
    emit MoneyTextChanged(QString::fromStdString(MoneyText(wealth)));
    shownWealth_ = wealth;
    moneyShown_ = true;
}

void GameSession::Quit() {
    if (game_.Ending)
        return;
    game_.Ending = true;
    timer_->stop();
    displays_->DropAll();
    emit Ended();
    if (EndProgram)
        EndProgram();
}
