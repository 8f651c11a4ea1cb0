#pragma once

#include "engine/DataScreen.h"

class Database;

// A small customer screen made in code for these tests: txtID (CUSTOMERID,
// identifier), txtNAME (name) and dfsHOMETEL1 (HOMETEL1) over the table
// Customer, with Save, Print list (the customer search) and Close.
class ProbeScreen : public DataScreen {
    Q_OBJECT
public:
    static inline const QString Name = QStringLiteral("frmJournalProbe");
    static inline const QString Caption = QStringLiteral("Probe customers");

    ProbeScreen(RunState& state, QWidget* parent);

    // Its definition rows.
    static void install(Database& db);
};
