#include "engine/MetadataWriter.h"
#include "shell/ShellShipped.h"

// The rights screen lists the operators in its open dialog.
void ScreenMetadata::F2M2(Database& db)
{
    MetadataWriter m(db, QStringLiteral("F2M2"));
    const qint64 operators = m.table(QStringLiteral("OPERATOR"), 1, QStringLiteral("صلاحيات المستخدمين"));
    m.identifier(operators, QStringLiteral("OPERATORID"), QStringLiteral("الرقم"), 60);
    m.field(operators, QStringLiteral("txtNAME"), QStringLiteral("operatorname"), MetadataWriter::Text,
            QStringLiteral("الاسم"), 2, 200);
}
