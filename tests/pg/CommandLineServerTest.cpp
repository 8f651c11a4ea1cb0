#include "core/Database.h"
#include "support/PgCluster.h"
#include "support/ProgramRun.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

ProgramRun ijar(const QStringList& arguments)
{
    return runProgram(QStringLiteral(IJAR_BINARY), arguments, 300000);
}

}

// A new office made on a server, copied to a file and back to another server
// database, from the command line; a target with tables and a missing
// argument are refused.
TEST(CommandLineOnServer, CreatesAndCopiesAnOffice)
{
    QTemporaryDir dir;
    PgCluster& cluster = PgCluster::shared();
    const QString office = cluster.createDatabase(), again = cluster.createDatabase();
    const QString file = dir.filePath("office.db");
    const struct { QStringList args; int status; const char* says; } rows[] = {
        {{"--create-database", office, "--demo"}, 0, "ADMIN"},
        {{"--create-database", office}, 1, "already has tables"},
        {{"--copy-database", office, file}, 0, "every table compares equal"},
        {{"--copy-database", file, again}, 0, "CARPICTURE"},
        {{"--copy-database", file, office}, 1, "already has tables"},
        {{"--copy-database", file}, 2, "--copy-database needs FROM and TO"},
        {{"--help"}, 0, "--copy-database FROM TO"},
    };
    for (const auto& r : rows) {
        const ProgramRun run = ijar(r.args);
        EXPECT_EQ(run.status, r.status) << r.args.join(' ').toStdString() << ": " << run.err.toStdString();
        EXPECT_TRUE((run.out + run.err).contains(QString::fromUtf8(r.says), Qt::CaseInsensitive))
            << r.args.join(' ').toStdString() << ": " << (run.out + run.err).toStdString();
    }
    Database db;
    db.open(again);
    EXPECT_GT(db.execute("select count(*) from rent").value(0, 0).toInt(), 0);
    db.close();
    for (const QString& uri : {office, again})
        cluster.dropDatabase(uri);
}
