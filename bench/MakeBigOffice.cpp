// make-big-office [--scale S] [--today yyyy-MM-dd] FILE|postgresql://URI: an
// office after ten years of work (scale 1), or a younger one, for the
// benchmarks. The file or the server database must not hold an office yet.
#include "BigOffice.h"

#include "core/AppError.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ijar"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Makes a big office for the benchmarks."));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("scale"), QStringLiteral("1 is ten years of work."), QStringLiteral("S"),
                      QStringLiteral("1")});
    parser.addOption({QStringLiteral("today"), QStringLiteral("The day the office has reached."),
                      QStringLiteral("yyyy-MM-dd")});
    parser.addPositionalArgument(QStringLiteral("office"), QStringLiteral("A new database file or a postgresql:// URI."));
    parser.process(app);
    QTextStream err(stderr);
    bool ok = false;
    const double scale = parser.value(QStringLiteral("scale")).toDouble(&ok);
    const QDate today = parser.isSet(QStringLiteral("today"))
                            ? QDate::fromString(parser.value(QStringLiteral("today")), Qt::ISODate)
                            : QDate::currentDate();
    if (!ok || scale <= 0 || scale > 10 || !today.isValid() || parser.positionalArguments().size() != 1) {
        err << "make-big-office [--scale S (0 to 10)] [--today yyyy-MM-dd] FILE|postgresql://URI\n";
        return 2;
    }
    try {
        QElapsedTimer timer;
        timer.start();
        BigOffice(scale).make(parser.positionalArguments().constFirst(), today);
        err << "made in " << timer.elapsed() / 1000.0 << " s\n";
    } catch (const AppError& e) {
        err << e.description() << '\n';
        return 1;
    }
    return 0;
}
