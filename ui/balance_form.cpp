// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/balance_form.h"

#include "game/date_time.h"
#include "ui/balance_articles.h"
#include "ui/balance_history.h"
#include "ui/balance_overview.h"
#include "ui/books_table.h"
#include "ui/dialog_form.h"
#include "ui/game_session.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <utility>

namespace {

// A little larger than the main window: the overview's columns fit the width with amounts up
// to six figures, its rows scroll.
constexpr int DefaultWidth = 540;
constexpr int DefaultHeight = 470;

QLabel* MakeNote(QWidget* parent, const char* name, const QString& text) {
    QLabel* note = MakeLabel(parent, name, text, QPoint());
    note->setWordWrap(true);
    return note;
}

} // namespace

QString BooksOriginText(const PubBooks& books) {
    QString since;
    switch (books.Origin()) {
    case BooksOrigin::ProgramStart:
        return QStringLiteral("Noch kein Spiel: „Spiel starten“ oder „Laden“ im Hauptfenster.");
    case BooksOrigin::NewGame:
        since = QStringLiteral("seit Spielbeginn");
        break;
    case BooksOrigin::Loaded:
        since = QStringLiteral("seit dem Laden am %1")
                    .arg(QString::fromStdString(ClockText(books.OriginClock())).left(10));
        break;
    }
    return QStringLiteral("Bücher %1 · heute ist Geschäftstag %2")
        .arg(since, QLocale(QLocale::German).toString(books.DayCount()));
}

TBalanceForm::TBalanceForm(GameSession& session) : session_(session) {
    setObjectName(QStringLiteral("BalanceForm"));
    setWindowTitle(QStringLiteral("Bilanz"));
    // Tabs, table headings and drop-down lists are drawn in the button colours: dark here, so
    // that the game's yellow text stays readable on them.
    QPalette palette = this->palette();
    palette.setColor(QPalette::Button, QColor(48, 48, 48));
    palette.setColor(QPalette::ButtonText, Qt::yellow);
    setPalette(palette);
    resize(DefaultWidth, DefaultHeight);

    refresh_.setSingleShot(true);
    refresh_.setInterval(0);
    connect(&refresh_, &QTimer::timeout, this, &TBalanceForm::ReadFrame);
    articlesPause_.setSingleShot(true);
    articlesPause_.setInterval(ArticlesReadEveryMs);
    connect(&articlesPause_, &QTimer::timeout, this, [this] {
        if (std::exchange(articlesWaiting_, false))
            FollowGame();
    });
    connect(&session_, &GameSession::DisplaysDrawn, this, &TBalanceForm::FollowGame);
    connect(&session_, &GameSession::MoneyTextChanged, this, &TBalanceForm::FollowGame);
    connect(&session_, &GameSession::NewGameStarted, this, &TBalanceForm::BooksBegunAnew);
    connect(&session_, &GameSession::GameLoaded, this, &TBalanceForm::BooksBegunAnew);
}

// The window's contents cost a few milliseconds and megabytes; a player who never opens the
// books does not pay for them.
void TBalanceForm::BuildContents() {
    OriginLabel = MakeNote(this, "OriginLabel", QString());
    Tabs = new QTabWidget(this);
    Tabs->setObjectName(QStringLiteral("Tabs"));
    Tabs->setAccessibleName(QStringLiteral("Seiten der Bilanz"));
    Tabs->addTab(BuildOverview(), QStringLiteral("Übersicht"));
    History = new TBalanceHistory(session_.game().Books, this);
    History->setObjectName(QStringLiteral("History"));
    Tabs->addTab(History, QStringLiteral("Verlauf"));
    Tabs->addTab(BuildArticles(), QStringLiteral("Artikel"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(OriginLabel);
    layout->addWidget(Tabs, 1);

    connect(Tabs, &QTabWidget::currentChanged, this, &TBalanceForm::Refresh);
}

QWidget* TBalanceForm::BuildOverview() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("OverviewPage"));
    overview_ = new BalanceOverviewModel(session_.game().Books, page);
    OverviewTable = MakeBooksTable(page, "OverviewTable",
                                   QStringLiteral("Einnahmen und Ausgaben nach Posten"), overview_);
    OverviewNote = MakeNote(page, "OverviewNote",
                            QStringLiteral("Ausgaben stehen mit Minus. Ein Kredit ist geliehenes "
                                           "Geld und zählt nicht zum Gewinn. Ein Tag geht von "
                                           "09:00 bis zum Tagesabschluss um 00:30."));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 4, 0, 0);
    layout->addWidget(OverviewTable, 1);
    layout->addWidget(OverviewNote);
    return page;
}

QWidget* TBalanceForm::BuildArticles() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("ArticlesPage"));
    articles_ = new BalanceArticleModel(session_.game().Books, session_.state(), page);
    articleSort_ = new BalanceArticleSort(page);
    articleSort_->setSourceModel(articles_);
    ArticleTable = MakeBooksTable(page, "ArticleTable",
                                  QStringLiteral("Artikel: Verkauf, Umsatz, Einkauf und Spanne"),
                                  articleSort_);
    ArticleTable->setSortingEnabled(true);
    ArticleTable->sortByColumn(BalanceArticleModel::Revenue, Qt::DescendingOrder);
    QLabel* note = MakeNote(page, "ArticlesNote",
                            QStringLiteral("Jeder Artikel, der seit Beginn der Bücher verkauft "
                                           "oder eingekauft wurde. Ein Klick auf eine Spalte "
                                           "sortiert nach ihr."));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 4, 0, 0);
    layout->addWidget(ArticleTable, 1);
    layout->addWidget(note);
    return page;
}

void TBalanceForm::FollowGame() {
    if (isVisible() && !refresh_.isActive())
        refresh_.start();
}

void TBalanceForm::BooksBegunAnew() {
    booksBegunAnew_ = true;
    if (!Tabs)
        return;
    // The columns only ever widen while the books run; new books start narrow again.
    overview_->Refresh();
    OverviewTable->resizeColumnsToContents();
    FollowGame();
}

void TBalanceForm::ReadFrame() {
    if (Tabs->currentIndex() == ArticlesTab && articlesPause_.isActive()) {
        articlesWaiting_ = true;
        ShowOrigin();
        return;
    }
    Refresh();
}

void TBalanceForm::Refresh() {
    refresh_.stop();
    ShowOrigin();
    switch (Tabs->currentIndex()) {
    case OverviewTab:
        overview_->Refresh();
        break;
    case HistoryTab:
        History->Follow(std::exchange(booksBegunAnew_, false));
        break;
    case ArticlesTab:
        articles_->Refresh();
        articlesPause_.start();
        break;
    default:
        break;
    }
}

void TBalanceForm::ShowOrigin() {
    const QString text = BooksOriginText(session_.game().Books);
    if (OriginLabel->text() != text)
        OriginLabel->setText(text);
}

void TBalanceForm::setVisible(bool visible) {
    if (visible && !Tabs)
        BuildContents();
    QWidget::setVisible(visible);
}

void TBalanceForm::showEvent(QShowEvent* event) {
    Refresh();
    QWidget::showEvent(event);
}

void TBalanceForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FollowGame();
    QWidget::changeEvent(event);
}
