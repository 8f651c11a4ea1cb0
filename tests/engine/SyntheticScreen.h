#pragma once

#include "core/Database.h"

#include <QDialog>

// A data screen built in code for the engine's tests, with a control of every kind bound by
// metadata rows to SYNTHETIC (key SYNTHID, TABLEORDER 1) and SYNTHETICNOTES (the same key,
// TABLEORDER 2). txtID is the identifier; dfsPADDED is bound to "  PADDED  " (blanks around
// the column); dfxIGNORED has TYPE 9 and dfsHIDDEN ONOFF 0, so neither is read nor written.
// Unbound: SSTab1 (pages 0 main, 1 notes, 2 dfdUNTIL, dffPAID, dfsCODE), cmdSave, command0
// and lblZero showing "0".
namespace SyntheticScreen {

inline const QString Name = QStringLiteral("frmSynthetic");
inline const QString Table = QStringLiteral("SYNTHETIC");
inline const QString NotesTable = QStringLiteral("SYNTHETICNOTES");
inline const QString Key = QStringLiteral("SYNTHID");

// Creates both tables (when missing) and the definition of screen `name`.
void install(Database& db, const QString& name = Name, bool withNotes = true);
// The screen, with objectName `name`; the caller owns it.
QDialog* build(const QString& name = Name, QWidget* parent = nullptr);

}
