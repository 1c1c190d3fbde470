// SPDX-License-Identifier: GPL-3.0-or-later
// The windows on a real desktop: under an X11 window manager (run-under-openbox) every window
// the game hides comes back where it was; under a Wayland compositor (run-under-weston) a
// message stays with the window that raised it and its title has room. Each case skips on the
// other platform.

#include "tests/ui/ui_test_support.h"
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

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QWindow>
#include <QtTest>

namespace {

bool OnPlatform(const char* name) {
    return QGuiApplication::platformName() == QLatin1String(name);
}

// Shows nothing new for a while: the window manager has placed the window.
QRect SettledGeometry(QWidget* window) {
    QRect last = window->geometry();
    for (int i = 0; i < 50; ++i) {
        RunEventLoopFor(40);
        if (window->geometry() == last && i >= 3)
            break;
        last = window->geometry();
    }
    return last;
}

[[nodiscard]] bool Shown(QWidget* window) {
    return QTest::qWaitForWindowExposed(window);
}

void StartLeasedGame() {
    Form1->Button1->click();
    Session->SetTimerInterval(500000000); // no tick unless the test runs one
    Form1->Button2->click();
    Form2->Button3->click();
}

// A view of the compositor's scene: a window's title and its place on the screen.
struct View {
    QString Title;
    QRect Place;
};

// Weston's scene, topmost view first, of this program's windows ("weston --debug").
QList<View> CompositorViews() {
    QProcess debug;
    debug.start(QStringLiteral("weston-debug"), {QStringLiteral("scene-graph")});
    debug.waitForFinished(5000);
    const QString scene = QString::fromUtf8(debug.readAllStandardOutput());
    static const QRegularExpression view(
        QStringLiteral("top-level window '([^']*)' of [^\\n]*\\n\\s*position: \\((-?\\d+), "
                       "(-?\\d+)\\) -> \\((-?\\d+), (-?\\d+)\\)"));
    QList<View> views;
    for (auto match = view.globalMatch(scene); match.hasNext();) {
        const QRegularExpressionMatch m = match.next();
        views << View{m.captured(1),
                      QRect(QPoint(m.captured(2).toInt(), m.captured(3).toInt()),
                            QPoint(m.captured(4).toInt() - 1, m.captured(5).toInt() - 1))};
    }
    return views;
}

// A picture of the whole screen into the folder KRUGHEIM_SHOTS, when it names one.
void Screenshot(const QString& name) {
    const QString folder = qEnvironmentVariable("KRUGHEIM_SHOTS");
    if (folder.isEmpty())
        return;
    RunEventLoopFor(300); // the compositor has drawn the last frame
    QDir().mkpath(folder);
    QProcess shooter;
    shooter.setWorkingDirectory(folder);
    shooter.start(QStringLiteral("weston-screenshooter"), {});
    shooter.waitForFinished(5000);
    QDir dir(folder);
    for (const QString& shot :
         dir.entryList({QStringLiteral("wayland-screenshot-*.png")}, QDir::Files)) {
        dir.remove(name);
        dir.rename(shot, name);
    }
}

// Runs `look` while a message raised by `raise` is open, then answers the message.
void WhileMessageOpen(const std::function<void()>& raise,
                      const std::function<void(QMessageBox*)>& look) {
    bool looked = false;
    QTimer::singleShot(0, [&] {
        QMessageBox* box = nullptr;
        QTRY_VERIFY((box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())));
        QVERIFY(Shown(box));
        SettledGeometry(box);
        look(box);
        looked = true;
        box->button(QMessageBox::Ok)->click();
    });
    raise();
    QVERIFY(looked);
}

} // namespace

class DesktopWindowsTest : public QObject {
    Q_OBJECT
    std::unique_ptr<ProgramRun> run_;

private slots:
    void init() {
        run_ = std::make_unique<ProgramRun>();
        QVERIFY(Shown(Form1));
    }
    void cleanup() { run_.reset(); }

