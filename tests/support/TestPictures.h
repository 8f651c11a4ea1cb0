#pragma once

#include <QByteArray>
#include <QColor>

// Pictures for the tests of screens that store them.
namespace TestPictures {
// A small PNG of one colour.
QByteArray png(const QColor& colour);
// A PNG of noise, which does not compress: over 5 MB.
QByteArray largePng();
}
