#pragma once

class Database;

// What a new office gets of the security and options screens: the definition rows of each screen
// (Metadata<Screen>.cpp).
namespace ScreenMetadata {
void frmOptions(Database& db);
void F2M0(Database& db);
void F2M1(Database& db);
void F2M2(Database& db);
}
