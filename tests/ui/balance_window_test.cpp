// SPDX-License-Identifier: GPL-3.0-or-later
// The pub's books as the player sees them: the windows that F2, F1 and the main window's
// context menu open beside the game, the German amounts of a scripted game, the articles
// sorted by their figures, and what a screen reader learns of them.

#include "ui_test_support.h"

#include "game/bank.h"
#include "game/booking.h"
#include "game/cards.h"
#include "game/date_time.h"
#include "persistence/save_game.h"
#include "ui/about_form.h"
#include "ui/balance_articles.h"
#include "ui/balance_form.h"
#include "ui/balance_history.h"
#include "ui/balance_overview.h"
#include "ui/help_form.h"

#include <QAccessible>
#include <QAction>
#include <QChartView>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QHeaderView>
#include <QLineSeries>
#include <QMenu>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QValueAxis>

namespace {

// The game's generator for setting up, then, once Scripted, a guest in every minute who wants
// one of each kind, takes the first article of the card that is in stock and leaves no tip.
// No event ever comes.
class PubRandom final : public RandomSource {
public:
    bool Scripted = false;

    int Random(int n) override {
        if (n == 1440)
            return 1000;
        if (!Scripted)
            return inner_.Random(n);
        return n == 2 ? 1 : 0;
    }
    void Randomize() override {}

private:
    GameRandom inner_{20261207};
};

QString Cell(const QTableView* table, int row, int column) {
    return table->model()->index(row, column).data().toString();
}

int RowOf(const QTableView* table, const QString& item) {
    for (int row = 0; row < table->model()->rowCount(); ++row)
        if (Cell(table, row, 0) == item)
            return row;
    return -1;
}

enum class Ink { Red, Yellow };

// Whether the text of a cell of `table` is drawn in `ink`: the letters' smoothed edges blend
// it with the black, so a colour counts by its hue.
bool DrawnIn(QTableView* table, int row, int column, Ink ink) {
    const QImage image = table->viewport()->grab().toImage();
    const QRect cell = table->visualRect(table->model()->index(row, column)).adjusted(1, 1, -1, -1);
    for (int y = cell.top(); y <= cell.bottom(); ++y)
        for (int x = cell.left(); x <= cell.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            const bool strong = pixel.red() > 160 && pixel.blue() < 60;
            if (strong && (ink == Ink::Red ? pixel.green() < 60 : pixel.green() > 160))
                return true;
        }
    return false;
}

// The controls of `window` a screen reader stops at: those that take the focus.
void CollectControls(QAccessibleInterface* node, const QWidget* window,
                     QList<QAccessibleInterface*>& controls) {
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        auto* widget = qobject_cast<QWidget*>(child->object());
        if (!widget || widget->window() != window || !widget->isVisible())
            continue;
        if (widget->focusPolicy() != Qt::NoFocus)
            controls << child;
        CollectControls(child, window, controls);
    }
}

// Opens the main window's context menu the way `reason` does and picks the entry `pick`.
QStringList PickFromContextMenu(QContextMenuEvent::Reason reason, const QString& pick) {
    QStringList entries;
    QTimer::singleShot(50, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction* action : menu->actions()) {
            entries << action->text() + u'|' + action->shortcut().toString();
            if (action->text() == pick)
                menu->setActiveAction(action);
        }
        QTest::keyClick(menu, Qt::Key_Return);
    });
    // The menu key reaches the focused control, whose parents pass it on to the window.
    QWidget* receiver =
        reason == QContextMenuEvent::Keyboard ? static_cast<QWidget*>(Form1->Button1) : Form1;
    QContextMenuEvent event(reason, QPoint(5, 5), Form1->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(receiver, &event);
    return entries;
}

} // namespace

class BalanceWindowTest : public QObject {
    Q_OBJECT
    PubRandom rng_;
    std::unique_ptr<MessageAnswerer> player_;

    GameState& State() { return Session->state(); }
    Game& Play() { return Session->game(); }

    // A new game whose pub is leased, with one waiter at 30 € a day, a rent of 100 €, and
    // drink 1 on the card at 3,50 € (bought at 2 €), the clock at 00:28.
    void StartScriptedPub() {
        Form1->Button1Click();
        Session->SetTimerEnabled(false);
        GameState& state = State();
        state.Locations[1].Leased = true;
        state.Locations[1].RentPerDay = 100;
        Session->AdoptLease();
        state.StaffPool[1].Employed = true;
        state.StaffPool[1].WagePerDay = 30;
        state.Drinks[1].PurchasePrice = 2;
        QVERIFY(PutOnCard(Play(), ArticleKind::Drink, 1));
        state.GameClock = EncodeDateTime(2026, 12, 7, 0, 28);
    }

