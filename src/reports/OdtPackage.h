#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Writing the zip of an OpenDocument file: the mimetype entry first and
// stored uncompressed, as readers expect, and a manifest listing every entry.
namespace OdtPackage {

struct Entry {
    QString name;  // path inside the package, e.g. "content.xml", "Pictures/P2.png"
    QByteArray data;
};

// A new text document made of the entries; false with the reason otherwise.
bool write(const QString& path, const QList<Entry>& entries, QString* error);
// Adds or replaces entries of an existing package and lists new ones in its
// manifest.
bool update(const QString& path, const QList<Entry>& entries, QString* error);
// The media type a manifest gives an entry of that name.
QString mediaType(const QString& name);

}
