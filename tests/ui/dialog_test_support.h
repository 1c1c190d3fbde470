#pragma once

// Shared ground of the management dialogs' window tests: a fresh program per test case, a
// game state filled directly, and a player who answers every message box with OK.

#include "game/random.h"
#include "ui/form1_main.h"
#include "ui/forms.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

// Answers every modal box that opens while it lives with OK and records its text.
class MessageAnswerer {
public:
    MessageAnswerer() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { AnswerOpenBox(); });
        timer_.start();
    }

    QStringList Texts;
    // Runs while a box is open, before it is answered (to look at the state then).
    std::function<void(const QString&)> WhileOpen;

private:
    void AnswerOpenBox() {
        QWidget* modal = QApplication::activeModalWidget();
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box || box->property("answered").toBool())
            return;
        box->setProperty("answered", true);
        Texts << box->text();
        if (WhileOpen)
            WhileOpen(box->text());
        box->button(QMessageBox::Ok) ? box->button(QMessageBox::Ok)->click() : box->accept();
    }

    QTimer timer_;
};

// A fresh program with named articles; nothing is known, on a card or in stock.
inline void StartProgram(RandomSource* rng = nullptr) {
    CreateForms(rng);
    GameState& state = Form1->state();
    state.Wealth = 10000;
    for (const ArticleKind kind : AllArticleKinds)
        for (int i = 1; i <= ArticleCount(kind); ++i) {
            const char* prefix = kind == ArticleKind::Drink  ? "Getränk "
                                 : kind == ArticleKind::Wine ? "Wein "
                                                             : "Speise ";
            Article(state, kind, i).Name = ShortString50::FromUtf8(prefix + std::to_string(i));
        }
}

// Paints a window now, and lets what its paint asked for run.
inline void Repaint(QWidget* window) {
    window->repaint();
    QCoreApplication::processEvents();
}

// Shows a window and paints it once it is on the screen, as the windowing system would.
[[nodiscard]] inline bool ShowAndPaint(QWidget* window) {
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        return false;
    Repaint(window);
    return true;
}

inline void SetName(TArticle& article, const char* utf8Name) {
    article.Name = ShortString50::FromUtf8(utf8Name);
}

inline QString Money(const char* amount) {
    return QStringLiteral("Vermögen: ") + QLatin1String(amount) + QStringLiteral(" €");
}
