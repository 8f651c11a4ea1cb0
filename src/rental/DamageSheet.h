#pragma once

#include "rental/CarDamage.h"

#include <QByteArray>
#include <QList>
#include <QString>

class Database;
class RunState;

// The car's damage on a contract's paper: the marks that stood on the car as
// it went out, and those found on the contract, the ones found at its return
// as new. The customer signs under the diagram, the marks and their photos.
namespace DamageSheet {

// The frames of the contract's document, and the columns naming the contract to draw them of.
inline constexpr const char* DiagramFrame = "DAMAGEDIAGRAM";
inline constexpr const char* PhotosFrame = "DAMAGEPHOTOS";
// The photos' sheet is drawn in the shape of its frame: 17 cm by 12 cm.
inline constexpr double PhotosAspect = 12.0 / 17.0;

// SQL condition: the mark `d` (CARDAMAGE) is on the paper of the contract `r` (RENT).
QString onPaper(const QString& d = QStringLiteral("d"), const QString& r = QStringLiteral("r"));
// SQL condition: the mark `d` was found at the return of the contract `r`.
QString foundAtReturn(const QString& d = QStringLiteral("d"), const QString& r = QStringLiteral("r"));

struct Entry {
    CarDamage::Mark mark;
    bool fresh = false;  // found at the return
};
// The contract's marks in the order its document numbers them.
QList<Entry> marks(Database& db, qint64 rentId);
// The diagram with the contract's marks, the new ones highlighted, as a PNG.
QByteArray diagram(Database& db, qint64 rentId);
// The photos of the contract's marks on one sheet, each under its mark's
// number, kind and view, as a JPEG; empty when the marks have none.
QByteArray photoSheet(Database& db, qint64 rentId);

// Gives the documents the drawing of both frames.
void install(RunState& state);

}
