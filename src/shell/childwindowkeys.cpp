#include "childwindowkeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

bool canTakeFocus(const QWidget *control, const QWidget *window)
{
    return (control->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && control->isEnabled() &&
           control->isVisibleTo(window);
}

} // namespace

bool takesFocus(const QMdiSubWindow *window)
{
    return !window->windowFlags().testFlag(Qt::FramelessWindowHint);
}

void focusFirstControl(QMdiSubWindow *window)
{
    QWidget *focus = QApplication::focusWidget();
    if (focus && (focus == window || window->isAncestorOf(focus)))
        return;
    QWidget *client = window->widget();
    if (client) {
        // The focus chain runs through the whole frame; the window's controls follow its client.
        for (QWidget *w = client->nextInFocusChain(); w && w != client; w = w->nextInFocusChain()) {
            if (client->isAncestorOf(w) && canTakeFocus(w, window)) {
                w->setFocus(Qt::TabFocusReason);
                return;
            }
        }
    }
    window->setFocus(Qt::OtherFocusReason);
}

void passActivationOn(QMdiSubWindow *from)
{
    QMdiArea *area = from->mdiArea();
    if (!area || area->activeSubWindow() != from)
        return;
    // To the window the user worked in last, or to none.
    const QList<QMdiSubWindow *> history = area->subWindowList(QMdiArea::ActivationHistoryOrder);
    for (auto it = history.crbegin(); it != history.crend(); ++it) {
        if (*it != from && takesFocus(*it) && !(*it)->isHidden()) {
            area->setActiveSubWindow(*it);
            return;
        }
    }
    area->setActiveSubWindow(nullptr);
    if (QWidget *focus = QApplication::focusWidget(); focus && from->isAncestorOf(focus))
        focus->clearFocus();
    if (from->hasFocus())
        from->clearFocus();
}

ChildWindowKeys::ChildWindowKeys(QMdiArea *area) : QObject(area), m_area(area)
{
    connect(area, &QMdiArea::subWindowActivated, this,
            [this](QMdiSubWindow *window) { activated(window); });
    qApp->installEventFilter(this);
}

void ChildWindowKeys::activated(QMdiSubWindow *window)
{
    if (!window)
        return;
    if (takesFocus(window)) {
        focusFirstControl(window);
        return;
    }
    passActivationOn(window);
}

void ChildWindowKeys::activateNeighbour(int step)
{
    QList<QMdiSubWindow *> open;
    for (QMdiSubWindow *window : m_area->subWindowList(QMdiArea::CreationOrder))
        if (takesFocus(window) && !window->isHidden())
            open.append(window);
    if (open.isEmpty())
        return;
    const qsizetype current = open.indexOf(m_area->activeSubWindow());
    const qsizetype next = current < 0 ? (step > 0 ? 0 : open.size() - 1)
                                       : (current + step + open.size()) % open.size();
    m_area->setActiveSubWindow(open.at(next));
}

bool ChildWindowKeys::isInFrame(QObject *object) const
{
    auto *widget = qobject_cast<QWidget *>(object);
    return widget && widget->window() == m_area->window();
}

bool ChildWindowKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || QApplication::activeModalWidget() ||
        QApplication::activePopupWidget() || !isInFrame(watched))
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    const bool backwards = modifiers == (Qt::ControlModifier | Qt::ShiftModifier);
    if (modifiers != Qt::ControlModifier && !backwards)
        return false;
    switch (key->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_F6:
        activateNeighbour(backwards || key->key() == Qt::Key_Backtab ? -1 : 1);
        return true;
    case Qt::Key_F4:
        if (backwards)
            return false;
        if (QMdiSubWindow *active = m_area->activeSubWindow(); active && takesFocus(active))
            active->close();
        return true;
    default:
        return false;
    }
}
