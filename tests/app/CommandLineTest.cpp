#include "core/Database.h"
#include "support/ProgramRun.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

ProgramRun ijar(const QStringList& arguments)
{
    return runProgram(QStringLiteral(IJAR_BINARY), arguments, 60000);
}

}

TEST(CommandLine, AnswersAndRefusals)
{
    const struct { QStringList args; int status; const char* says; } rows[] = {
        {{QStringLiteral("--version")}, 0, "ijar 1."},
        {{QStringLiteral("--help")}, 0, "--create-database PATH"},
        {{QStringLiteral("--bogus")}, 2, "unknown option: --bogus"},
        {{QStringLiteral("--home")}, 2, "--home needs a path"},
        {{QStringLiteral("--create-database")}, 2, "--create-database needs a path"},
        {{QStringLiteral("--demo")}, 2, "--demo goes with --create-database"},
        {{QStringLiteral("--help")}, 0, "--lang ar|en"},
        {{QStringLiteral("--lang"), QStringLiteral("fr")}, 2, "--lang takes ar or en, not \"fr\""},
        {{QStringLiteral("--lang=de")}, 2, "--lang takes ar or en, not \"de\""},
        {{QStringLiteral("--lang")}, 2, "--lang takes ar or en"},
        {{QStringLiteral("--lang"), QStringLiteral("fr")}, 2, "Usage: ijar"},
        {{QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("--version")}, 0, "ijar 1."},
        {{QStringLiteral("--lang=ar"), QStringLiteral("--version")}, 0, "ijar 1."},
    };
    for (const auto& r : rows) {
        const ProgramRun run = ijar(r.args);
        EXPECT_EQ(run.status, r.status) << r.args.join(' ').toStdString();
        EXPECT_TRUE((run.out + run.err).contains(QString::fromUtf8(r.says)))
            << r.args.join(' ').toStdString() << ": " << (run.out + run.err).toStdString();
    }
}

TEST(CommandLine, CreatesADatabaseOnceAndNeverOverwrites)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("office.db"));
    const ProgramRun first = ijar({QStringLiteral("--create-database"), path, QStringLiteral("--demo")});
    ASSERT_EQ(first.status, 0) << first.err.toStdString();
    EXPECT_TRUE(first.out.contains(QStringLiteral("ADMIN")));
    {
        Database db;
        db.open(path);
        EXPECT_EQ(db.execute(QStringLiteral("select * from group_func where operatorid = "
                                            "(select operatorid from operator where loginid = 'ADMIN')")).count(), 5);
        EXPECT_GT(db.execute(QStringLiteral("select * from car")).count(), 0) << "the demo office has cars";
    }
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray before = f.readAll();
    f.close();
    const ProgramRun second = ijar({QStringLiteral("--create-database"), path});
    EXPECT_EQ(second.status, 1);
    EXPECT_FALSE(second.err.isEmpty());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);
}
