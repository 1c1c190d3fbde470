// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAbstractButton;
class QLabel;
class QString;
class QWidget;

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
