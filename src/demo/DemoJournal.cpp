#include "demo/DemoJournal.h"

#include "core/Database.h"
#include "core/StoredDate.h"

#include <QDate>

qint64 DemoJournal::open(Database& db, const QString& name, const QDate& day, double amount, const QString& window)
{
    QList<Database::Field> fields{{QStringLiteral("NAME"), name},
                                  {QStringLiteral("AMOUNT"), amount},
                                  {QStringLiteral("TRANSACTIONDATE"), StoredDate::number(day)}};
    if (!window.isEmpty())
        fields.append({QStringLiteral("WINDOWNAME"), window});
    return db.insert(QStringLiteral("JOURNAL"), QStringLiteral("JOURNALID"), fields);
}

void DemoJournal::add(Database& db, qint64 journal, const QDate& day, const QList<Line>& lines)
{
    for (const Line& line : lines)
        if (line.amount != 0)
            db.insert(QStringLiteral("JOURNALDETAIL"), QStringLiteral("JOURNALDETAILID"),
                      {{QStringLiteral("JOURNALID"), journal},
                       {QStringLiteral("TRANSACTIONDATE"), StoredDate::number(day)},
                       {QStringLiteral("AMOUNT"), line.amount},
                       {QStringLiteral("ACCOUNTNUMBER"), line.account},
                       {QStringLiteral("RELATEDDETAIL"), line.text},
                       {QStringLiteral("DEBITORCREDIT"), line.debit ? 1 : 0}});
}

qint64 DemoJournal::post(Database& db, const QString& name, const QDate& day, double amount, const QList<Line>& lines,
                         const QString& window)
{
    const qint64 journal = open(db, name, day, amount, window);
    add(db, journal, day, lines);
    return journal;
}
