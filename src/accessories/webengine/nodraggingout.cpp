#include "nodraggingout.h"

#include "enginefolder.h"

#include <QChildEvent>
#include <QDrag>
#include <QPointer>
#include <QWidget>

DragRefuser::DragRefuser(QWidget *view) : QObject(view)
{
    view->installEventFilter(this);
}

bool DragRefuser::eventFilter(QObject *, QEvent *event)
{
    // Sent while the child is still being made, so it is known as a drag only
    // once the engine is running it.
    if (event->type() == QEvent::ChildAdded) {
        QObject *child = static_cast<QChildEvent *>(event)->child();
        if (!child->isWidgetType()) {
            EngineFolder::refuseUntilEventsRun();
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
