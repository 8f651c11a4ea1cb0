#include "core/LocalZone.h"

#include <QByteArray>
#include <QtGlobal>

#include <ctime>

void LocalZone::pin()
{
    // The C library's own name for the system's zone: the same zone, read once.
    if (qEnvironmentVariableIsSet("TZ"))
        return;
    qputenv("TZ", QByteArrayLiteral(":/etc/localtime"));
    tzset();
}
