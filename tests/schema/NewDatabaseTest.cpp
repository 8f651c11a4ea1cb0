#include "schema/NewDatabase.h"
#include "schema/Schema.h"
#include "shell/base/AppError.h"
#include "shell/base/Cipher.h"
#include "shell/base/Database.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class NewDatabaseTest : public ::testing::Test {
protected:
    QString path(const QString& name = QStringLiteral("fdk.db")) const { return m_dir.filePath(name); }

    // Makes a database and opens it.
    Database& made(bool demo)
    {
        NewDatabase::create(path(), demo);
        m_db.open(path());
        return m_db;
    }

    void TearDown() override { m_db.close(); }

    QTemporaryDir m_dir;
    Database m_db;
};

int countOf(Database& db, const QString& table)
{
    return db.execute(QStringLiteral("select count(*) as n from ") + table).value(0, 0).toInt();
}

} // namespace

TEST_F(NewDatabaseTest, configurationDefaults)
{
    Database& db = made(false);
    const struct {
        const char* entry;
        const char* value;
    } expected[] = {
        {"APPTITLE", "إيجار - تأجير السيارات"},
        {"LICENSEDESCRIPTION", "Ijar - car rental front office"},
        {"EMAILADDRESS", ""},
        {"WEBSITEADDRESS", ""},
        {"SHOWERRORS", "1"},
        {"USEROUTER", "0"},
        {"SHOWSCREENNAME", "0"},
        {"SHOWFIELDNAME", "0"},
        {"EXTRAMILESFLAT", "0"},
        {"EXTRAMILESPERCENT", "0"},
        {"POUND", "دينار كويتي"},
        {"TWOPOUNDS", "ديناران كويتيان"},
        {"POUNDS", "دنانير كويتية"},
        {"FILS", "فلس"},
    };
    for (const auto& e : expected) {
        const RowSet rows = db.execute(QStringLiteral("select * from _CONFIG where entry = '%1'")
                                           .arg(QString::fromLatin1(e.entry)));
        ASSERT_EQ(rows.count(), 1) << e.entry;
        const QVariant value = rows.value(0, QStringLiteral("entryvalue"));
        EXPECT_FALSE(value.isNull()) << e.entry;
        EXPECT_EQ(value.toString(), QString::fromUtf8(e.value)) << e.entry;
    }
    EXPECT_EQ(countOf(db, QStringLiteral("_CONFIG")), int(std::size(expected)));
}

TEST_F(NewDatabaseTest, adminHasEveryMenuRightAndThePasswordAdmin)
{
    Database& db = made(false);
    const RowSet admin = db.execute(QStringLiteral("select * from operator WHERE loginid  = 'ADMIN'"));
    ASSERT_EQ(admin.count(), 1);
    EXPECT_EQ(countOf(db, QStringLiteral("OPERATOR")), 1);
    EXPECT_EQ(admin.text(0, QStringLiteral("operatorname")), QStringLiteral("مدير النظام"));
    EXPECT_EQ(admin.value(0, QStringLiteral("storepassword")).toInt(), 0);
    EXPECT_EQ(admin.value(0, QStringLiteral("OPERATORSUSPENDED")).toInt(), 0);
    EXPECT_EQ(admin.text(0, QStringLiteral("FavouriteWindow")), QString());
    const QString stored = admin.text(0, QStringLiteral("PASSWRD"));
    EXPECT_EQ(stored, Cipher::Encrypt(QStringLiteral("ADMIN")));
    EXPECT_EQ(Cipher::Decrypt(stored), QStringLiteral("ADMIN"));

    const qint64 id = admin.value(0, QStringLiteral("OPERATORID")).toLongLong();
    const RowSet rights = db.execute(
        QStringLiteral("select * from group_func where operatorid = %1 order by menu_name asc").arg(id));
    ASSERT_EQ(rights.count(), 5);
    for (int row = 0; row < rights.count(); ++row) {
        EXPECT_EQ(rights.text(row, QStringLiteral("menu_name")), QStringLiteral("F%1M").arg(row + 1));
        for (int button = 1; button <= 9; ++button)
            EXPECT_EQ(rights.value(row, QStringLiteral("command%1").arg(button)).toInt(), 1)
                << "row " << row << " button " << button;
    }
}

TEST_F(NewDatabaseTest, theNewFileCarriesTheCurrentSchemaAndNoBusinessRows)
{
    Database& db = made(false);
    EXPECT_EQ(Schema::version(db), Schema::CurrentVersion);
    EXPECT_EQ(db.integrityCheck(), QStringLiteral("ok"));
    for (const char* table : {"car", "Customer", "EMPLOYEE", "RENT", "JOURNAL"})
        EXPECT_EQ(countOf(db, QString::fromLatin1(table)), 0) << table;
}

TEST_F(NewDatabaseTest, demoAddsASmallOffice)
{
    Database& db = made(true);
    EXPECT_GE(countOf(db, QStringLiteral("car")), 3);
    EXPECT_GE(countOf(db, QStringLiteral("Customer")), 3);
    EXPECT_GE(countOf(db, QStringLiteral("EMPLOYEE")), 2);
    // Every demo car can be rented at once, and the manager list is not empty.
    EXPECT_EQ(db.execute(QStringLiteral("select * from car WHERE RENTED = 0  and STOP = 0")).count(),
              countOf(db, QStringLiteral("car")));
    EXPECT_GE(db.execute(QStringLiteral("select NAME as [الااسم ] , EMPID as [ID:] from EMPLOYEE "
                                        "where FLGMANAGER = 1 "))
                  .count(),
              1);
    // Still only the one operator.
    EXPECT_EQ(countOf(db, QStringLiteral("OPERATOR")), 1);
}

TEST_F(NewDatabaseTest, anExistingFileIsNeverOverwritten)
{
    const struct {
        const char* name;
        QByteArray content;
    } existing[] = {
        {"some.db", QByteArray("not a database, but somebody's file\n")},
        {"empty.db", QByteArray()},
    };
    for (const auto& file : existing) {
        const QString target = path(QString::fromLatin1(file.name));
        {
            QFile f(target);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(file.content);
        }
        try {
            NewDatabase::create(target, true);
            ADD_FAILURE() << "created over " << file.name;
        } catch (const AppError& e) {
            EXPECT_EQ(e.number(), NewDatabase::FileExists);
        }
        QFile f(target);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), file.content) << file.name;
    }

    // Nor a database made before.
    NewDatabase::create(path(), false);
    QFile before(path());
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    const QByteArray bytes = before.readAll();
    before.close();
    EXPECT_THROW(NewDatabase::create(path(), true), AppError);
    QFile after(path());
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), bytes);
}

TEST_F(NewDatabaseTest, aFailedCreationLeavesNoFile)
{
    // A folder that does not exist cannot take the file.
    const QString target = path(QStringLiteral("missing/fdk.db"));
    EXPECT_THROW(NewDatabase::create(target, false), AppError);
    EXPECT_FALSE(QFile::exists(target));
}
