#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QString>

class Database;
class QWidget;
class RunState;

// What a car going out to a customer runs into: the customer black-listed or
// stopped, his driving licence or ID or the car's licence and insurance expired or
// running out before the car is due back, the car's maintenance due by date or
// by kilometres. The counter asks before a rent-out; the pickers colour rows.
class RentOutChecks {
    Q_DECLARE_TR_FUNCTIONS(RentOutChecks)

public:
    // The days the car is out: from its exit to the agreed return. An unknown
    // exit is today; an unknown return is the exit day.
    struct Period {
        QDate from;
        QDate to;
    };
    struct Finding {
        bool blocking;  // only an operator with the options right goes on past it
        QString text;   // what, with its date or figure
    };
    using Findings = QList<Finding>;
    // The customer and the car of a rent-out; 0 for none.
    struct Parties {
        qint64 customer = 0;
        qint64 car = 0;
    };

    static Findings customer(Database& db, qint64 customerId, const Period& period);
    // `meter` is the exit meter typed on the contract; the car's own counts when higher.
    static Findings car(Database& db, qint64 carId, const Period& period, qint64 meter = 0);
    static bool anyBlocking(const Findings& found);

    RentOutChecks(RunState& state, QWidget* screen);

    // Tells the operator what the parties run into and asks whether to go on;
    // refuses an operator without the options right past a blocking finding.
    // A party the record already had (`before`) was asked about when it went out.
    bool mayGoOut(const Parties& now, const Parties& before, const Period& period, qint64 meter = 0);
    // Once the rent-out is written, in its transaction: the change journal
    // records who went on past a blocking finding, for `record`, and what.
    void recordOverride(const QString& record);

private:
    RunState& m_state;
    QWidget* m_screen;
    Findings m_overridden;
};
