// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form9_storage.h"

#include "game/storage.h"
#include "ui/dialog_form.h"
#include "ui/game_session.h"
#include "ui/names.h"
#include "ui/tool_tips.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>

namespace {

const QString StockCaption = QStringLiteral("Lagerbestand: ");

// Captions and stock labels are as wide as the list they belong to.
QLabel* MakeListLabel(QWidget* parent, const char* name, const QString& text, int left, int top,
                      int height) {
    return MakeLabel(parent, name, text, {left, top, 155, height}, Qt::AlignLeft | Qt::AlignTop);
}

QListWidget* MakeList(QWidget* parent, const char* name, int left) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QLatin1String(name));
    list->setGeometry(left, 40, 155, 190);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    // No uniform entry sizes: Qt would take every entry's width from the first one, and a
    // longer name after it would be cut.
    GiveOutlineOnBlack(list);
    return list;
}

QPushButton* MakeButton(QWidget* parent, const char* name, int left) {
    auto* button = new QPushButton(QStringLiteral("Nachbestellen"), parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(left, 284, 100, 25);
    return button;
}

bool SameEntry(const ArticleEntry& a, const ArticleEntry& b) {
    return a.Kind == b.Kind && a.Index == b.Index && a.Name == b.Name;
}

bool SameEntries(const std::vector<ArticleEntry>& a, const std::vector<ArticleEntry>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), SameEntry);
}

std::vector<ArticleEntry> SortedEntries(const GameState& state,
                                        const std::vector<StockEntry>& articles) {
    std::vector<ArticleEntry> entries;
    for (const StockEntry& article : articles)
        entries.push_back(MakeArticleEntry(state, article.Kind, article.Index));
    SortByName(entries);
    return entries;
}

} // namespace

TForm9::TForm9(GameSession& session)
    : TRefreshingForm(QStringLiteral("Lager"), 335, 319), session_(session) {
    setObjectName(QStringLiteral("Form9"));
    Label1 = MakeListLabel(
        this, "Label1", QStringLiteral("Folgende Artikel sind nach \nIhren Einstellungen knapp:"),
        8, 8, 28);
    ListBox1 = MakeList(this, "ListBox1", 8);
    Label2 = MakeListLabel(this, "Label2", QString(), 8, 236, 14);
    CheckBox1 = new QCheckBox(QStringLiteral("Alle nachbestellen"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(8, 256, 155, 20);
    GiveOutlineOnBlack(CheckBox1);
    Button1 = MakeButton(this, "Button1", 8);

    Label3 = MakeListLabel(this, "Label3",
                           QStringLiteral("Sonstige Artikel, deren\nVorrat noch im Limit liegt:"),
                           172, 8, 28);
    ListBox2 = MakeList(this, "ListBox2", 172);
    Label4 = MakeListLabel(this, "Label4", QString(), 172, 236, 14);
    Button2 = MakeButton(this, "Button2", 172);
    NameAfterCaption(ListBox1, Label1);
    NameAfterCaption(ListBox2, Label3);
    NameForSubject(Button1, QStringLiteral("knappe Artikel"));
    NameForSubject(Button2, QStringLiteral("sonstige Artikel"));
    // Row by row, as the window reads: both lists, then what lies below them.
    setTabOrder(ListBox1, ListBox2);
    setTabOrder(ListBox2, CheckBox1);
    setTabOrder(CheckBox1, Button1);
    setTabOrder(Button1, Button2);

    // A click on the entry already selected shows its stock again, as a selection change does.
    for (QListWidget* list : {ListBox1, ListBox2}) {
        list->viewport()->installEventFilter(this);
        const auto click = list == ListBox1 ? &TForm9::ListBox1Click : &TForm9::ListBox2Click;
        connect(list, &QListWidget::itemSelectionChanged, this, click);
        connect(list, &QListWidget::itemClicked, this, click);
    }
    connect(Button1, &QPushButton::clicked, this, &TForm9::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm9::Button2Click);
    // The entries stand for articles by kind and index, which name others in another game.
    connect(&session_, &GameSession::GameLoaded, this, &TForm9::RebuildLists);
}

TForm9::ListsContent TForm9::CurrentContent() const {
    const GameState& state = session_.state();
    const StockLists lists = SplitByStock(state);
    return {SortedEntries(state, lists.Short), SortedEntries(state, lists.Sufficient)};
}

void TForm9::FormPaint() {
    // Rebuilding only on a change shows the same as rebuilding at every paint, and keeps a
    // clicked entry selected while the window repaints around it.
    ListsContent content = CurrentContent();
    if (SameEntries(content.Short, shown_.Short) &&
        SameEntries(content.Sufficient, shown_.Sufficient) &&
        ListBox1->count() == static_cast<int>(shown_.Short.size()) &&
        ListBox2->count() == static_cast<int>(shown_.Sufficient.size())) {
        UpdateTips();
        return;
    }
    Show(content);
}

void TForm9::UpdateTips(QListWidget* list, const std::vector<ArticleEntry>& shown) {
    const GameState& state = session_.state();
    for (int row = 0; row < list->count() && row < static_cast<int>(shown.size()); ++row) {
        const ArticleEntry& entry = shown[static_cast<std::size_t>(row)];
        const QString tip = StockTip(state, entry.Kind, entry.Index);
        QListWidgetItem* item = list->item(row);
        if (item->data(Qt::AccessibleDescriptionRole).toString() == tip)
            continue;
        item->setData(Qt::AccessibleDescriptionRole, tip);
        item->setToolTip(PlainToolTip(tip));
    }
}

void TForm9::UpdateTips() {
    UpdateTips(ListBox1, shown_.Short);
    UpdateTips(ListBox2, shown_.Sufficient);
}

bool TForm9::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ToolTip &&
        (watched == ListBox1->viewport() || watched == ListBox2->viewport()))
        UpdateTips();
    return TRefreshingForm::eventFilter(watched, event);
}

