#pragma once

#include "rental/CarDamage.h"

#include <QDate>

class Database;

// What the car's condition at return costs the customer, and which of its
// marks he found: the contract's side of the fuel gauge and the diagram.
namespace ContractCondition {

// The eighths that went out and did not come back, at `perEighth`; a tank
// returned as full as it left, or fuller, costs nothing.
double fuelCharge(int out, int in, double perEighth);
// The charge per missing eighth of the car's type (FUELRATE); 0 when its
// type has none.
double eighthCharge(Database& db, qint64 carId);
// A mark found on this contract as the car came back: damage of this rental,
// which may be charged, as against what the car already had.
bool foundAtReturn(const CarDamage::Mark& mark, qint64 rentId, const QDate& exitDate);

}
