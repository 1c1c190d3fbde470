// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/names.h"
#include "ui/refreshing_form.h"

#include <optional>
#include <vector>

class GameSession;
class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

// Window "Lager": the articles on the cards that run short, the others, and reordering.
class TForm9 : public TRefreshingForm {
    Q_OBJECT
public:
    explicit TForm9(GameSession& session);

    // The paint handler: brings both lists up to the state of the game. When their content
    // has not changed, the entries, the selection and the stock labels stay as they are.
    void FormPaint() override;
    // Fills both lists anew. A selected article that is still listed stays selected, with its
    // stock shown: the game runs on under the open window and rebuilds it every game minute
    // at full speed, and the player's choice must outlive that.
    void RebuildLists();

    void ListBox1Click();
    void ListBox2Click();
    void Button1Click(); // "Nachbestellen" from the short articles
    void Button2Click(); // "Nachbestellen" from the others

    // Kind (0 drink, 1 wine, 2 dish) and index of the article named `name`.
    int findewas(const QString& name) const;
    int findenr(int kind, const QString& name) const;

    QLabel* Label1 = nullptr;
    QListWidget* ListBox1 = nullptr;
    QLabel* Label2 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QPushButton* Button1 = nullptr;
    QLabel* Label3 = nullptr;
    QListWidget* ListBox2 = nullptr;
    QLabel* Label4 = nullptr;
    QPushButton* Button2 = nullptr;

protected:
    // An entry's tool tip is brought up to date before it shows.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct ListsContent {
        std::vector<ArticleEntry> Short;
        std::vector<ArticleEntry> Sufficient;
    };
    ListsContent CurrentContent() const;
    void Show(const ListsContent& content);
    // Fills `list` with `entries` and selects `keep` again when it is among them.
    void Fill(QListWidget* list, QLabel* stockLabel, const std::vector<ArticleEntry>& entries,
              const std::optional<ArticleEntry>& keep);
    void ShowStock(QListWidget* list, QLabel* label);
    // Each entry's tool tip and description: stock, price, a reorder's cost, delivery.
    void UpdateTips(QListWidget* list, const std::vector<ArticleEntry>& shown);
    void UpdateTips();
    // The article of the selected entry, or nullptr when nothing is selected.
    const ArticleEntry* Selected(QListWidget* list, const std::vector<ArticleEntry>& shown) const;

    GameSession& session_;
    ListsContent shown_;
};
