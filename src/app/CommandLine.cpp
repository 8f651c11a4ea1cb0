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
        } else if (a == QLatin1String("--demo-vat")) {
            cl.demo = true;
            cl.demoVat = true;
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
        } else if (a == QLatin1String("--copy-database")) {
            if (i + 2 >= arguments.size() || arguments[i + 1].startsWith(QLatin1String("--"))
                || arguments[i + 2].startsWith(QLatin1String("--")))
                return failWith(QStringLiteral("--copy-database needs FROM and TO"));
            cl.copyFrom = arguments[++i];
            cl.copyTo = arguments[++i];
            if (cl.action == Action::Run)
                cl.action = Action::CopyDatabase;
        } else if (a == QLatin1String("--restore") || a == QLatin1String("--to")) {
            if (i + 1 >= arguments.size() || arguments[i + 1].startsWith(QLatin1String("--")))
                return failWith(QStringLiteral("%1 needs a %2").arg(a, a == QLatin1String("--to") ? QStringLiteral("URI") : QStringLiteral("backup file")));
            (a == QLatin1String("--to") ? cl.restoreTo : cl.restoreFrom) = arguments[++i];
            if (a == QLatin1String("--restore") && cl.action == Action::Run)
                cl.action = Action::Restore;
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
    if (!cl.restoreTo.isEmpty() && cl.restoreFrom.isEmpty())
        return failWith(QStringLiteral("--to goes with --restore BACKUP"));
    if (cl.demo && cl.databaseToCreate.isEmpty())
        return failWith(QStringLiteral("%1 goes with --create-database PATH")
                            .arg(cl.demoVat ? QStringLiteral("--demo-vat") : QStringLiteral("--demo")));
    return cl;
}

QString CommandLine::usage()
{
    return QStringLiteral(
        "Usage: ijar [--home DIR] [--lang ar|en]\n"
        "       ijar --create-database PATH|URI [--demo | --demo-vat]\n"
        "       ijar --copy-database FROM TO\n"
        "       ijar --restore BACKUP [--home DIR] [--to URI]\n"
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
        "  --create-database URI   the same in an existing, empty database on a PostgreSQL\n"
        "                          server: postgresql://user@host:port/dbname, or\n"
        "                          postgresql:///dbname?host=/socket/folder; the password\n"
        "                          comes from ~/.pgpass or PGPASSWORD, never from the URI\n"
        "  --demo                  with --create-database: add a small demo office\n"
        "  --demo-vat              the same office in Saudi riyals with VAT at 15%, and\n"
        "                          closed contracts and receipts with their tax invoices\n"
        "  --copy-database FROM TO copy a whole office, file or URI either way, into a new\n"
        "                          file or an empty server database; ends by comparing the\n"
        "                          rows and a checksum of every table\n"
        "  --restore BACKUP        put a log-off backup back in place of the office's database\n"
        "                          (the home folder's, see --home) after checking it; the\n"
        "                          database there is kept as <name>.before-restore-<time>;\n"
        "                          refused while the program runs on that home folder\n"
        "  --to URI                with --restore: a server office's backup goes into this\n"
        "                          existing, empty server database instead\n"
        "  --version               print the version\n"
        "  --help                  print this text\n");
}