    // The player's sequence that moved the main window: an event while "Einstellungen" was
    // open, "Einstellungen" closed under the event, the event answered. The main window and the
    // dialog come back where they were; a window the player moved comes back where he put it.
    void windowsComeBackWhereTheyWere() {
        if (!OnPlatform("xcb"))
            QSKIP("needs an X11 window manager (run-under-openbox)");
        const QRect main = SettledGeometry(Form1);

        Form1->Button15->click();
        QVERIFY(Shown(Form7));
        const QRect settings = SettledGeometry(Form7);
        run_->Rng.EventRoll = 0;
        Session->RunTick();
        run_->Rng.EventRoll = ControlledRandom::EventRollRange - 1;
        QVERIFY(Shown(Form11));
        Form7->close();
        {
            MessageAnswerer player;
            for (int answers = 0; answers < 5 && Form11->isVisible(); ++answers)
                (Form11->Button3->isVisible() ? Form11->Button3 : Form11->Button1)->click();
        }
        QVERIFY(Shown(Form1));
        QCOMPARE(SettledGeometry(Form1), main);

        Form1->Button15->click();
        QVERIFY(Shown(Form7));
        QCOMPARE(SettledGeometry(Form7), settings);
        // The player drags the dialog elsewhere (the window manager moves it).
        const QPoint dragged = settings.topLeft() + QPoint(60, 40);
        QProcess::execute(QStringLiteral("xdotool"),
                          {QStringLiteral("windowmove"), QString::number(Form7->winId()),
                           QString::number(dragged.x()), QString::number(dragged.y())});
        const QRect moved = SettledGeometry(Form7);
        QVERIFY(moved != settings);
        Form7->close();
        QVERIFY(Shown(Form1));
        QCOMPARE(SettledGeometry(Form1), main);
        Form1->Button15->click();
        QVERIFY(Shown(Form7));
        QCOMPARE(SettledGeometry(Form7), moved);
        Form7->close();

        // A message opens over the window that raised it.
        Form1->Button15->click();
        QVERIFY(Shown(Form7));
        const QRect owner = SettledGeometry(Form7);
        WhileMessageOpen([] { Session->ShowMessage("Die Pacht wird fällig."); },
                         [&](QMessageBox* box) {
                             QCOMPARE(box->windowHandle()->transientParent(),
                                      Form7->windowHandle());
                             QVERIFY(owner.contains(box->geometry().center()));
                         });
    }

    // On Wayland the compositor places every window itself. A message belongs to the window
    // that raised it and stands above it, and its title bar, which Qt draws there, has room
    // for the title. Screenshots go to KRUGHEIM_SHOTS.
    void messagesStayWithTheirWindowOnWayland() {
        if (!OnPlatform("wayland"))
            QSKIP("needs a Wayland compositor (run-under-weston)");
        // A window too narrow for the title in Qt's title bar has one of its own, above a
        // client area of the size and layout it has everywhere.
        for (auto [window, width, height] :
             {std::tuple{static_cast<QWidget*>(Form12), 145, 205}, {Form2, 254, 130}}) {
            auto* bar = window->findChild<QWidget*>(QStringLiteral("TitleBar"));
            QVERIFY2(bar, qPrintable(window->windowTitle()));
            QCOMPARE(window->size(), QSize(width, height + bar->height()));
            QVERIFY(window->windowFlags().testFlag(Qt::FramelessWindowHint));
        }
        QCOMPARE(Form12->Label1->y(), 8 + 24);
        for (QWidget* window :
             QList<QWidget*>{Form1, Form3, Form4, Form7, Form8, Form9, Form10, Form13, Form16})
            QVERIFY2(!window->findChild<QWidget*>(QStringLiteral("TitleBar")),
                     qPrintable(window->windowTitle()));
        Screenshot(QStringLiteral("1-main-window.png"));
        StartLeasedGame();
        QVERIFY(Shown(Form1));
        Screenshot(QStringLiteral("2-main-window-with-pub.png"));
        Form1->Button8->click();
        QVERIFY(Shown(Form12));
        Screenshot(QStringLiteral("3-bank.png"));
        Form12->SpinEdit2->SetValue(999999);
        WhileMessageOpen(
            [] { Form12->Button2->click(); },
            [](QMessageBox* box) {
                QCOMPARE(box->windowHandle()->transientParent(), Form12->windowHandle());
                const QList<View> views = CompositorViews();
                QVERIFY(views.size() >= 2);
                QCOMPARE(views[0].Title, box->windowTitle());
                QCOMPARE(views[1].Title, Form12->windowTitle());
                QFont title = box->font();
                title.setPixelSize(14);
                QVERIFY(views[0].Place.width() >=
                        QFontMetrics(title).horizontalAdvance(box->windowTitle()) + 2 * 91);
                Screenshot(QStringLiteral("4-message-over-bank.png"));
            });
        Form12->close();
        QVERIFY(Shown(Form1));
        Form1->Button2->setEnabled(true); // the lease dialog once more, for its title
        Form1->Button2->click();
        QVERIFY(Shown(Form2));
        Screenshot(QStringLiteral("5-lease.png"));
        // Its close button is the title bar's: the lease dialog's close step runs.
        auto* bar = Form2->findChild<QWidget*>(QStringLiteral("TitleBar"));
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() - 12, bar->height() / 2));
        QVERIFY(!Form2->isVisible());
        QVERIFY(!Form1->Button2->isEnabled());
        QVERIFY(Shown(Form1));
        Form1->Button15->click();
        QVERIFY(Shown(Form7));
        Screenshot(QStringLiteral("6-settings.png"));
        WhileMessageOpen([] { Session->ShowMessage("Die Pacht für ihr Krugheim wird fällig."); },
                         [](QMessageBox* box) {
                             QCOMPARE(box->windowHandle()->transientParent(),
                                      Form7->windowHandle());
                             QCOMPARE(CompositorViews().value(1).Title, Form7->windowTitle());
                             Screenshot(QStringLiteral("7-message-over-settings.png"));
                         });
    }
};

QTEST_MAIN(DesktopWindowsTest)
#include "desktop_windows_test.moc"
