// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/events.h"

namespace {

using StoryLines = std::array<std::string_view, 6>;
using ResultLines = std::array<std::string_view, 4>;

// A story with only "OK"; cost < 0 is a gain.
constexpr TEreigniss OkEvent(StoryLines lines, double cost) {
    TEreigniss entry;
    entry.Lines = lines;
    entry.OkAmount = cost;
    entry.ShowOk = true;
    return entry;
}

// A question whose answer first shows its outcome, then only "OK".
constexpr TEreigniss TwoStageEvent(StoryLines lines, double yesCost, ResultLines yesLines,
                                   double noCost, ResultLines noLines) {
    TEreigniss entry;
    entry.Lines = lines;
    entry.YesAmount = yesCost;
    entry.NoAmount = noCost;
    entry.ShowYes = true;
    entry.ShowNo = true;
    entry.TwoStage = true;
    entry.YesLines = yesLines;
    entry.NoLines = noLines;
    return entry;
}

// A guest offers the name of an unknown article; "Ja" buys it.
constexpr TEreigniss UnknownArticleEvent(StoryLines lines, double price, ArticleKind kind) {
    TEreigniss entry;
    entry.Lines = lines;
    entry.YesAmount = price;
    entry.ShowYes = true;
    entry.ShowNo = true;
    entry.LearnDrink = kind == ArticleKind::Drink;
    entry.LearnWine = kind == ArticleKind::Wine;
    entry.LearnDish = kind == ArticleKind::Dish;
    return entry;
}

} // namespace

