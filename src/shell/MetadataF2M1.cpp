#include "engine/MetadataWriter.h"
#include "shell/ShellShipped.h"

void ScreenMetadata::F2M1(Database& db)
{
    MetadataWriter m(db, QStringLiteral("F2M1"));
    const qint64 operators = m.table(QStringLiteral("OPERATOR"), 1, QStringLiteral("المستخدمون"));
    m.identifier(operators, QStringLiteral("OPERATORID"), QStringLiteral("الرقم"), 60);
    m.field(operators, QStringLiteral("txtNAME"), QStringLiteral("operatorname"), MetadataWriter::Text,
            QStringLiteral("الاسم"), 2, 200);
    m.field(operators, QStringLiteral("dfsLoginId"), QStringLiteral("LOGINID"), MetadataWriter::Text,
            QStringLiteral("اسم الدخول"), 3, 120);
    m.field(operators, QStringLiteral("dfgFAVOURITEWINDOW"), QStringLiteral("FavouriteWindow"), MetadataWriter::Text,
            QStringLiteral("الشاشة المفضلة"));
    m.field(operators, QStringLiteral("dffOPERATORSUSPENDED"), QStringLiteral("OPERATORSUSPENDED"),
            MetadataWriter::Flag, QStringLiteral("موقوف"));
    m.field(operators, QStringLiteral("dfdEXPIRATIONDATE"), QStringLiteral("EXPIRATIONDATE"), MetadataWriter::Date,
            QStringLiteral("ينتهي في"));
    m.field(operators, QStringLiteral("dfnDISCOUNTPERCENTAGE"), QStringLiteral("DISCOUNTPERCENTAGE"),
            MetadataWriter::Number, QStringLiteral("نسبة الخصم"));

    m.validation(1, QStringLiteral("dfsLoginId"), {}, QStringLiteral("اكتب اسم الدخول"), QStringLiteral("dfsLoginId"), 0);
    m.validation(5, QStringLiteral("txtNewPassword"), QStringLiteral("txtNewPassword2"),
                 QStringLiteral("اكتب كلمة المرور الجديدة نفسها مرتين"), QStringLiteral("txtNewPassword2"), 0);
    m.validation(1, QStringLiteral("dfsEncryptedPassword"), {}, QStringLiteral("اكتب كلمة مرور للمستخدم"),
                 QStringLiteral("txtNewPassword"), 0);
}
