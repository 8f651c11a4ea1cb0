#include "core/AppError.h"
#include "core/Database.h"
#include "core/OwnerOnly.h"
#include "core/SqlValue.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray bytesOf(const QString& path) { QFile f(path); return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray(); }

class DatabaseTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        db.open(path, true);
        db.executeNative(u"CREATE TABLE item (ITEMID INTEGER PRIMARY KEY AUTOINCREMENT, NAME TEXT COLLATE NOCASE, "
                         "AMOUNT REAL, PICTURE BLOB, [default] INTEGER)"_s);
    }
    qint64 add(const QVariant& name, const QVariant& amount = {}, const QVariant& dflt = {})
    {
        return db.insert(u"item"_s, u"ITEMID"_s, {{u"NAME"_s, name}, {u"AMOUNT"_s, amount}, {u"default"_s, dflt}});
    }
    int rows(const QString& sql) { return db.execute(sql).count(); }
    QVariant value(const char* jetExpression) { return db.execute(u"select "_s + jetExpression).value(0, 0); }

    QTemporaryDir dir;
    QString path = dir.filePath(u"t.db"_s);
    Database db;
};

}  // namespace

// Every value stays whole and nothing typed widens a statement: a number field typed as "0 where 1=1 --"
// does not turn one update into an update of every row, and a misspelt "column" in native SQL is no
// text 'column'. A missing file is refused, not made.
TEST_F(DatabaseTest, KeepsEveryValueWholeAndRefusesWhatCouldCarrySql)
{
    const QStringList names = {u"a,b,,c"_s, u"O'Brien"_s, u"محمد, علي"_s, u"' or 1=1 --"_s, QString(500, u'x')};
    for (const QString& n : names) {
        const RowSet rs = db.execute(u"select * from item where itemid = %1"_s.arg(add(n, 1.5)));
        ASSERT_EQ(rs.count(), 1);
        EXPECT_EQ(rs.text(0, u"name"_s), n);
        EXPECT_EQ(rs.value(0, u"Amount"_s).toDouble(), 1.5);
    }
    EXPECT_THROW(db.insert(u"item; drop table item"_s, u"ITEMID"_s, {}), AppError);
    EXPECT_THROW(db.insert(u"item"_s, u"ITEMID"_s, {{u"NAME\" , \"AMOUNT"_s, 1}}), AppError);
    EXPECT_THROW(db.command(u"update item set amount = 0 where 1=1 -- WHERE itemid = 2"_s), AppError);
    EXPECT_THROW(db.command(u"update item set amount = 9; delete from item"_s), AppError);
    EXPECT_EQ(rows(u"select * from item where amount = 1.5"_s), names.size());
    EXPECT_THROW(db.executeBound(u"select \"nmae\" from item"_s, {}), AppError);
    EXPECT_EQ(db.executeBound(u"select \"name\" from item order by itemid"_s, {}).value(0, 0).toString(), names[0]);
    Database other;
    EXPECT_THROW(other.open(dir.filePath(u"missing.db"_s)), AppError);
    EXPECT_FALSE(other.isOpen() || QFile::exists(dir.filePath(u"missing.db"_s)));
}

