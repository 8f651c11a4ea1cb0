#include "schema/PasswordUpgrade.h"

#include "core/AppError.h"
#include "core/Cipher.h"
#include "core/Database.h"
#include "core/PasswordHash.h"
#include "schema/Schema.h"
#include "schema/SchemaTables.h"

void PasswordUpgrade::apply(Database& db)
{
    Schema::createTables(db, {SchemaTables::storedLogins()});
    const RowSet operators = db.executeBound(QStringLiteral("SELECT operatorid, passwrd FROM operator"), {});
    for (int i = 0; i < operators.count(); ++i) {
        const QString stored = operators.value(i, 1).toString();
        if (stored.isEmpty() || PasswordHash::isHash(stored))
            continue;
        QVariant hash(QMetaType::fromType<QString>());
        try {
            hash = PasswordHash::make(Cipher::Decrypt(stored));
        } catch (const AppError&) {
            // a text the cipher never made matched no password: it stays unmatched
        }
        db.executeBound(QStringLiteral("UPDATE operator SET passwrd = ? WHERE operatorid = ?"),
                        {hash, operators.value(i, 0)});
    }
    db.executeBound(QStringLiteral("DELETE FROM _windowtabledetails WHERE windowcontrol = ?"),
                    {QStringLiteral("dfsEncryptedPassword")});
    db.executeBound(QStringLiteral("DELETE FROM _journaldetails WHERE controlname = ?"),
                    {QStringLiteral("dfsEncryptedPassword")});
}
