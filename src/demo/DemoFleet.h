#pragma once

class Database;

// The demo office's cars: a dozen of different kinds, two of them withdrawn
// from rental, each with owner, licence, insurance, maintenance schedules and
// a main picture.
class DemoFleet {
public:
    static void insert(Database& db);
};
