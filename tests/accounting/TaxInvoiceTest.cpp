// Invoice numbers taken by two workstations whose transactions overlap: the
// second one waits for the first to end, and the sequence has neither gap nor
// duplicate whatever the first did. The advances a contract's invoice deducts.
#include "accounting/AdvanceDeduction.h"
#include "accounting/TaxInvoice.h"
#include "core/Database.h"
#include "support/TestOffice.h"

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;

const TaxInvoice::Amounts Billed{100, 15, 15, 115};

QStringList stored(Database& db)
{
    const RowSet rows = db.execute(u"select INVOICENO, SOURCEID, GROSSAMOUNT from TAXINVOICE order by INVOICENO"_s);
    QStringList lines;
    for (int i = 0; i < rows.count(); ++i)
        lines << rows.text(i, u"INVOICENO"_s) + ':' + rows.text(i, u"SOURCEID"_s) + '=' + QString::number(rows.value(i, 2).toDouble());
    return lines + QStringList{u"last "_s + db.execute(u"select LASTNUMBER from INVOICESEQUENCE"_s).text(0, u"LASTNUMBER"_s)};
}

}

TEST(TaxInvoice, NumbersRunWithoutGapAcrossWorkstations)
{
    enum class Ends { Commits, RollsBack };
    const struct {
        const char* what;
        qint64 theirs;  // the contract the other workstation bills, 0 for none
        Ends ends;
        qint64 mine;           // the contract this one bills while the other's transaction is open
        bool mineRollsBack;    // this one's save fails after the invoice, and a second contract follows
        qint64 expected;       // the number this one's invoice gets
        QStringList invoices;  // number:contract=gross, then the sequence's last number
    } rows[] = {
        {"the other commits first: the next number", 1, Ends::Commits, 2, false, 2, {"1:1=115", "2:2=230", "last 2"}},
        {"the other rolls back: its number is taken again", 1, Ends::RollsBack, 2, false, 1, {"1:2=230", "last 1"}},
        {"a failed save gives its number to the next invoice", 0, Ends::Commits, 2, true, 1, {"1:3=230", "last 1"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        TestOffice office;
        Database& mine = office.db();
        Database other;
        other.open(office.databasePath());
        other.begin();
        if (row.theirs > 0) {
            EXPECT_EQ(TaxInvoice::issue(other, TaxInvoice::Contract, row.theirs, u"Theirs"_s, Billed), 1);
        }
        // Mine waits a moment for the other's lock; when it asks, the other has just ended.
        int asked = 0;
        mine.setBusyWait(100);
        mine.setBusyHandling({{}, [&](const QString&) {
                                  ++asked;
                                  row.ends == Ends::Commits ? other.commit() : other.rollback();
                                  return true;
                              }});
        const TaxInvoice::Amounts doubled{200, 15, 30, 230};
        if (row.mineRollsBack) {
            Transaction failed(mine);
            EXPECT_EQ(TaxInvoice::issue(mine, TaxInvoice::Contract, row.mine, u"Mine"_s, doubled), 1);
        }
        const qint64 record = row.mineRollsBack ? row.mine + 1 : row.mine;
        EXPECT_EQ(TaxInvoice::issue(mine, TaxInvoice::Contract, record, u"Mine"_s, doubled), row.expected);
        EXPECT_EQ(asked, 1);
        EXPECT_EQ(TaxInvoice::numberOf(mine, TaxInvoice::Contract, record), row.expected);
        EXPECT_EQ(TaxInvoice::numberOf(mine, TaxInvoice::Receipt, record), 0) << "a receipt has numbers of its own records";
        EXPECT_EQ(stored(mine), row.invoices);
    }
}

// A contract's invoice deducts the customer's advances whole, oldest first,
// while they fit in its gross; the VAT they carried goes back from 2200 on
// the contract's journal. A second save deducts the same again. A row: the
// advances' gross with 15 % VAT within, in the order paid (invoices 2, 3 ...;
// invoice 1 is another customer's); the invoices deducted, their net and VAT,
// and the contract's journal.
TEST(TaxInvoice, DeductsTheAdvancesThatFitOldestFirst)
{
    const struct { const char* what; QList<double> advances; const char* deducted; double refunded = 0; } rows[] = {
        {"two advances", {57.5, 115}, "2 3 150 22.5 1300 0 22.5 2200 1 22.5"},
        {"one advance, of the whole gross", {230}, "2 200 30 1300 0 30 2200 1 30"},
        {"larger than the contract: they wait, a later one fits", {345, 230.01, 57.5}, "4 50 7.5 1300 0 7.5 2200 1 7.5"},
        {"half paid back: the half left, its VAT reversed once", {115}, "2 50 7.5 1300 0 7.5 2200 1 7.5", 57.5},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        TestOffice office;
        for (const double gross : QList<double>{11.5} + row.advances) {
            const double vat = qRound(gross * 1500 / 115) / 100.0;
            TaxInvoice::issue(office.db(), TaxInvoice::Receipt, office.db().insert(u"RECEIPT"_s, u"RECEIPTID"_s, {{u"CUSTOMERID"_s, gross == 11.5 ? 2 : 1}}),
                              u"سالم"_s, {gross - vat, 15, vat, gross});
        }
        office.db().insert(u"RECEIPT"_s, u"RECEIPTID"_s, {{u"CUSTOMERID"_s, 1}, {u"REFUND"_s, 1}, {u"AMOUNT"_s, row.refunded}});
        const qint64 rent = office.db().insert(u"RENT"_s, u"RENTID"_s, {{u"CUSTOMERID"_s, 1},
                                      {u"JOURNALID"_s, office.db().insert(u"JOURNAL"_s, u"JOURNALID"_s, {{u"NAME"_s, u"عقد"_s}})}});
        for (int save = 0; save < 2; ++save) {
            const QString own = QString::number(AdvanceDeduction::issue(office.db(), rent, u"سالم"_s, {200, 15, 30, 230}));
            QStringList found;
            for (const char* sql : {"select a.INVOICENO from TAXINVOICE a, TAXINVOICE t where a.DEDUCTEDBYID = t.TAXINVOICEID and t.INVOICENO = %1 order by 1",
                                    "select ADVANCENET, ADVANCEVAT from TAXINVOICE where INVOICENO = %1",
                                    "select ACCOUNTNUMBER, DEBITORCREDIT, AMOUNT from JOURNALDETAIL order by ACCOUNTNUMBER"}) {
                const RowSet rows = office.db().execute(QString::fromLatin1(sql).arg(own));
                for (int i = 0; i < rows.count() * rows.columns().size(); ++i)
                    found << QString::number(rows.value(i / rows.columns().size(), i % rows.columns().size()).toDouble());
            }
            EXPECT_EQ(found.join(' '), QLatin1String(row.deducted)) << "save " << save;
            // The contract's rules post its journal afresh before each save's invoice.
            office.db().command(u"delete from JOURNALDETAIL"_s);
        }
    }
}
