// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/name_tables.h"

// The tables are laid out by hand, several names to a line.
// clang-format off
const std::array<std::string_view, 30> LocationNames = {
    "Einkaufszentrum", "Bahnhof",         "Wanderweg",          "Dorf",
    "Bushaltestelle",  "Hafen",           "Schwimmbad",         "Bauernhof",
    "Möbelzentrum",    "Marktplatz",      "Gewerbegebiet",      "Stadtmitte",
    "Stadtrand",       "Kino",            "Flughafen",          "Industriegebiet",
    "Wohngebiet",      "Gastronomieviertel", "Rotlichtviertel", "auf dem Lande",
    "Kurort",          "Touristenzentrum", "Pennerviertel",     "Stadion",
    "Sportplatz",      "Tennisplatz",     "Oper",               "alte Burg",
    "Freizeitpark",    "Firmengelände"};

const std::array<std::string_view, 20> StaffNames = {
    "Hans Becker",     "Anna Schmidt",   "Klaus Wagner",   "Petra Hoffmann",
    "Jürgen Weber",    "Monika Fischer", "Uwe Schäfer",    "Sabine Koch",
    "Dieter Richter",  "Ursula Klein",   "Günter Wolf",    "Heike Neumann",
    "Horst Schwarz",   "Birgit Krüger",  "Werner Zimmer",  "Karin Lange",
    "Manfred Braun",   "Renate Vogel",   "Helmut Krause",  "Gisela Frank"};

const std::array<std::string_view, 50> DrinkNames = {
    "Pils", "Export", "Alkoholfreies Bier", "Diätpils", "Kaffee", "Espresso", "Cappuccino",
    "Eiskaffee", "Cola", "Cola Light", "gelbe Limonade", "weiße Limonade",
    "Wasser mit Kohlensäure", "stilles Wasser", "Apfelsaft", "Apfelwein (pur)",
    "Apfelwein (gespritzt)", "Apfelwein (süss)", "Apfelsaftschorle", "Himbeergeist", "Gin",
    "Rum", "Obstler", "Korn", "Ouzo", "Saurer Apfel", "Pfläumchen", "Zwetgenschnaps",
    "Apfel-Kirsch-Saft", "Multivitaminsaft", "Traubensaft", "Tomatensaft", "Hefe-Weizen",
    "Bock-Bier", "Sekt", "Champagner", "Kinder-Sekt", "Kinder-Cola", "Zitrusschnaps",
    "Tequilla", "Milchkaffee", "Krugheim-Mix", "Honigrum", "Bier mit Tequilla", "Früchtetee",
    "Schwarzer Tee", "Pfefferminz Tee", "Grüner Tee", "Milch", "Kakao"};

const std::array<std::string_view, 30> DishNames = {
    "Jägerschnitzel", "Zigeunerschnitzel", "Paprikaschnitzel", "Zwiebelschnitzel",
    "Spaghetti", "Rumpsteak", "Hackse", "Schinkenbrot", "Wurstbrot", "Käsebrot", "Frikadellen",
    "Backfisch", "Forelle", "Spiegeleier mit Spinat", "Pommes Frites", "Calamares",
    "Pizza Salami", "Pizza Schinken", "Pizza Diavolo", "Schnitzel paniert", "Lasagne",
    "Rühreier", "Sandwichtoast", "Kartoffelauflauf", "Nudelauflauf", "Schinkennudeln",
    "Haschee mit Nudeln", "Putenbraten", "Rinderbraten", "Hähnchen"};

const std::array<std::string_view, 30> WineNames = {
    "Chardonnay", "Gewürztraminer", "Grauburgunder", "Huxelrebe", "Kerner", "Müller-Thurgau",
    "Muskateller", "Riesling", "Silvaner", "Scheurebe", "Weißburgunder", "Dornfelder",
    "Portugieser", "Regent", "Schwarzriesling", "Spätburgunder", "Trollinger", "Lemberger",
    "Schiller", "Eiswein", "Bajazzo Perlwein", "Barrique-Rotwein", "Ruländer", "Sauvignon",
    "Vernatsch", "Merlot Rosé", "Rosé Litre", "Südtiroler Lagrein", "Südtiroler Merlot",
    "Cabernet"};
// clang-format on
