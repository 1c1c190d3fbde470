// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help_form.h"

#include "ui/dialog_form.h"
#include "ui/help_text.h"

#include <QKeyEvent>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextList>
#include <QTextListFormat>
#include <QVBoxLayout>

namespace {

constexpr int DefaultWidth = 470;
constexpr int DefaultHeight = 470;

// Builds the text from the sections by hand: it carries no markup that could be taken for
// something else.
void WriteManual(QTextEdit* text) {
    QTextCursor cursor(text->document());
    QTextCharFormat heading;
    heading.setFontWeight(QFont::Bold);
    heading.setFontPointSize(11);
    heading.setForeground(QColor(0, 255, 0));
    QTextCharFormat body;
    body.setFontPointSize(9);
    QTextBlockFormat headingBlock;
    headingBlock.setTopMargin(10);
    headingBlock.setBottomMargin(4);
    headingBlock.setHeadingLevel(2); // read as a heading by screen readers
    QTextBlockFormat paragraph;
    paragraph.setBottomMargin(6);
    QTextListFormat bullets;
    bullets.setStyle(QTextListFormat::ListDisc);
    bullets.setIndent(1);

    bool first = true;
    for (const HelpSection& section : HelpSections()) {
        if (!first)
            cursor.insertBlock();
        first = false;
        cursor.setBlockFormat(headingBlock);
        cursor.insertText(QString::fromUtf8(section.Heading), heading);
        const QStringList paragraphs =
            QString::fromUtf8(section.Text).split(QStringLiteral("\n\n"));
        for (const QString& block : paragraphs) {
            QTextList* list = nullptr;
            for (const QString& line : block.split(u'\n')) {
                cursor.insertBlock(paragraph, body);
                if (line.startsWith(QStringLiteral("• "))) {
                    if (list)
                        list->add(cursor.block());
                    else
                        list = cursor.createList(bullets);
                    cursor.insertText(line.mid(2), body);
                } else {
                    list = nullptr;
                    cursor.insertText(line, body);
                }
            }
        }
    }
    text->moveCursor(QTextCursor::Start);
}

} // namespace

THelpForm::THelpForm() {
    setObjectName(QStringLiteral("HelpForm"));
    setWindowTitle(QStringLiteral("Spielanleitung"));
    resize(DefaultWidth, DefaultHeight);

    Text = new QTextEdit(this);
    Text->setObjectName(QStringLiteral("Text"));
    Text->setAccessibleName(QStringLiteral("Spielanleitung"));
    Text->setReadOnly(true);
    Text->setAcceptRichText(false);
    // Read with the keys as well: the cursor moves through the text and a screen reader with it.
    Text->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    GiveOutlineOnBlack(Text);
    WriteManual(Text);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(Text);
}
