// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader learns of the windows: every control named, controls of one caption
// told apart, the gauges' values, and names from a saved game as plain text.

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
#include "ui/name_label.h"
#include "ui/spin_edit.h"
#include "widgets/led_meter.h"

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>

namespace {

QAccessibleInterface* Accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

QString Name(QObject* object) {
    return Accessible(object)->text(QAccessible::Name);
}

QList<QWidget*> AllWindows() {
    return {Form1, Form2, Form3,  Form4,  Form5,  Form6,  Form7,
            Form8, Form9, Form10, Form11, Form12, Form13, Form16};
}

// The controls a screen reader reaches from `window`: each widget of the window's accessible
// tree that takes the focus, shows a value or is a picture.
void CollectControls(QAccessibleInterface* node, const QWidget* window,
                     QList<QAccessibleInterface*>& controls) {
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        auto* widget = child ? qobject_cast<QWidget*>(child->object()) : nullptr;
        if (!widget || widget->window() != window)
            continue; // list entries, and the drop-down's own popup window
        const QAccessible::Role role = child->role();
        if (widget->focusPolicy() != Qt::NoFocus || role == QAccessible::ProgressBar ||
            role == QAccessible::Graphic)
            controls << child;
        CollectControls(child, window, controls);
    }
}

// "Window: role name", the way a screen reader would announce a control, for messages.
QString Announced(const QWidget* window, QAccessibleInterface* control) {
    return QStringLiteral("%1: %2 \"%3\" (%4)")
        .arg(window->windowTitle())
        .arg(int(control->role()))
        .arg(control->text(QAccessible::Name), control->object()->objectName());
}

// A gauge as the game sets it, and the caption it is read with.
struct GaugeCase {
    Gauge Which;
    TLEDMeter* TForm1::*Meter;
    const char* Name;
};

const GaugeCase Gauges[] = {
    {Gauge::Variety, &TForm1::Progressbar1, "Vielfalt"},
    {Gauge::Entertainment, &TForm1::Progressbar2, "Unterhaltungsfaktor"},
    {Gauge::Prices, &TForm1::Progressbar3, "Preise"},
    {Gauge::Attractiveness, &TForm1::Progressbar4, "Gesamtattraktivität"},
    {Gauge::Staff, &TForm1::Progressbar5, "Schnelligkeit Personal"},
};

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
    std::unique_ptr<ProgramRun> run_;

