// SPDX-License-Identifier: GPL-3.0-or-later
// What the player reads: every caption of every window, in each of its stages, shown whole in
// the font it is drawn with; and names from a saved game shown as the text they are.

#include "ui_test_support.h"

#include "game/booking.h"
#include "game/events.h"
#include "game/rewards.h"
#include "game/short_string.h"
#include "persistence/save_game.h"
#include "ui/about_form.h"
#include "ui/balance_form.h"
#include "ui/form10_entertainment.h"
#include "ui/form11_event.h"
#include "ui/form12_bank.h"
#include "ui/form13_top_ten.h"
#include "ui/form16_goals.h"
#include "ui/form2_lease.h"
#include "ui/form3_staff.h"
#include "ui/form4_cards.h"
#include "ui/form7_settings.h"
#include "ui/form8_prices.h"
#include "ui/form9_storage.h"
#include "ui/help_form.h"
#include "ui/names.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextDocument>

namespace {

// Whether `rect` of `widget` lies within the widget and each of its parents up to its window.
bool InsideEveryParent(const QWidget* widget, QRect rect) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (!w->rect().contains(rect))
            return false;
        if (w->isWindow())
            return true;
        rect.translate(w->pos());
    }
    return true;
}

// What the letters of a one-line `text` cover of its `line`: the line's height, with the
// font's leading, may exceed a control in which every letter is drawn whole.
QRect Ink(const QFontMetrics& metrics, QRect line, const QString& text) {
    if (text.contains(u'\n') || line.width() == 0)
        return line;
    const QRect tight = metrics.tightBoundingRect(text);
    return {line.left(), line.top() + metrics.ascent() + tight.top(),
            metrics.horizontalAdvance(text), tight.height()};
}

QRect ButtonTextRoom(const QAbstractButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QStyle::SubElement contents =
        qobject_cast<const QPushButton*>(button) ? QStyle::SE_PushButtonContents
        : qobject_cast<const QCheckBox*>(button) ? QStyle::SE_CheckBoxContents
                                                 : QStyle::SE_RadioButtonContents;
    return button->style()->subElementRect(contents, &option, button);
}

// The controls of `window` whose caption is not drawn whole, as "Window.Control: caption".
QStringList CutCaptions(const QWidget* window) {
    QStringList cut;
    const auto check = [&](const QWidget* control, const QString& text, QRect needed, QRect room) {
        if (!room.contains(needed) || !InsideEveryParent(control, needed))
            cut << QStringLiteral("%1.%2: %3")
                       .arg(window->windowTitle(), control->objectName(), text);
    };
    for (const QWidget* control : window->findChildren<QWidget*>()) {
        if (!control->isVisibleTo(window) || control->objectName().startsWith(u"qt_"))
            continue;
        const QFontMetrics metrics = control->fontMetrics();
        if (const auto* label = qobject_cast<const QLabel*>(control)) {
            if (label->text().isEmpty())
                continue;
            const auto* name = qobject_cast<const TNameLabel*>(label);
            const QString shown = name ? name->ShownText() : label->text();
            const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
            const QRect room = label->contentsRect();
            if (shown != label->text())
                cut << QStringLiteral("%1.%2: %3 shortened")
                           .arg(window->windowTitle(), label->objectName(), shown);
            // A wrapped text takes the lines it is wrapped into.
            const QRect lines = metrics.boundingRect(room, flags, shown);
            check(label, shown, label->wordWrap() ? lines : Ink(metrics, lines, shown), room);
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
            const QRect room = ButtonTextRoom(button);
            const int align = qobject_cast<const QPushButton*>(button)
                                  ? Qt::AlignCenter
                                  : Qt::AlignLeft | Qt::AlignVCenter;
            const QString& text = button->text();
            check(button, text, Ink(metrics, metrics.boundingRect(room, align, text), text), room);
        } else if (const auto* group = qobject_cast<const QGroupBox*>(control)) {
            const QRect needed(8, 0, metrics.horizontalAdvance(group->title()) + 4,
                               metrics.height());
            check(group, group->title(), needed, group->rect());
        } else if (const auto* list = qobject_cast<const QListWidget*>(control)) {
            for (int row = 0; row < list->count(); ++row) {
                const QListWidgetItem* item = list->item(row);
                const int needed = list->sizeHintForIndex(list->model()->index(row, 0)).width();
                const int room =
                    std::min(list->viewport()->width(), list->visualItemRect(item).width());
                if (needed > room)
                    cut << QStringLiteral("%1.%2: %3")
                               .arg(window->windowTitle(), list->objectName(), item->text());
            }
        }
    }
    return cut;
}

