#include "schema/SchemaTables.h"

using namespace SchemaTables::col;
using SchemaTables::index;

// Journals and their debit/credit lines, the ledger rules that post them,
// the chart of accounts.
QList<TableDef> SchemaTables::accounting()
{
    // The posting reads a rule as one joined row ([_GLRULEDETAIL].*, [_GLRULE].*),
    // so the columns it asks for must live in only one of the two tables.
    TableDef glRule{
        QStringLiteral("_GLRULE"),
        {key("GLRULEID"), text("WINDOWNAME"), text("NAME"), text("AMOUNTFIELD")},
        {index({"WINDOWNAME"})}};

    TableDef glRuleDetail{
        QStringLiteral("_GLRULEDETAIL"),
        {key("GLRULEDETAILID"), number("GLRULEID"), text("DEBITACCOUNTFIELD"),
         text("CREDITACCOUNTFIELD"), text("RELATEDDETAILDEBITFIELD"),
         text("RELATEDDETAILCREDITFIELD")},
        {index({"GLRULEID"})}};

    // One row per voucher, manual entry or rule posting; the voucher and entry
    // screens keep their own fields here too.
    TableDef journal{
        QStringLiteral("JOURNAL"),
        {key("JOURNALID"), money("AMOUNT"), text("NAME"), date("TRANSACTIONDATE"),
         // vouchers
         number("CARID"), text("LICENSENO"), text("NARRATIVE"), flag("PAIDBYCHEQUE"),
         text("CHEQUEDETAILS"),
         // manual ledger entries
         number("FROMACCOUNT"), number("TOACCOUNT"), text("RELATEDDETAILDEBIT"),
         text("RELATEDDETAILCREDIT")},
        {index({"TRANSACTIONDATE"})}};

    TableDef journalDetail{
        QStringLiteral("JOURNALDETAIL"),
        {key("JOURNALDETAILID"), date("TRANSACTIONDATE"), money("AMOUNT"), number("JOURNALID"),
         number("ACCOUNTNUMBER"), text("RELATEDDETAIL"), flag("DEBITORCREDIT")},
        {index({"JOURNALID"}), index({"TRANSACTIONDATE"}), index({"ACCOUNTNUMBER"})}};

    TableDef chartOfAccount{
        QStringLiteral("chartofaccount"),
        {key("CHARTOFACCOUNTID"), text("NAME"), number("ACCOUNTNUMBER"),
         number("ACCOUNTCATEGORYID"), text("DESCRIPTION")},
        {index({"ACCOUNTNUMBER"})}};

    TableDef accountCategory{QStringLiteral("ACCOUNTCATEGORY"),
                             {key("ACCOUNTCATEGORYID"), text("NAME")},
                             {}};

    return {glRule, glRuleDetail, journal, journalDetail, chartOfAccount, accountCategory};
}

QList<TableDef> SchemaTables::taxInvoices()
{
    // One row per invoice, never deleted: SOURCE names what it bills ("RENT" or
    // "RECEIPT") and SOURCEID its record. INVOICENO comes from the one-row
    // INVOICESEQUENCE inside the transaction that writes the invoice, so a
    // rolled-back invoice gives its number back and no number is skipped.
    TableDef invoice{QStringLiteral("TAXINVOICE"),
                     {key("TAXINVOICEID"), number("INVOICENO"), text("SOURCE"), number("SOURCEID"),
                      date("ISSUEDATE"), time("ISSUETIME"), text("BUYERNAME"), money("NETAMOUNT"),
                      real("VATRATE"), money("VATAMOUNT"), money("GROSSAMOUNT"), text("QRPAYLOAD")},
                     {index({"INVOICENO"}, true), index({"SOURCE", "SOURCEID"}, true), index({"ISSUEDATE"})}};
    TableDef sequence{QStringLiteral("INVOICESEQUENCE"), {key("INVOICESEQUENCEID"), number("LASTNUMBER")}, {}};
    return {invoice, sequence};
}
