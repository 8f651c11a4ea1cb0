#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The messages of a translation catalogue (.ts) as the tests need them.
struct CatalogueMessage {
    QString context;
    QString source;
    QString comment;           // tells apart the same source in one context
    QStringList translations;  // one, or one per plural form
    bool unfinished = false;
    bool plural = false;
};

namespace Catalogue {
// The catalogue in the source tree.
QString path();
// The messages of a .ts file; a file that cannot be read fails the test.
QList<CatalogueMessage> read(const QString& file = path());
}
