// Writes the document templates the program ships into a folder, so that the
// package carries them as files an office's administrator can open.
#include "reports/ShippedTemplates.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    QTextStream err(stderr);
    if (arguments.size() != 2) {
        err << "usage: ijar_write_templates FOLDER\n";
        return 2;
    }
    const QDir folder(arguments.at(1));
    ShippedTemplates::installMissing(folder.path());
    for (const QString& name : ShippedTemplates::names()) {
        if (!folder.exists(name)) {
            err << "ijar_write_templates: " << name << " was not written into " << folder.path() << "\n";
            return 1;
        }
    }
    return 0;
}
