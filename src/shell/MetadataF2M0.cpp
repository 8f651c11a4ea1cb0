#include "engine/MetadataWriter.h"
#include "shell/ShellShipped.h"

void ScreenMetadata::F2M0(Database& db)
{
    MetadataWriter m(db, QStringLiteral("F2M0"));
    const qint64 operators = m.table(QStringLiteral("OPERATOR"), 1, QStringLiteral("كلمة المرور"));
    m.identifier(operators, QStringLiteral("OPERATORID"), QStringLiteral("الرقم"), 60);
    m.field(operators, QStringLiteral("dfsLoginId"), QStringLiteral("LOGINID"), MetadataWriter::Text,
            QStringLiteral("اسم الدخول"));
    m.field(operators, QStringLiteral("dfgFAVOURITEWINDOW"), QStringLiteral("FavouriteWindow"), MetadataWriter::Text,
            QStringLiteral("الشاشة المفضلة"));
    m.field(operators, QStringLiteral("dffStorePassword"), QStringLiteral("storepassword"), MetadataWriter::Flag,
            QStringLiteral("حفظ كلمة المرور"));

    m.validation(1, QStringLiteral("txtNewPassword"), {}, QStringLiteral("اكتب كلمة المرور الجديدة"),
                 QStringLiteral("txtNewPassword"), 0);
    m.validation(5, QStringLiteral("txtNewPassword"), QStringLiteral("txtNewPassword2"),
                 QStringLiteral("اكتب كلمة المرور الجديدة نفسها مرتين"), QStringLiteral("txtNewPassword2"), 0);
}
