#include "support/PgCluster.h"

#include "core/AppError.h"
#include "core/Database.h"
#include "core/ServerAddress.h"
#include "office/NewDatabase.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QUuid>

#include <pwd.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

[[noreturn]] void fail(const QString& text) { throw AppError(ErrorNumber::DatabaseFailure, text, u"PgCluster"_s); }

bool asRoot() { return ::geteuid() == 0; }

// Runs one of the server's programs, as the postgres user when we are root.
void runTool(const QString& tool, const QStringList& arguments)
{
    const QString program = PgCluster::binFolder() + u'/' + tool;
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    if (asRoot())
        p.start(u"runuser"_s, QStringList{u"-u"_s, u"postgres"_s, u"--"_s, program} + arguments);
    else
        p.start(program, arguments);
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        fail(u"%1 failed: %2"_s.arg(tool, QString::fromLocal8Bit(p.readAll())));
}

void handOver(const QString& path)
{
    if (!asRoot())
        return;
    const passwd* pw = ::getpwnam("postgres");
    if (!pw || ::chown(QFile::encodeName(path).constData(), pw->pw_uid, pw->pw_gid) != 0)
        fail(u"%1 cannot be handed to the postgres user"_s.arg(path));
}

// Unique across the test programs that share one cluster.
QString newDatabaseName() { return u"t"_s + QUuid::createUuid().toString(QUuid::Id128); }

}

QString PgCluster::binFolder()
{
    // The server's programs lie beside the newest pg_dump, which the program itself finds.
    const QString folder = QFileInfo(Database::dumpTool()).absolutePath();
    if (!QFile::exists(folder + u"/initdb"_s))
        fail(u"PostgreSQL is not installed (Debian package postgresql); ./ijar.sh test installs it"_s);
    return folder;
}

PgCluster PgCluster::start(const QString& parent)
{
    PgCluster c;
    QDir().mkpath(parent);
    QTemporaryDir dir(parent + u"/ijar-pg-XXXXXX"_s);
    if (!dir.isValid())
        fail(u"no temporary folder for the cluster in %1"_s.arg(parent));
    dir.setAutoRemove(false);
    c.m_folder = dir.path();
    // The postgres user only passes through our folder to its own two.
    QFile::setPermissions(c.m_folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                          | QFileDevice::ExeGroup | QFileDevice::ExeOther);
    for (const QString& path : {c.m_folder + u"/data"_s, c.socketFolder()}) {
        QDir().mkdir(path);
        handOver(path);
    }
    const QString data = c.m_folder + u"/data"_s;
    runTool(u"initdb"_s, {u"-D"_s, data, u"-U"_s, user(), u"-A"_s, u"trust"_s, u"-E"_s, u"UTF8"_s,
                          u"--locale=C.UTF-8"_s, u"--no-sync"_s});
    // Speed over safety: the cluster lives as long as the tests.
    const QString options = u"-k %1 -p %2 -c listen_addresses='' -c fsync=off -c full_page_writes=off "
                            "-c synchronous_commit=off -c max_connections=200"_s.arg(c.socketFolder()).arg(c.m_port);
    runTool(u"pg_ctl"_s, {u"-D"_s, data, u"-l"_s, data + u"/server.log"_s, u"-o"_s, options, u"-w"_s, u"start"_s});
    return c;
}

void PgCluster::stop()
{
    if (m_folder.isEmpty())
        return;
    try {
        runTool(u"pg_ctl"_s, {u"-D"_s, m_folder + u"/data"_s, u"-m"_s, u"immediate"_s, u"stop"_s});
    } catch (const AppError&) {
        // already gone: its folder goes all the same
    }
    QDir(m_folder).removeRecursively();
    m_folder.clear();
}

PgCluster PgCluster::readFrom(const QString& file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        fail(u"the cluster file %1 cannot be read (did the pg_cluster_start test run?)"_s.arg(file));
    PgCluster c;
    c.m_folder = QString::fromUtf8(f.readAll()).trimmed();
    return c;
}

void PgCluster::writeTo(const QString& file) const
{
    QFile f(file);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        fail(u"the cluster file %1 cannot be written"_s.arg(file));
    f.write(m_folder.toUtf8() + '\n');
}

PgCluster& PgCluster::shared()
{
    static PgCluster* cluster = [] {
        const QString file = qEnvironmentVariable("IJAR_TEST_PGCLUSTER");
        if (!file.isEmpty())
            return new PgCluster(readFrom(file));
        // The program's own cluster stops when its tests are over.
        qAddPostRoutine([] { shared().stop(); });
        return new PgCluster(start(QDir::tempPath()));
    }();
    return *cluster;
}

QString PgCluster::uri(const QString& database) const
{
    return ServerAddress{.host = socketFolder(), .port = m_port, .user = user(), .database = database, .options = {}}.uri();
}

void PgCluster::admin(const QString& sql) const
{
    Database db;
    db.open(uri(u"postgres"_s));
    db.executeNative(sql);
}

QString PgCluster::createDatabase(const QString& from)
{
    const QString name = newDatabaseName();
    admin(u"CREATE DATABASE %1"_s.arg(name) + (from.isEmpty() ? QString() : u" TEMPLATE "_s + from));
    return uri(name);
}

QString PgCluster::templateFor(bool demo)
{
    const QString name = demo ? u"ijar_demo_office"_s : u"ijar_office"_s;
    // Made once per cluster by whichever test program comes first; the others
    // wait on the lock and find it made.
    Database db;
    db.open(uri(u"postgres"_s));
    db.executeNative(u"SELECT pg_advisory_lock(%1)"_s.arg(demo ? 2 : 1));
    if (db.executeBound(u"SELECT 1 FROM pg_database WHERE datname = ?"_s, {name}).isEmpty()) {
        const QString building = name + u"_building"_s;
        db.executeNative(u"DROP DATABASE IF EXISTS %1"_s.arg(building));
        db.executeNative(u"CREATE DATABASE %1"_s.arg(building));
        NewDatabase::create(uri(building), demo);
        db.executeNative(u"ALTER DATABASE %1 RENAME TO %2"_s.arg(building, name));
    }
    db.executeNative(u"SELECT pg_advisory_unlock(%1)"_s.arg(demo ? 2 : 1));
    return name;
}

QString PgCluster::createOffice(bool demo)
{
    return createDatabase(templateFor(demo));
}

void PgCluster::dropDatabase(const QString& uri)
{
    admin(u"DROP DATABASE IF EXISTS %1 WITH (FORCE)"_s.arg(ServerAddress::parse(uri).database));
}
