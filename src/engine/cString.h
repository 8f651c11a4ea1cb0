#pragma once

#include <QString>

// Control references ("frmRentCar.txtID") and comma lists.
namespace cString {
QString GetWindowNameFromString(const QString& s);
QString GetControlNameFromString(const QString& s);
QString GetStringAtToken(const QString& s, int n);
}
