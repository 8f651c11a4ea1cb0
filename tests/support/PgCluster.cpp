#include "support/PgCluster.h"

#include "core/AppError.h"
#include "core/Database.h"
#include "core/ServerAddress.h"
#include "office/NewDatabase.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QVersionNumber>
#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

namespace {

const QString Source = QStringLiteral("PgCluster");

[[noreturn]] void fail(const QString& text)
{
    throw AppError(ErrorNumber::DatabaseFailure, text, Source);
}

bool asRoot() { return ::geteuid() == 0; }

// Runs one of the server's programs, as the postgres user when we are root.
void runTool(const QString& tool, const QStringList& arguments)
{
    QString program = PgCluster::binFolder() + u'/' + tool;
    QStringList args = arguments;
    if (asRoot()) {
        args.prepend(program);
        args.prepend(QStringLiteral("--"));
        args.prepend(QStringLiteral("postgres"));
        args.prepend(QStringLiteral("-u"));
        program = QStringLiteral("runuser");
    }
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        fail(QStringLiteral("%1 failed: %2").arg(tool, QString::fromLocal8Bit(p.readAll())));
}

void handOver(const QString& path)
{
    if (!asRoot())
        return;
    const passwd* pw = ::getpwnam("postgres");
    if (!pw || ::chown(QFile::encodeName(path).constData(), pw->pw_uid, pw->pw_gid) != 0)
        fail(QStringLiteral("%1 cannot be handed to the postgres user").arg(path));
}

QAtomicInt databaseCounter;

// Unique across the test programs that share one cluster.
QString newDatabaseName()
{
    return QStringLiteral("t%1_%2_%3")
        .arg(QCoreApplication::applicationPid())
        .arg(databaseCounter.fetchAndAddRelaxed(1))
        .arg(QRandomGenerator::global()->bounded(1000000));
}

// Stops the program's own cluster when its tests are over.
class OwnCluster : public ::testing::Environment {
public:
    explicit OwnCluster(PgCluster* cluster) : m_cluster(cluster) {}
    void TearDown() override { m_cluster->stop(); }

private:
    PgCluster* m_cluster;
};

}

QString PgCluster::binFolder()
{
    // Debian keeps each major version's programs apart; the newest serves.
    QString best;
    QVersionNumber bestVersion;
    const QDir root(QStringLiteral("/usr/lib/postgresql"));
    for (const QString& version : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QVersionNumber v = QVersionNumber::fromString(version);
        if (QFile::exists(root.filePath(version + QStringLiteral("/bin/initdb"))) && v > bestVersion) {
            bestVersion = v;
            best = root.filePath(version + QStringLiteral("/bin"));
        }
    }
    if (best.isEmpty())
        fail(QStringLiteral("PostgreSQL is not installed (Debian package postgresql); ./ijar.sh test installs it"));
    return best;
}

PgCluster PgCluster::start(const QString& parent)
{
    PgCluster c;
    QDir().mkpath(parent);
    QTemporaryDir dir(parent + QStringLiteral("/ijar-pg-XXXXXX"));
    if (!dir.isValid())
        fail(QStringLiteral("no temporary folder for the cluster in %1").arg(parent));
    dir.setAutoRemove(false);
    c.m_folder = dir.path();
    // The postgres user only passes through our folder to its own two.
    QFile::setPermissions(c.m_folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                          | QFileDevice::ExeGroup | QFileDevice::ExeOther);
    for (const char* sub : {"data", "socket"}) {
        const QString path = c.m_folder + u'/' + QLatin1String(sub);
        QDir().mkdir(path);
        handOver(path);
    }
    const QString data = c.m_folder + QStringLiteral("/data");
    runTool(QStringLiteral("initdb"), {QStringLiteral("-D"), data, QStringLiteral("-U"), user(),
                                       QStringLiteral("-A"), QStringLiteral("trust"), QStringLiteral("-E"),
                                       QStringLiteral("UTF8"), QStringLiteral("--locale=C.UTF-8"),
                                       QStringLiteral("--no-sync")});
    // Speed over safety: the cluster lives as long as the tests.
    const QString options = QStringLiteral("-k %1 -p %2 -c listen_addresses='' -c fsync=off -c full_page_writes=off "
                                           "-c synchronous_commit=off -c max_connections=200")
                                .arg(c.socketFolder())
                                .arg(c.m_port);
    runTool(QStringLiteral("pg_ctl"), {QStringLiteral("-D"), data, QStringLiteral("-l"),
                                       data + QStringLiteral("/server.log"), QStringLiteral("-o"), options,
                                       QStringLiteral("-w"), QStringLiteral("start")});
    return c;
}

