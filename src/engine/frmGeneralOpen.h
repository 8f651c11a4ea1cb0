#pragma once

#include <QDialog>
#include <QHash>
#include <memory>

class QKeyEvent;
class QTimer;
class RecordListModel;
class RunState;
namespace Ui { class frmGeneralOpen; }

// The open dialog: lists a screen's records, narrows the list by record number
// or, as the operator types, by any part of the text of the other columns, and
// leaves the chosen key in CurrentRecordId. The first grid column is the key.
// A click on a heading, or Ctrl+Up / Ctrl+Down on the list, sorts by that
// column. The dialog is accepted only when a record was chosen. A list
// narrowed by text is counted once the operator pauses; it first shows as wide
// as its columns, within the screen.
class frmGeneralOpen : public QDialog {
    Q_OBJECT
public:
    frmGeneralOpen(RunState& state, QWidget* parent);
    ~frmGeneralOpen() override;

    // Lists the rows of `sql` and shows their number. A statement the database
    // refuses leaves the list empty and is reported; the dialog still works.
    void setList(const QString& sql);
    void setCaption(const QString& caption);
    void setColumnWidth(int column, int width);
    // Columns past the first `count` are searched but not shown.
    void setShownColumns(int count);
    RecordListModel* list() const { return m_list; }

    // Takes the key of the highlighted row and closes.
    void choose();
    // Narrows the list to the typed record number, or shows it all for 0.
    void search();
    // Narrows the list to the rows holding the text typed in txtNAME.
    void searchByName();
    void setVisible(bool visible) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool numberIsZero() const;
    // After every change of the list: its count, the column widths, the first row.
    void listChanged();
    void showCount();
    void countListed();
    int keyWidth() const;
    // The width that shows every column without scrolling sideways.
    int widthForColumns() const;

    RunState& m_state;
    std::unique_ptr<Ui::frmGeneralOpen> m_ui;
    RecordListModel* m_list;
    QHash<int, int> m_widths;
    int m_shownColumns = -1;
    QTimer* m_countTimer;
    bool m_fitted = false;
};
