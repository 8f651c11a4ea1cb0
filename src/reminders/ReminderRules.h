#pragma once

#include <QList>
#include <QString>

class Database;

// The due list a new database ships: diary rules whose queries find cars,
// contracts and customers that need the office's attention, switched on.
namespace ReminderRules {

struct Rule {
    QString name;     // starts every title; the query's first column follows
    QString message;
    QString query;    // its second column is the key of the record a hit is about
    QString screen;   // the screen that shows that record
};

const QList<Rule>& dueList();
void insert(Database& db);
void insert(Database& db, const Rule& rule);
// The reservation rules, into an office made before there were any.
void addReservationRules(Database& db);
// Brings the rules an earlier version shipped, as shipped, to what dueList() says now.
// Needs the columns of schema version 8.
void upgrade(Database& db);

}
