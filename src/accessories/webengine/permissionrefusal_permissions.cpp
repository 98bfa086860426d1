#include "permissionrefusal.h"

#include <QWebEnginePage>
#include <QWebEnginePermission>

// Qt 6.8 and later: each request comes as a permission to grant or deny.
void refuseEveryPermission(QWebEnginePage *page)
{
    QObject::connect(page, &QWebEnginePage::permissionRequested, page,
                     [](QWebEnginePermission permission) { permission.deny(); });
}