// Shows `window` as it is now and adds what it cuts to `cut`.
void Look(QWidget* window, QStringList& cut) {
    QVERIFY(ShowAndPaint(window));
    cut << CutCaptions(window);
}

void MakeAllKnown(Game& game) {
    for (const RewardKey key : {RewardKey::F9, RewardKey::F10, RewardKey::F11})
        GrantReward(game, key);
}

void LookAtEveryEvent(QStringList& cut) {
    Game& game = Session->game();
    for (int r = 1; r <= EventCount; ++r) {
        for (int answer = 0; answer < 3; ++answer) {
            ShowEvent(game.Event, r);
            if (answer == 1)
                AnswerYes(game);
            else if (answer == 2)
                AnswerNo(game);
            Form11->ShowView();
            Look(Form11, cut);
        }
    }
    Form11->hide();
}

// The letter of the game's character set that is widest in `metrics`.
QString WidestLetter(const QFontMetrics& metrics) {
    QString widest = QStringLiteral("W");
    for (int byte = 0x20; byte <= 0xFF; ++byte) {
        const QString letter =
            QString::fromStdString(Cp1252ToUtf8(std::string(1, static_cast<char>(byte))));
        if (letter.front().isLetter() &&
            metrics.horizontalAdvance(letter) > metrics.horizontalAdvance(widest))
            widest = letter;
    }
    return widest;
}

// Names a saved game from elsewhere may carry.
QStringList HostileNames() {
    return {QStringLiteral("<span style=\"background:#ff0000\">Rot</span>"),
            QStringLiteral("<img src=\"nirgends.png\">Bild"), QStringLiteral("<b>Fett</b> & Co"),
            QStringLiteral("a<b"),
            QStringLiteral("Zeile\nZwei\tTab\x01"
                           "Ende"),
            // Too long for its place, so it is shortened and shown whole as the tool tip.
            QStringLiteral("<span style=\"background:#ff0000\">WWWWWWWWWWWWWWWWW"),
            WidestLetter(QFontMetrics(GameFont())).repeated(50)};
}

// The text a tool tip shows: Qt takes anything that looks like markup as markup.
QString ToolTipAsShown(const QString& toolTip) {
    if (!Qt::mightBeRichText(toolTip))
        return toolTip;
    QTextDocument document;
    document.setHtml(toolTip);
    return document.toPlainText();
}

// Whether `window` as drawn has a pixel of pure red (only a style from a name could paint it).
bool DrawsRed(QWidget* window) {
    const QImage image = window->grab().toImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == QColor(255, 0, 0))
                return true;
    return false;
}

// The entries of `list` that are not drawn whole, even scrolled to.
QStringList CutEntries(const QListWidget* list) {
    QStringList cut;
    for (int row = 0; row < list->count(); ++row) {
        const QListWidgetItem* item = list->item(row);
        const int needed = list->sizeHintForIndex(list->model()->index(row, 0)).width();
        const int reach = list->viewport()->width() + list->horizontalScrollBar()->maximum();
        if (needed > list->visualItemRect(item).width() || needed > reach)
            cut << item->text();
    }
    return cut;
}

// The headings and cells of the tables of `window` that are not drawn whole.
QStringList CutTableTexts(const QWidget* window) {
    QStringList cut;
    for (const QTableView* table : window->findChildren<QTableView*>()) {
        if (!table->isVisibleTo(window))
            continue;
        const QHeaderView* header = table->horizontalHeader();
        const QAbstractItemModel* model = table->model();
        for (int column = 0; column < model->columnCount(); ++column) {
            const QString heading = model->headerData(column, Qt::Horizontal).toString();
            if (header->sectionSizeHint(column) > header->sectionSize(column))
                cut << table->objectName() + QStringLiteral(" heading ") + heading;
            for (int row = 0; row < model->rowCount(); ++row) {
                const QModelIndex cell = model->index(row, column);
                // The grid line takes a pixel of the column.
                const int grid = table->showGrid() ? 1 : 0;
                if (table->sizeHintForIndex(cell).width() + grid > table->columnWidth(column))
                    cut << table->objectName() + u' ' + cell.data().toString();
            }
        }
    }
    return cut;
}

} // namespace

