// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Names as the windows show them: the game's own names (of articles, locations, staff), which a
// saved game may fill with any byte, and the names screen readers say for controls.

#include "game/game_state.h"

#include <QLabel>
#include <QString>
#include <string>
#include <vector>

class QAbstractButton;

// A stored or typed text as the player is shown it. Names come from saved games, which may
// hold any byte: a control character has no glyph, and a line break or a NUL would split or
// end a one-line text, so each shows as "?".
QString PrintableText(const QString& text);
QString PrintableText(const std::string& utf8);

// A tool tip that shows `text` as it is. Qt draws any tool tip that looks like markup as
// markup, so the text is escaped inside a markup paragraph that keeps its blanks.
QString PlainToolTip(const QString& text);

// An entry of an article list: the name shown and the article it stands for.
struct ArticleEntry {
    QString Name; // printable
    ArticleKind Kind;
    int Index;
};

// The entry of an article, with its name as the player reads it.
ArticleEntry MakeArticleEntry(const GameState& state, ArticleKind kind, int index);

// Sorts alphabetically by German collation without regard to case, on every machine alike
// (also under a C locale); names equal to the collation keep a fixed order by code points.
void SortByName(std::vector<ArticleEntry>& entries);

// A one-line label for a name from the game, which a saved game can make up to 50 of the
// widest letters long: plain text, and a name too long for its place ends in "…" and is shown
// whole as the label's tool tip, rather than running out of the window.
class TNameLabel : public QLabel {
    Q_OBJECT
public:
    explicit TNameLabel(QWidget* parent);

    // Shows a name (PrintableText of it).
    void SetName(const std::string& utf8Name);
    // The text as drawn: the name, or its beginning and "…".
    QString ShownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void UpdateToolTip();
};

// Names for screen readers, where a control's own caption or its label's buddy does not
// name it well. The names are fixed texts of the game; the controls still show their captions.

// A caption as a screen reader should say it: one line, without the colon that ends it.
QString CaptionName(const QLabel* caption);

// Ties a list to the caption label above it. Qt names most controls after their label's
// buddy, but a list only by its own accessible name, so it gets both.
void NameAfterCaption(QWidget* list, QLabel* caption);

// A button whose caption appears twice in its window is named after what it acts on as well,
// "OK — Kredit aufnehmen".
void NameForSubject(QAbstractButton* button, const QString& subject);

// A paging button: named after where it leads ("Vor — nächster Standort") and described by
// what it pages through.
void NamePaging(QAbstractButton* button, const QString& target, const QString& description);

// Every caption of `window` as a screen reader says it: the labels that name a control or a
// value (their buddies) and the group boxes, without their closing colon; a control named by
// such a caption takes the same name. A caption ties its value to itself: the value is
// labelled by the caption.
void NameCaptions(QWidget* window);
