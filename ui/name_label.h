// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

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
