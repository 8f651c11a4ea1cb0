#pragma once

class Database;

// Makes the shipped due list fire in the demo office: a car past its first
// maintenance by kilometres and a customer whose driving licence runs out soon.
namespace DemoDueList {
void insert(Database& db);
}
