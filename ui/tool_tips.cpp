// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tool_tips.h"

#include "game/number_format.h"

namespace {

QString Euros(double amount) {
    return QString::fromStdString(FormatGeneral(amount)) + QStringLiteral(" €");
}

} // namespace

QString GaugeTip(Gauge gauge, int value) {
    const QString figure = QString::number(value);
    switch (gauge) {
    case Gauge::Staff:
        return QStringLiteral("Schnelligkeit Personal: %1 von 100.\n"
                              "Steigt mit jeder eingestellten Kraft; je höher die Vielfalt, desto "
                              "mehr Personal braucht es dafür.\n"
                              "Ohne Personal steht sie auf 0.")
            .arg(figure);
    case Gauge::Variety:
        return QStringLiteral("Vielfalt: %1 (von -100 bis 100).\n"
                              "Steigt um 1 mit jedem verkauften Artikel und sinkt um 1, wenn ein "
                              "Gast von einer Art, die er möchte, nichts bekommt.\n"
                              "Viele Artikel auf den Karten und genug Vorrat halten sie oben.")
            .arg(figure);
    case Gauge::Entertainment:
        return QStringLiteral("Unterhaltungsfaktor: %1 von 100.\n"
                              "Steigt um 50 mit dem Fernseher und um 50 mit den Musikanten "
                              "(„Unterhaltung“) und sinkt nie.")
            .arg(figure);
    case Gauge::Prices:
        return QStringLiteral("Preise: %1 (höchstens 100).\n"
                              "Je kleiner der mittlere Aufschlag (Verkaufs- minus Einkaufspreis) "
                              "der Artikel auf den Karten, desto höher: 1 € ergibt 100, 2 € "
                              "ergibt 0.\n"
                              "Höhere Verkaufspreise senken den Wert, und es kommen weniger Gäste.")
            .arg(figure);
    case Gauge::Attractiveness:
        return QStringLiteral("Gesamtattraktivität: %1 (höchstens 400).\n"
                              "Die Summe aus Preisen, Vielfalt, Unterhaltungsfaktor und "
                              "Schnelligkeit Personal; sie steigt und sinkt mit ihnen.\n"
                              "Je höher sie ist, desto öfter gibt ein Gast Trinkgeld.")
            .arg(figure);
    }
    return QString();
}

QString StockTip(const GameState& state, ArticleKind kind, int index) {
    const TArticle& article = Article(state, kind, index);
    const int quantity = state.Controls.StorageOrderQuantity;
    const QString delivery = article.DeliveryMinutes > 0
                                 ? QStringLiteral("Eine Lieferung ist unterwegs.")
                                 : QStringLiteral("Keine Lieferung unterwegs.");
    return QStringLiteral("Lagerbestand: %1\nEinkaufspreis: %2\n"
                          "Eine Nachbestellung (%3 Stück) kostet bei der Lieferung %4.\n%5")
        .arg(QString::number(article.Stock), Euros(article.PurchasePrice),
             QString::number(quantity), Euros(quantity * article.PurchasePrice), delivery);
}
