#include "core/AppError.h"
#include "core/Cipher.h"
#include "core/Configuration.h"
#include "core/HomeFolder.h"
#include "core/IniFile.h"
#include "core/OwnerOnly.h"
#include "core/PasswordHash.h"
#include "core/cSecurity.h"
#include "support/TestOffice.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

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
