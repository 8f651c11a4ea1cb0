#pragma once

#include "schema/TableDef.h"

// The tables of the first schema version, one function per subsystem.
namespace SchemaTables {
QList<TableDef> shell();
QList<TableDef> engine();
QList<TableDef> rental();
QList<TableDef> accounting();
QList<TableDef> journal();
QList<TableDef> reports();
QList<TableDef> reminders();

// Tables added by later steps.
// The logins workstations keep: a token's hash per operator and workstation.
TableDef storedLogins();
// Cars booked ahead of their pick-up.
TableDef reservations();
// Money taken or paid back at the counter against a customer.
TableDef receipts();
// Tax invoices and the one sequence that numbers them.
QList<TableDef> taxInvoices();
// The damage marks on a car and their photos.
QList<TableDef> carDamage();
TableDef fuelRates();

// Short column constructors for the table lists.
namespace col {
inline ColumnDef key(const char* name) { return {QString::fromLatin1(name), ColumnKind::Key}; }
inline ColumnDef number(const char* name) { return {QString::fromLatin1(name), ColumnKind::Number}; }
inline ColumnDef code(const char* name) { return {QString::fromLatin1(name), ColumnKind::Code}; }
inline ColumnDef real(const char* name) { return {QString::fromLatin1(name), ColumnKind::Real}; }
inline ColumnDef money(const char* name) { return {QString::fromLatin1(name), ColumnKind::Money}; }
inline ColumnDef date(const char* name) { return {QString::fromLatin1(name), ColumnKind::Date}; }
inline ColumnDef time(const char* name) { return {QString::fromLatin1(name), ColumnKind::Time}; }
inline ColumnDef flag(const char* name) { return {QString::fromLatin1(name), ColumnKind::Flag}; }
inline ColumnDef text(const char* name) { return {QString::fromLatin1(name), ColumnKind::Text}; }
inline ColumnDef blob(const char* name) { return {QString::fromLatin1(name), ColumnKind::Blob}; }
// A metadata switch; rows are in force unless switched off.
inline ColumnDef onoff(const char* name = "ONOFF")
{
    return {QString::fromLatin1(name), ColumnKind::Flag, QStringLiteral("1")};
}
}

inline IndexDef index(std::initializer_list<const char*> columns, bool unique = false)
{
    IndexDef result;
    for (const char* c : columns)
        result.columns << QString::fromLatin1(c);
    result.unique = unique;
    return result;
}
}
