#include "networkstart.h"

#include <QCoreApplication>
#include <QStringList>
#include <QtGlobal>

#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
#include <QNetworkConfigurationManager>
#endif

void avoidBearerManagement()
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0) && !defined(QT_NO_BEARERMANAGEMENT)
    // Qt 5.15 looks for bearer engines only once, when its configuration manager is first
    // updated. Without plugin folders at that moment it finds none, and asks nobody later.
    const QStringList paths = QCoreApplication::libraryPaths();
    QCoreApplication::setLibraryPaths({});
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    QNetworkConfigurationManager manager;
    (void)manager.capabilities();
    QT_WARNING_POP
    QCoreApplication::setLibraryPaths(paths);
#endif
}
