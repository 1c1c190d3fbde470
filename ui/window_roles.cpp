// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window_roles.h"

#include "ui/dialog_form.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

// Qt asks the factories for each class of an object from the most derived one up, so the game's
// window classes are met before Qt's own answer for a plain widget.
QAccessibleInterface* WindowInterfaceFactory(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget || !widget->isWindow())
        return nullptr;
    // The main window goes by its name, so that this file needs none of its declarations.
    if (widget->objectName() == QLatin1String("Form1"))
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (className == QLatin1String(TDialogForm::staticMetaObject.className()) ||
        className == QLatin1String(TSideWindow::staticMetaObject.className()))
        return new QAccessibleWidget(widget, QAccessible::Dialog);
    return nullptr;
}

} // namespace

void GiveWindowsTheirRoles() {
    static const bool installed = [] {
        QAccessible::installFactory(WindowInterfaceFactory);
        return true;
    }();
    Q_UNUSED(installed);
}
