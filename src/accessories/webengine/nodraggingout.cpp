#include "nodraggingout.h"

#include "enginefolder.h"

#include <QChildEvent>
#include <QDrag>
#include <QPointer>
#include <QWidget>

DragRefuser::DragRefuser(QWidget *view) : QObject(view), m_view(view)
{
    view->installEventFilter(this);
}

void DragRefuser::viewEndWatched()
{
    // What this relies on, as WebContentsAdapter::startDragging does it in Qt 6.4 (and in the
    // engine's later sources): on this thread, it hangs the drag on the view, connects to the
    // view's destroyed signal, and only then writes a dragged image and runs the drag.
    if (qobject_cast<QDrag *>(m_view->children().constLast()))
        EngineFolder::refuseUntilEventsRun();
}

bool DragRefuser::eventFilter(QObject *, QEvent *event)
{
    // Sent while the child is still being made, so it is known as a drag only
    // once the engine is running it.
    if (event->type() == QEvent::ChildAdded) {
        QObject *child = static_cast<QChildEvent *>(event)->child();
        if (!child->isWidgetType()) {
            QMetaObject::invokeMethod(
                this,
                [child = QPointer(child)] {
                    if (qobject_cast<QDrag *>(child))
                        QDrag::cancel();
                },
                Qt::QueuedConnection);
        }
    }
    return false;
}

QWebEngineScript noDraggingOut()
{
    QWebEngineScript script;
    script.setName(QStringLiteral("noDraggingOut"));
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(QWebEngineScript::ApplicationWorld);
    script.setRunsOnSubFrames(true);
    script.setSourceCode(QStringLiteral(R"((() => {
        const cancel = event => event.preventDefault();
        const watched = new WeakSet();
        const guard = view => {
            try {
                view.addEventListener('dragstart', cancel, true);
                if (!watched.has(view.document)) {
                    watched.add(view.document);
                    new MutationObserver(() => guard(view))
                        .observe(view.document, {childList: true, subtree: true});
                }
                for (let i = 0; i < view.frames.length; ++i)
                    guard(view.frames[i]);
            } catch (frameOfAnotherOrigin) {
                // it runs this script itself
            }
        };
        guard(window);
    })();)"));
    return script;
}