// clang-format off
const std::array<TEreigniss, EventCount + 1> Events = {
    TEreigniss{},
    UnknownArticleEvent({"Ein Gast kennt ein für", "Sie unbekanntes Getränk.", "Möchten Sie den Namen für EUR", "von ihm bekommen?", "", ""}, 600, ArticleKind::Drink),
    UnknownArticleEvent({"Ein Gast kennt ein für", "Sie unbekannten Wein.", "Möchten Sie den Namen für EUR", "von ihm bekommen?", "", ""}, 600, ArticleKind::Wine),
    UnknownArticleEvent({"Ein Gast kennt eine für", "Sie unbekannte Speise.", "Möchten Sie den Namen für EUR", "von ihm bekommen?", "", ""}, 600, ArticleKind::Dish),
    OkEvent({"Ihnen sind heute 6 Gläser ", "heruntergefallen. Dieser", "Unfall kostet Sie allerdings EUR", "Scherben bringen zwar Glück,", "jedoch ist Glück nicht immer", "kostenlos."}, 100),
    OkEvent({"Durch den Regen haben viele", "Gäste schmutzige Schuhe. Die", "Reinigung kostet Sie EUR", "", "", ""}, 200),
    OkEvent({"Ihr Krugheim ist durch Ran-", "dalierer verwüstet worden. Die", "Reparaturkosten betragen EUR", "", "", ""}, 1500),
    OkEvent({"Ein sehr zufriedener Gast", "gibt Ihnen aus ungeklärten", "Gründen ein Trinkgeld von EUR", "", "", ""}, -700),
    OkEvent({"Heute ist Ihr Geburtstag. Sie", "geben eine Lokalrunde.", "Dies kostet Sie EUR", "Man hat eben nicht jeden Tag", "Geburtstag", ""}, 800),
    OkEvent({"Sie haben heute nicht Ihren Tag,", "und ziehen einen Gast falsch ab.", "Der Verlust beträgt EUR", "", "In Zukunft besser aufpassen!", ""}, 100),
    OkEvent({"Sie haben beim Reinigen", "Ihrer Kasse einen Geld-", "schein in Höhe von EUR", "gefunden.", "", ""}, -500),
    TwoStageEvent({"Ein Bettler bittet darum", "in Ihrem Hause zu betteln.", "Er würde Ihnen EUR", "dafür zahlen. Nehmen Sie", "das Geschäft an?", ""},
                  300, {"Zufällig kam eine Polizei-", "streife vorbei und bemerkte", "Ihr Geschäft. Sie zahlen eine", "Strafe von EUR 300."},
                  -300, {"Zufällig kommt eine Polizei-", "streife vorbei und es stellt", "sich heraus, dass dieser Mann", "flüchtig ist. Belohnung: EUR 300"}),
    // 12: same story as 11
    TwoStageEvent({"Ein Bettler bittet darum", "in Ihrem Hause zu betteln.", "Er würde Ihnen EUR", "dafür zahlen. Nehmen Sie", "das Geschäft an?", ""},
                  -300, {"Es erwischt Sie niemand,", "und Sie erhalten die", "abgemachte Summe von", "EUR 300"},
                  300, {"Der Bettler fängt in Ihrem", "Hause an zu randalieren ", "und richtet einen Schaden von", "EUR 300 an."}),
    TwoStageEvent({"Sie haben sich leichtsinniger-", "weise auf ein Hütchenspiel", "eingelassen und haben EUR", "gesetzt. Wollen Sie den", "rechten Hut nehmen (JA)", "oder den linken (NEIN)?"},
                  300, {"Pech gehabt. Es war", "der linke Hut.", "", ""},
                  -300, {"Glück gehabt. Es war", "der linke Hut.", "", ""}),
    // 14: same story as 13
    TwoStageEvent({"Sie haben sich leichtsinniger-", "weise auf ein Hütchenspiel", "eingelassen und haben EUR", "gesetzt. Wollen Sie den", "rechten Hut nehmen (JA)", "oder den linken (NEIN)?"},
                  -300, {"Glück gehabt. Es war", "der rechte Hut.", "", ""},
                  300, {"Pech gehabt. Es war", "der rechte Hut.", "", ""}),
    OkEvent({"Ein Gast hat heute", "Geburtstag. Er gibt eine", "Lokalrunde. Einnahmen: EUR", "", "Happy birthday", ""}, -300),
    TwoStageEvent({"Ein Gast verklagt Sie, weil", "er von einem anderen Gast", "geschlagen wurde. EUR", "beträgt die Schadenssumme.", "Wollen Sie auf diese Klage ein-", "gehen und ohne Gericht zahlen?"},
                  600, {"Sie zahlen dem Gast", "EUR 600.", "", ""},
                  -600, {"Das Gericht gibt Ihnen Recht", "und spricht Ihnen EUR 600", "wegen Verleumnung zu.", ""}),
    // 17: same story as 16
    TwoStageEvent({"Ein Gast verklagt Sie, weil", "er von einem anderen Gast", "geschlagen wurde. EUR", "beträgt die Schadenssumme.", "Wollen Sie auf diese Klage ein-", "gehen und ohne Gericht zahlen?"},
                  -600, {"Der Gast ist total verblüfft", "und rennt davon ohne das Geld", "in Höhe von EUR 600 anzunehmen.", "Glück gehabt."},
                  600, {"Das Gericht gibt dem Gast Recht.", "Sie zahlen eine Strafe von", "EUR 600.", ""}),
    OkEvent({"Eine Herde Braunbären", "stürmt durch Ihr Lokal.", "Der Schaden beträgt EUR ", "", "Warum das Ganze passierte", "ist unklar."}, 900),
    OkEvent({"Sie haben im Lotto", "gewonnen. Ihr Gewinn", "beträgt EUR", "", "Viel Glück weiterhin!", ""}, -3000),
    OkEvent({"Ein Gast hat Ihnen", "Falschgeld angedreht.", "Schaden: EUR", "", "", ""}, 200),
    TwoStageEvent({"Wollen Sie eine Tombola", "im Lokal starten?", "Das könnte Ihnen EUR", "einbringen.", "", ""},
                  200, {"Es zeigt sich, daß die Tom-", "bola so erfolgreich ist, wie", "der Versuch ein Loch in Wasser", "zu bohren. Verlust: EUR 200"},
                  -200, {"Ein Gast freut sich, dass sie", "keine Tombola gemacht haben, da", "er sowieso nie etwas gewonnen", "hätte und gibt ihnen EUR 200."}),
    // 22: same story as 21
    TwoStageEvent({"Wollen Sie eine Tombola", "im Lokal starten?", "Das könnte Ihnen EUR", "einbringen.", "", ""},
                  -200, {"Die Tombola ist ein voller", "Erfolg und bringt Ihnen ", "EUR 200 Gewinn.", ""},
                  200, {"Ein Gast hat irgendwo eines", "ihrer vorab gedruckten Lose", "gekauft, und verklagt Sie.", "Ihm werden EUR 200 zugesprochen."}),
    TwoStageEvent({"Jemand bietet Ihnen ein Durst-", "fördendes Pulver an.", "Erwartete Mehreinnahmen EUR", "Wollen Sie auf den Deal", "eingehen?", ""},
                  500, {"Einem Gast wird schlecht und", "bringt das Getränk zur Unter-", "suchung ins Labor. Alles fliegt", "auf, und sie zahlen EUR 500."},
                  -500, {"Der Anbieter des Pulvers ent-", "puppt sich als Gast, und dankt", "ihnen für die bestandene Ver-", "trauensprobe mit EUR 500."}),
    // 24: same story as 23
    TwoStageEvent({"Jemand bietet Ihnen ein Durst-", "fördendes Pulver an.", "Erwartete Mehreinnahmen EUR", "Wollen Sie auf den Deal", "eingehen?", ""},
                  -500, {"Das Pulver zeigt seine", "Wirkung und bringt Ihnen", "Mehreinnahmen von EUR 500.", ""},
                  500, {"Der Anbieter des Pulvers geht vor", "Gericht und behauptet Sie wollten", "dieses Pulver bei ihm kaufen. Sie", "zahlen an den Mann EUR 500."}),
    OkEvent({"Wegen Krebsbefund eines Stamm-", "gastes verklagt dieser Sie zu", "einer Strafe von EUR", "Er habe nie geraucht und wäre", "in Ihrem Lokal krank geworden.", "Das Gericht gibt ihm Recht."}, 1000),
    OkEvent({"Sie finden beim Kehren Ihres", "Lokals unterm Tisch einen ", "Geldschein. Wert: EUR", "", "", ""}, -500),
    OkEvent({"Ein Stammgast ist gestorben.", "Er vermacht ihnen sein Auto.", "Sie verkaufen es für EUR", "", "", ""}, -2000),
    OkEvent({"Ein Gast leidet unter Blasen-", "schwäche und hinterlässt Spuren ", "auf dem Polster. EUR", "kostet der neue Bezug der", "Eckbank.", ""}, 400),
    OkEvent({"Sie lassen eine Kerze unbe-", "aufsichtigt. Es fängt an zu", "brennen. Schaden: EUR", "", "", ""}, 400),
    OkEvent({"Ihre uralte Kasse gibt den", "Geist entgültig auf. Die", "neue kostet Sie EUR", "", "", ""}, 300),
    OkEvent({"Ein Gast telefoniert ins", "Ausland und gibt Ihnen", "für das Gespräch EUR", "Wenn nur jeder so", "großzügig wäre.", ""}, -100),
    OkEvent({"Ein langjähriger Stamm-", "gast dankt Ihnen für die", "letzten Jahren mit EUR", "als Trinkgeld.", "", ""}, -200),
    OkEvent({"Ein Gast übergibt sich quer", "über die Theke. Die ausbleib-", "ende Kundschaft kostet sie EUR", "", "", ""}, 500),
    OkEvent({"Ein Drogendealer wird durch", "ihren Hinweis von der Polizei", "verhaftet. Belohnung: EUR", "", "", ""}, -500),
};
// clang-format on
