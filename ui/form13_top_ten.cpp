// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form13_top_ten.h"

#include "game/top_ten.h"
#include "ui/game_session.h"
#include "ui/names.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTextOption>
#include <cmath>

namespace {
// A line too wide for the memo keeps its count, " (12x verkauft.)", and shortens the name.
QString FittedLine(const QString& line, const QFontMetrics& metrics, int width) {
    if (metrics.horizontalAdvance(line) <= width)
        return line;
    const qsizetype countStart = line.lastIndexOf(QStringLiteral(" ("));
    const QString count = line.mid(countStart);
    return metrics.elidedText(line.left(countStart), Qt::ElideRight,
                              width - metrics.horizontalAdvance(count)) +
           count;
}
} // namespace

TForm13::TForm13(GameSession& session)
    : TRefreshingForm(QStringLiteral("Top Ten"), 435, 300), session_(session) {
    setObjectName(QStringLiteral("Form13"));
    Label1 = MakeLabel(this, "Label1", QStringLiteral("Top Ten der meistverkauften Artikel"),
                       {0, 10, 435, 32}, Qt::AlignCenter);
    Label1->setFont(GamePixelFont(24));

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Label1->setBuddy(Memo1);
    Memo1->setGeometry(8, 52, 419, 240);
    Memo1->setReadOnly(true);
    Memo1->setEnabled(false);
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setFont(GamePixelFont(17, true));
    QPalette palette = Memo1->palette();
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, Qt::black);
        palette.setColor(group, QPalette::Text, Qt::white);
    }
    Memo1->setPalette(palette);
    // One line per article, so that the ten lines stay within the memo.
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    QTextOption centred = Memo1->document()->defaultTextOption();
    centred.setAlignment(Qt::AlignHCenter);
    Memo1->document()->setDefaultTextOption(centred);
}

void TForm13::FormPaint() {
    const QFontMetrics metrics(Memo1->font());
    const int margin = static_cast<int>(std::ceil(Memo1->document()->documentMargin()));
    const int lineWidth = Memo1->viewport()->width() - 2 * margin;
    QStringList lines;
    for (const std::string& line : TopTenLines(session_.state()))
        lines << FittedLine(PrintableText(line), metrics, lineWidth);
    const QString text = lines.join(QLatin1Char('\n'));
    // Setting the same text again would repaint the memo, and with it this window, forever.
    if (Memo1->toPlainText() != text)
        Memo1->setPlainText(text);
}
