#include "shell/base/AppError.h"
#include "shell/base/Cipher.h"
#include "shell/base/IniFile.h"
#include "support/TestOffice.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void writeText(const QString& path, const QByteArray& text)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

constexpr QFileDevice::Permissions OthersMask = QFileDevice::ReadGroup | QFileDevice::WriteGroup
                                              | QFileDevice::ExeGroup | QFileDevice::ReadOther
                                              | QFileDevice::WriteOther | QFileDevice::ExeOther;

}

TEST(IniFile, Fields)
{
    const struct { const char* text; QStringList fields; } rows[] = {
        {"[CONFIG]", {"[CONFIG]"}},
        {"DATABASE = /a/b.db\r\nLASTUSER = X", {"DATABASE = /a/b.db", "LASTUSER = X"}},
        {"   \tDATABASE = /a", {"DATABASE = /a"}},
        {"DATABASE = /a/my,office.db", {"DATABASE = /a/my", "office.db"}},
        {"a, b ,c", {"a", "b ", "c"}},
        {"\"DATABASE = /a/my,office.db\"", {"DATABASE = /a/my,office.db"}},
        {"  \"x,y\" ignored, next", {"x,y", "next"}},
        {"\"unclosed, runs to the line end\nnext", {"unclosed, runs to the line end", "next"}},
        {"a,", {"a", ""}},
    };
    for (const auto& r : rows)
        EXPECT_EQ(IniFile::fields(QString::fromUtf8(r.text)), r.fields) << r.text;
}

TEST(IniFile, Parse)
{
    const struct { const char* text; const char* database; const char* lastUser; const char* password; } rows[] = {
        {"[CONFIG]\nDATABASE = /a/b.db\nLASTUSER = ADMIN\nPASSWORD = abc==\n", "/a/b.db", "ADMIN", "abc=="},
        {"[config]\ndatabase = /a/b.db\nlastuser = admin\n", "/a/b.db", "admin", ""},
        {"LASTUSER_DATABASE = /x.db\n", "/x.db", "", ""},
        {"PASSWORD LASTUSER = BOB\n", "", "BOB", ""},
        {"LASTUSER =   A=B  \n", "", "A=B", ""},
        {"DATABASE=/a/my,office.db\n", "/a/my", "", ""},
        {"DATABASE = /a.db,LASTUSER = BOB\n", "/a.db", "BOB", ""},
        {"\"DATABASE = /a/my,office.db\"\n", "/a/my,office.db", "", ""},
        {"  /home/DataBase.db  \n", "/home/DataBase.db", "", ""},
        {"DATABASE = /one.db\nDATABASE = /two.db\n", "/two.db", "", ""},
        {"[CONFIG]\nSOMETHING = else\n", "", "", ""},
    };
    for (const auto& r : rows) {
        const IniFile::Contents c = IniFile::parse(QString::fromUtf8(r.text));
        EXPECT_EQ(c.database, QString::fromUtf8(r.database)) << r.text;
        EXPECT_EQ(c.lastUser, QString::fromUtf8(r.lastUser)) << r.text;
        EXPECT_EQ(c.password, QString::fromUtf8(r.password)) << r.text;
    }
}

TEST(IniFile, EntriesKeepFileOrderUnderFixedKeys)
{
    const IniFile::Contents c = IniFile::parse(QStringLiteral("lastuser = bob\n[CONFIG]\ndatabase = /a.db\n"));
    const QList<QPair<QString, QString>> expected = {{QStringLiteral("LastUser"), QStringLiteral("bob")},
                                                     {QStringLiteral("DataBase"), QStringLiteral("/a.db")}};
    EXPECT_EQ(c.entries, expected);
}

TEST(IniFile, ReadingAMissingFileFails)
{
    QTemporaryDir dir;
    try {
        IniFile::read(dir.filePath(QStringLiteral("ijar.ini")));
        FAIL() << "a missing file was read";
    } catch (const AppError& e) {
        EXPECT_EQ(e.number(), IniFile::FileNotFound);
        EXPECT_TRUE(e.description().contains(dir.filePath(QStringLiteral("ijar.ini"))));
    }
}

