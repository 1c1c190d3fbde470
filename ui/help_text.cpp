// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help_text.h"

const std::vector<HelpSection>& HelpSections() {
    static const std::vector<HelpSection> sections = {
        {"Worum es geht",
         "Sie führen eine Kneipe, Das Krugheim. Sie pachten einen Standort, stellen Personal ein, "
         "setzen Getränke, Speisen und Weine auf die Karten, legen die Preise fest, bestellen "
         "Ware nach, kaufen Unterhaltung, leihen sich Geld bei der Bank und entscheiden bei "
         "Ereignissen. Die Uhr läuft dabei Minute für Minute weiter.\n\n"
         "Gewonnen haben Sie, wenn alle 50 Getränke, alle 30 Weine und alle 30 Speisen auf ihren "
         "Karten stehen und Ihr Vermögen abzüglich der Schulden mindestens 100.000 € beträgt. "
         "Verloren haben Sie, wenn Sie beim Tagesabschluss die Pacht nicht mehr bezahlen können. "
         "In beiden Fällen endet das Programm, ohne zu speichern."},

        {"Spielbeginn",
         "„Spiel starten“ beginnt ein neues Spiel mit 10.000 € und ohne Schulden. Die Spielzeit "
         "beginnt mit Datum und Uhrzeit Ihres Computers. Jeder Schritt des Spiels ist eine "
         "Spielminute.\n\n"
         "Zu Beginn kennen Sie 20 Getränke, 10 Speisen und 10 Weine. Was Sie nicht kennen, "
         "können Sie nicht auf die Karte setzen; weitere Artikel lernen Sie durch Ereignisse "
         "kennen."},

        {"Kneipe pachten",
         "Unter „Kneipe pachten“ blättern Sie mit „Zurück“ und „Vor“ durch 30 Standorte. Jeder "
         "zeigt seine potentiellen Kunden und die Pacht pro Tag. Pachten kostet im Augenblick "
         "nichts; die Pacht wird bei jedem Tagesabschluss fällig. Sie pachten einen Standort pro "
         "Spiel. Danach erscheinen im Hauptfenster die Knöpfe für Personal, Karten, Preise, "
         "Lager, Unterhaltung, Bank und Top Ten.\n\n"
         "Mehr potentielle Kunden bringen mehr Gäste: Die Zahl der Kunden geteilt durch 4000, "
         "gerundet, ist ein Bonus B von 0 bis 5, der die Gäste häufiger kommen lässt (siehe "
         "„Preise und die Preisanzeige“). Standorte mit vielen Kunden haben meist auch eine höhere "
         "Pacht."},

        {"Personal",
         "Unter „Personal“ blättern Sie durch 20 Bewerber mit Erfahrung, Art (Bedienung oder "
         "Koch) und Gehalt pro Tag. „Einstellen“ kostet nichts; das Gehalt wird bei jedem "
         "Tagesabschluss bezahlt. Wer „Entlassen“ wird, bekommt sofort noch ein letztes "
         "Tagesgehalt. Reicht beim Tagesabschluss Ihr Geld für ein Gehalt nicht, kündigt diese "
         "Person, ohne bezahlt zu werden.\n\n"
         "Für das Spiel zählt nur, wie viele Leute angestellt sind: Erfahrung und Art wirken "
         "allein über das Gehalt. Mehr Personal hebt die Anzeige „Schnelligkeit Personal“ (siehe "
         "„Die fünf Anzeigen“)."},

        {"Karten und erster Vorrat",
         "Getränkekarte, Speisekarte und Weinkarte listen die Artikel, die Sie kennen. Ein Haken "
         "setzt den Artikel auf die Karte und kauft sofort seinen ersten Vorrat: so viele Stück, "
         "wie unter „Einstellungen“ bei „Bestellmenge:“ steht (anfangs 20), zum Einkaufspreis. "
         "Der Verkaufspreis wird dabei auf Einkaufspreis plus 1,50 € gesetzt. Reicht das Geld "
         "nicht, bleibt der Artikel von der Karte.\n\n"
         "Nehmen Sie den Haken weg, verschwindet der Artikel von der Karte; Geld gibt es nicht "
         "zurück, der Vorrat bleibt im Lager. Ein erneuter Haken kauft den Vorrat noch einmal und "
         "setzt den Verkaufspreis wieder auf Einkaufspreis plus 1,50 €. „Alle auswählen“ setzt "
         "jeden Artikel der Liste so auf die Karte, auch die, die schon darauf stehen."},

        {"Preise und die Preisanzeige",
         "Unter „Preise“ wählen Sie die Art und einen Artikel der Karte, tippen den "
         "Verkaufspreis mit Komma ein (zum Beispiel 2,40) und bestätigen mit „Preis festlegen“. "
         "Der Preis muss größer als 0 sein.\n\n"
         "Die Spanne eines Artikels ist Verkaufspreis minus Einkaufspreis. Aus der "
         "durchschnittlichen Spanne aller Artikel auf den Karten (mit oder ohne Vorrat) ergibt "
         "sich die Preisbewertung: 100 × (2 − durchschnittliche Spanne in Euro), höchstens 100. "
         "Eine Spanne von 1,50 € ergibt 50, eine von 2,00 € ergibt 0, eine von 2,50 € ergibt "
         "−50. Steht kein Artikel auf einer Karte, ist die Bewertung 100.\n\n"
         "Die Preisbewertung bestimmt, wie oft Gäste kommen. In jeder Minute kommt ein Gast mit "
         "dieser Wahrscheinlichkeit (B ist der Kundenbonus des Standorts):\n"
         "• Bewertung 31 oder mehr: 1 zu (5 − B); bei B = 5 kommt jede Minute ein Gast\n"
         "• von 1 bis unter 31: 1 zu (10 − B)\n"
         "• von −19 bis unter 1: 1 zu (20 − B)\n"
         "• von −39 bis unter −19: 1 zu (40 − B)\n"
         "• von −59 bis unter −39: 1 zu (60 − B)\n"
         "• von −99 bis unter −59: 1 zu (120 − B)\n"
         "• unter −99, also bei einer durchschnittlichen Spanne über 2,99 €: kein Gast mehr\n\n"
         "Ein Beispiel: 10.000 potentielle Kunden (B = 2) und eine durchschnittliche Spanne von "
         "1,50 € bringen einen Gast mit der Wahrscheinlichkeit 1 zu 3, etwa 310 Gäste am Tag."},

        {"Gäste und Verkauf",
         "Ein Gast möchte mit je halber Wahrscheinlichkeit ein Getränk, eine Speise und einen "
         "Wein. Für jeden Wunsch sucht er auf der Karte; jeder Artikel hat eine verborgene "
         "Beliebtheit, und beliebte Artikel werden öfter gewählt. Gekauft werden kann nur, was "
         "auf der Karte steht und vorrätig ist. Der Gast nimmt von jeder Art höchstens ein Stück "
         "und zahlt den Verkaufspreis; die Ware war schon beim Einkauf bezahlt.\n\n"
         "Jedes verkaufte Stück hebt die Vielfalt um 1 (bis 100). Findet ein Gast von einer "
         "gewünschten Art nichts, sinkt die Vielfalt um 1 (bis −100).\n\n"
         "Jeder Gast gibt mit der Wahrscheinlichkeit 1 zu (400 − Gesamtattraktivität) ein "
         "Trinkgeld von 0 bis 49 €; bei einer Gesamtattraktivität von 400 gibt es jeder."},

        {"Lager und Nachbestellung",
         "Das Lager zeigt links die Artikel der Karten, deren Vorrat höchstens die "
         "Lagermindestmenge erreicht (unter „Einstellungen“, anfangs 10) und die nicht schon "
         "bestellt sind, rechts die übrigen Artikel der Karten mit mehr Vorrat. Ein Klick auf "
         "einen Artikel zeigt seinen Lagerbestand.\n\n"
         "„Nachbestellen“ bestellt den gewählten Artikel; die Ware kommt nach einer zufälligen "
         "Wartezeit von höchstens zehn Spielstunden. Mit „Alle "
         "nachbestellen“ bestellt der linke Knopf jeden knappen Artikel auf einmal, ohne "
         "Nachrichten. Eine neue Bestellung eines schon bestellten Artikels ersetzt dessen "
         "Wartezeit.\n\n"
         "Bezahlt wird erst bei der Lieferung: so viele Stück, wie bei „Bestellmenge Lager:“ "
         "steht (anfangs 20), zum Einkaufspreis, beides so, wie es bei der Lieferung eingestellt "
         "ist. Fehlt dann das Geld, fährt der Lieferant ohne zu liefern wieder weg, und die "
         "Bestellung ist verfallen."},

        {"Unterhaltung",
         "Unter „Unterhaltung“ kaufen Sie einmal einen Fernseher und einmal Musikanten, jeweils "
         "für 4000 €. Jeder Kauf hebt den Unterhaltungsfaktor Ihrer Kneipe um 50, beide zusammen "
         "auf 100."},

        {"Bank und Zinsen",
         "Die Bank leiht Ihnen Geld bis zum Kreditlimit: dem Wert Ihres ganzen Vorrats zu "
         "Verkaufspreisen plus Vermögen minus Schulden, so wie das Fenster es zuletzt angezeigt "
         "hat. Ihre Schulden dürfen nach dem Kredit nicht höher sein als dieses Limit. "
         "Zurückzahlen können Sie, so viel Sie Geld haben, aber nicht mehr, als Sie Schulden "
         "haben.\n\n"
         "Bei jedem Tagesabschluss kostet der Kredit 1 % der Schulden als Zinsen, auch wenn das "
         "Vermögen dadurch unter null fällt. Für das Spielziel zählt Vermögen minus Schulden; ein "
         "Kredit bringt Sie ihm also nicht näher."},

        {"Ereignisse",
         "In jeder Spielminute kommt mit der Wahrscheinlichkeit 3 zu 1440 ein Ereignis, also im "
         "Durchschnitt alle 480 Minuten. Während es angezeigt wird, hält das Spiel "
         "normalerweise an. Die meisten Ereignisse kosten oder bringen einen festen Betrag "
         "zwischen 100 € und 3000 €. Bei manchen Geschichten entscheiden Sie mit „Ja“ "
         "oder „Nein“; ob Ihre Antwort Geld bringt oder kostet, ist Glückssache, beides ist "
         "gleich wahrscheinlich.\n\n"
         "Oft bietet ein Gast den Namen eines Artikels an, den Sie noch nicht kennen, für 600 €. "
         "Mit „Ja“ zahlen Sie und lernen den Artikel kennen; danach können Sie ihn auf die Karte "
         "setzen. Was ein Ereignis kostet, wird auch dann bezahlt, wenn das Vermögen dadurch "
         "unter null fällt."},

        {"Der Tagesabschluss",
         "Ein Geschäftstag geht von 09:00 bis 00:30. Um 00:30 springt die Uhr auf 09:00, und es "
         "wird abgerechnet, in dieser Reihenfolge:\n"
         "• die Zinsen: 1 % der Schulden, wenn Sie Schulden haben\n"
         "• die Gehälter aller Angestellten; wer nicht bezahlt werden kann, kündigt\n"
         "• die Pacht. Reicht das Geld nicht, sind Sie pleite, und das Spiel ist zu Ende.\n\n"
         "Ein Vermögen unter null ist sonst erlaubt; nur die Pacht beendet das Spiel. Halten Sie "
         "also vor 00:30 genug Geld für Zinsen und Pacht bereit."},

        {"Geschwindigkeit und Tasten",
         "Unter „Einstellungen“ wählen Sie die Spielgeschwindigkeit: „Schnell (3)“ (eine "
         "Spielminute pro Millisekunde), „Normal (2)“ (eine pro 0,4 Sekunden, ein ganzer Tag in "
         "gut sechs Minuten), „Langsam (1)“ (eine pro Sekunde) und „Pause (0)“. Dort stellen Sie "
         "auch die Lagermindestmenge, die Bestellmengen und die Nachrichten bei Lieferungen "
         "ein.\n\n"
         "Im Hauptfenster gibt es diese Tasten:\n"
         "• 0, 1, 2 und 3 stellen die Geschwindigkeit wie die Einstellungen ein, ändern aber "
         "deren Auswahl nicht (ein Spielstand merkt sich die Auswahl der Einstellungen)\n"
         "• F1 öffnet diese Spielanleitung, F2 die Bilanz\n"
         "• die rechte Maustaste auf dem Hauptfenster oder die Menütaste öffnet ein Menü mit "
         "„Bilanz …“, „Spielanleitung …“ und „Über Das Krugheim …“\n"
         "• Strg+Alt+Umschalt+F12 schenkt Ihnen 10.000 €; mit F11, F10 oder F9 statt F12 kennen "
         "Sie alle Getränke, Weine oder Speisen. Diese Belohnungen nennt das Spiel, wenn Sie "
         "gewonnen haben; sie wirken aber immer."},

        {"Die fünf Anzeigen",
         "Die Anzeigen im Hauptfenster reichen von 0 bis 100 und haben je 20 Lämpchen, eines "
         "für 5 Punkte: zehn rote, fünf gelbe und fünf grüne. Werte unter 0 zeigen sie wie 0, "
         "Werte über 100 wie 100.\n"
         "• Schnelligkeit Personal: Angestellte im Verhältnis zur Vielfalt, nämlich 5 × "
         "Angestellte ÷ Vielfalt × 100. Für die volle Anzeige brauchen Sie ein Fünftel der "
         "Vielfalt an Leuten, bei Vielfalt 100 also 20. Ist die Vielfalt 0 oder kleiner, reicht "
         "eine Person; ohne Personal steht die Anzeige auf 0.\n"
         "• Vielfalt: steigt mit jedem verkauften Stück und sinkt, wenn ein Gast nichts von einer "
         "gewünschten Art findet (von −100 bis 100).\n"
         "• Unterhaltungsfaktor: 50 für den Fernseher, 50 für die Musikanten.\n"
         "• Preise: die Preisbewertung, gerundet (siehe „Preise und die Preisanzeige“).\n"
         "• Gesamtattraktivität: die Summe der vier anderen Werte, bis 400.\n\n"
         "Wie viele Gäste kommen, hängt allein von der Preisbewertung und den potentiellen "
         "Kunden des Standorts ab. Personal, Vielfalt und Unterhaltung erhöhen die "
         "Gesamtattraktivität, und die bestimmt, wie oft ein Gast Trinkgeld gibt."},

        {"Die Spielziele",
         "„Spielziele“ zeigt, welche der vier Ziele erfüllt sind: alle 50 Getränke auf der "
         "Getränkekarte, alle 30 Weine auf der Weinkarte, alle 30 Speisen auf der Speisekarte und "
         "100.000 € Vermögen ohne Schulden (Vermögen minus Schulden mindestens 100.000 €). Das "
         "Spiel prüft sie jede Minute; sind alle vier zugleich erfüllt, gratuliert es, nennt die "
         "Belohnungstasten und endet."},

        {"Speichern, Laden und Spielende",
         "„Speichern“ schreibt das Spiel in eine Datei, die Sie wählen (*.krg); „Laden“ holt ein "
         "gespeichertes Spiel zurück. Sonst speichert das Spiel nichts, auch nicht automatisch. "
         "„Spielende“ oder das Schließen des Hauptfensters beendet das Programm ohne zu "
         "speichern."},

        {"Die Bilanz (F2)",
         "Die Bilanz zeigt, wohin jeder Euro gegangen ist, und bleibt neben dem Hauptfenster "
         "offen. Sie zählt seit Spielbeginn oder seit dem Laden eines Spiels; gespeichert wird "
         "sie nicht.\n"
         "• Übersicht: Einnahmen und Ausgaben nach Posten für heute, gestern, die letzten sieben "
         "Tage und insgesamt, dazu Gewinn oder Verlust. Ausgaben stehen mit Minus und in Rot. "
         "Kredite stehen gesondert, denn geliehenes Geld ist kein Gewinn.\n"
         "• Verlauf: Vermögen und Schulden am Ende jedes Tages, der Gewinn, die Gäste und die "
         "verkauften Stück pro Tag als Diagramm und als Tabelle, für die letzten 30 Tage oder "
         "alle Tage.\n"
         "• Artikel: für jeden verkauften oder eingekauften Artikel die verkauften Stück, der "
         "Umsatz, was die Ware gekostet hat, und die Spanne zu den Preisen von jetzt."},
    };
    return sections;
}