TEST_F(DatabaseTest, JetFormsAndFunctionsRunThroughExecute)
{
    for (int i = 0; i < 5; ++i)
        add(u"n%1"_s.arg(i), {}, i);
    EXPECT_EQ(value("name from item where itemid = (select top 1 itemid from item order by itemid desc)").toString(), u"n4"_s);
    EXPECT_EQ(value("default from item where name = \"N3\"").toInt(), 3);
    EXPECT_EQ(db.command(u"delete * from item where name = 'n0';"_s), 1);
    db.execute(u"select itemid, name into tempmessages from item where [default] > 2"_s);
    EXPECT_EQ(rows(u"select top 5 * from tempmessages"_s), 2);

    const struct { const char* jet; const char* expected; } cases[] = {  // expected nullptr: SQL NULL
        {"IIF(2 > 1, 'yes', 'no')", "yes"}, {"iif(null, 'yes', 'no')", "no"}, {"Nz(null)", ""}, {"Nz(null, 5)", "5"},
        {"Mid('abcdef', 2, 3)", "bcd"}, {"Mid('abcdef', 3)", "cdef"}, {"Mid('abc', 5, 2)", ""}, {"Mid('كتابة', 2, 2)", "تا"},
        {"InStr(4, 'Hello', 'l')", "4"}, {"InStr('Hello', 'z')", "0"}, {"InStr('Hello', 'LL')", "3"},
        {"InStr('إيجار سيارة', 'سيارة')", "7"}, {"InStr(null, 'a')", nullptr}, {"Len('a😀b')", "3"}, {"Len(null)", nullptr},
        {"UCase('Ärger mit Öl')", "ÄRGER MIT ÖL"}, {"LCase('ÄRGER إيجار')", "ärger إيجار"}, {"Left('abcdef', 2)", "ab"},
        {"Right('ab', 5)", "ab"}, {"'a' & 'b'", "ab"}, {"\"it's\" & 1", "it's1"},
        {"LCase(280000000001) & UCase(2.5)", "2800000000012.5"},  // a number has no case: its text
        {"length(Now()) = 19 and Now() like '____-__-__ __:__:__'", "1"}, {"Date() between 20240101 and 99991231", "1"},
        {"DateAdd('d', 30, 20261215)", "20270114"}, {"DateAdd('m', 1, 20240131)", "20240229"},
        {"DateAdd('yyyy', -1, 20240229)", "20230228"}, {"DateAdd('w', 1, 20240101)", nullptr},
        {"DateAdd('d', 1, 20241340)", nullptr},
    };
    for (const auto& c : cases) {
        const QVariant v = value(c.jet);
        EXPECT_EQ(v.isNull() ? "(null)" : v.toString().toStdString(), c.expected ? c.expected : "(null)") << c.jet;
    }
    for (const char* bad : {"Mid('abc', 0, 1)", "Mid('abc', 1, -1)", "InStr(0, 'abc', 'a')", "Left('abc', -1)"})
        EXPECT_THROW(value(bad), AppError) << bad;
}

// A backup is a checked copy for its owner's eyes only, and never replaces a
// file. A database whose index no longer matches its table copies page for
// page and the copy fails its check: the copy is all there is, so it is kept
// under a name that says so, and the failure says the database is damaged.
TEST_F(DatabaseTest, ABackupIsACheckedCopyThatNeverOverwritesAndADamagedOneIsKeptApart)
{
    db.executeNative(u"CREATE INDEX item_amount ON item (AMOUNT)"_s);
    for (int i = 0; i < 50; ++i)
        add(u"car %1"_s.arg(i), i);
    const QString good = dir.filePath(u"copy.db"_s), damaged = dir.filePath(u"03122026-140509"_s);
    const QString kept = Database::failedCheckName(damaged);
    const struct { const char* what; QString target; bool damage; int refusal; QString made; } rows[] = {
        {"a sound database", good, false, 0, good},
        {"onto an earlier backup", good, false, ErrorNumber::BackupFailure, good},
        {"into no folder", dir.filePath(u"no/such/folder/x.db"_s), false, ErrorNumber::BackupFailure, {}},
        {"a damaged database", damaged, true, Database::DamagedDatabase, kept},
        {"a damaged database again", damaged, true, ErrorNumber::BackupFailure, kept},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        if (r.damage && db.integrityCheck() == u"ok"_s) {
            db.executeNative(u"PRAGMA writable_schema = ON"_s);
            db.executeNative(u"UPDATE sqlite_master SET sql = 'CREATE INDEX item_amount ON item (NAME)' "
                             "WHERE name = 'item_amount'"_s);
            db.executeNative(u"PRAGMA writable_schema = OFF"_s);
            db.close();
            db.open(path);
        }
        const QByteArray before = bytesOf(r.made);
        try {
            db.backupTo(r.target);
            EXPECT_EQ(r.refusal, 0);
        } catch (const AppError& e) {
            EXPECT_EQ(e.number(), r.refusal) << e.description().toStdString();
            EXPECT_TRUE(!r.damage || e.description().contains(kept)) << e.description().toStdString();
        }
        EXPECT_TRUE(before.isEmpty() || bytesOf(r.made) == before) << "nothing is overwritten";
        EXPECT_EQ(QFile::exists(damaged), false);
        if (r.made.isEmpty())
            continue;
        EXPECT_EQ(OwnerOnly::mode(r.made), OwnerOnly::File) << "a backup holds the office's data";
        Database copy;
        copy.open(r.made);
        EXPECT_EQ(copy.integrityCheck() == u"ok"_s, !r.damage);
        EXPECT_EQ(copy.execute(u"select count(*) as n from item"_s).value(0, u"n"_s).toInt(), 50) << "every row is in it";
    }
}

