#pragma once

#include "rental/CarDamage.h"

#include <QCoreApplication>
#include <QDate>

class DamageDiagram;
class RunState;
class QWidget;

// The contract's two damage diagrams: the car's standing marks as it went
// out, and at return those found since highlighted beside them. Marks drawn
// on a diagram go onto the car when the contract is saved.
class ContractMarks {
    Q_DECLARE_TR_FUNCTIONS(frmRentCar)
public:
    ContractMarks(RunState& state, QWidget* screen, DamageDiagram* out, DamageDiagram* in);

    DamageDiagram* diagram(bool atReturn) const { return atReturn ? m_in : m_out; }
    // Shows the standing marks of `car` for contract `rent`, which left on `exit`.
    void show(qint64 car, qint64 rent, const QDate& exit);
    // Whether the diagrams show the marks of that car and contract as stored,
    // none drawn since: then showing them again reads only what others did.
    bool shows(qint64 car, qint64 rent, const QDate& exit) const;
    bool hasNew(bool atReturn) const;
    // The marks drawn and not yet stored go onto the car, found on `rent` on `found`.
    void storeNew(bool atReturn, qint64 car, qint64 rent, const QDate& found);
    // A mark not yet stored goes as it came; a stored one, with its photos,
    // only when the clerk says so.
    void remove(DamageDiagram* diagram, int index);
    // The car's damage dialog, for marks found on `rent`, its pick the diagram's.
    void details(DamageDiagram* diagram, qint64 car, const QString& plate, qint64 rent, const QDate& found,
                 bool atReturn);

private:
    RunState& m_state;
    QWidget* m_screen;
    DamageDiagram* m_out;
    DamageDiagram* m_in;
    qint64 m_car = -1;
    qint64 m_rent = -1;
    QDate m_exit;
};
