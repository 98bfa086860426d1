#include "accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QMdiSubWindow>

namespace {

// Qt reads a sub-window by its title whatever name it is given; one that has a
// spoken name is read through the plain widget interface, which reads that name.
QAccessibleInterface *namedSubWindow(const QString &className, QObject *object)
{
    if (className != QLatin1String("QMdiSubWindow"))
        return nullptr;
    auto *window = qobject_cast<QMdiSubWindow *>(object);
    if (!window || window->accessibleName().isEmpty())
        return nullptr;
    return new QAccessibleWidget(window, QAccessible::Window);
}

} // namespace

void speak(std::initializer_list<Spoken> controls)
{
    for (const Spoken &spoken : controls) {
        if (!spoken.name.isEmpty())
            spoken.control->setAccessibleName(spoken.name);
        if (!spoken.description.isEmpty())
            spoken.control->setAccessibleDescription(spoken.description);
    }
}

void tieLabel(QLabel *label, QWidget *control)
{
    label->setBuddy(control);
}

void speakWindowAs(QWidget *window, const QString &name)
{
    static const bool installed = [] {
        QAccessible::installFactory(namedSubWindow);
        return true;
    }();
    Q_UNUSED(installed);
    window->setAccessibleName(name);
    // Qt may have made the window's interface already, as the window was made
    // (Qt 6.8 does): one that does not read the name is let go, and the next
    // question makes one through the factory above.
    QAccessibleInterface *made = QAccessible::queryAccessibleInterface(window);
    if (made && made->text(QAccessible::Name) != name)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}
