// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/storage.h"

StockLists SplitByStock(const GameState& state) {
    StockLists lists;
    const int minimum = state.Controls.MinStockLevel;
    for (const ArticleKind kind : AllArticleKinds) {
        for (int i = 1; i <= ArticleCount(kind); ++i) {
            const TArticle& article = Article(state, kind, i);
            if (!article.OnCard)
                continue;
            if (article.Stock <= minimum && article.DeliveryMinutes == 0)
                lists.Short.push_back({kind, i});
            else if (article.Stock > minimum)
                lists.Sufficient.push_back({kind, i});
        }
    }
    return lists;
}

int findewas(const GameState& state, std::string_view utf8Name) {
    int found = 0;
    for (const ArticleKind kind : AllArticleKinds)
        for (int i = 1; i <= ArticleCount(kind); ++i)
            if (Article(state, kind, i).Name.ToUtf8() == utf8Name)
                found = static_cast<int>(kind);
    return found;
}

int findenr(const GameState& state, int kind, std::string_view utf8Name) {
    if (kind < 0 || kind > 2)
        return 0;
    const auto articleKind = static_cast<ArticleKind>(kind);
    int found = 0;
    for (int i = 1; i <= ArticleCount(articleKind); ++i)
        if (Article(state, articleKind, i).Name.ToUtf8() == utf8Name)
            found = i;
    return found;
}

int Reorder(GameState& state, RandomSource& rng, ArticleKind kind, int index) {
    const int drawn = rng.Random(600);
    const int minutes = drawn == 0 ? 1 : drawn;
    Article(state, kind, index).DeliveryMinutes = minutes;
    return minutes;
}

std::string DeliveryNoticeText(ArticleKind kind, std::string_view utf8Name, int minutes) {
    const char* word = "Getränk";
    const char* pronoun = "Es";
    if (kind == ArticleKind::Wine) {
        word = "Wein";
        pronoun = "Er";
    } else if (kind == ArticleKind::Dish) {
        word = "Speise";
        pronoun = "Sie";
    }
    return std::string(word) + " \"" + std::string(utf8Name) + "\" wurde nachbestellt. " + pronoun +
           " wird in " + std::to_string(minutes) + " Minuten geliefert.";
}

void ReorderShortArticle(Game& game, ArticleKind kind, int index) {
    const int minutes = Reorder(game.State, game.Rng, kind, index);
    if (!game.State.Controls.NotifyDeliveryTime)
        return;
    game.Host.SetTimerEnabled(false);
    game.Host.ShowMessage(
        DeliveryNoticeText(kind, Article(game.State, kind, index).Name.ToUtf8(), minutes));
    game.Host.SetTimerEnabled(true);
}

void ReorderSufficientArticle(Game& game, ArticleKind kind, int index) {
    const int minutes = Reorder(game.State, game.Rng, kind, index);
    game.Host.ShowMessage(
        DeliveryNoticeText(kind, Article(game.State, kind, index).Name.ToUtf8(), minutes));
}
