#include "CommandLine.h"

CommandLine CommandLine::parse(const QStringList& arguments)
{
    CommandLine cl;
    auto failWith = [&cl](const QString& text) {
        cl.action = Action::Error;
        cl.error = text;
        return cl;
    };
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            cl.action = Action::Help;
        } else if (a == QLatin1String("--version") || a == QLatin1String("-v")) {
            cl.action = Action::Version;
        } else if (a == QLatin1String("--demo")) {
            cl.demo = true;
        } else if (a == QLatin1String("--home") || a == QLatin1String("--create-database")) {
            if (i + 1 >= arguments.size() || arguments[i + 1].startsWith(QLatin1String("--")))
                return failWith(QStringLiteral("%1 needs a path").arg(a));
            if (a == QLatin1String("--home")) {
                cl.home = arguments[++i];
            } else {
                cl.databaseToCreate = arguments[++i];
                if (cl.action == Action::Run)
                    cl.action = Action::CreateDatabase;
            }
        } else if (a.startsWith(QLatin1String("--home="))) {
            cl.home = a.mid(7);
        } else if (a == QLatin1String("--lang") || a.startsWith(QLatin1String("--lang="))) {
            QString code;
            if (a.contains(QLatin1Char('=')))
                code = a.mid(7);
            else if (i + 1 < arguments.size())
                code = arguments[++i];
            cl.language = Translations::fromCode(code);
            if (!cl.language)
                return failWith(QStringLiteral("--lang takes ar or en, not \"%1\"").arg(code));
        } else if (a.startsWith(QLatin1String("-platform")) || a.startsWith(QLatin1String("-style"))) {
            ++i;  // Qt's own options, handled by the application object
        } else {
            return failWith(QStringLiteral("unknown option: %1").arg(a));
        }
    }
    if (cl.demo && cl.databaseToCreate.isEmpty())
        return failWith(QStringLiteral("--demo goes with --create-database PATH"));
    return cl;
}

QString CommandLine::usage()
{
    return QStringLiteral(
        "Usage: ijar [--home DIR] [--lang ar|en]\n"
        "       ijar --create-database PATH [--demo]\n"
        "       ijar --version | --help\n"
        "\n"
        "  --home DIR              folder of the ini file, the default database (fdk.db),\n"
        "                          logs and backups (default: $IJAR_HOME, else the program's\n"
        "                          folder for a portable install, else ~/.local/share/ijar)\n"
        "  --lang ar|en            the interface language: Arabic (ar), or the English source\n"
        "                          texts (en); without it Arabic, unless the desktop's first\n"
        "                          language (LANGUAGE) is English\n"
        "  --create-database PATH  make a new database with the operator ADMIN (password ADMIN);\n"
        "                          an existing file is never overwritten\n"
        "  --demo                  with --create-database: add a small demo office\n"
        "  --version               print the version\n"
        "  --help                  print this text\n");
}
