// How many ticks the real main window runs per second at "Schnell (3)" (1 ms), with a leased
// pub, articles on the cards and the five gauges and both labels updating. A coarse timer would
// give 60 to 100 per second; the game wants close to 1000.

#include "game/game_state.h"
#include "ui/form1_main.h"
#include "ui/form7_settings.h"
#include "ui/forms.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QRadioButton>
#include <QTimer>
#include <cstdio>

namespace {
void PrepareBusyPub(GameState& state) {
    state.Locations[1].Leased = true;
    state.LeasedLocation = 1;
    state.Locations[1].PotentialCustomers = 19999;
    state.Wealth = 1e9;
    for (ArticleKind kind : AllArticleKinds)
        for (int i = 1; i <= ArticleCount(kind); ++i) {
            TArticle& article = Article(state, kind, i);
            article.Known = article.OnCard = true;
            article.Stock = 1000000;
            article.SalePrice = article.PurchasePrice + 1;
        }
    state.Dishes[30].OnCard = false; // the game must not be won on the way
}

class NoEvents final : public RandomSource {
public:
    int Random(int n) override { return n == 1440 ? 1439 : inner_.Random(n); }
    void Randomize() override {}

private:
    GameRandom inner_{7};
};
} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    NoEvents rng;
    CreateForms(&rng);
    Form1->show();
    Form1->Button1Click();
    PrepareBusyPub(Form1->state());

    // Counts the ticks and keeps the clock far from the day end, whose messages would wait.
    long long ticks = 0;
    QObject::connect(Form1->Timer1, &QTimer::timeout, &app, [&ticks] {
        ++ticks;
        Form1->state().GameClock = 46000.5;
    });

    constexpr int RunMilliseconds = 3000;
    QElapsedTimer elapsed;
    Form7->RadioItems[0]->click(); // "Schnell (3)"
    elapsed.start();
    QTimer::singleShot(RunMilliseconds, &app, [] {
        Form1->SetTimerEnabled(false);
        QApplication::quit();
    });
    QApplication::exec();

    std::printf(
        "platform %s: %lld ticks in %lld ms = %.0f ticks per second (wanted: close to 1000)\n",
        qPrintable(QGuiApplication::platformName()), ticks,
        static_cast<long long>(elapsed.elapsed()), double(ticks) * 1000.0 / elapsed.elapsed());
    DestroyForms();
    return 0;
}
