// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form8_prices.h"

#include "game/number_format.h"
#include "game/prices.h"
#include "ui/dialog_form.h"
#include "ui/game_session.h"
#include "ui/names.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <optional>

namespace {

// An entry's name as stored; the entry's text is the printable form of it.
constexpr int StoredNameRole = Qt::UserRole;

// The kind chosen in the combo box: "Getränke", "Wein", "Speisen".
std::optional<ArticleKind> ChosenKind(const QComboBox* combo) {
    switch (combo->currentIndex()) {
    case 0:
        return ArticleKind::Drink;
    case 1:
        return ArticleKind::Wine;
    case 2:
        return ArticleKind::Dish;
    default:
        return std::nullopt;
    }
}

} // namespace

TForm8::TForm8(GameSession& session, const QObject* opener)
    : TDialogForm(QStringLiteral("Preise"), 348, 252), session_(session), opener_(opener) {
    setObjectName(QStringLiteral("Form8"));
    Label1 = MakeLabel(this, "Label1", QStringLiteral("Art:"), {40, 9, 20, LineHeight});

    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setGeometry(62, 6, 146, 21);
    ComboBox1->addItems(
        {QStringLiteral("Getränke"), QStringLiteral("Wein"), QStringLiteral("Speisen")});
    ComboBox1->setCurrentIndex(-1);
    Label1->setBuddy(ComboBox1);

    Label7 = new TNameLabel(this);
    Label7->setObjectName(QStringLiteral("Label7"));
    Label7->setFont(GameFont(12, true));
    Label7->setGeometry(61, 30, 280, 20);
    QPalette lime = Label7->palette();
    lime.setColor(QPalette::WindowText, QColor(0, 255, 0));
    Label7->setPalette(lime);

    Label2 = MakeLabel(this, "Label2", QStringLiteral("Ware:"), {27, 52, 32, LineHeight});

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setGeometry(61, 52, 146, 169);
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    GiveOutlineOnBlack(ListBox1);
    NameAfterCaption(ListBox1, Label2);

    Label3 = MakeLabel(this, "Label3", QStringLiteral("Einkaufspreis:"), {210, 52, 71, LineHeight});
    Label5 = MakeLabel(this, "Label5", QString(), {284, 52, 62, LineHeight});
    Label4 = MakeLabel(this, "Label4", QStringLiteral("Verkaufspreis:"), {210, 70, 71, LineHeight});

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(281, 67, 44, 21);
    GiveOutlineOnBlack(Edit1);
    Label4->setBuddy(Edit1);

    Label6 = MakeLabel(this, "Label6", QStringLiteral("€"), {328, 70, 16, LineHeight});
    Label3->setBuddy(Label5);

    Button1 = new QPushButton(QStringLiteral("Preis festlegen"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(226, 91, 100, 25);

    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TForm8::ComboBox1Change);
    // A click on the entry already selected shows it again, as a selection change does.
    connect(ListBox1, &QListWidget::itemSelectionChanged, this, &TForm8::ListBox1Click);
    connect(ListBox1, &QListWidget::itemClicked, this, &TForm8::ListBox1Click);
    connect(Button1, &QPushButton::clicked, this, &TForm8::Button1Click);
    // The list shows the articles on the cards of the game loaded.
    connect(&session_, &GameSession::GameLoaded, this, &TForm8::Fill);
}

void TForm8::FormPaint(const QObject* sender) {
    if (sender == nullptr || sender != opener_)
        return;
    Fill();
}

void TForm8::Fill() {
    ListBox1->clear();
    const std::optional<ArticleKind> kind = ChosenKind(ComboBox1);
    if (!kind)
        return;
    const GameState& state = session_.state();
    std::vector<ArticleEntry> entries;
    for (int i = 1; i <= ArticleCount(*kind); ++i)
        if (Article(state, *kind, i).OnCard)
            entries.push_back(MakeArticleEntry(state, *kind, i));
    SortByName(entries);
    for (const ArticleEntry& entry : entries) {
        auto* item = new QListWidgetItem(entry.Name, ListBox1);
        item->setData(StoredNameRole,
                      QString::fromStdString(Article(state, *kind, entry.Index).Name.ToUtf8()));
    }
}

void TForm8::ComboBox1Change() {
    FormPaint(opener_);
}

void TForm8::ListBox1Click() {
    const QList<QListWidgetItem*> selected = ListBox1->selectedItems();
    const std::optional<ArticleKind> kind = ChosenKind(ComboBox1);
    if (selected.isEmpty() || !kind)
        return;
    const GameState& state = session_.state();
    const std::string name = selected.front()->data(StoredNameRole).toString().toStdString();
    const int index = FindArticleByName(state, *kind, name);
    if (index == 0)
        return;
    const TArticle& article = Article(state, *kind, index);
    Label5->setText(QString::fromStdString(FormatGeneral(article.PurchasePrice)) +
                    QStringLiteral(" €"));
    Edit1->setText(QString::fromStdString(FormatGeneral(article.SalePrice)));
    editedName_ = name;
    Label7->SetName(name);
}

void TForm8::Button1Click() {
    const PriceOutcome outcome = SetSalePrice(session_.state(), ChosenKind(ComboBox1), editedName_,
                                              Edit1->text().toStdString());
    if (outcome == PriceOutcome::NotANumber)
        session_.ShowMessage(PriceNotANumberMessage);
    else if (outcome == PriceOutcome::NotPositive)
        session_.ShowMessage(PriceNotPositiveMessage);
}
