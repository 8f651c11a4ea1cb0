#include "OdtTemplate.h"

#include <QFile>
#include <gtest/gtest.h>
#include <zip.h>

namespace {

// A minimal .odt as Writer lays one out: mimetype first and stored, then the
// manifest and the content, indented with whitespace between elements.
QByteArray contentXml(const QString& body)
{
    return QStringLiteral(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<office:document-content"
               " xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\""
               " xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\""
               " xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\""
               " xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\""
               " xmlns:fo=\"urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0\""
               " office:version=\"1.3\">\n"
               "  <office:automatic-styles/>\n"
               "  <office:body>\n"
               "    <office:text>\n"
               "      <text:user-field-decls><text:user-field-decl office:value-type=\"string\""
               " office:string-value=\"\" text:name=\"CUSTNAME\"/></text:user-field-decls>\n"
               "%1\n"
               "    </office:text>\n"
               "  </office:body>\n"
               "</office:document-content>\n")
        .arg(body)
        .toUtf8();
}

void add(zip_t* archive, const char* name, const QByteArray& data, bool stored)
{
    char* copy = static_cast<char*>(malloc(static_cast<size_t>(data.size())));
    memcpy(copy, data.constData(), static_cast<size_t>(data.size()));
    zip_source_t* source = zip_source_buffer(archive, copy, static_cast<zip_uint64_t>(data.size()), 1);
    const zip_int64_t index = zip_file_add(archive, name, source, ZIP_FL_OVERWRITE);
    ASSERT_GE(index, 0);
    if (stored)
        zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0);
}

}

QString writeTemplate(const QString& path, const QString& body)
{
    int code = 0;
    zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    EXPECT_NE(archive, nullptr);
    add(archive, "mimetype", "application/vnd.oasis.opendocument.text", true);
    add(archive, "META-INF/manifest.xml",
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<manifest:manifest"
        " xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\" manifest:version=\"1.3\">"
        "<manifest:file-entry manifest:full-path=\"/\" manifest:media-type=\"application/vnd.oasis.opendocument.text\"/>"
        "<manifest:file-entry manifest:full-path=\"content.xml\" manifest:media-type=\"text/xml\"/>"
        "</manifest:manifest>",
        false);
    add(archive, "content.xml", contentXml(body), false);
    EXPECT_EQ(zip_close(archive), 0);
    return path;
}

