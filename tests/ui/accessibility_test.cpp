// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader learns of the windows: every control named, controls of one caption
// told apart, the values of gauges and fields, names from a saved game as plain text.

#include "ui_test_support.h"

#include "game/bank.h"
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
#include "ui/spin_edit.h"
#include "widgets/led_meter.h"

#include <QAccessible>
#include <QComboBox>
#include <QHelpEvent>
#include <QLineEdit>
#include <QProgressBar>

namespace {

void StartNewGameWithPub() {
    Form1->Button1Click();
    Session->SetTimerInterval(500000000); // no tick while the test looks
    Session->state().Locations[1].Leased = true;
    Session->AdoptLease();
}

QAccessibleInterface* Accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

QString Name(QObject* object) {
    return Accessible(object)->text(QAccessible::Name);
}

// The controls of `window` a screen reader stops at: those that take the focus, show a value
// or are a picture. List entries and the drop-down's popup are no widgets of the window.
void CollectControls(QAccessibleInterface* node, const QWidget* window,
                     QList<QAccessibleInterface*>& controls) {
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        auto* widget = qobject_cast<QWidget*>(child->object());
        if (!widget || widget->window() != window)
            continue;
        if (widget->focusPolicy() != Qt::NoFocus || child->role() == QAccessible::ProgressBar ||
            child->role() == QAccessible::Graphic)
            controls << child;
        CollectControls(child, window, controls);
    }
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
    std::unique_ptr<ProgramRun> run_;

private slots:
    void init() { run_ = std::make_unique<ProgramRun>(); }
    void cleanup() { run_.reset(); }

    void controlsOfOneCaptionAreToldApart() {
        const QList<std::pair<QWidget*, const char*>> names = {
            {Form12->Button1, "OK — Kredit aufnehmen"},
            {Form12->Button2, "OK — Kredit abbezahlen"},
            {Form10->Button1, "Kaufen — Fernseher"},
            {Form10->Button2, "Kaufen — Musikanten"},
            {Form9->Button1, "Nachbestellen — knappe Artikel"},
            {Form9->Button2, "Nachbestellen — sonstige Artikel"},
            {Form4->CheckListBox1, "Getränkekarte"},
            {Form5->CheckListBox1, "Speisekarte"},
            {Form6->CheckListBox1, "Weinkarte"},
            {Form8->ComboBox1, "Art"},
            {Form8->ListBox1, "Ware"},
            {Form8->Edit1, "Verkaufspreis"},
            {Form2->Button2, "Zurück — voriger Standort"},
            {Form2->Button1, "Vor — nächster Standort"},
            {Form3->Button1, "Zurück — vorige Person"},
            {Form3->Button2, "Vor — nächste Person"},
        };
        for (const auto& [control, name] : names)
            QCOMPARE(Name(control), QString::fromUtf8(name));
        QCOMPARE(Accessible(Form2->Button1)->text(QAccessible::Description),
                 QStringLiteral("Blättert durch die 30 Standorte."));
        // The buttons still show their captions alone.
        QCOMPARE(Form12->Button1->text(), QStringLiteral("OK"));
        QCOMPARE(Form10->Button2->text(), QStringLiteral("Kaufen"));
    }

    void gaugesAndFieldsAreReadWithTheirValueAndRange() {
        const std::tuple<Gauge, TLEDMeter * TForm1::*, const char*> gauges[] = {
            {Gauge::Variety, &TForm1::Progressbar1, "Vielfalt"},
            {Gauge::Entertainment, &TForm1::Progressbar2, "Unterhaltungsfaktor"},
            {Gauge::Prices, &TForm1::Progressbar3, "Preise"},
            {Gauge::Attractiveness, &TForm1::Progressbar4, "Gesamtattraktivität"},
            {Gauge::Staff, &TForm1::Progressbar5, "Schnelligkeit Personal"}};
        for (const auto& [gauge, meter, name] : gauges) {
            Session->SetGauge(gauge, 250);
            QAccessibleInterface* accessible = Accessible(Form1->*meter);
            QCOMPARE(accessible->role(), QAccessible::ProgressBar);
            QCOMPARE(accessible->text(QAccessible::Name), QString::fromUtf8(name));
            QAccessibleValueInterface* value = accessible->valueInterface();
            QCOMPARE(value->currentValue().toInt(), 100);
            QCOMPARE(value->minimumValue().toInt(), 0);
            QCOMPARE(value->maximumValue().toInt(), 100);
        }
        // A field is read with what the player typed.
        auto* typing = Form12->SpinEdit1->findChild<QLineEdit*>();
        typing->clear();
        QTest::keyClicks(typing, QStringLiteral("250"));
        QAccessibleValueInterface* field = Accessible(Form12->SpinEdit1)->valueInterface();
        QCOMPARE(field->currentValue().toInt(), 250);
        QCOMPARE(field->maximumValue().toInt(), BankAmountMaximum);
    }

