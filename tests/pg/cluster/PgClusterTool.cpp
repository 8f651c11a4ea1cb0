// Starts or stops the PostgreSQL cluster that the "pg:" tests of one ctest run
// share: pgcluster start FILE / pgcluster stop FILE.
#include "core/AppError.h"
#include "support/PgCluster.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: pgcluster start|stop FILE\n");
        return 2;
    }
    try {
        // A cluster left by an interrupted run goes first.
        if (QFile::exists(args[2]))
            PgCluster::readFrom(args[2]).stop();
        QFile::remove(args[2]);
        if (args[1] == QLatin1String("start"))
            PgCluster::start(QDir::tempPath()).writeTo(args[2]);
    } catch (const AppError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.description()));
        return 1;
    }
    return 0;
}
