// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/message_box.h"

#include "game/game.h"
#include "ui/names.h"

#include <QGridLayout>
#include <QIcon>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>

namespace {

// Besides the title, a window manager's title bar holds an icon and up to three buttons. The
// message box itself only allows for a little more than the title, so a short message
// ("Disk full") would cut it.
constexpr int TitleBarExtras = 120;

// A minimum width for the box's grid. The label keeps the width of its text: a minimum width
// set on the label itself (as by a style sheet) outlives the box's own sizing and cuts the
// text of a long message at the label's edge.
void LeaveRoomForTitle(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid)
        return;
    QFont titleFont = box.font();
    titleFont.setBold(true);
    const int width = QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + TitleBarExtras;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

} // namespace

std::unique_ptr<QMessageBox> MakeGameMessageBox(const QString& text) {
    // No parent: the main window may be hidden behind a dialog, and the box belongs to the
    // whole program, centred on the screen.
    auto box = std::make_unique<QMessageBox>(QMessageBox::NoIcon, QStringLiteral("Das Krugheim"),
                                             PrintableText(text), QMessageBox::Ok);
    box->setTextFormat(Qt::PlainText);
    box->button(QMessageBox::Ok)->setIcon(QIcon()); // a plain "OK", as in every message
    LeaveRoomForTitle(*box);
    return box;
}

void ShowGameMessage(const Game& game, const QString& text) {
    if (game.Ending)
        return;
    MakeGameMessageBox(text)->exec();
}
