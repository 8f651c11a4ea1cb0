#pragma once

class Database;

// The demo office as a Saudi one: riyals, VAT on at 15 %, the office as
// seller with its registration number, and closed contracts and receipts
// with their simplified tax invoices, posted with their VAT; one contract's
// invoice deducts the advance its customer paid while the car was out. Runs
// over the demo office's rows.
namespace DemoVat {
void insert(Database& db);
}
