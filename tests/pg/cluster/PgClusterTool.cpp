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
    if (args.size() != 3 || (args[1] != QLatin1String("start") && args[1] != QLatin1String("stop"))) {
        std::fprintf(stderr, "usage: pgcluster start|stop FILE\n");
        return 2;
    }
    const QString file = args[2];
    try {
        if (args[1] == QLatin1String("start")) {
            // A cluster left by an interrupted run goes first.
            if (QFile::exists(file))
                PgCluster::readFrom(file).stop();
            PgCluster::start(QDir::tempPath()).writeTo(file);
        } else {
            PgCluster::readFrom(file).stop();
            QFile::remove(file);
        }
    } catch (const AppError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.description()));
        return 1;
    }
    return 0;
}
