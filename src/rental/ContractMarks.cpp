#include "rental/ContractMarks.h"

#include "core/RunState.h"
#include "core/cUI.h"
#include "rental/ContractCondition.h"
#include "rental/DamageDiagram.h"
#include "rental/dlgCarDamage.h"

ContractMarks::ContractMarks(RunState& state, QWidget* screen, DamageDiagram* out, DamageDiagram* in)
    : m_state(state), m_screen(screen), m_out(out), m_in(in)
{
}

void ContractMarks::show(qint64 car, qint64 rent, const QDate& exit)
{
    const QList<CarDamage::Mark> marks = car > 0 ? CarDamage::standing(m_state.db(), car) : QList<CarDamage::Mark>();
    m_out->setStanding(marks);
    QList<CarDamage::Mark> before;
    QList<CarDamage::Mark> found;
    for (const CarDamage::Mark& m : marks)
        (ContractCondition::foundAtReturn(m, rent, exit) ? found : before) << m;
    m_in->setStanding(before);
    for (const CarDamage::Mark& m : found)
        m_in->addMark(m, true);
    m_car = car;
    m_rent = rent;
    m_exit = exit;
}

bool ContractMarks::shows(qint64 car, qint64 rent, const QDate& exit) const
{
    return car == m_car && rent == m_rent && exit == m_exit && !hasNew(false) && !hasNew(true);
}

bool ContractMarks::hasNew(bool atReturn) const
{
    const DamageDiagram* d = diagram(atReturn);
    for (int i = 0; i < d->count(); ++i)
        if (d->mark(i).id == 0)
            return true;
    return false;
}

void ContractMarks::storeNew(bool atReturn, qint64 car, qint64 rent, const QDate& found)
{
    if (car <= 0)
        return;
    const DamageDiagram* d = diagram(atReturn);
    for (int i = 0; i < d->count(); ++i) {
        CarDamage::Mark m = d->mark(i);
        if (m.id != 0)
            continue;
        m.rentId = rent;
        m.found = found;
        m.atReturn = atReturn;
        CarDamage::add(m_state.db(), car, m);
    }
}

void ContractMarks::remove(DamageDiagram* diagram, int index)
{
    const CarDamage::Mark m = diagram->mark(index);
    if (m.id != 0) {
        if (!m_state.ui().question(m_screen, tr("Take back the %1 marked on the %2, with its photos?")
                                                 .arg(CarDamage::kindName(m.kind), CarDamage::zoneName(m.zone))))
            return;
        CarDamage::remove(m_state.db(), m.id);
    }
    diagram->removeMark(index);
}

void ContractMarks::details(DamageDiagram* diagram, qint64 car, const QString& plate, qint64 rent, const QDate& found,
                            bool atReturn)
{
    const int selected = diagram->selected();
    const qint64 chosen = selected >= 0 ? diagram->mark(selected).id : 0;
    dlgCarDamage dialog(m_state, car, plate, m_screen);
    dialog.foundOn(rent, found, atReturn);
    for (int i = 0; i < dialog.diagram()->count(); ++i)
        if (chosen != 0 && dialog.diagram()->mark(i).id == chosen)
            dialog.diagram()->setSelected(i);
    m_state.ui().exec(&dialog);
}
