#pragma once

#include "shell/base/Database.h"

#include <QDialog>
#include <QList>
#include <QString>

class RunState;

// A data screen built in code for the engine's tests, with a control of every
// kind bound by metadata rows to two tables made for the purpose.
//
// Table SYNTHETIC (key SYNTHID), TABLEORDER 1:
//   txtID        NumberEdit      SYNTHID      type 0, identifier row
//   txtNAME      QLineEdit       NAME         type 1
//   dfnAMOUNT    NumberEdit      AMOUNT       type 0 (money, REAL column)
//   dfnMETER     NumberEdit      METER        type 0
//   dfsCOMMENTS  QPlainTextEdit  COMMENTS     type 1
//   dfdISSUEDATE QDateEdit       ISSUEDATE    type 2
//   dffRETURNED  QCheckBox       RETURNED     type 3
//   dfgCARTYPE   QComboBox (editable) CARTYPE type 4
//   dftEXITTIME  QTimeEdit       EXITTIME     type 5
//   dfcCOLOUR    QComboBox (fixed list) COLOUR type 1
//   dfsPADDED    QLineEdit       "  PADDED  " type 1 (blanks around the column)
//   dfxIGNORED   QLineEdit       IGNORED      type 9 (never read nor written)
//   dfsHIDDEN    QLineEdit       HIDDEN       type 1 with ONOFF 0 (invisible)
// Table SYNTHETICNOTES (key SYNTHID, addressed by the same where-clause), TABLEORDER 2:
//   dfsNOTE      QLineEdit       NOTE         type 1
//   dfnSCORE     NumberEdit      SCORE        type 0
// Unbound: lblScreenName ("Synthetic screen"), lblFieldLabel, SSTab1 (two pages),
// cmdSave, cmdPRINT, command0, and lblZero (a label showing "0").
namespace SyntheticScreen {

inline const QString Name = QStringLiteral("frmSynthetic");
inline const QString Table = QStringLiteral("SYNTHETIC");
inline const QString NotesTable = QStringLiteral("SYNTHETICNOTES");
inline const QString Key = QStringLiteral("SYNTHID");
inline const QString Caption = QStringLiteral("Synthetic screen");

struct Binding {
    QString control;
    QString column;
    int type = 1;
    bool identifier = false;
    int onoff = 1;
};

// The bindings listed above, per table.
QList<Binding> mainBindings();
QList<Binding> notesBindings();

// Creates both tables (when missing) and the screen definition named `name`:
// SYNTHETIC with TABLEORDER 1 and, when `withNotes`, SYNTHETICNOTES with 2.
void install(Database& db, const QString& name = Name, bool withNotes = true);

// One _WINDOWTABLE row with its detail rows; gives WINDOWTABLEID.
qint64 addTable(Database& db, const QString& screenName, const QString& table, int tableOrder,
                const QList<Binding>& bindings, int onoff = 1);

// The screen, with objectName `name`; the caller owns it.
QDialog* build(const QString& name = Name, QWidget* parent = nullptr);
// Puts the controls above into a dialog made elsewhere (a DataScreen).
void populate(QDialog* screen);

// Registers `name` in the screen registry, building it with build().
void registerScreen(RunState& state, const QString& name = Name);

// Inserts a SYNTHETIC row (and its SYNTHETICNOTES row with the same key) and gives its key.
qint64 addRecord(Database& db, const QList<Database::Field>& fields,
                 const QList<Database::Field>& noteFields = {});

// The value of one column of one row, null when the row is missing.
QVariant stored(Database& db, const QString& table, const QString& column, qint64 key);

}
