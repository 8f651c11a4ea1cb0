#pragma once

class Database;

// The definition rows of every screen that comes with a new database; each
// subsystem keeps its screens' rows beside the screens.
namespace ScreenMetadata {
void insertAll(Database& db);
}
