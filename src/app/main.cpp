#include "CommandLine.h"

#include "app/Wiring.h"
#include "core/AppError.h"
#include "core/HomeFolder.h"
#include "core/LocalZone.h"
#include "core/OwnerOnly.h"
#include "core/QtUI.h"
#include "core/RunState.h"
#include "core/Translations.h"
#include "office/NewDatabase.h"
#include "office/OfficeCopy.h"
#include "shell/BackupRestore.h"
#include "shell/HomeLock.h"
#include "shell/StartUp.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QTextStream>

namespace {

int createDatabase(const CommandLine& cl)
{
    QTextStream out(stdout), err(stderr);
    try {
        NewDatabase::create(cl.databaseToCreate, cl.demo, cl.demoVat);
    } catch (const AppError& e) {
        err << "ijar: " << e.description() << "\n";
        return 1;
    }
    out << "created " << cl.databaseToCreate << (cl.demo ? " with a demo office" : "")
        << (cl.demoVat ? " in Saudi riyals, with VAT at 15% and tax invoices" : "") << "\n"
        << "first login: ADMIN, password ADMIN\n";
    return 0;
}

int copyDatabase(const CommandLine& cl)
{
    QTextStream out(stdout), err(stderr);
    int differing = 0;
    try {
        const auto progress = [&out](const QString& line) { out << line << Qt::endl; };
        for (const OfficeCopy::TableCheck& check : OfficeCopy::copy(cl.copyFrom, cl.copyTo, progress))
            differing += check.same() ? 0 : 1;
    } catch (const AppError& e) {
        err << "ijar: " << e.description() << "\n";
        return 1;
    }
    if (differing > 0) {
        err << "ijar: " << differing << " tables differ between " << cl.copyFrom << " and " << cl.copyTo << "\n";
        return 1;
    }
    out << "copied " << cl.copyFrom << " to " << cl.copyTo << "; every table compares equal\n";
    return 0;
}

int restoreBackup(const CommandLine& cl)
{
    QTextStream out(stdout), err(stderr);
    try {
        if (!cl.restoreTo.isEmpty()) {
            BackupRestore::restoreServer(cl.restoreFrom, cl.restoreTo);
            out << "restored " << cl.restoreFrom << " into " << cl.restoreTo << "\n";
            return 0;
        }
        const QString home = HomeFolder::resolve(cl.home);
        // The program running on this folder would go on with the old database.
        HomeLock lock(QDir(home).filePath(StartUp::lockFileName()));
        if (lock.take() == HomeLock::Outcome::HeldElsewhere) {
            err << "ijar: the program is running on " << home << " (computer " << lock.holderHost() << ", process "
                << lock.holderPid() << "); close it, then restore\n";
            return 1;
        }
        const QString database = BackupRestore::officeDatabase(home);
        const QString kept = BackupRestore::restoreFile(cl.restoreFrom, database, QDateTime::currentDateTime());
        out << "restored " << cl.restoreFrom << " as " << database << "\n";
        if (!kept.isEmpty())
            out << "the database that was there is kept as " << kept << "\n";
    } catch (const AppError& e) {
        err << "ijar: " << e.description() << "\n";
        return 1;
    }
    return 0;
}

}

int main(int argc, char** argv)
{
    OwnerOnly::restrictProcess();
    LocalZone::pin();
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine cl = CommandLine::parse(arguments);

    switch (cl.action) {
    case CommandLine::Action::Error:
        QTextStream(stderr) << "ijar: " << cl.error << "\n\n" << CommandLine::usage();
        return 2;
    case CommandLine::Action::Help:
        QTextStream(stdout) << CommandLine::usage();
        return 0;
    case CommandLine::Action::Version:
        QTextStream(stdout) << "ijar " << RunState::version() << "\n";
        return 0;
    case CommandLine::Action::CreateDatabase: {
        QCoreApplication app(argc, argv);
        return createDatabase(cl);
    }
    case CommandLine::Action::CopyDatabase: {
        QCoreApplication app(argc, argv);
        return copyDatabase(cl);
    }
    case CommandLine::Action::Restore: {
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("ijar"));
        return restoreBackup(cl);
    }
    case CommandLine::Action::Run:
        break;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ijar"));
    for (const QString& problem : Translations::apply(Translations::choose(cl.language)))
        QTextStream(stderr) << "ijar: " << problem << "\n";

    QString home;
    try {
        home = HomeFolder::resolve(cl.home);
    } catch (const AppError& e) {
        QTextStream(stderr) << "ijar: " << e.description() << "\n";
        return 1;
    }
    RunState state(home, std::make_unique<QtUI>());
    Wiring wiring(state);
    wiring.start();
    return app.exec();
}
