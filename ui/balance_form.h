// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/dialog_form.h"
#include <QTimer>

#include <QWidget>

class BalanceArticleModel;
class BalanceArticleSort;
class BalanceOverviewModel;
class GameSession;
class QLabel;
class QTabWidget;
class QTableView;
class TBalanceHistory;

// Window "Bilanz": the pub's books. "Übersicht" shows income and expenses by category for
// today, yesterday, the last seven days and all days, "Verlauf" the days as charts, "Artikel"
// what each article brought in and cost. It stays open beside the main window and follows the
// game at the pace of the main window's displays; only what is in view is read, and the
// charts only when a day has closed.
class TBalanceForm : public TSideWindow {
    Q_OBJECT
public:
    explicit TBalanceForm(GameSession& session);

    enum Tab { OverviewTab, HistoryTab, ArticlesTab };

    // Reads the books into what is in view now. The controls below exist from the first time
    // the window is shown.
    void Refresh();

    // The articles change places as they sell; read more often, their rows would jump about
    // faster than anyone can read them.
    static constexpr int ArticlesReadEveryMs = 500;

    void setVisible(bool visible) override;

    QLabel* OriginLabel = nullptr;
    QTabWidget* Tabs = nullptr;
    QTableView* OverviewTable = nullptr;
    QLabel* OverviewNote = nullptr;
    TBalanceHistory* History = nullptr;
    QTableView* ArticleTable = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    // Coming back from another window (a price set while the game stands still) reads anew.
    void changeEvent(QEvent* event) override;

private:
    void BuildContents();
    QWidget* BuildOverview();
    QWidget* BuildArticles();
    void FollowGame();
    void ReadFrame();
    void BooksBegunAnew();
    void ShowOrigin();

    GameSession& session_;
    BalanceOverviewModel* overview_ = nullptr;
    BalanceArticleModel* articles_ = nullptr;
    BalanceArticleSort* articleSort_ = nullptr;
    QTimer refresh_; // one refresh for all news of one round of the event loop
    QTimer articlesPause_;
    bool articlesWaiting_ = false;
    bool booksBegunAnew_ = true;
};

class PubBooks;
// The line that says since when the books run: "Bücher seit Spielbeginn · heute ist
// Geschäftstag 3".
QString BooksOriginText(const PubBooks& books);
