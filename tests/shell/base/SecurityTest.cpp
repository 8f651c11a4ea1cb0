#include "shell/base/Cipher.h"
#include "shell/base/cSecurity.h"
#include "support/TestOffice.h"

#include <gtest/gtest.h>

namespace {

qint64 addOperator(Database& db, const QString& login, const QString& password, const QString& name)
{
    return db.insert(QStringLiteral("OPERATOR"), QStringLiteral("OPERATORID"),
                     {{QStringLiteral("LOGINID"), login}, {QStringLiteral("PASSWRD"), Cipher::Encrypt(password)},
                      {QStringLiteral("operatorname"), name}, {QStringLiteral("storepassword"), 0},
                      {QStringLiteral("OPERATORSUSPENDED"), 0}});
}

}

TEST(Security, PasswordCheck)
{
    TestOffice office;
    addOperator(office.db(), QStringLiteral("O'BRIEN"), QStringLiteral("SECRET"), QStringLiteral("أوبرايان"));
    const struct { const char* login; const char* password; bool valid; const char* name; } rows[] = {
        {"ADMIN", "ADMIN", true, nullptr},
        {"admin", "ADMIN", true, nullptr},      // ids compare without regard to case
        {"  ADMIN ", "ADMIN", true, nullptr},   // the id is trimmed
        {"ADMIN", "admin", false, nullptr},     // callers pass the password upper-cased
        {"ADMIN", "", false, nullptr},
        {"NOBODY", "ADMIN", false, nullptr},
        {"O'BRIEN", "SECRET", true, "أوبرايان"},
        {"ZZ' union select 99,'ZZ','x','x',1,0,'' --", "X", false, nullptr},
        {"ZZ' or '1'='1", "ADMIN", false, nullptr},
    };
    for (const auto& r : rows) {
        office.state().CurrentOperatorName.clear();
        cSecurity security(office.state());
        EXPECT_EQ(security.IsValidUserPassword(QString::fromUtf8(r.login), QString::fromUtf8(r.password)), r.valid) << r.login;
        if (r.name) {
            EXPECT_EQ(office.state().CurrentOperatorName, QString::fromUtf8(r.name));
        }
        if (!r.valid) {
            EXPECT_TRUE(office.state().CurrentOperatorName.isEmpty()) << r.login;
        }
    }
}

TEST(Security, OperatorLookups)
{
    TestOffice office;
    const qint64 id = addOperator(office.db(), QStringLiteral("O'BRIEN"), QStringLiteral("X"), QStringLiteral("Pat O'Brien"));
    cSecurity security(office.state());
    EXPECT_EQ(security.GetOperatorID(QStringLiteral("O'BRIEN")), id);
    EXPECT_EQ(security.GetOperatorName(id), QStringLiteral("Pat O'Brien"));
    EXPECT_EQ(security.GetOperatorID(QStringLiteral("NOBODY")), 0);
    EXPECT_TRUE(security.GetOperatorName(987654).isEmpty());
    EXPECT_GT(security.GetOperatorID(QStringLiteral("ADMIN")), 0);
}