    void everyWindowHasNoUnnamedOrLookalikeControl() {
        Form1->Button1Click(); // a running game, with every button of the main window
        Form1->knoepfezeigen();
        QStringList wrong;
        for (QWidget* window :
             QList<QWidget*>{Form1, Form2, Form3, Form4, Form5, Form6, Form7, Form8, Form9, Form10,
                             Form11, Form12, Form13, Form16}) {
            QList<QAccessibleInterface*> controls;
            CollectControls(Accessible(window), window, controls);
            QSet<QString> heard; // a screen reader says role, name and description
            for (QAccessibleInterface* control : controls) {
                const QString said =
                    QStringLiteral("%1 \"%2\" %3")
                        .arg(QString::number(control->role()), control->text(QAccessible::Name),
                             control->text(QAccessible::Description));
                if (control->text(QAccessible::Name).trimmed().isEmpty() || heard.contains(said))
                    wrong << window->windowTitle() + u' ' + control->object()->objectName() + u' ' +
                                 said;
                heard << said;
            }
            if (Name(window).isEmpty())
                wrong << window->objectName();
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u'\n')));
    }

    // A screen reader announces a window's title when a frame or a dialog opens.
    void windowsAreFramesDialogsAndAlerts() {
        QCOMPARE(Accessible(Form1)->role(), QAccessible::Window);
        for (QWidget* dialog :
             QList<QWidget*>{Form2, Form3, Form4, Form5, Form6, Form7, Form8, Form9, Form10, Form11,
                             Form12, Form13, Form16, BalanceForm, HelpForm, AboutForm}) {
            QCOMPARE(Accessible(dialog)->role(), QAccessible::Dialog);
            QCOMPARE(Name(dialog), dialog->windowTitle());
        }
        const std::unique_ptr<QMessageBox> box = MakeGameMessageBox(QStringLiteral("Test"), Form1);
        QCOMPARE(Accessible(box.get())->role(), QAccessible::AlertMessage);
    }

    // A value beside its caption is labelled by it; no name a screen reader says ends in a
    // colon, which only separates caption and value on the screen.
    void valuesAreLabelledByTheirCaptionsWithoutColons() {
        const std::pair<QWidget*, QWidget*> labelled[] = {
            {Form2->Label4, Form2->Label1},       {Form2->Label5, Form2->Label2},
            {Form2->Label6, Form2->Label3},       {Form3->Label4, Form3->Label1},
            {Form3->ProgressBar1, Form3->Label2}, {Form3->Label8, Form3->Label7},
            {Form3->Label6, Form3->Label3},       {Form12->Label6, Form12->Label2},
            {Form12->Label8, Form12->Label7},     {Form16->Label5, Form16->Label1},
            {Form8->Label5, Form8->Label3}};
        for (auto [value, caption] : labelled) {
            QList<QAccessibleInterface*> labels;
            for (const auto& [label, relation] : Accessible(value)->relations(QAccessible::Label))
                labels << label;
            QVERIFY2(labels.contains(Accessible(caption)), qPrintable(Name(caption)));
        }
        // With a game whose values are all shown: an empty value is named after its caption.
        StartNewGameWithPub();
        Form8->ComboBox1->setCurrentIndex(0);
        PutAllOnCard(Session->state());
        Form8->FormPaint(Form1->Button10);
        Form8->ListBox1->setCurrentRow(0);
        for (QWidget* window : QList<QWidget*>{Form2, Form3, Form12, Form16})
            QVERIFY(ShowAndPaint(window));
        QCOMPARE(Name(Form3->Label1), QStringLiteral("Name"));
        QCOMPARE(Name(Form7->RadioGroup1), QStringLiteral("Spielgeschwindigkeit"));
        QStringList colons;
        for (QWidget* window :
             QList<QWidget*>{Form1, Form2, Form3, Form4, Form5, Form6, Form7, Form8, Form9, Form10,
                             Form11, Form12, Form13, Form16})
            for (QWidget* widget : window->findChildren<QWidget*>())
                if (Name(widget).trimmed().endsWith(u':'))
                    colons << window->windowTitle() + u' ' + widget->objectName();
        QVERIFY2(colons.isEmpty(), qPrintable(colons.join(u'\n')));
    }

    // Each gauge and its caption tell the figure and what moves it, in the tool tip and, for a
    // screen reader, in the description.
    void gaugesExplainThemselves() {
        const std::tuple<Gauge, TLEDMeter * TForm1::*, QLabel * TForm1::*, int, const char*>
            gauges[] = {
                {Gauge::Variety, &TForm1::Progressbar1, &TForm1::Label3, -90,
                 "Vielfalt: -90 (von -100 bis 100).\nSteigt um 1 mit jedem verkauften Artikel"},
                {Gauge::Entertainment, &TForm1::Progressbar2, &TForm1::Label4, 50,
                 "Unterhaltungsfaktor: 50 von 100.\nSteigt um 50 mit dem Fernseher"},
                {Gauge::Prices, &TForm1::Progressbar3, &TForm1::Label5, -150,
                 "Preise: -150 (höchstens 100).\nJe kleiner der mittlere Aufschlag"},
                {Gauge::Attractiveness, &TForm1::Progressbar4, &TForm1::Label6, 230,
                 "Gesamtattraktivität: 230 (höchstens 400).\nDie Summe aus Preisen"},
                {Gauge::Staff, &TForm1::Progressbar5, &TForm1::Label7, 62,
                 "Schnelligkeit Personal: 62 von 100.\nSteigt mit jeder eingestellten Kraft"}};
        for (const auto& [gauge, meter, caption, value, start] : gauges) {
            QVERIFY((Form1->*meter)->toolTip().contains(QStringLiteral(": 0 ")));
            Session->SetGauge(gauge, value);
            for (QWidget* widget :
                 {static_cast<QWidget*>(Form1->*meter), static_cast<QWidget*>(Form1->*caption)}) {
                const QString description = Accessible(widget)->text(QAccessible::Description);
                QVERIFY2(description.startsWith(QString::fromUtf8(start)), qPrintable(description));
                QCOMPARE(widget->toolTip(), PlainToolTip(description));
            }
        }
    }

    // An entry of the storage lists tells what the window does not show.
    void storageEntriesTellStockPriceReorderAndDelivery() {
        StartNewGameWithPub();
        GameState& state = Session->state();
        state.Controls.StorageOrderQuantity = 30;
        TArticle& drink = state.Drinks[1];
        SetName(drink, "<i>Pils</i>");
        drink.OnCard = true;
        drink.Stock = 4;
        drink.PurchasePrice = 1.25;
        QVERIFY(ShowAndPaint(Form9));
        QListWidgetItem* entry = Form9->ListBox1->item(0);
        const QString tip = QStringLiteral("Lagerbestand: 4\nEinkaufspreis: %1 €\nEine "
                                           "Nachbestellung (30 Stück) kostet bei der Lieferung "
                                           "%2 €.\nKeine Lieferung unterwegs.")
                                .arg(QStringLiteral("1,25"), QStringLiteral("37,5"));
        QCOMPARE(entry->data(Qt::AccessibleDescriptionRole).toString(), tip);
        QCOMPARE(entry->toolTip(), PlainToolTip(tip));
        // The sales and deliveries under the open window reach the tip before it shows.
        drink.Stock = 40;
        drink.DeliveryMinutes = 12;
        QHelpEvent ask(QEvent::ToolTip, QPoint(5, 5), QPoint(5, 5));
        QCoreApplication::sendEvent(Form9->ListBox1->viewport(), &ask);
        QVERIFY(entry->toolTip().contains(QStringLiteral("Lagerbestand: 40")));
        QVERIFY(entry->toolTip().contains(QStringLiteral("Eine Lieferung ist unterwegs.")));
    }

    void aShortenedNameIsDescribedAsPlainText() {
        Form1->Button1Click();
        const QString name = QStringLiteral("<b>Zum</b> ") + QStringLiteral("W").repeated(35);
        Session->state().Locations[Session->state().LocationCursor].Name =
            ShortString50::FromUtf8(name.toStdString());
        QVERIFY(ShowAndPaint(Form2));
        QVERIFY(Form2->Label4->ShownText().endsWith(u'…'));
        QCOMPARE(Name(Form2->Label4), name);
        QCOMPARE(Accessible(Form2->Label4)->text(QAccessible::Description), name);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
