#include "core/AppError.h"
#include "core/Cipher.h"
#include "core/Configuration.h"
#include "core/Database.h"
#include "core/HomeFolder.h"
#include "core/IniFile.h"
#include "core/OwnerOnly.h"
#include "core/PasswordHash.h"
#include "core/SqlValue.h"
#include "core/cSecurity.h"
#include "support/TestOffice.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
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

namespace {

QString readAll(const QString& p) { QFile f(p); return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString(); }
bool writeText(const QString& p, const QByteArray& text) { QFile f(p); return f.open(QIODevice::WriteOnly) && f.write(text) == text.size(); }

}  // namespace

// A password is kept as a salted hash: two operators with one password store
// different texts, neither of which holds the password or gives it back. The
// old cipher still reads what earlier versions stored, and refuses an altered text.
TEST(PasswordHash, OnlyItsOwnPasswordMatchesAndNothingElseStoredDoes)
{
    const QString hash = PasswordHash::make(u"ADMIN"_s);
    EXPECT_NE(PasswordHash::make(u"ADMIN"_s), hash);
    EXPECT_FALSE(hash.contains(u"ADMIN"_s) || hash.contains(Cipher::Encrypt(u"ADMIN"_s)));
    const QString altered = hash.left(hash.size() - 3) + (hash.endsWith(u"A="_s) ? u"B="_s : u"A="_s);
    QStringList costly = hash.split(u'$');
    costly[1] = u"40"_s;  // minutes and gigabytes: refused, not tried
    const struct { QString password, stored; bool matches; } rows[] = {
        {u"ADMIN"_s, hash, true}, {u"admin"_s, hash, false}, {QString(), hash, false}, {u"ADMIN"_s, altered, false},
        {u"ADMIN"_s, Cipher::Encrypt(u"ADMIN"_s), false}, {u"ADMIN"_s, QString(), false},
        {u"ADMIN"_s, costly.join(u'$'), false},
    };
    for (const auto& r : rows)
        EXPECT_EQ(PasswordHash::matches(r.password, r.stored), r.matches) << r.stored.toStdString();
    const QString old = Cipher::Encrypt(u"كلمة السر"_s);
    EXPECT_EQ(Cipher::Decrypt(old), u"كلمة السر"_s);
    for (const QString& altered : {old.chopped(4), old.mid(4), u"not base64 at all!"_s})
        EXPECT_THROW(Cipher::Decrypt(altered), AppError) << altered.toStdString();
}

// Saving is the options screen's test; here an entry never stored reads 0 and stored texts convert.
TEST(Configuration, AMissingEntryIsZeroAndStoredTextsConvert)
{
    TestOffice office;
    EXPECT_EQ(Configuration(office.db()).GetConfig(u"NOSUCHENTRY"_s), u"0"_s);
    const struct { const char* stored; bool boolean; int integer; double number; } rows[] = {
        {"1", true, 1, 1}, {"0", false, 0, 0}, {"abc", false, 0, 0}, {"-1", true, -1, -1}, {" 2 ", true, 2, 2}, {"2.6", true, 3, 2.6},
        {"true", true, 0, 0}, {"99999999999999", true, 0, 99999999999999.0}, {"nan", false, 0, 0}, {"1e999", false, 0, 0},
    };
    for (const auto& r : rows) {
        const QString text = QString::fromUtf8(r.stored);
        EXPECT_EQ(std::tuple(Configuration::toBoolean(text), Configuration::toInteger(text), Configuration::toDouble(text)),
                  std::tuple(r.boolean, r.integer, r.number)) << r.stored;
    }
}

