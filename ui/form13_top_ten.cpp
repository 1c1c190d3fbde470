#include "ui/form13_top_ten.h"

#include "game/top_ten.h"
#include "ui/form1_main.h"
#include "ui/forms.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTextOption>

TForm13::TForm13() : TRefreshingForm(QStringLiteral("Top Ten"), 435, 300) {
    Label1 = new QLabel(QStringLiteral("Top Ten der meistverkauften Artikel"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(GamePixelFont(24));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setGeometry(0, 10, 435, 32);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
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
    QTextOption centred = Memo1->document()->defaultTextOption();
    centred.setAlignment(Qt::AlignHCenter);
    Memo1->document()->setDefaultTextOption(centred);
}

void TForm13::FormPaint() {
    if (!Form1)
        return;
    QStringList lines;
    for (const std::string& line : TopTenLines(Form1->state()))
        lines << QString::fromStdString(line);
    const QString text = lines.join(QLatin1Char('\n'));
    // Setting the same text again would repaint the memo, and with it this window, forever.
    if (Memo1->toPlainText() != text)
        Memo1->setPlainText(text);
}
