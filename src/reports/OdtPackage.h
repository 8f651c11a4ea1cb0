#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// Writing the zip of an OpenDocument file: the mimetype entry first and
// stored uncompressed, as readers expect, and a manifest listing every entry.
namespace OdtPackage {

// No entry of a document unpacks to more than this: a package that claims
// more is refused before anything of it is unpacked.
constexpr qint64 MaxEntrySize = 64 * 1024 * 1024;

struct Entry {
    QString name;  // path inside the package, e.g. "content.xml", "Pictures/P2.png"
    QByteArray data;
};

// The unpacked entry of a package; nothing, with the reason, when the
// package cannot be read or one of its entries is larger than MaxEntrySize.
std::optional<QByteArray> read(const QString& path, const QString& entry, QString* error);
// A new text document made of the entries; false with the reason otherwise.
bool write(const QString& path, const QList<Entry>& entries, QString* error);
// Adds or replaces entries of an existing package and lists new ones in its
// manifest.
bool update(const QString& path, const QList<Entry>& entries, QString* error);
// The media type a manifest gives an entry of that name.
QString mediaType(const QString& name);

}