// Keys in any case anywhere in a field, a field cut at a comma unless quoted, the value after the first "=".
TEST(IniFile, ReadsEntriesByTheirRules)
{
    const struct { const char* text; const char* database; const char* lastUser; const char* password; const char* token = ""; } rows[] = {
        {"[CONFIG]\nDATABASE = /a/b.db\nLASTUSER = ADMIN\nPASSWORD = abc==\n", "/a/b.db", "ADMIN", "abc=="},
        {"[CONFIG]\nLASTUSER = ADMIN\nLOGINTOKEN = t0-k_n\n", "", "ADMIN", "", "t0-k_n"},
        {"[config]\r\n   \tdatabase = /a/b.db\r\nlastuser = admin\r\n", "/a/b.db", "admin", ""},
        {"LASTUSER_DATABASE = /x.db\nPASSWORD LASTUSER = BOB\n", "/x.db", "BOB", ""}, {"LASTUSER =   A=B  \n", "", "A=B", ""},
        {"DATABASE=/a/my,office.db\n", "/a/my", "", ""}, {"DATABASE = /a.db,LASTUSER = BOB\n", "/a.db", "BOB", ""},
        {"\"DATABASE = /a/my,office.db\"\n", "/a/my,office.db", "", ""}, {"DATABASE = /1.db\nDATABASE = /2.db\n", "/2.db", "", ""},
        {"  \"LASTUSER = x,y\" ignored, DATABASE = /a\n", "/a", "x,y", ""}, {"\"LASTUSER = a, b\nDATABASE = /b", "/b", "a, b", ""},
        {"  /home/DataBase.db  \nSOMETHING = else\n", "/home/DataBase.db", "", ""},
    };
    for (const auto& r : rows) {
        const IniFile::Contents c = IniFile::parse(QString::fromUtf8(r.text));
        EXPECT_EQ(c.database + u'|' + c.lastUser + u'|' + c.password + u'|' + c.token,
                  u"%1|%2|%3|%4"_s.arg(r.database, r.lastUser, r.password, r.token));
        EXPECT_FALSE(QString::fromUtf8(r.text).contains(u"LOGINTOKEN"_s) && c.entries.size() != 1) << "the token is not shown";
    }
}

// The whole file is written anew, for its owner's eyes only. A write that
// cannot finish (a full disk, a folder in the file's place) leaves the old
// file as it was, nothing half-written beside it, and the login's rewrite
// logs why.
TEST(IniFile, WritesTheWholeFileForItsOwnerOnlyOrKeepsTheOldOne)
{
    using P = QFileDevice;
    const QByteArray longer = "old text that is much longer than the new text, all of it replaced\n";
    const struct {
        const char* what; const char* before; P::Permissions permissions; const char* token;
        rlim_t limit = RLIM_INFINITY; bool folder = false;
    } rows[] = {
        {"a new file", nullptr, {}, ""},
        {"one others could write", "x", P::ReadOwner | P::WriteOwner | P::ReadOther | P::WriteOther, ""},
        {"a longer one, with a token", longer.constData(), P::ReadOwner | P::ReadOther, "SECRET=="},
        {"a full disk", longer.constData(), P::ReadOwner | P::WriteOwner, "", 250},
        {"a folder in its place", nullptr, {}, "", RLIM_INFINITY, true},
    };
    const auto signal = std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        TestOffice office;
        office.loginAs(u"ADMIN"_s);
        const QString ini = office.state().IniFilePath;
        QFile::remove(ini);
        ASSERT_TRUE(!r.before || (writeText(ini, r.before) && QFile::setPermissions(ini, r.permissions)));
        ASSERT_TRUE(!r.folder || QDir(office.home()).mkdir(u"ijar.ini"_s));
        const bool fails = r.folder || r.limit != RLIM_INFINITY;
        // Longer than the disk takes, unlike the log line that reports it.
        const QString database = fails ? u"/office/"_s + QString(300, u'a') + u".db"_s : u"/home/o'brien/fdk.db"_s;
        // A full disk, as far as this process goes: no file grows beyond the limit.
        rlimit unlimited{};
        getrlimit(RLIMIT_FSIZE, &unlimited);
        const rlimit full{r.limit, unlimited.rlim_max};
        setrlimit(RLIMIT_FSIZE, &full);
        if (fails) {
            EXPECT_THROW(IniFile::write(ini, database, u"ADMIN"_s, {}), AppError);
            office.state().DatabasePath = database;
            IniFile::WriteIniFile(office.state());
        } else {
            IniFile::write(ini, database, u"O'BRIEN"_s, QString::fromUtf8(r.token));
        }
        setrlimit(RLIMIT_FSIZE, &unlimited);
        const QString expected = fails ? QString::fromUtf8(r.before ? r.before : "")
                                       : u"[CONFIG]\nDATABASE = /home/o'brien/fdk.db\nLASTUSER = O'BRIEN\n"_s
                                             + (*r.token ? u"LOGINTOKEN = %1\n"_s.arg(QString::fromUtf8(r.token)) : QString());
        EXPECT_EQ(readAll(ini), expected);
        EXPECT_EQ(QDir(office.home()).entryList({u"ijar.ini*"_s}, QDir::AllEntries | QDir::Hidden), QStringList{u"ijar.ini"_s})
            << "nothing half-written is left beside it";
        const P::Permissions p = QFile::permissions(ini);
        EXPECT_TRUE(fails || (p.testFlags(P::ReadOwner | P::WriteOwner) && !(p & P::Permissions(0x0077))));
        const QString log = readAll(QDir(office.home()).filePath(u"ijar.log"_s));
        EXPECT_EQ(log.contains(u",75,WriteIniFile,"_s) && log.contains(ini), fails) << log.toStdString();
    }
    std::signal(SIGXFSZ, signal);
    EXPECT_THROW(IniFile::read(QDir::temp().filePath(u"no-such-folder/ijar.ini"_s)), AppError);
}

