// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader learns of the windows: every control named, controls of one caption
// told apart, the values of gauges and fields, names from a saved game as plain text.

#include "ui_test_support.h"

#include "game/bank.h"
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
#include "ui/spin_edit.h"
#include "widgets/led_meter.h"

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>

namespace {

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
            {Form8->ComboBox1, "Art:"}, // until a kind is chosen, which Qt reads then
            {Form8->ListBox1, "Ware"},
            {Form8->Edit1, "Verkaufspreis:"},
        };
        for (const auto& [control, name] : names)
            QCOMPARE(Name(control), QString::fromUtf8(name));
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
