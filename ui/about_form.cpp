// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/about_form.h"

#include "ui/dialog_form.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int TextWidth = 360;
}

QString GameVersion() {
    return QStringLiteral(KRUGHEIM_VERSION);
}

TAboutForm::TAboutForm() {
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(QStringLiteral("Über Das Krugheim"));

    Title = MakeLabel(this, "Title", QStringLiteral("Das Krugheim"), QPoint());
    Title->setFont(GamePixelFont(24, true));
    Version = MakeLabel(this, "Version", QStringLiteral("Version %1").arg(GameVersion()), QPoint());
    Details = MakeLabel(
        this, "Details",
        QStringLiteral(
            "Eine Wirtschaftssimulation: Sie führen eine Kneipe.\n\n"
            "Lizenz: GNU General Public License, Version 3 oder (nach Ihrer Wahl) jede spätere "
            "Version (GPL-3.0-or-later). Das Spiel ist freie Software und wird ohne jede "
            "Gewährleistung weitergegeben.\n\n"
            "Spielstände: Das Spiel speichert nur, wenn Sie „Speichern“ wählen, und zwar in die "
            "Datei, die Sie dort angeben (*.krg). Sonst schreibt es nichts: keine Einstellungen, "
            "keine automatischen Spielstände, keine Bilanz."),
        QPoint());
    Details->setWordWrap(true);
    Details->setFixedWidth(TextWidth);
    CloseButton = new QPushButton(QStringLiteral("Schließen"), this);
    CloseButton->setObjectName(QStringLiteral("CloseButton"));
    connect(CloseButton, &QPushButton::clicked, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addWidget(Title);
    layout->addWidget(Version);
    layout->addSpacing(8);
    layout->addWidget(Details);
    layout->addSpacing(8);
    layout->addWidget(CloseButton, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
