// SPDX-License-Identifier: GPL-3.0-or-later
// The two dialogs that rebuild from the game state whenever they are painted, timed in the
// real windows: the top ten ("Top Ten", Form13) and the storage lists ("Lager", Form9), with
// all 110 articles on the cards and sold counts near the top of the Integer range, as a
// loaded game may carry them. Each must stay well under a millisecond, since a tick at
// "Schnell (3)" comes every millisecond while the dialog is open.
//
// Three figures per dialog: the rebuild when the content changed (the lists are filled
// anew), the rebuild when nothing changed (the usual paint), and a whole repaint of the shown
// window with the rebuild it triggers. Run it offscreen (QT_QPA_PLATFORM=offscreen).
#include "game/game_state.h"
#include "ui/form13_top_ten.h"
#include "ui/form1_main.h"
#include "ui/form9_storage.h"
#include "ui/forms.h"
#include "ui/game_session.h"

#include <QApplication>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <limits>

namespace {

constexpr std::int32_t Max = std::numeric_limits<std::int32_t>::max();

// Every article on its card with a count near 2^31-1 (all different, so that the ranking has
// work to do) and half of them short of stock.
void FillTheCardsWithExtremeCounts(GameState& state) {
    int n = 0;
    for (ArticleKind kind : AllArticleKinds) {
        for (int i = 1; i <= ArticleCount(kind); ++i, ++n) {
            TArticle& article = Article(state, kind, i);
            article.Known = true;
            article.OnCard = true;
            article.UnitsSold = Max - (n * 7919) % 1000;
            article.Stock = n % 2 == 0 ? 0 : Max;
        }
    }
}

// The top seller swaps places with the second every time, so that the text changes.
void ChangeTheRanking(GameState& state) {
    TArticle& first = state.Drinks[1];
    first.UnitsSold = first.UnitsSold == Max ? Max - 1000 : Max;
}

// One article moves between the short and the sufficient list every time.
void ChangeTheStock(GameState& state) {
    TArticle& article = state.Drinks[1];
    article.Stock = article.Stock == 0 ? Max : 0;
}

void ShowAndWait(QWidget* window) {
    window->show();
    while (!(window->windowHandle() && window->windowHandle()->isExposed()))
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    QApplication::processEvents();
}

void BM_TopTenRebuildChanged(benchmark::State& bench) {
    for (auto _ : bench) {
        ChangeTheRanking(Session->state());
        Form13->FormPaint();
    }
}
BENCHMARK(BM_TopTenRebuildChanged)->Unit(benchmark::kMicrosecond);

void BM_TopTenRebuildUnchanged(benchmark::State& bench) {
    Form13->FormPaint();
    for (auto _ : bench)
        Form13->FormPaint();
}
BENCHMARK(BM_TopTenRebuildUnchanged)->Unit(benchmark::kMicrosecond);

void BM_TopTenRepaintChanged(benchmark::State& bench) {
    ShowAndWait(Form13);
    for (auto _ : bench) {
        ChangeTheRanking(Session->state());
        Form13->repaint();             // paints and asks for the refresh
        QApplication::processEvents(); // the refresh, and the repaint of the new text
    }
    Form13->hide();
}
BENCHMARK(BM_TopTenRepaintChanged)->Unit(benchmark::kMicrosecond);

void BM_StorageRebuildChanged(benchmark::State& bench) {
    for (auto _ : bench) {
        ChangeTheStock(Session->state());
        Form9->FormPaint();
    }
}
BENCHMARK(BM_StorageRebuildChanged)->Unit(benchmark::kMicrosecond);

void BM_StorageRebuildUnchanged(benchmark::State& bench) {
    Form9->FormPaint();
    for (auto _ : bench)
        Form9->FormPaint();
}
BENCHMARK(BM_StorageRebuildUnchanged)->Unit(benchmark::kMicrosecond);

void BM_StorageRepaintChanged(benchmark::State& bench) {
    ShowAndWait(Form9);
    for (auto _ : bench) {
        ChangeTheStock(Session->state());
        Form9->repaint();
        QApplication::processEvents();
    }
    Form9->hide();
}
BENCHMARK(BM_StorageRepaintChanged)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    CreateForms();
    Form1->Button1Click(); // "Spiel starten": names and prices of a real game
    Session->SetTimerEnabled(false);
    FillTheCardsWithExtremeCounts(Session->state());

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::printf("Target: each rebuild under 1000 us.\n");
    DestroyForms();
    return 0;
}
