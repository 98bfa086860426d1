#include "webengineplugin.h"

#include "engineview.h"

namespace QtWebEngineCore {
// The engine's own set-up of the OpenGL context it shares with the program.
// It runs by itself only when the engine is linked into the program, which
// this module is not, so the module runs it when it is loaded.
void initialize();
} // namespace QtWebEngineCore

WebEnginePlugin::WebEnginePlugin()
{
    QtWebEngineCore::initialize();
}

WebView *WebEnginePlugin::CreateView(QWidget *parent)
{
    return new EngineView(parent);
}