    void RunTicks(int count) {
        rng_.Scripted = true;
        for (int i = 0; i < count; ++i)
            Session->RunTick();
        rng_.Scripted = false;
        QCoreApplication::processEvents();
    }

    void OpenBalance() {
        BalanceForm->show();
        QVERIFY(QTest::qWaitForWindowExposed(BalanceForm));
        BalanceForm->Refresh();
    }

private slots:
    void init() {
        CreateForms(&rng_);
        Session->EndProgram = [] {};
        player_ = std::make_unique<MessageAnswerer>();
        Form1->show();
        QVERIFY(QTest::qWaitForWindowExposed(Form1));
    }
    void cleanup() {
        player_.reset();
        DestroyForms();
    }

    void keysAndContextMenuOpenTheWindowsBesideTheMainWindow() {
        Form1->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Form1));
        QTest::keyClick(Form1->Button1, Qt::Key_F2);
        QVERIFY(BalanceForm->isVisible());
        QVERIFY(Form1->isVisible());
        Form1->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Form1));
        QTest::keyClick(Form1, Qt::Key_F1);
        QVERIFY(HelpForm->isVisible());
        QVERIFY(BalanceForm->isVisible());
        // Both keys work in the windows they open as well.
        HelpForm->close();
        BalanceForm->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(BalanceForm));
        QTest::keyClick(BalanceForm->Tabs, Qt::Key_F1);
        QVERIFY(HelpForm->isVisible());
        HelpForm->close();
        BalanceForm->close();

        const QStringList entries = {QStringLiteral("Bilanz …|F2"),
                                     QStringLiteral("Spielanleitung …|F1"),
                                     QStringLiteral("Über Das Krugheim …|")};
        QCOMPARE(PickFromContextMenu(QContextMenuEvent::Mouse, QStringLiteral("Bilanz …")),
                 entries);
        QVERIFY(BalanceForm->isVisible());
        QCOMPARE(
            PickFromContextMenu(QContextMenuEvent::Keyboard, QStringLiteral("Über Das Krugheim …")),
            entries);
        QVERIFY(AboutForm->isVisible());
        QVERIFY(Form1->isVisible());
        QVERIFY(AboutForm->Version->text().contains(GameVersion()));
        QVERIFY(AboutForm->Details->text().contains(QStringLiteral("GPL-3.0-or-later")));
        QTest::keyClick(AboutForm, Qt::Key_Escape);
        QVERIFY(!AboutForm->isVisible());

        // The speed and reward keys of the main window are as they were.
        Form1->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Form1));
        QTest::keyClick(Form1, Qt::Key_3);
        QCOMPARE(Session->Timer()->interval(), 1);
        const double wealth = State().Wealth;
        QTest::keyClick(Form1, Qt::Key_F12,
                        Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
        QCOMPARE(State().Wealth, wealth + 10000);
        // Nothing was added to the main window's layout.
        QCOMPARE(Form1->size(), QSize(427, 311));
        QCOMPARE(Form1->findChildren<QWidget*>().size(), 28); // buttons, labels, gauges
    }

    void overviewShowsTheDaysInGermanAmounts() {
        StartScriptedPub();
        OpenBalance();
        QTableView* table = BalanceForm->OverviewTable;
        QCOMPARE(BalanceForm->OriginLabel->text(),
                 QStringLiteral("Bücher seit Spielbeginn · heute ist Geschäftstag 1"));
        QCOMPARE(Cell(table, RowOf(table, QStringLiteral("Gewinn / Verlust")), 2),
                 QStringLiteral("–")); // no yesterday yet

        QTest::keyClick(Form1, Qt::Key_F12,
                        Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
        TakeCredit(Play(), ComputeCreditLimit(State()), 5000);
        RepayDebt(Play(), 1000);
        // Two guests, then the day end with interest, wage and rent, and at 09:00 of the next
        // day the third guest.
        RunTicks(3);
        QCOMPARE(player_->Texts.size(), 2); // interest and rent

        using C = BalanceOverviewModel;
        struct Expected {
            const char* Item;
            const char* Today;
            const char* Yesterday;
            const char* Total;
        };
        const Expected rows[] = {
            {"Verkauf Getränke", "3,50 €", "7,00 €", "10,50 €"},
            {"Belohnung (F12)", "0,00 €", "10.000,00 €", "10.000,00 €"},
            {"Einnahmen gesamt", "3,50 €", "10.007,00 €", "10.010,50 €"},
            {"Ware für die Karten", "0,00 €", "-40,00 €", "-40,00 €"},
            {"Löhne", "0,00 €", "-30,00 €", "-30,00 €"},
            {"Pacht", "0,00 €", "-100,00 €", "-100,00 €"},
            {"Kreditzinsen", "0,00 €", "-40,00 €", "-40,00 €"},
            {"Ausgaben gesamt", "0,00 €", "-210,00 €", "-210,00 €"},
            {"Gewinn / Verlust", "3,50 €", "9.797,00 €", "9.800,50 €"},
            {"Kredit aufgenommen", "0,00 €", "5.000,00 €", "5.000,00 €"},
            {"Kredit getilgt", "0,00 €", "-1.000,00 €", "-1.000,00 €"},
        };
        for (const Expected& expected : rows) {
            const int row = RowOf(table, QString::fromUtf8(expected.Item));
            QVERIFY2(row >= 0, expected.Item);
            QCOMPARE(Cell(table, row, C::Today), QString::fromUtf8(expected.Today));
            QCOMPARE(Cell(table, row, C::Yesterday), QString::fromUtf8(expected.Yesterday));
            QCOMPARE(Cell(table, row, C::LastSevenDays), QString::fromUtf8(expected.Total));
            QCOMPARE(Cell(table, row, C::Total), QString::fromUtf8(expected.Total));
        }
        QCOMPARE(BalanceForm->OriginLabel->text(),
                 QStringLiteral("Bücher seit Spielbeginn · heute ist Geschäftstag 2"));

        // Negative amounts are drawn red, the others in the game's yellow.
        const int rent = RowOf(table, QStringLiteral("Pacht"));
        const int profit = RowOf(table, QStringLiteral("Gewinn / Verlust"));
        QVERIFY(DrawnIn(table, rent, C::Yesterday, Ink::Red));
        QVERIFY(!DrawnIn(table, rent, C::Yesterday, Ink::Yellow));
        QVERIFY(DrawnIn(table, profit, C::Yesterday, Ink::Yellow));
        QVERIFY(!DrawnIn(table, profit, C::Yesterday, Ink::Red));
        QVERIFY(!DrawnIn(table, rent, C::Today, Ink::Red)); // 0,00 € has no sign
    }

    void theBooksBeginAgainWithALoadedGame() {
        StartScriptedPub();
        RunTicks(4);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("kneipe.krg"));
        QVERIFY(WriteSavedGame(path.toStdString(), State()).Ok);
        OpenBalance();
        BalanceForm->Tabs->setCurrentIndex(TBalanceForm::HistoryTab);
        QCoreApplication::processEvents();
        QCOMPARE(BalanceForm->History->ShownDays(), 1);

        Session->LoadSavedGame(QFile::encodeName(path).toStdString());
        QCoreApplication::processEvents();
        QCOMPARE(BalanceForm->OriginLabel->text(),
                 QStringLiteral("Bücher seit dem Laden am 07.12.2026 · heute ist Geschäftstag 1"));
        QCOMPARE(BalanceForm->History->ShownDays(), 0);
        BalanceForm->Tabs->setCurrentIndex(TBalanceForm::OverviewTab);
        QCoreApplication::processEvents();
        QTableView* table = BalanceForm->OverviewTable;
        QCOMPARE(Cell(table, RowOf(table, QStringLiteral("Verkauf Getränke")),
                      BalanceOverviewModel::Total),
                 QStringLiteral("0,00 €"));
    }

    void beforeAnyGameTheWindowSaysSo() {
        OpenBalance();
        QVERIFY(BalanceForm->OriginLabel->text().startsWith(QStringLiteral("Noch kein Spiel")));
        BalanceForm->Tabs->setCurrentIndex(TBalanceForm::HistoryTab);
        QCoreApplication::processEvents();
        QVERIFY(!BalanceForm->History->ChartObject()->title().isEmpty());
    }

    void articlesSortByTheirFigures() {
        Form1->Button1Click();
        Session->SetTimerEnabled(false);
        // Units 9, 100 and 10; margins -1,50, 10 and 0,50.
        const struct {
            ArticleKind Kind;
            int Index;
            int Units;
            double Purchase;
            double Sale;
        } sold[] = {{ArticleKind::Drink, 1, 9, 3, 1.5},
                    {ArticleKind::Wine, 2, 100, 2, 12},
                    {ArticleKind::Dish, 3, 10, 4, 4.5}};
        for (const auto& article : sold) {
            TArticle& record = Article(State(), article.Kind, article.Index);
            record.PurchasePrice = article.Purchase;
            record.SalePrice = article.Sale;
            for (int i = 0; i < article.Units; ++i)
                BookSale(Play(), article.Kind, article.Index, article.Sale);
        }
        OpenBalance();
        BalanceForm->Tabs->setCurrentIndex(TBalanceForm::ArticlesTab);
        QCoreApplication::processEvents();
        QTableView* table = BalanceForm->ArticleTable;
        QCOMPARE(table->model()->rowCount(), 3);
        const auto column = [&](int which) {
            QStringList cells;
            for (int row = 0; row < 3; ++row)
                cells << Cell(table, row, which);
            return cells;
        };
        using A = BalanceArticleModel;
        table->horizontalHeader()->setSortIndicator(A::UnitsSold, Qt::AscendingOrder);
        QCOMPARE(column(A::UnitsSold), QStringList({"9", "10", "100"}));
        table->horizontalHeader()->setSortIndicator(A::Margin, Qt::AscendingOrder);
        QCOMPARE(column(A::Margin), QStringList({"-1,50 €", "0,50 €", "10,00 €"}));
        table->horizontalHeader()->setSortIndicator(A::Revenue, Qt::DescendingOrder);
        QCOMPARE(column(A::Revenue), QStringList({"1.200,00 €", "45,00 €", "13,50 €"}));
        QCOMPARE(column(A::Kind), QStringList({"Wein", "Speise", "Getränk"}));

        // The table follows the sales, at its own calmer pace.
        QSignalSpy changed(table->model(), &QAbstractItemModel::dataChanged);
        for (int i = 0; i < 100; ++i)
            BookSale(Play(), ArticleKind::Dish, 3, 4.5);
        Session->ShowMoney();
        QTRY_VERIFY_WITH_TIMEOUT(!changed.isEmpty(), 4 * TBalanceForm::ArticlesReadEveryMs);
        QCOMPARE(column(A::Revenue).front(), QStringLiteral("1.200,00 €"));
        QCOMPARE(column(A::Revenue)[1], QStringLiteral("495,00 €"));
    }

    void historyDrawsTheClosedDays() {
        StartScriptedPub();
        for (int day = 0; day < 40; ++day) {
            State().GameClock = EncodeDateTime(2026, 12, 8 + day, 0, 30);
            RunTicks(1);
        }
        OpenBalance();
        TBalanceHistory* history = BalanceForm->History;
        BalanceForm->Tabs->setCurrentIndex(TBalanceForm::HistoryTab);
        QCoreApplication::processEvents();
        QCOMPARE(history->ShownDays(), 30);
        QCOMPARE(history->DayTable->model()->rowCount(), 30);
        // The newest day first: day 40 ended with the rent paid.
        QCOMPARE(Cell(history->DayTable, 0, 0), QStringLiteral("40"));
        QCOMPARE(Cell(history->DayTable, 0, 1), QStringLiteral("15.01.2027"));
        const auto* days =
            qobject_cast<QValueAxis*>(history->ChartObject()->axes(Qt::Horizontal).first());
        QCOMPARE(days->min(), 11.0);
        QCOMPARE(days->max(), 40.0);
        QCOMPARE(days->titleText(), QStringLiteral("Geschäftstag"));

        history->RangeChoice->setCurrentIndex(int(TBalanceHistory::Range::AllDays));
        QCOMPARE(history->ShownDays(), 40);
        history->ChartChoice->setCurrentIndex(int(TBalanceHistory::Chart::Guests));
        const auto* line = qobject_cast<QLineSeries*>(history->ChartObject()->series().first());
        QCOMPARE(line->count(), 40);
        QCOMPARE(line->at(39), QPointF(40, 1)); // one guest in the one minute of each day
        // A screen reader hears the figures, and finds every day in the table.
        const QString description = history->ChartView->accessibleDescription();
        QVERIFY2(description.contains(QStringLiteral("Gäste: zuletzt 1")), qPrintable(description));
        QCOMPARE(history->ChartView->accessibleName(),
                 QStringLiteral("Diagramm: Gäste pro Tag, Alle Tage"));

        // A further day is drawn when it has closed, not before.
        RunTicks(1);
        BalanceForm->Refresh();
        QCOMPARE(history->ShownDays(), 40);
        State().GameClock = EncodeDateTime(2027, 1, 18, 0, 30);
        RunTicks(1);
        QCOMPARE(history->ShownDays(), 41);
    }

    void followsTheGameAtMostOncePerFrame() {
        StartScriptedPub();
        OpenBalance();
        QTableView* table = BalanceForm->OverviewTable;
        const int drinks = RowOf(table, QStringLiteral("Verkauf Getränke"));
        RunTicks(1);
        QCOMPARE(Cell(table, drinks, BalanceOverviewModel::Today), QStringLiteral("3,50 €"));

        // At full speed the window is read once per screen frame at most.
        State().Drinks[1].Stock = 1000000;
        State().GameClock = EncodeDateTime(2026, 12, 7, 9, 0);
        rng_.Scripted = true;
        QSignalSpy changed(table->model(), &QAbstractItemModel::dataChanged);
        Session->SetTimerInterval(1);
        Session->SetTimerEnabled(true);
        QElapsedTimer clock;
        clock.start();
        RunEventLoopFor(500);
        Session->SetTimerEnabled(false);
        rng_.Scripted = false;
        const auto framePeriod = TickDisplays::FramePeriod(Form1->screen()->refreshRate());
        const double frames = double(clock.elapsed()) / double(framePeriod.count());
        // Each reading changes the total of the income once.
        const QModelIndex income = table->model()->index(
            RowOf(table, QStringLiteral("Einnahmen gesamt")), BalanceOverviewModel::Total);
        const auto readings =
            std::count_if(changed.begin(), changed.end(), [&](const QList<QVariant>& signal) {
                return signal[0].toModelIndex() == income;
            });
        QVERIFY(readings > 0);
        QVERIFY2(readings <= frames + 2, qPrintable(QString::number(readings)));
        QVERIFY(Cell(table, drinks, BalanceOverviewModel::Today) != QStringLiteral("3,50 €"));
    }

    void everyControlIsNamedAndTheTablesAreReadable() {
        StartScriptedPub();
        RunTicks(1);
        OpenBalance();
        QStringList wrong;
        for (int tab = 0; tab < BalanceForm->Tabs->count(); ++tab) {
            BalanceForm->Tabs->setCurrentIndex(tab);
            QCoreApplication::processEvents();
            QList<QAccessibleInterface*> controls;
            CollectControls(QAccessible::queryAccessibleInterface(BalanceForm), BalanceForm,
                            controls);
            for (QAccessibleInterface* control : controls)
                if (control->text(QAccessible::Name).trimmed().isEmpty())
                    wrong << control->object()->objectName() + u' ' +
                                 control->object()->metaObject()->className();
        }
        for (QWidget* control :
             {static_cast<QWidget*>(HelpForm->Text), static_cast<QWidget*>(AboutForm->CloseButton)})
            if (QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty())
                wrong << control->objectName();
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u'\n')));

        QAccessibleInterface* table =
            QAccessible::queryAccessibleInterface(BalanceForm->OverviewTable);
        QCOMPARE(table->role(), QAccessible::Table);
        QAccessibleTableInterface* cells = table->tableInterface();
        QVERIFY(cells);
        QCOMPARE(cells->rowCount(), BalanceForm->OverviewTable->model()->rowCount());
        QCOMPARE(cells->columnCount(), 5);
        QCOMPARE(cells->cellAt(0, 0)->text(QAccessible::Name), QStringLiteral("Verkauf Getränke"));
        QCOMPARE(cells->cellAt(0, 1)->text(QAccessible::Name), QStringLiteral("3,50 €"));
        QCOMPARE(cells->cellAt(0, 2)->text(QAccessible::Name), QStringLiteral("keine Angabe"));
        QCOMPARE(cells->columnDescription(1), QStringLiteral("Heute"));

        // The manual is a text to read, with headings.
        const QString manual = HelpForm->Text->toPlainText();
        for (const char* topic :
             {"Kneipe pachten", "Personal", "Preise und die Preisanzeige",
              "Lager und Nachbestellung", "Bank und Zinsen", "Ereignisse", "Der Tagesabschluss",
              "Geschwindigkeit und Tasten", "Die fünf Anzeigen", "Die Spielziele"})
            QVERIFY2(manual.contains(QString::fromUtf8(topic)), topic);
    }
};

QTEST_MAIN(BalanceWindowTest)
#include "balance_window_test.moc"
