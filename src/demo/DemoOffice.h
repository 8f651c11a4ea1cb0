#pragma once

class Database;

// A small office for a first look: its fleet (DemoFleet), customers and
// staff with a manager, customer messages and diary rules. Only rows of the
// schema's own tables. With `vat` the office bills in Saudi riyals with VAT
// on, and its closed contracts and receipts carry tax invoices (DemoVat).
class DemoOffice {
public:
    static void insert(Database& db, bool vat = false);
};
