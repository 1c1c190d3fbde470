// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form4_cards.h"

#include "game/cards.h"
#include "ui/dialog_form.h"
#include "ui/game_session.h"
#include "ui/names.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

constexpr int ArticleIndexRole = Qt::UserRole;

QStringList HelpText(const QString& line1, const QString& line3, const QString& line6) {
    return {line1,
            QStringLiteral("klicken Sie einfach das Kästchen vor"),
            line3,
            QString(),
            QStringLiteral("Bitte beachten Sie:"),
            line6,
            QStringLiteral("entsprechender Vorrat im Lager vorhanden"),
            QStringLiteral("sein (Mehrkosten).")};
}

QString ShortfallText(const QString& articles) {
    return QStringLiteral("Es konnten nicht alle ") + articles +
           QStringLiteral(
               " ausgewählt werden, da nicht genügend Geld für den Vorrat vorhanden ist.");
}

CardDescription DrinksCard() {
    return {ArticleKind::Drink,
            QStringLiteral("Getränkekarte"),
            QStringLiteral(" von 50 Getränken bekannt."),
            ShortfallText(QStringLiteral("Getränke")),
            HelpText(QStringLiteral("Um ein Getränk der Karte hinzuzufügen, "),
                     QStringLiteral("dem jeweiligen Getränk an."),
                     QStringLiteral("Für jedes Getränk auf der Karte  muß ein")),
            125};
}

CardDescription DishesCard() {
    return {ArticleKind::Dish,
            QStringLiteral("Speisekarte"),
            QStringLiteral(" von 30 Speisen bekannt."),
            ShortfallText(QStringLiteral("Speisen")),
            HelpText(QStringLiteral("Um eine Speise der Karte hinzuzufügen, "),
                     QStringLiteral("der jeweiligen Speise an."),
                     QStringLiteral("Für jede Speise auf der Karte  muß ein")),
            124};
}

CardDescription WinesCard() {
    return {ArticleKind::Wine,
            QStringLiteral("Weinkarte"),
            QStringLiteral(" von 30 Weinen bekannt."),
            ShortfallText(QStringLiteral("Weine")),
            HelpText(QStringLiteral("Um einen Wein der Karte hinzuzufügen, "),
                     QStringLiteral("des jeweiligen Weines an."),
                     QStringLiteral("Für jeden Wein auf der Karte  muß ein")),
            125};
}

} // namespace

TCardForm::TCardForm(GameSession& session, CardDescription description, const QObject* opener)
    : TDialogForm(description.Caption, 400, 200), session_(session),
      description_(std::move(description)), opener_(opener) {
    CheckListBox1 = new QListWidget(this);
    CheckListBox1->setObjectName(QStringLiteral("CheckListBox1"));
    CheckListBox1->setGeometry(7, 6, 166, 103);
    GiveOutlineOnBlack(CheckListBox1);
    // The list is the card itself; nothing beside it names it.
    CheckListBox1->setAccessibleName(description_.Caption);

    // Wider than the 202 pixels of the design: the longest line needs it in this font.
    Label1 = MakeLabel(this, "Label1", description_.HelpLines.join(QLatin1Char('\n')),
                       {177, 5, 220, 104}, Qt::AlignLeft | Qt::AlignTop);

    Label2 = MakeLabel(this, "Label2", QString(), {7, 110, 380, LineHeight});
    QPalette lime = Label2->palette();
    lime.setColor(QPalette::WindowText, QColor(0, 255, 0));
    Label2->setPalette(lime);

    Label3 = MakeLabel(this, "Label3", QStringLiteral("Vermögen:"),
                       {7, description_.MoneyLabelTop, 380, LineHeight});

    Button1 = new QPushButton(QStringLiteral("Alle auswählen"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(7, 144, 95, 25);

    connect(CheckListBox1, &QListWidget::itemChanged, this,
            [this](QListWidgetItem* item) { CheckListBox1ClickCheck(item); });
    connect(Button1, &QPushButton::clicked, this, &TCardForm::Button1Click);
    connect(&session_, &GameSession::MoneyTextChanged, Label3, &QLabel::setText);
    // The entries stand for articles by index, which name others in another game.
    connect(&session_, &GameSession::GameLoaded, this, &TCardForm::Fill);
}

void TCardForm::FormPaint(const QObject* sender) {
    if (sender == nullptr || sender != opener_)
        return;
    Fill();
}

void TCardForm::Fill() {
    const GameState& state = session_.state();
    std::vector<ArticleEntry> entries;
    for (int i = 1; i <= ArticleCount(description_.Kind); ++i)
        if (Article(state, description_.Kind, i).Known)
            entries.push_back(MakeArticleEntry(state, description_.Kind, i));
    SortByName(entries);

    filling_ = true;
    CheckListBox1->clear();
    for (const ArticleEntry& entry : entries) {
        auto* item = new QListWidgetItem(entry.Name, CheckListBox1);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setData(ArticleIndexRole, entry.Index);
        item->setCheckState(Article(state, description_.Kind, entry.Index).OnCard ? Qt::Checked
                                                                                  : Qt::Unchecked);
    }
    filling_ = false;
    Label2->setText(QStringLiteral("Ihnen sind ") + QString::number(CheckListBox1->count()) +
                    description_.CountSuffix);
}

void TCardForm::SetTicked(QListWidgetItem* item, bool ticked) {
    filling_ = true;
    item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    filling_ = false;
}

void TCardForm::CheckListBox1ClickCheck(QListWidgetItem* item) {
    if (filling_ || !item)
        return;
    const int index = item->data(ArticleIndexRole).toInt();
    if (item->checkState() != Qt::Checked) {
        TakeOffCard(session_.state(), description_.Kind, index);
        return;
    }
    // A refused tick keeps its mark until the list is next rebuilt.
    if (!PutOnCard(session_.game(), description_.Kind, index))
        session_.ShowMessage(NotEnoughMoneyForStockMessage);
}

void TCardForm::Button1Click() {
    bool shortfall = false;
    for (int row = 0; row < CheckListBox1->count(); ++row) {
        QListWidgetItem* item = CheckListBox1->item(row);
        SetTicked(item, true);
        if (!PutOnCard(session_.game(), description_.Kind, item->data(ArticleIndexRole).toInt()))
            shortfall = true;
    }
    if (!shortfall)
        return;
    Fill();
    session_.ShowMessage(description_.ShortfallMessage.toStdString());
}

TForm4::TForm4(GameSession& session, const QObject* opener)
    : TCardForm(session, DrinksCard(), opener) {
    setObjectName(QStringLiteral("Form4"));
}
TForm5::TForm5(GameSession& session, const QObject* opener)
    : TCardForm(session, DishesCard(), opener) {
    setObjectName(QStringLiteral("Form5"));
}
TForm6::TForm6(GameSession& session, const QObject* opener)
    : TCardForm(session, WinesCard(), opener) {
    setObjectName(QStringLiteral("Form6"));
}