class CaptionsTest : public QObject {
    Q_OBJECT
    std::unique_ptr<ProgramRun> run_;

private slots:
    void init() { run_ = std::make_unique<ProgramRun>(); }
    void cleanup() { run_.reset(); }

    void everyWindowShowsEveryCaptionWhole() {
        MessageAnswerer player;
        QStringList cut;
        Look(Form1, cut); // no game
        Form1->Button1Click();
        Look(Form1, cut); // a game, no pub
        GameState& state = Session->state();
        for (int i = 1; i <= LocationCount; ++i) {
            state.LocationCursor = i;
            Look(Form2, cut);
        }
        Form2->Button3Click(); // leased
        Look(Form2, cut);
        state.Wealth = -99999999.99;
        Form1->vermoegenanzeigen();
        Look(Form1, cut); // the pub leased
        for (int i = 1; i <= StaffCount; ++i) {
            state.StaffCursor = i;
            state.StaffPool[i].Employed = i % 2 == 0;
            Look(Form3, cut);
        }

        MakeAllKnown(Session->game());
        PutAllOnCard(state);
        Form1->Button4Click();
        Look(Form4, cut);
        Form1->Button5Click();
        Look(Form5, cut);
        Form1->Button6Click();
        Look(Form6, cut);
        Look(Form7, cut);

        Form1->Button10Click();
        for (int kind = 0; kind < 3; ++kind) {
            Form8->ComboBox1->setCurrentIndex(kind);
            for (int row = 0; row < Form8->ListBox1->count(); ++row) {
                Form8->ListBox1->setCurrentRow(row);
                Look(Form8, cut);
            }
        }

        for (int i = 1; i <= DrinkCount; ++i)
            state.Drinks[i].Stock = i % 2 == 0 ? 0 : -2147483647 - 1 + i;
        Form9->RebuildLists();
        Form9->ListBox1->setCurrentRow(0);
        Form9->ListBox2->setCurrentRow(0);
        Look(Form9, cut);

        Look(Form10, cut);
        state.Wealth = 99999999.99;
        state.Debt = 100000000;
        Look(Form12, cut);
        for (const ArticleKind kind : AllArticleKinds)
            for (int i = 1; i <= ArticleCount(kind); ++i)
                Article(state, kind, i).UnitsSold = 2147483647 - i;
        Look(Form13, cut);
        Look(Form16, cut);
        LookAtEveryEvent(cut);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));
    }

    // The widest amounts the books can show, a day closed, and names of the widest letters.
    void booksHelpAndAboutShowEveryTextWhole() {
        Form1->Button1Click();
        Session->SetTimerEnabled(false);
        Game& game = Session->game();
        const std::string widest =
            WidestLetter(QFontMetrics(GameFont())).repeated(50).toStdString();
        for (const ArticleKind kind : AllArticleKinds) {
            SetName(Article(game.State, kind, 1), widest.c_str());
            Article(game.State, kind, 1).SalePrice = -99999999.99;
            BookSale(game, kind, 1, 99999999.99);
            BookStockBought(game, Booking::Deliveries, kind, 1, 500, 99999999.99);
        }
        Book(game, Booking::Reward, LargestAmount);
        Book(game, Booking::Rent, -99999999.99);
        game.Books.CloseDay(game.State.GameClock);
        Book(game, Booking::EventPayments, -LargestAmount);

        QStringList cut;
        QVERIFY(ShowAndPaint(BalanceForm)); // its controls exist from then on
        for (int tab = 0; tab < BalanceForm->Tabs->count(); ++tab) {
            BalanceForm->Tabs->setCurrentIndex(tab);
            Look(BalanceForm, cut);
            BalanceForm->Refresh();
            cut << CutCaptions(BalanceForm) << CutTableTexts(BalanceForm);
        }
        Look(HelpForm, cut);
        Look(AboutForm, cut);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));
    }

    void namesFromAFileAreShownAsTheTextTheyAre() {
        const QStringList names = HostileNames();
        QStringList shown;
        for (const QString& name : names)
            shown << QString(name).replace(u'\n', u'?').replace(u'\t', u'?').replace(u'\x01', u'?');
        Form1->Button1Click();
        GameState& state = Session->state();
        MakeAllKnown(Session->game());
        PutAllOnCard(state);
        state.LeasedLocation = 1;
        state.Locations[1].Leased = true;
        for (int i = 0; i < names.size(); ++i) {
            const std::string name = names[i].toStdString();
            for (const ArticleKind kind : AllArticleKinds) {
                SetName(Article(state, kind, i + 1), name.c_str());
                Article(state, kind, i + 1).UnitsSold = 1000 + i;
                Article(state, kind, i + 1).Stock = i % 2 == 0 ? 0 : 100; // in both lists
            }
            state.StaffPool[i + 1].Name = ShortString50::FromUtf8(name);
            state.Locations[i + 1].Name = ShortString50::FromUtf8(name);
        }
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("fremd.krg"));
        QVERIFY(WriteSavedGame(path.toStdString(), state).Ok);
        state = GameState();
        Form1->OpenDialog1 = [path] { return path; };
        Form1->Button12Click();

        QStringList wrong;
        for (int i = 0; i < names.size(); ++i) {
            const bool widest = i == names.size() - 1;
            state.LocationCursor = i + 1;
            state.StaffCursor = i + 1;
            for (QWidget* window : {static_cast<QWidget*>(Form2), static_cast<QWidget*>(Form3)}) {
                QVERIFY(ShowAndPaint(window));
                TNameLabel* label = window == Form2 ? Form2->Label4 : Form3->Label4;
                // The whole name, or its beginning and the whole name as the tool tip.
                const bool whole = label->ShownText() == shown[i] && !widest;
                const bool shortened = label->ShownText().endsWith(u'…') &&
                                       ToolTipAsShown(label->toolTip()) == shown[i];
                if (label->text() != shown[i] || label->textFormat() != Qt::PlainText ||
                    !(whole || shortened) || DrawsRed(window))
                    wrong << window->windowTitle() + QStringLiteral(": ") + label->ShownText();
            }
        }
        Form1->Button4Click();
        Form1->Button10Click();
        Form8->ComboBox1->setCurrentIndex(0);
        Form8->ListBox1->setCurrentItem(
            Form8->ListBox1->findItems(shown.back(), Qt::MatchExactly).value(0));
        for (QWidget* window : {static_cast<QWidget*>(Form4), static_cast<QWidget*>(Form8),
                                static_cast<QWidget*>(Form9)}) {
            QVERIFY(ShowAndPaint(window));
            if (DrawsRed(window))
                wrong << window->windowTitle() + QStringLiteral(": red");
            QStringList entries; // the storage splits the names between its lists
            for (const QListWidget* list : window->findChildren<QListWidget*>()) {
                entries << Entries(list);
                for (const QString& entry : CutEntries(list))
                    wrong << window->windowTitle() + QStringLiteral(": cut ") + entry;
            }
            for (const QString& name : shown)
                if (!entries.contains(name))
                    wrong << window->windowTitle() + QStringLiteral(": no ") + name;
        }
        QCOMPARE(ToolTipAsShown(Form8->Label7->toolTip()), shown.back());

        QVERIFY(ShowAndPaint(Form13));
        const QStringList lines = Form13->Memo1->toPlainText().split(u'\n');
        QCOMPARE(lines.size(), 10);
        const QString mostSold = QStringLiteral(" (%1x verkauft.)").arg(1000 + names.size() - 1);
        QVERIFY2(lines.front().endsWith(mostSold), qPrintable(lines.front()));
        QVERIFY(Form13->Memo1->document()->size().height() <= Form13->Memo1->viewport()->height());
        QVERIFY(Form13->Memo1->document()->size().width() <= Form13->Memo1->viewport()->width());
        QVERIFY(!DrawsRed(Form13));
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u'\n')));
    }
};

QTEST_MAIN(CaptionsTest)
#include "captions_test.moc"
