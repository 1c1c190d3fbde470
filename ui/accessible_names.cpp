// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/accessible_names.h"

#include <QAbstractButton>
#include <QLabel>

QString CaptionName(const QLabel* caption) {
    QString name = caption->text().simplified();
    if (name.endsWith(u':'))
        name.chop(1);
    return name;
}

void NameAfterCaption(QWidget* list, QLabel* caption) {
    caption->setBuddy(list);
    list->setAccessibleName(CaptionName(caption));
}

void NameForSubject(QAbstractButton* button, const QString& subject) {
    button->setAccessibleName(button->text() + QStringLiteral(" — ") + subject);
}
