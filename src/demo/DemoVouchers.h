#pragma once

class Database;

// A few income and expense vouchers of each kind for the demo office, posted
// by the ledger rules of their screens. Needs the rules and the cars.
class DemoVouchers {
public:
    static void insert(Database& db);
};
