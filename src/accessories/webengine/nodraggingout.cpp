#include "nodraggingout.h"

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
