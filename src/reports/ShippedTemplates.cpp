#include "reports/ShippedTemplates.h"

#include "core/OwnerOnly.h"
#include "reports/OdtPackage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString Sources = QStringLiteral(":/templates");
const QString Styles = QStringLiteral("styles.xml");

QByteArray resource(const QString& name)
{
    QFile file(QDir(Sources).filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}

QStringList ShippedTemplates::names()
{
    QStringList names;
    for (const QString& source : QDir(Sources).entryList({QStringLiteral("*.xml")}, QDir::Files, QDir::Name))
        if (source != Styles)
            names.append(QFileInfo(source).completeBaseName() + QStringLiteral(".odt"));
    return names;
}

int ShippedTemplates::installMissing(const QString& folder)
{
    if (!OwnerOnly::makeFolder(folder))
        return 0;
    int written = 0;
    for (const QString& name : names()) {
        const QString path = QDir(folder).filePath(name);
        if (QFileInfo::exists(path))
            continue;
        const QString source = QFileInfo(name).completeBaseName() + QStringLiteral(".xml");
        QString error;
        if (OdtPackage::write(path, {{QStringLiteral("content.xml"), resource(source)}, {Styles, resource(Styles)}},
                              &error)) {
            QFile::setPermissions(path, OwnerOnly::File);
            ++written;
        }
    }
    return written;
}
