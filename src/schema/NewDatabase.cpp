#include "schema/NewDatabase.h"

#include "schema/DemoOffice.h"
#include "schema/LedgerSetup.h"
#include "schema/ReminderRules.h"
#include "schema/Schema.h"
#include "schema/ScreenMetadata.h"
#include "shell/base/AppError.h"
#include "shell/base/Cipher.h"
#include "shell/base/Database.h"

#include <QFile>
#include <QFileInfo>

static const QString Source = QStringLiteral("NewDatabase");

QList<QPair<QString, QString>> NewDatabase::configDefaults()
{
    return {
        {QStringLiteral("APPTITLE"), QStringLiteral("إيجار - تأجير السيارات")},
        {QStringLiteral("LICENSEDESCRIPTION"), QStringLiteral("Ijar - car rental front office")},
        {QStringLiteral("EMAILADDRESS"), QString()},
        {QStringLiteral("WEBSITEADDRESS"), QString()},
        {QStringLiteral("SHOWERRORS"), QStringLiteral("1")},
        {QStringLiteral("USEROUTER"), QStringLiteral("0")},
        {QStringLiteral("SHOWSCREENNAME"), QStringLiteral("0")},
        {QStringLiteral("SHOWFIELDNAME"), QStringLiteral("0")},
        {QStringLiteral("FILS"), QStringLiteral("فلس")},
        {QStringLiteral("POUND"), QStringLiteral("دينار كويتي")},
        {QStringLiteral("TWOPOUNDS"), QStringLiteral("ديناران كويتيان")},
        {QStringLiteral("POUNDS"), QStringLiteral("دنانير كويتية")},
        {QStringLiteral("EXTRAMILESFLAT"), QStringLiteral("0")},
        {QStringLiteral("EXTRAMILESPERCENT"), QStringLiteral("0")},
    };
}

void NewDatabase::insertDefaults(Database& db)
{
    for (const auto& [entry, value] : configDefaults()) {
        // An empty entry is stored as an empty text, not as null: the address
        // entries exist but say nothing yet.
        db.insert(QStringLiteral("_CONFIG"), QStringLiteral("CONFIGID"),
                  {{QStringLiteral("entry"), entry},
                   {QStringLiteral("entryvalue"), value.isNull() ? QStringLiteral("") : value}});
    }

    const QString login = QString::fromLatin1(AdminLogin);
    const qint64 operatorId =
        db.insert(QStringLiteral("OPERATOR"), QStringLiteral("OPERATORID"),
                  {{QStringLiteral("LOGINID"), login},
                   {QStringLiteral("PASSWRD"), Cipher::Encrypt(login)},
                   {QStringLiteral("operatorname"), QStringLiteral("مدير النظام")},
                   {QStringLiteral("storepassword"), 0},
                   {QStringLiteral("OPERATORSUSPENDED"), 0},
                   {QStringLiteral("FavouriteWindow"), QStringLiteral("")}});

    // Every button of every menu.
    for (const char* menu : {"F1M", "F2M", "F3M", "F4M", "F5M"}) {
        QList<Database::Field> fields{{QStringLiteral("operatorid"), operatorId},
                                      {QStringLiteral("menu_name"), QString::fromLatin1(menu)}};
        for (int button = 1; button <= 9; ++button)
            fields.append({QStringLiteral("command%1").arg(button), 1});
        db.insert(QStringLiteral("group_func"), QStringLiteral("GROUPFUNCID"), fields);
    }
}

void NewDatabase::create(const QString& path, bool demo)
{
    if (QFileInfo::exists(path))
        throw AppError(FileExists,
                       QStringLiteral("The file %1 already exists; a new database is never "
                                      "written over an existing file.")
                           .arg(path),
                       Source);

    Database db;
    try {
        db.open(path, /*create=*/true);
        Transaction transaction(db);
        Schema::create(db);
        insertDefaults(db);
        ScreenMetadata::insertAll(db);
        LedgerSetup::insertChart(db);
        LedgerSetup::insertRules(db);
        ReminderRules::insert(db);
        if (demo)
            DemoOffice::insert(db);
        transaction.commit();
        db.close();
    } catch (...) {
        // The file is ours (it did not exist): leave nothing half-made behind.
        if (db.isOpen())
            db.close();
        for (const char* suffix : {"", "-journal", "-wal", "-shm"})
            QFile::remove(path + QString::fromLatin1(suffix));
        throw;
    }
}
