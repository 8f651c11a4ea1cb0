#pragma once

#include "core/Translations.h"

#include <QString>
#include <QStringList>
#include <optional>

// What the command line asks for. Parsed before any application object
// exists, so that --help, --version, --create-database, --copy-database and
// --restore need no display.
struct CommandLine {
    enum class Action { Run, Help, Version, CreateDatabase, CopyDatabase, Restore, Error };

    Action action = Action::Run;
    QString home;
    QString databaseToCreate;
    bool demo = false;
    // The demo office in Saudi riyals with VAT and tax invoices.
    bool demoVat = false;
    QString copyFrom;
    QString copyTo;
    QString restoreFrom;
    // An empty server database a server office's backup goes into.
    QString restoreTo;
    // Nothing when the desktop decides.
    std::optional<Translations::Language> language;
    QString error;

    static CommandLine parse(const QStringList& arguments);
    static QString usage();
};
