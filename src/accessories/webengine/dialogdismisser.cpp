#include "dialogdismisser.h"

#include <QChildEvent>
#include <QDialog>

DialogDismisser::DialogDismisser(QWidget *view) : QObject(view), m_view(view)
{
    view->installEventFilter(this);
}

bool DialogDismisser::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_view && event->type() == QEvent::ChildAdded) {
        // Still being made, so only its window type says it is a dialog. Off the
        // screen from the start, it never hands over to a native dialog.
        auto *child = qobject_cast<QWidget *>(static_cast<QChildEvent *>(event)->child());
        if (child && child->windowType() == Qt::Dialog) {
            child->setAttribute(Qt::WA_DontShowOnScreen);
            child->installEventFilter(this);
        }
    } else if (event->type() == QEvent::Polish) {
        // Polished as it is being shown, once it has settled how: it stays off
        // the screen, blocks no window, and is cancelled as soon as the engine
        // has finished opening it.
        if (auto *dialog = qobject_cast<QDialog *>(watched)) {
            dialog->setAttribute(Qt::WA_DontShowOnScreen);
            dialog->setWindowModality(Qt::NonModal);
            QMetaObject::invokeMethod(dialog, &QDialog::reject, Qt::QueuedConnection);
        }
    }
    return false;
}
