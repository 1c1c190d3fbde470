// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form11_event.h"

#include "game/events.h"
#include "ui/game_session.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {
constexpr int RowFontPixels = 27;
} // namespace

TForm11::TForm11(GameSession& session)
    : TDialogForm(QStringLiteral("Ereigniss"), 536, 303), session_(session) {
    setObjectName(QStringLiteral("Form11"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    move(187, 103);

    Label1 = MakeLabel(this, "Label1", QStringLiteral("Ereigniss"), {156, -7, 216, 56},
                       Qt::AlignLeft | Qt::AlignTop);
    Label1->setFont(GamePixelFont(48, true));

    Label2 = AddRow("Label2", 49);
    Label3 = AddRow("Label3", 81);
    Label4 = AddRow("Label4", 112);
    Label5 = AddRow("Label5", 144);
    Label6 = AddRow("Label6", 175);
    Label7 = AddRow("Label7", 207);
    Label8 = AddRow("Label8", 238);

    Button1 = AddButton("Button1", QStringLiteral("Ja"), 109, &TForm11::Button1Click);
    Button2 = AddButton("Button2", QStringLiteral("Nein"), 320, &TForm11::Button2Click);
    Button3 = AddButton("Button3", QStringLiteral("OK"), 215, &TForm11::Button3Click);
    setTabOrder(Button1, Button3); // left to right: "Ja", "OK", "Nein"
    setTabOrder(Button3, Button2);
    connect(&session_, &GameSession::EventRaised, this, &TForm11::ShowRaisedEvent);
}

QLabel* TForm11::AddRow(const char* name, int top) {
    QLabel* label =
        MakeLabel(this, name, QString(), {2, top, 530, 31}, Qt::AlignHCenter | Qt::AlignTop);
    label->setFont(GamePixelFont(RowFontPixels));
    return label;
}

QPushButton* TForm11::AddButton(const char* name, const QString& caption, int left,
                                void (TForm11::*handler)()) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setFont(GamePixelFont(RowFontPixels));
    button->setGeometry(left, 272, 100, 25);
    connect(button, &QPushButton::clicked, this, handler);
    return button;
}

void TForm11::ShowView() {
    const EventView& view = session_.game().Event.View;
    QLabel* const rows[] = {Label2, Label3, Label4, Label5, Label6, Label7, Label8};
    for (std::size_t i = 0; i < std::size(rows); ++i)
        rows[i]->setText(QString::fromStdString(view.Rows[i]));
    Button1->setVisible(view.YesVisible);
    Button2->setVisible(view.NoVisible);
    Button3->setVisible(view.OkVisible);
    // The keyboard answers as in every dialog: Enter or Space take the first answer on offer.
    // Hiding the answered buttons would leave the focus on a hidden one.
    for (QPushButton* answer : {Button1, Button2, Button3}) {
        if (!answer->isHidden()) {
            answer->setFocus(Qt::OtherFocusReason);
            break;
        }
    }
}

void TForm11::ShowRaisedEvent() {
    ShowView();
    show();
    raise();
    activateWindow();
}

template <class Answer> void TForm11::Answered(Answer answer) {
    bool closeNow = false;
    {
        // An answer may show a message; no tick may pick a new event under it.
        GameSession::TickBlocker answering(session_);
        closeNow = answer(session_.game());
    }
    if (closeNow)
        FormClose();
    else
        ShowView();
}

void TForm11::Button1Click() {
    Answered([](Game& game) { return AnswerYes(game); });
}

void TForm11::Button2Click() {
    Answered([](Game& game) { return AnswerNo(game); });
}

void TForm11::Button3Click() {
    Answered([](Game& game) { return AnswerOk(game); });
}

void TForm11::FormClose() {
    hide();
    if (session_.Ending())
        return;
    session_.SetTimerEnabled(true);
    emit Closed();
}

void TForm11::closeEvent(QCloseEvent* event) {
    event->ignore();
}

void TForm11::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        return;
    TDialogForm::keyPressEvent(event);
}
