#pragma once

class Database;

// The demo office's contracts, one in each state a counter meets: out, out
// past its agreed return, and surrendered and returned with its posting.
namespace DemoContracts {
void insert(Database& db);
}