// A workstation keeps a login as a random token, never the password; each
// login replaces it, and a login no longer kept takes it away.
TEST(IniFile, WriteIniFileKeepsALoginOnlyWhenAsked)
{
    const struct { const char* login; int storePassword; bool kept; } rows[] = {
        {"ADMIN", 0, false}, {"ADMIN", 1, true}, {"ADMIN", 2, false}, {"O'BRIEN", 1, true}, {"NOBODY", 1, false},
    };
    for (const auto& r : rows) {
        TestOffice office;
        office.db().insert(u"OPERATOR"_s, u"OPERATORID"_s, {{u"LOGINID"_s, u"O'BRIEN"_s}, {u"operatorname"_s, u"Pat"_s}});
        office.db().command(u"update OPERATOR set storepassword = 1"_s);
        const QString login = QString::fromUtf8(r.login);
        office.loginAs(login);
        IniFile::WriteIniFile(office.state());
        const QString before = IniFile::read(office.state().IniFilePath).token;
        office.db().command(u"update OPERATOR set storepassword = %1"_s.arg(r.storePassword));
        IniFile::WriteIniFile(office.state());
        const IniFile::Contents c = IniFile::read(office.state().IniFilePath);
        EXPECT_EQ(QStringList({c.database, c.lastUser}), QStringList({office.databasePath(), login}));
        cSecurity security(office.state());
        EXPECT_EQ(security.IsValidKeptLogin(login, c.token), r.kept) << r.login << r.storePassword;
        EXPECT_FALSE(security.IsValidKeptLogin(login, before)) << "the earlier token is forgotten";
        EXPECT_FALSE(readAll(office.state().IniFilePath).contains(u"PASSWORD"_s));
    }
}

TEST(HomeFolder, CommandLineThenEnvironmentThenPortableInstallThenUserData)
{
    QStandardPaths::setTestModeEnabled(true);  // keeps the real per-user folder out of it
    QTemporaryDir dir;
    const QString withIni = dir.filePath(u"portable-ini"_s), withDb = dir.filePath(u"portable-db"_s);
    const QString bare = dir.filePath(u"installed"_s), file = dir.filePath(u"plain-file"_s);
    ASSERT_TRUE(QDir().mkpath(withIni) && QDir().mkpath(withDb) && QDir().mkpath(bare));
    ASSERT_TRUE(writeText(withIni + u"/ijar.ini"_s, {}) && writeText(withDb + u"/fdk.db"_s, {}) && writeText(file, {}));
    const QString cmd = dir.filePath(u"from-command-line"_s), env = dir.filePath(u"from-environment"_s);
    const QString userData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const struct { QString commandLine, environment, executable, expected; } rows[] = {
        {cmd, env, withIni, cmd}, {{}, env, withIni, env}, {u"  "_s, env, withIni, env}, {{}, {}, withIni, withIni},
        {{}, {}, withDb, withDb}, {{}, {}, bare, userData}, {{}, {}, dir.filePath(u"missing"_s), userData},
    };
    for (const auto& r : rows) {
        const QString home = HomeFolder::resolve(r.commandLine, r.environment, r.executable);
        EXPECT_EQ(home, QDir::cleanPath(r.expected)) << r.commandLine.toStdString() << "|" << r.executable.toStdString();
        EXPECT_TRUE(QFileInfo(home).isDir()) << home.toStdString();
        EXPECT_TRUE(home != cmd || OwnerOnly::mode(home) == OwnerOnly::Folder) << "a folder it makes is its owner's";
    }
    EXPECT_THROW(HomeFolder::resolve(file + u"/home"_s, {}, {}), AppError) << "a folder inside a file";
    QStandardPaths::setTestModeEnabled(false);
}
