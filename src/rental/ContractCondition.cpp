#include "rental/ContractCondition.h"

#include "core/Database.h"

#include <algorithm>
#include <cmath>

namespace ContractCondition {

double fuelCharge(int out, int in, double perEighth)
{
    return std::round(std::max(0, out - in) * std::max(0.0, perEighth) * 100) / 100;
}

double eighthCharge(Database& db, qint64 carId)
{
    const RowSet rate = db.executeBound(QStringLiteral("select f.EIGHTHCHARGE from FUELRATE f inner join car c on "
                                                       "c.CARTYPE = f.CARTYPE where c.carid = ?"),
                                        {carId});
    return rate.isEmpty() ? 0 : rate.value(0, 0).toDouble();
}

bool foundAtReturn(const CarDamage::Mark& mark, qint64 rentId, const QDate& exitDate)
{
    // Marks of offices made before the flag are told by their date: those
    // noted as the car went out carry the exit date.
    return rentId > 0 && mark.rentId == rentId
        && (mark.atReturn || (exitDate.isValid() && mark.found > exitDate));
}

}
