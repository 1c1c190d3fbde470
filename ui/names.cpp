// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/names.h"

#include <QAbstractButton>
#include <QCollator>
#include <QGroupBox>
#include <QLocale>
#include <QPainter>
#include <QStyle>
#include <algorithm>

QString PrintableText(const QString& text) {
    QString shown = text;
    for (QChar& c : shown)
        if (c.category() == QChar::Other_Control)
            c = u'?';
    return shown;
}

QString PrintableText(const std::string& utf8) {
    return PrintableText(QString::fromStdString(utf8));
}

QString PlainToolTip(const QString& text) {
    if (text.isEmpty())
        return text;
    return QStringLiteral("<p style=\"white-space:pre\">%1</p>").arg(text.toHtmlEscaped());
}

ArticleEntry MakeArticleEntry(const GameState& state, ArticleKind kind, int index) {
    return {PrintableText(Article(state, kind, index).Name.ToUtf8()), kind, index};
}

void SortByName(std::vector<ArticleEntry>& entries) {
    // Built with an explicit locale: a default collator follows the system locale and falls
    // back to code-point order under C/POSIX.
    QCollator collator{QLocale(QLocale::German, QLocale::Germany)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(false);
    collator.setIgnorePunctuation(false);
    std::stable_sort(entries.begin(), entries.end(),
                     [&collator](const ArticleEntry& a, const ArticleEntry& b) {
                         const int order = collator.compare(a.Name, b.Name);
                         if (order != 0)
                             return order < 0;
                         return QString::compare(a.Name, b.Name, Qt::CaseSensitive) < 0;
                     });
}

TNameLabel::TNameLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TNameLabel::SetName(const std::string& utf8Name) {
    const QString name = PrintableText(utf8Name);
    if (name == text())
        return;
    setText(name);
    UpdateToolTip();
}

QString TNameLabel::ShownText() const {
    return fontMetrics().elidedText(text(), Qt::ElideRight, contentsRect().width());
}

void TNameLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(),
                          QStyle::visualAlignment(layoutDirection(), alignment()), palette(),
                          isEnabled(), ShownText(), foregroundRole());
}

void TNameLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    UpdateToolTip();
}

void TNameLabel::UpdateToolTip() {
    const bool shortened = ShownText() != text();
    setToolTip(shortened ? PlainToolTip(text()) : QString());
    // A screen reader would take the tool tip's markup for the description; it gets the name.
    setAccessibleDescription(shortened ? text() : QString());
}

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

void NamePaging(QAbstractButton* button, const QString& target, const QString& description) {
    NameForSubject(button, target);
    button->setAccessibleDescription(description);
}

void NameCaptions(QWidget* window) {
    for (QLabel* caption : window->findChildren<QLabel*>()) {
        QWidget* named = caption->buddy();
        if (!named)
            continue;
        caption->setAccessibleName(CaptionName(caption));
        // A value label keeps its own text as its name; the caption is its label.
        if (!qobject_cast<QLabel*>(named) && named->accessibleName().isEmpty())
            named->setAccessibleName(CaptionName(caption));
    }
    for (QGroupBox* group : window->findChildren<QGroupBox*>()) {
        QString title = group->title().simplified();
        if (!title.endsWith(u':'))
            continue;
        title.chop(1);
        group->setAccessibleName(title);
        // A field in the group is named after it, as Qt would do, but without the colon.
        for (QWidget* field : group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (field->focusPolicy() != Qt::NoFocus && !qobject_cast<QAbstractButton*>(field) &&
                field->accessibleName().isEmpty())
                field->setAccessibleName(title);
    }
}
