#pragma once

class Database;

// Takes a database from passwords kept by a reversible cipher to salted
// hashes: every operator's password is hashed (its login works as before),
// the table of the logins workstations keep is made, and the screens'
// binding of the password field, with the journal lines it left, go.
namespace PasswordUpgrade {
void apply(Database& db);
}
