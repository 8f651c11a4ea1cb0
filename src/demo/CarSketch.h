#pragma once

#include <QByteArray>
#include <QColor>

// A side view of a car in its own colour, as a PNG of 320 by 200: the demo
// fleet's main pictures. Drawn without text, so no fonts are needed.
namespace CarSketch {

enum class Body { Sedan, Hatchback, Suv, Pickup, Van };

QByteArray png(const QColor& colour, Body body);

}
