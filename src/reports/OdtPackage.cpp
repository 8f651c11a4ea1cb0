#include "reports/OdtPackage.h"

#include "reports/XmlNode.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <zip.h>

namespace {

const QByteArray TextMimeType = "application/vnd.oasis.opendocument.text";
const char* const Manifest = "META-INF/manifest.xml";

QString cannotWrite(const QString& path, const QString& reason)
{
    return QCoreApplication::translate("OdtDocument", "Cannot write %1: %2").arg(path, reason);
}

// libzip reads the buffers when the archive is closed, so they live in
// `kept` until then.
bool add(zip_t* archive, const QString& name, const QByteArray& data, QList<QByteArray>& kept, bool stored)
{
    kept.append(data);
    const QByteArray& buffer = kept.last();
    zip_source_t* source = zip_source_buffer(archive, buffer.constData(), static_cast<zip_uint64_t>(buffer.size()), 0);
    if (!source)
        return false;
    const zip_int64_t index = zip_file_add(archive, name.toUtf8().constData(), source, ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        zip_source_free(source);
        return false;
    }
    return !stored || zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0) == 0;
}

// The entry that unpacks to more than MaxEntrySize, or empty. The sizes are
// those the package declares; reading never goes past them.
QString oversizedEntry(zip_t* archive)
{
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        if (zip_stat_index(archive, static_cast<zip_uint64_t>(i), 0, &stat) == 0 && (stat.valid & ZIP_STAT_SIZE)
            && stat.size > static_cast<zip_uint64_t>(OdtPackage::MaxEntrySize))
            return QString::fromUtf8(stat.name);
    }
    return {};
}

std::optional<QByteArray> readEntry(zip_t* archive, const char* entry)
{
    zip_stat_t stat;
    if (zip_stat(archive, entry, 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE)
        || stat.size > static_cast<zip_uint64_t>(OdtPackage::MaxEntrySize))
        return std::nullopt;
    zip_file_t* file = zip_fopen(archive, entry, 0);
    if (!file)
        return std::nullopt;
    QByteArray data(static_cast<qsizetype>(stat.size), Qt::Uninitialized);
    const bool read = zip_fread(file, data.data(), stat.size) == static_cast<zip_int64_t>(stat.size);
    zip_fclose(file);
    return read ? std::optional(data) : std::nullopt;
}

QByteArray readManifest(zip_t* archive)
{
    return readEntry(archive, Manifest).value_or(QByteArray());
}

XmlNode fileEntry(const QString& path, const QString& type)
{
    XmlNode entry = XmlNode::element(QStringLiteral("manifest:file-entry"));
    entry.setAttribute(QStringLiteral("manifest:full-path"), path);
    entry.setAttribute(QStringLiteral("manifest:media-type"), type);
    return entry;
}

XmlNode emptyManifest()
{
    QString error;
    return *XmlNode::parse("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<manifest:manifest"
                           " xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\""
                           " manifest:version=\"1.3\"/>",
                           &error);
}

// The manifest with an entry for every name it does not list yet.
QByteArray withEntries(XmlNode manifest, const QList<OdtPackage::Entry>& entries)
{
    const auto listed = [&](const QString& path) {
        for (const XmlNode& child : manifest.children)
            if (child.isElement(QStringLiteral("manifest:file-entry"))
                && child.attribute(QStringLiteral("manifest:full-path")) == path)
                return true;
        return false;
    };
    if (!listed(QStringLiteral("/")))
        manifest.children.push_back(fileEntry(QStringLiteral("/"), QString::fromLatin1(TextMimeType)));
    for (const auto& entry : entries)
        if (entry.name != QLatin1String("mimetype") && !listed(entry.name))
            manifest.children.push_back(fileEntry(entry.name, OdtPackage::mediaType(entry.name)));
    return manifest.serialize();
}

bool close(zip_t* archive, const QString& path, QString* error)
{
    if (zip_close(archive) == 0)
        return true;
    if (error)
        *error = cannotWrite(path, QString::fromUtf8(zip_strerror(archive)));
    zip_discard(archive);
    return false;
}

bool addAll(zip_t* archive, const QString& path, const QList<OdtPackage::Entry>& entries, const XmlNode& manifest,
            QString* error)
{
    QList<QByteArray> kept;
    bool added = true;
    for (const auto& entry : entries)
        added = added && add(archive, entry.name, entry.data, kept, false);
    added = added && add(archive, QString::fromLatin1(Manifest), withEntries(manifest, entries), kept, false);
    if (!added) {
        if (error)
            *error = cannotWrite(path, QString::fromUtf8(zip_strerror(archive)));
        zip_discard(archive);
        return false;
    }
    return close(archive, path, error);
}

zip_t* openArchive(const QString& path, int flags, QString* error)
{
    int code = 0;
    zip_t* archive = zip_open(QFile::encodeName(path).constData(), flags, &code);
    if (!archive && error) {
        zip_error_t reason;
        zip_error_init_with_code(&reason, code);
        *error = cannotWrite(path, QString::fromUtf8(zip_error_strerror(&reason)));
        zip_error_fini(&reason);
    }
    return archive;
}

}

std::optional<QByteArray> OdtPackage::read(const QString& path, const QString& entry, QString* error)
{
    int code = 0;
    zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &code);
    if (!archive) {
        zip_error_t reason;
        zip_error_init_with_code(&reason, code);
        *error = QString::fromUtf8(zip_error_strerror(&reason));
        zip_error_fini(&reason);
        return std::nullopt;
    }
    // LibreOffice unpacks every entry of the copy too: one too large refuses the whole package.
    const QString oversized = oversizedEntry(archive);
    std::optional<QByteArray> result;
    if (oversized.isEmpty())
        result = readEntry(archive, entry.toUtf8().constData());
    if (!oversized.isEmpty())
        *error = QCoreApplication::translate("OdtDocument", "%1 holds an entry, %2, that unpacks to more than %3 MB; "
                                                           "such a document is not opened.")
                     .arg(path, oversized)
                     .arg(MaxEntrySize / (1024 * 1024));
    else if (!result)
        *error = QString::fromUtf8(zip_strerror(archive));
    zip_discard(archive);
    return result;
}

QString OdtPackage::mediaType(const QString& name)
{
    const QString suffix = QFileInfo(name).suffix().toLower();
    if (suffix == QLatin1String("xml"))
        return QStringLiteral("text/xml");
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
        return QStringLiteral("image/jpeg");
    if (suffix == QLatin1String("png") || suffix == QLatin1String("gif") || suffix == QLatin1String("bmp"))
        return QStringLiteral("image/") + suffix;
    return QStringLiteral("application/octet-stream");
}

bool OdtPackage::write(const QString& path, const QList<Entry>& entries, QString* error)
{
    zip_t* archive = openArchive(path, ZIP_CREATE | ZIP_TRUNCATE, error);
    if (!archive)
        return false;
    QList<QByteArray> kept;
    if (!add(archive, QStringLiteral("mimetype"), TextMimeType, kept, true)) {
        if (error)
            *error = cannotWrite(path, QString::fromUtf8(zip_strerror(archive)));
        zip_discard(archive);
        return false;
    }
    return addAll(archive, path, entries, emptyManifest(), error);
}

bool OdtPackage::update(const QString& path, const QList<Entry>& entries, QString* error)
{
    zip_t* archive = openArchive(path, 0, error);
    if (!archive)
        return false;
    QString reason;
    auto manifest = XmlNode::parse(readManifest(archive), &reason);
    return addAll(archive, path, entries, manifest ? *manifest : emptyManifest(), error);
}
