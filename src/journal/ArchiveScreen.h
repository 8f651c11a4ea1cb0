#pragma once

#include "engine/DataScreen.h"

#include <QString>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QTableView;

// What the two archive screens share: a date range, the all-users box that
// frees or locks the operator list, and a search that fills DataGrid1 from
// its grid definition "datagrid1". There is no record here to make, open or
// save; Ok closes like Cancel.
class ArchiveScreen : public DataScreen {
    Q_OBJECT
public:
    ArchiveScreen(RunState& state, QWidget* parent);

    void Ok() override;
    // Fills the grid with the rows the criteria select.
    void search();
    // The condition the search hands to the grid reader.
    virtual QString searchCondition() const = 0;

protected:
    // Called by the screen's constructor after its .ui is set up.
    void wire();
    void load() override;

    // The range as stored dates (yyyymmdd).
    QString fromDate() const;
    QString toDate() const;

    QTableView* grid() const;
    QComboBox* userBox() const;
    QCheckBox* allUsersBox() const;

private:
    QDateEdit* dateEdit(const char* name) const;
};