// A run killed half-way through a backup (here by the system, at a file size
// limit) leaves no file under the backup's name, only an unfinished one that
// the next start clears away.
TEST_F(DatabaseTest, ABackupKilledHalfWayLeavesNothingUnderItsName)
{
    for (int i = 0; i < 16; ++i)
        db.writeBlob(u"item"_s, u"PICTURE"_s, u"ITEMID"_s, add(u"car %1"_s.arg(i)), QByteArray(256 * 1024, char('a' + i)));
    const QString folder = dir.filePath(u"backup"_s), target = folder + u"/03122026-140509"_s;
    ASSERT_TRUE(QDir().mkpath(folder));
    const pid_t child = ::fork();
    if (child == 0) {
        const rlimit noCore{0, 0}, limit{1 << 20, 1 << 20};
        ::setrlimit(RLIMIT_CORE, &noCore);
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::signal(SIGXFSZ, SIG_DFL);
        try {
            db.backupTo(target);
        } catch (...) {
            // a failure, like the end, is not the kill this test is about
        }
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the copy outgrew the limit";
    EXPECT_FALSE(QFile::exists(target));
    EXPECT_TRUE(QFile::exists(Database::unfinishedName(target)));
    EXPECT_GT(Database::removeUnfinishedBackups(folder), 0);
    EXPECT_TRUE(QDir(folder).isEmpty());
}

TEST(SqlValue, QuotesAreDoubledAndOnlyNumbersPassUnquoted)
{
    for (const QString& in : {u"O'Brien"_s, u"''"_s, u"ZZ' union select 99,'ZZ"_s, QString()})
        EXPECT_EQ(SqlValue::quoted(in), u'\'' + QString(in).replace(u'\'', u"''"_s) + u'\'') << in.toStdString();
    for (const char* good : {"15", "-3", "1.5", ".5", " 12 ", "9223372036854775807"})
        EXPECT_EQ(SqlValue::number(QString::fromUtf8(good)), QString::fromUtf8(good).trimmed()) << good;
    EXPECT_EQ(SqlValue::number(u"+7"_s), u"7"_s);
    for (const char* bad : {"", " ", "abc", "1,5", "0 where 1=1 --", "1e5", "1.2.3", "--1", "0x10", "1;"}) {
        EXPECT_FALSE(SqlValue::isNumber(QString::fromUtf8(bad))) << bad;
        EXPECT_THROW(SqlValue::number(QString::fromUtf8(bad), u"txtID"_s), AppError) << bad;
    }
    EXPECT_EQ(SqlValue::likeContains(u"50%_a'b"_s), u"%50\\%\\_a''b%"_s);
}

// Another workstation holds the file: a statement waits one short try, with
// the operator told, and then he is asked whether to wait again. Inside a
// transaction nobody is asked. The failure never reads "database is locked".
TEST_F(DatabaseTest, ABusyFileWaitsAShortTryThenTheOperatorChooses)
{
    enum Hold { Writing, Reading };
    const struct { const char* what; Hold hold; bool inTransaction; QList<bool> answers; bool written; QStringList seen; } rows[] = {
        {"gives up", Writing, false, {false}, false, {u"wait"_s, u"ask"_s, u"end"_s}},
        {"waits twice, then the other ends", Writing, false, {true, true}, true,
         {u"wait"_s, u"ask"_s, u"ask"_s, u"end"_s}},
        {"a commit waiting for a reader asks nobody", Reading, true, {}, false, {u"wait"_s, u"end"_s}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        db.command(u"delete from item"_s);
        Database other;
        other.open(path);
        other.executeNative(u"BEGIN"_s);
        if (r.hold == Writing)
            other.executeNative(u"INSERT INTO item (NAME) VALUES ('theirs')"_s);
        else
            other.execute(u"select * from item"_s);
        QStringList seen;
        QList<bool> answers = r.answers;
        db.setBusyWait(30);
        db.setBusyHandling({[&](bool waiting) { seen << (waiting ? u"wait"_s : u"end"_s); },
                            [&](const QString& file) {
                                EXPECT_EQ(file, path);
                                seen << u"ask"_s;
                                const bool again = answers.takeFirst();
                                if (again && answers.isEmpty())
                                    other.executeNative(u"COMMIT"_s);
                                return again;
                            }});
        try {
            if (r.inTransaction) {
                Transaction tx(db);
                add(u"ours"_s);
                tx.commit();
            } else {
                add(u"ours"_s);
            }
            EXPECT_TRUE(r.written);
        } catch (const AppError& e) {
            EXPECT_FALSE(r.written);
            EXPECT_FALSE(e.description().contains(u"locked"_s, Qt::CaseInsensitive)) << e.description().toStdString();
            EXPECT_TRUE(e.description().contains(path)) << e.description().toStdString();
            EXPECT_EQ(e.number() & 0xff, Database::Busy);
        }
        EXPECT_EQ(seen, r.seen);
        EXPECT_EQ(db.transactionDepth(), 0);
        db.setBusyHandling({});
    }
}