void PgCluster::stop()
{
    if (m_folder.isEmpty())
        return;
    try {
        runTool(QStringLiteral("pg_ctl"), {QStringLiteral("-D"), m_folder + QStringLiteral("/data"),
                                           QStringLiteral("-m"), QStringLiteral("immediate"), QStringLiteral("stop")});
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
        fail(QStringLiteral("the cluster file %1 cannot be read (did the pg_cluster_start test run?)").arg(file));
    const QStringList lines = QString::fromUtf8(f.readAll()).split(u'\n');
    PgCluster c;
    c.m_folder = lines.value(0);
    c.m_port = lines.value(1).toInt();
    return c;
}

void PgCluster::writeTo(const QString& file) const
{
    QFile f(file);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        fail(QStringLiteral("the cluster file %1 cannot be written").arg(file));
    f.write(QStringLiteral("%1\n%2\n").arg(m_folder).arg(m_port).toUtf8());
}

PgCluster& PgCluster::shared()
{
    static PgCluster* cluster = [] {
        const QString file = qEnvironmentVariable("IJAR_TEST_PGCLUSTER");
        if (!file.isEmpty())
            return new PgCluster(readFrom(file));
        auto* own = new PgCluster(start(QDir::tempPath()));
        ::testing::AddGlobalTestEnvironment(new OwnCluster(own));
        return own;
    }();
    return *cluster;
}

QString PgCluster::uri(const QString& database) const
{
    ServerAddress a;
    a.host = socketFolder();
    a.port = m_port;
    a.user = user();
    a.database = database;
    return a.uri();
}

void PgCluster::admin(const QString& sql) const
{
    Database db;
    db.open(uri(QStringLiteral("postgres")));
    db.executeNative(sql);
}

QString PgCluster::createDatabase()
{
    const QString name = newDatabaseName();
    admin(QStringLiteral("CREATE DATABASE %1").arg(name));
    return uri(name);
}

QString PgCluster::templateFor(bool demo)
{
    const QString name = demo ? QStringLiteral("ijar_demo_office") : QStringLiteral("ijar_office");
    // Made once per cluster by whichever test program comes first; the others
    // wait on the lock and find it made.
    Database db;
    db.open(uri(QStringLiteral("postgres")));
    db.executeNative(QStringLiteral("SELECT pg_advisory_lock(%1)").arg(demo ? 2 : 1));
    if (db.executeBound(QStringLiteral("SELECT 1 FROM pg_database WHERE datname = ?"), {name}).isEmpty()) {
        const QString building = name + QStringLiteral("_building");
        db.executeNative(QStringLiteral("DROP DATABASE IF EXISTS %1").arg(building));
        db.executeNative(QStringLiteral("CREATE DATABASE %1").arg(building));
        NewDatabase::create(uri(building), demo);
        db.executeNative(QStringLiteral("ALTER DATABASE %1 RENAME TO %2").arg(building, name));
    }
    db.executeNative(QStringLiteral("SELECT pg_advisory_unlock(%1)").arg(demo ? 2 : 1));
    return name;
}

QString PgCluster::createOffice(bool demo)
{
    const QString from = templateFor(demo);
    const QString name = newDatabaseName();
    admin(QStringLiteral("CREATE DATABASE %1 TEMPLATE %2").arg(name, from));
    return uri(name);
}

void PgCluster::dropDatabase(const QString& uri)
{
    const QString name = ServerAddress::parse(uri).database;
    admin(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(name));
}