private slots:
    void init() { run_ = std::make_unique<ProgramRun>(); }
    void cleanup() { run_.reset(); }

    void controlsAreNamedAfterWhatTheyDo() {
        struct Case {
            QWidget* Control;
            const char* Name;
            const char* Caption; // what a button still shows
        };
        const Case cases[] = {
            {Form3->ProgressBar1, "Erfahrung:", nullptr},
            {Form4->CheckListBox1, "Getränkekarte", nullptr},
            {Form5->CheckListBox1, "Speisekarte", nullptr},
            {Form6->CheckListBox1, "Weinkarte", nullptr},
            {Form7->SpinEdit1, "Lagermindestmengen:", nullptr},
            {Form7->SpinEdit2, "Bestellmenge:", nullptr},
            {Form7->SpinEdit3, "Bestellmenge Lager:", nullptr},
            {Form8->ComboBox1, "Art:", nullptr}, // no kind chosen yet
            {Form8->ListBox1, "Ware", nullptr},
            {Form8->Edit1, "Verkaufspreis:", nullptr},
            {Form9->ListBox1, "Folgende Artikel sind nach Ihren Einstellungen knapp", nullptr},
            {Form9->ListBox2, "Sonstige Artikel, deren Vorrat noch im Limit liegt", nullptr},
            {Form9->Button1, "Nachbestellen — knappe Artikel", "Nachbestellen"},
            {Form9->Button2, "Nachbestellen — sonstige Artikel", "Nachbestellen"},
            {Form10->Image1, "Fernseher", nullptr},
            {Form10->Image2, "Musikanten", nullptr},
            {Form10->Button1, "Kaufen — Fernseher", "Kaufen"},
            {Form10->Button2, "Kaufen — Musikanten", "Kaufen"},
            {Form12->SpinEdit1, "Kredit aufnehmen:", nullptr},
            {Form12->SpinEdit2, "Kredit abbezahlen:", nullptr},
            {Form12->Button1, "OK — Kredit aufnehmen", "OK"},
            {Form12->Button2, "OK — Kredit abbezahlen", "OK"},
            {Form13->Memo1, "Top Ten der meistverkauften Artikel", nullptr},
        };
        QStringList wrong;
        for (const Case& c : cases) {
            const auto* button = qobject_cast<QAbstractButton*>(c.Control);
            if (Name(c.Control) != QString::fromUtf8(c.Name) ||
                (c.Caption && button->text() != QLatin1String(c.Caption)))
                wrong << Announced(c.Control->window(), Accessible(c.Control));
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u'\n')));

        // Qt reads a chosen drop-down entry as the name; the caption stays its label.
        Form8->ComboBox1->setCurrentIndex(1);
        QCOMPARE(Name(Form8->ComboBox1), QStringLiteral("Wein"));
        const auto labels = Accessible(Form8->ComboBox1)->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels.front().first->object(), Form8->Label1);
    }

    void gaugesAreReadWithTheirCaptionAndValue() {
        for (const GaugeCase& gauge : Gauges) {
            TLEDMeter* meter = Form1->*gauge.Meter;
            QAccessibleInterface* accessible = Accessible(meter);
            QCOMPARE(accessible->role(), QAccessible::ProgressBar);
            QCOMPARE(accessible->text(QAccessible::Name), QString::fromUtf8(gauge.Name));
            QAccessibleValueInterface* value = accessible->valueInterface();
            QVERIFY(value);
            QCOMPARE(value->minimumValue().toInt(), 0);
            QCOMPARE(value->maximumValue().toInt(), 100);

            Form1->SetGauge(gauge.Which, 42);
            QCOMPARE(value->currentValue().toInt(), 42);
            Form1->SetGauge(gauge.Which, 250);
            QCOMPARE(value->currentValue().toInt(), 100);
            QCOMPARE(accessible->text(QAccessible::Value), QStringLiteral("100"));
        }
    }

    void fieldsAreReadWithWhatIsTypedAndTheirRange() {
        for (TSpinEdit* field : {Form7->SpinEdit2, Form12->SpinEdit1}) {
            auto* typing = field->findChild<QLineEdit*>();
            typing->clear();
            QTest::keyClicks(typing, QStringLiteral("250"));
            QAccessibleValueInterface* value = Accessible(field)->valueInterface();
            QCOMPARE(value->currentValue().toInt(), 250);
            QCOMPARE(value->minimumValue().toInt(), field == Form7->SpinEdit2 ? 1 : 0);
            QCOMPARE(value->maximumValue().toInt(),
                     field == Form7->SpinEdit2 ? 500 : BankAmountMaximum);
        }
    }

    void everyWindowHasNoUnnamedOrLookalikeControl() {
        MessageAnswerer player;
        Form1->Button1Click(); // a running game, with every button of the main window
        Form1->knoepfezeigen();
        QStringList wrong;
        for (QWidget* window : AllWindows()) {
            QList<QAccessibleInterface*> controls;
            CollectControls(Accessible(window), window, controls);
            QSet<QString> announcements;
            for (QAccessibleInterface* control : controls) {
                const QString announced =
                    QStringLiteral("%1|%2|%3")
                        .arg(QString::number(control->role()), control->text(QAccessible::Name),
                             control->text(QAccessible::Description));
                if (control->text(QAccessible::Name).trimmed().isEmpty() ||
                    announcements.contains(announced))
                    wrong << Announced(window, control);
                announcements << announced;
            }
            if (Name(window).isEmpty())
                wrong << window->objectName() + QStringLiteral(": unnamed window");
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u'\n')));
    }

    void aShortenedNameIsDescribedAsPlainText() {
        Form1->Button1Click();
        const QString name = QStringLiteral("<b>Zum</b> ") + QStringLiteral("W").repeated(35);
        Form1->state().Locations[Form1->state().LocationCursor].Name =
            ShortString50::FromUtf8(name.toStdString());
        QVERIFY(ShowAndPaint(Form2));
        QVERIFY(Form2->Label4->ShownText().endsWith(u'…'));
        QCOMPARE(Name(Form2->Label4), name);
        QCOMPARE(Accessible(Form2->Label4)->text(QAccessible::Description), name);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
