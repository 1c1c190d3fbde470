// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sorted_names.h"

#include "ui/printable_text.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>

ArticleEntry MakeArticleEntry(const GameState& state, ArticleKind kind, int index) {
    return {PrintableText(Article(state, kind, index).Name.ToUtf8()), kind, index};
}

void SortByName(std::vector<ArticleEntry>& entries) {
    // Built with an explicit locale: a default collator follows the system locale and falls
    // back to code-point order under C/POSIX.
    QCollator collator{QLocale(QLocale::German, QLocale::Germany)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(false);
    collator.setIgnorePunctuation(false);
    std::stable_sort(entries.begin(), entries.end(),
                     [&collator](const ArticleEntry& a, const ArticleEntry& b) {
                         const int order = collator.compare(a.Name, b.Name);
                         if (order != 0)
                             return order < 0;
                         return QString::compare(a.Name, b.Name, Qt::CaseSensitive) < 0;
                     });
}
