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
    QString query;
};

const QList<Rule>& dueList();
void insert(Database& db);

}
