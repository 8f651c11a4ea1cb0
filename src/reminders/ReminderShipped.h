#pragma once

class Database;

// What a new office gets of the diary screen: the definition rows of each screen
// (Metadata<Screen>.cpp).
namespace ScreenMetadata {
void frmReminder(Database& db);
}
