// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/top_ten.h"

#include <algorithm>

namespace {
constexpr std::size_t ListedArticles = 10;
}

std::vector<std::string> TopTenLines(const GameState& state) {
    std::vector<const TArticle*> ranked;
    for (const ArticleKind kind : AllArticleKinds)
        for (int i = 1; i <= ArticleCount(kind); ++i) {
            const TArticle& article = Article(state, kind, i);
            if (article.UnitsSold >= 0)
                ranked.push_back(&article);
        }
    std::stable_sort(ranked.begin(), ranked.end(), [](const TArticle* a, const TArticle* b) {
        return a->UnitsSold > b->UnitsSold;
    });
    if (ranked.size() > ListedArticles)
        ranked.resize(ListedArticles);

    std::vector<std::string> lines;
    for (const TArticle* article : ranked)
        lines.push_back(article->Name.ToUtf8() + " (" + std::to_string(article->UnitsSold) +
                        "x verkauft.)");
    return lines;
}
