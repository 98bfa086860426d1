#include "permissionrefusal.h"

#include <QWebEnginePage>

// Qt before 6.8: each request names the feature and the page's origin.
void refuseEveryPermission(QWebEnginePage *page)
{
    QObject::connect(page, &QWebEnginePage::featurePermissionRequested, page,
                     [page](const QUrl &origin, QWebEnginePage::Feature feature) {
                         page->setFeaturePermission(origin, feature,
                                                    QWebEnginePage::PermissionDeniedByUser);
                     });
}
