#pragma once

class Database;

// What a new office gets of the journal viewers: the definition rows of each screen
// (Metadata<Screen>.cpp).
namespace ScreenMetadata {
void F1M0(Database& db);
void F1M1(Database& db);
void F3M0O(Database& db);
}
