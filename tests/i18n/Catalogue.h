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
// The messages of a .ts file; false when it cannot be read.
bool read(const QString& file, QList<CatalogueMessage>& messages);
}
