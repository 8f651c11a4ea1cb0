#pragma once

class Database;

// The demo office's money at the counter: a contract returned with part of
// its rent unpaid and the receipt that settled it the next day, and an
// advance paid by card of which part went back to its customer.
namespace DemoReceipts {
void insert(Database& db);
}
