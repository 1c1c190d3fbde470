// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form10_entertainment.h"

#include "game/entertainment.h"
#include "ui/game_session.h"
#include "ui/jpeg_image.h"
#include "ui/names.h"
#include "widgets/led_meter.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace {

QLabel* MakePicture(QWidget* parent, const char* name, const QString& resource, const QRect& area) {
    auto* picture = new QLabel(parent);
    picture->setObjectName(QLatin1String(name));
    picture->setTextFormat(Qt::PlainText); // like every label of the game, should it get a text
    picture->setGeometry(area);
    picture->setScaledContents(true);
    const QImage image = LoadJpegResource(resource);
    if (!image.isNull())
        picture->setPixmap(QPixmap::fromImage(
            image.scaled(area.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    return picture;
}

QPushButton* MakeBuyButton(QWidget* parent, const char* name, int centre) {
    auto* button = new QPushButton(QStringLiteral("Kaufen"), parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(centre - 40, 230, 80, 25);
    return button;
}

} // namespace

TForm10::TForm10(GameSession& session)
    : TDialogForm(QStringLiteral("Unterhaltung"), 435, 300), session_(session) {
    setObjectName(QStringLiteral("Form10"));
    const QRect tvArea(30, 40, 165, 105);
    const QRect musiciansArea(257, 40, 142, 105);
    Image1 = MakePicture(this, "Image1", QStringLiteral(":/pictures/tv.jpg"), tvArea);
    Label1 =
        MakeLabel(this, "Label1", QStringLiteral("Fernseher\nPreis: 4000 €"),
                  QRect(tvArea.left(), 154, tvArea.width(), 30), Qt::AlignHCenter | Qt::AlignTop);
    Button1 = MakeBuyButton(this, "Button1", tvArea.center().x());
    Image2 = MakePicture(this, "Image2", QStringLiteral(":/pictures/musicians.jpg"), musiciansArea);
    Label2 = MakeLabel(this, "Label2", QStringLiteral("Musikanten\n4000 €"),
                       QRect(musiciansArea.left(), 154, musiciansArea.width(), 30),
                       Qt::AlignHCenter | Qt::AlignTop);
    Button2 = MakeBuyButton(this, "Button2", musiciansArea.center().x());
    const QString television = QStringLiteral("Fernseher");
    const QString musicians = QStringLiteral("Musikanten");
    Image1->setAccessibleName(television);
    Image2->setAccessibleName(musicians);
    NameForSubject(Button1, television);
    NameForSubject(Button2, musicians);

    connect(Button1, &QPushButton::clicked, this, &TForm10::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm10::Button2Click);
}

void TForm10::showEvent(QShowEvent* event) {
    SyncButtons();
    TDialogForm::showEvent(event);
}

void TForm10::paintEvent(QPaintEvent* event) {
    TDialogForm::paintEvent(event);
    paintRefresh_.Request();
}

void TForm10::SyncButtons() {
    const GameState& state = session_.state();
    Button1->setEnabled(StillPurchasable(state, Entertainment::Television));
    Button2->setEnabled(StillPurchasable(state, Entertainment::Musicians));
}

void TForm10::Buy(Entertainment what, QPushButton* button) {
    const std::optional<int> factor = BuyEntertainment(session_.game(), what);
    if (!factor) {
        session_.ShowMessage(NotEnoughMoneyForEntertainmentMessage(what));
        return;
    }
    button->setEnabled(false);
    session_.SetGauge(Gauge::Entertainment, *factor);
}

void TForm10::Button1Click() {
    Buy(Entertainment::Television, Button1);
}
void TForm10::Button2Click() {
    Buy(Entertainment::Musicians, Button2);
}
