#include "office/NewDatabase.h"

#include "accounting/AccountingShipped.h"
#include "accounting/LedgerSetup.h"
#include "accounting/ReceiptRules.h"
#include "core/AppError.h"
#include "core/Cipher.h"
#include "core/Configuration.h"
#include "core/Database.h"
#include "core/HomeFolder.h"
#include "core/JetTranslator.h"
#include "core/OwnerOnly.h"
#include "core/PasswordHash.h"
#include "core/ServerAddress.h"
#include "demo/DemoOffice.h"
#include "office/ScreenMetadata.h"
#include "reminders/ReminderRules.h"
#include "rental/RentalShipped.h"
#include "schema/Schema.h"

#include <QFile>
#include <QFileInfo>

static const QString Source = QStringLiteral("NewDatabase");

QList<QPair<QString, QString>> NewDatabase::configDefaults()
{
    return {
        {QStringLiteral("APPTITLE"), QStringLiteral("إيجار - تأجير السيارات")},
        {QStringLiteral("LICENSEDESCRIPTION"), QStringLiteral("إيجار - نظام تأجير السيارات")},
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
        {QStringLiteral("CURRENCYSUFFIX"), Configuration::defaultCurrencySuffix()},
        {QStringLiteral("EXTRAMILESFLAT"), QStringLiteral("0")},
        {QStringLiteral("EXTRAMILESPERCENT"), QStringLiteral("0")},
        {QStringLiteral("VATON"), QStringLiteral("0")},
        {QStringLiteral("VATRATE"), QStringLiteral("15")},
        {QStringLiteral("VATNUMBER"), QString()},
        {QStringLiteral("VATNAMEAR"), QString()},
        {QStringLiteral("VATNAMEEN"), QString()},
    };
}

ShippedRows NewDatabase::shippedRows()
{
    return {[](Database& db) {
                ReportSetup::insertWhenNone(db, ReportSetup::rentalReports() + ReportSetup::ledgerReports()
                                                    + ReportSetup::taxInvoiceReports());
            },
            ScreenMetadata::insertAll, LedgerSetup::postChequesToTheBank, ReminderRules::upgrade, [](Database& db) {
                // A new office is still empty here: it gets all of it a moment later.
                if (db.execute(QStringLiteral("select count(*) from _WINDOWTABLE")).value(0, 0).toInt() == 0)
                    return;
                ScreenMetadata::reservations(db);
                ReminderRules::addReservationRules(db);
            },
            [](Database& db) {
                ScreenMetadata::receipts(db);
                ReportSetup::addTaxInvoiceReports(db);
                if (db.execute(QStringLiteral("select count(*) from chartofaccount")).value(0, 0).toInt() == 0)
                    return;
                LedgerSetup::addCounterAccounts(db);
                ScreenMetadata::contractMoney(db);
            },
            [](Database& db) {
                // Each adds only what the office lacks: a new one has it all already or gets it later.
                ScreenMetadata::customerIdExpiry(db);
                ReportSetup::addContractCondition(db);
                // A new office gets its accounts and rules with the rest, a moment later.
                if (db.execute(QStringLiteral("select count(*) from chartofaccount")).value(0, 0).toInt() == 0)
                    return;
                ScreenMetadata::carCondition(db);
            },
            [](Database& db) {
                // The receipt rules of an advance's VAT, and the invoice's rows after its totals.
                ScreenMetadata::receipts(db);
                ReportSetup::addAdvanceRows(db);
            }};
}

QList<SchemaStep> NewDatabase::history()
{
    return Schema::steps(shippedRows());
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
                   {QStringLiteral("PASSWRD"), PasswordHash::make(login)},
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

void NewDatabase::fill(Database& db, bool demo, bool vat)
{
    Transaction transaction(db);
    if (db.dialect() == SqlDialect::PostgreSQL) {
        for (const QString& function : JetTranslator::postgresHelperFunctions())
            db.executeNative(function);
    }
    Schema::create(db, shippedRows());
    insertDefaults(db);
    ScreenMetadata::insertAll(db);
    LedgerSetup::insertChart(db);
    LedgerSetup::insertRules(db);
    ReceiptRules::insert(db);
    ReminderRules::insert(db);
    if (demo)
        DemoOffice::insert(db, vat);
    transaction.commit();
}

void NewDatabase::createOnServer(const QString& uri, bool demo, bool vat)
{
    Database db;
    db.open(uri);
    // The server's database is made by its administrator; the office goes
    // into it only while it is empty, so that nothing of anyone's is mixed in.
    if (const QStringList found = db.tables(); !found.isEmpty())
        throw AppError(HasTables,
                       QStringLiteral("The database %1 already has tables (%2); a new office goes only into an "
                                      "empty database.")
                           .arg(uri, found.mid(0, 5).join(QStringLiteral(", "))),
                       Source);
    // All or nothing: on a failure the transaction leaves the database empty.
    fill(db, demo, vat);
    db.close();
}

void NewDatabase::create(const QString& path, bool demo, bool vat)
{
    if (ServerAddress::isServer(path)) {
        createOnServer(path, demo, vat);
        return;
    }
    if (QFileInfo::exists(path))
        throw AppError(FileExists,
                       QStringLiteral("The file %1 already exists; a new database is never "
                                      "written over an existing file.")
                           .arg(path),
                       Source);

    // A first office goes where the program will look for it, into a home
    // folder that a new user does not have yet.
    const QString folder = QFileInfo(path).absolutePath();
    if (!OwnerOnly::makeFolder(folder))
        throw AppError(HomeFolder::PathNotFound,
                       QStringLiteral("The folder %1 does not exist and cannot be created.").arg(folder),
                       Source);
    Database db;
    try {
        db.open(path, /*create=*/true);
        fill(db, demo, vat);
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