void TForm9::RebuildLists() {
    Show(CurrentContent());
}

void TForm9::Show(const ListsContent& content) {
    std::optional<ArticleEntry> selectedShort;
    std::optional<ArticleEntry> selectedSufficient;
    if (const ArticleEntry* entry = Selected(ListBox1, shown_.Short))
        selectedShort = *entry;
    if (const ArticleEntry* entry = Selected(ListBox2, shown_.Sufficient))
        selectedSufficient = *entry;
    shown_ = content;
    Fill(ListBox1, Label2, shown_.Short, selectedShort);
    Fill(ListBox2, Label4, shown_.Sufficient, selectedSufficient);
    UpdateTips();
}

void TForm9::Fill(QListWidget* list, QLabel* stockLabel, const std::vector<ArticleEntry>& entries,
                  const std::optional<ArticleEntry>& keep) {
    {
        // Emptying the list is no choice of the player's.
        const QSignalBlocker quiet(list);
        list->clear();
        for (const ArticleEntry& entry : entries)
            list->addItem(entry.Name);
    }
    stockLabel->clear();
    if (!keep)
        return;
    const auto kept = std::find_if(entries.begin(), entries.end(), [&](const ArticleEntry& entry) {
        return SameEntry(entry, *keep);
    });
    if (kept != entries.end())
        list->setCurrentRow(static_cast<int>(kept - entries.begin()));
}

const ArticleEntry* TForm9::Selected(QListWidget* list,
                                     const std::vector<ArticleEntry>& shown) const {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    if (selected.isEmpty())
        return nullptr;
    const int row = list->row(selected.front());
    if (row < 0 || row >= static_cast<int>(shown.size()))
        return nullptr;
    return &shown[static_cast<std::size_t>(row)];
}

void TForm9::ShowStock(QListWidget* list, QLabel* label) {
    const std::vector<ArticleEntry>& shown = list == ListBox1 ? shown_.Short : shown_.Sufficient;
    const ArticleEntry* entry = Selected(list, shown);
    if (!entry)
        return;
    const int stock = Article(session_.state(), entry->Kind, entry->Index).Stock;
    label->setText(StockCaption + QString::number(stock));
}

void TForm9::ListBox1Click() {
    ShowStock(ListBox1, Label2);
}
void TForm9::ListBox2Click() {
    ShowStock(ListBox2, Label4);
}

void TForm9::Button1Click() {
    if (!CheckBox1->isChecked()) {
        const ArticleEntry* entry = Selected(ListBox1, shown_.Short);
        if (!entry) {
            session_.ShowMessage(SelectArticleToReorderMessage);
            return;
        }
        const ArticleEntry article = *entry;
        ReorderShortArticle(session_.game(), article.Kind, article.Index);
        RebuildLists();
        return;
    }
    // Every reorder sets a countdown of at least 1, which takes the article off the list.
    while (ListBox1->count() > 0) {
        ListBox1->setCurrentRow(0);
        const ArticleEntry article = shown_.Short.front();
        Reorder(session_.state(), session_.game().Rng, article.Kind, article.Index);
        RebuildLists();
    }
}

void TForm9::Button2Click() {
    const ArticleEntry* entry = Selected(ListBox2, shown_.Sufficient);
    if (!entry) {
        session_.ShowMessage(SelectArticleToReorderMessage);
        return;
    }
    const ArticleEntry article = *entry;
    ReorderSufficientArticle(session_.game(), article.Kind, article.Index);
}

int TForm9::findewas(const QString& name) const {
    return ::findewas(session_.state(), name.toStdString());
}

int TForm9::findenr(int kind, const QString& name) const {
    return ::findenr(session_.state(), kind, name.toStdString());
}
