// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string>

// A stored or typed text as the player is shown it. Names come from saved games, which may
// hold any byte: a control character has no glyph, and a line break or a NUL would split or
// end a one-line text, so each shows as "?".
QString PrintableText(const QString& text);
QString PrintableText(const std::string& utf8);

// A tool tip that shows `text` as it is. Qt draws any tool tip that looks like markup as
// markup, so the text is escaped inside a markup paragraph that keeps its blanks.
QString PlainToolTip(const QString& text);