TEST(IniFile, WriteLinesAndPermissions)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ijar.ini"));
    const struct { const char* before; QFileDevice::Permissions permissions; const char* password; const char* expected; } rows[] = {
        {nullptr, {}, "", "[CONFIG]\nDATABASE = /home/o'brien/fdk.db\nLASTUSER = O'BRIEN\n"},
        {"old text that is much longer than the new text, all of it replaced\n",
         QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther, "SECRET==",
         "[CONFIG]\nDATABASE = /home/o'brien/fdk.db\nLASTUSER = O'BRIEN\nPASSWORD = SECRET==\n"},
        {"x", QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther | QFileDevice::WriteOther, "",
         "[CONFIG]\nDATABASE = /home/o'brien/fdk.db\nLASTUSER = O'BRIEN\n"},
    };
    for (const auto& r : rows) {
        QFile::remove(path);
        if (r.before) {
            writeText(path, r.before);
            QFile::setPermissions(path, r.permissions);
        }
        IniFile::write(path, QStringLiteral("/home/o'brien/fdk.db"), QStringLiteral("O'BRIEN"),
                       QString::fromUtf8(r.password));
        EXPECT_EQ(readAll(path), QString::fromUtf8(r.expected));
        const QFileDevice::Permissions p = QFile::permissions(path);
        EXPECT_TRUE(p.testFlag(QFileDevice::ReadOwner) && p.testFlag(QFileDevice::WriteOwner)) << r.expected;
        EXPECT_EQ(p & OthersMask, QFileDevice::Permissions()) << r.expected;
    }
}

TEST(IniFile, WriteIniFileStoresThePasswordOnlyWhenAsked)
{
    const struct { const char* login; int storePassword; bool passwordLine; } rows[] = {
        {"ADMIN", 0, false}, {"ADMIN", 1, true}, {"ADMIN", 2, false}, {"O'BRIEN", 1, true}, {"NOBODY", 1, false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.login);
        TestOffice office;
        office.db().insert(QStringLiteral("OPERATOR"), QStringLiteral("OPERATORID"),
                           {{QStringLiteral("LOGINID"), QStringLiteral("O'BRIEN")},
                            {QStringLiteral("PASSWRD"), Cipher::Encrypt(QStringLiteral("ADMIN"))},
                            {QStringLiteral("operatorname"), QStringLiteral("Pat")},
                            {QStringLiteral("storepassword"), 0}, {QStringLiteral("OPERATORSUSPENDED"), 0}});
        office.db().command(QStringLiteral("update OPERATOR set storepassword = %1").arg(r.storePassword));
        office.loginAs(QString::fromUtf8(r.login));
        IniFile::WriteIniFile(office.state(), QStringLiteral("ADMIN"));

        const IniFile::Contents c = IniFile::read(office.state().IniFilePath);
        EXPECT_EQ(c.database, office.databasePath());
        EXPECT_EQ(c.lastUser, QString::fromUtf8(r.login));
        EXPECT_EQ(!c.password.isEmpty(), r.passwordLine) << r.storePassword;
        EXPECT_EQ(readAll(office.state().IniFilePath).contains(QLatin1String("PASSWORD = ")), r.passwordLine);
        if (r.passwordLine) {
            EXPECT_EQ(Cipher::Decrypt(c.password), QStringLiteral("ADMIN"));
        }
    }
}

TEST(IniFile, WriteIniFileWithoutADatabaseStillWritesTheFile)
{
    TestOffice office(false);
    office.loginAs(QStringLiteral("ADMIN"));
    IniFile::WriteIniFile(office.state(), QStringLiteral("ADMIN"));
    EXPECT_EQ(readAll(office.state().IniFilePath),
              QStringLiteral("[CONFIG]\nDATABASE = %1\nLASTUSER = ADMIN\n").arg(office.databasePath()));
}
