#pragma once

class Database;

// A small office for a first look: its fleet (DemoFleet), customers and
// staff with a manager, customer messages and diary rules. Only rows of the
// schema's own tables.
class DemoOffice {
public:
    static void insert(Database& db);
};
