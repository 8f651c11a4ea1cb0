#pragma once

#include "engine/PickerCopy.h"
#include "engine/cWindow.h"

#include <QDialog>
#include <QString>
#include <QStringList>

class RunState;

// The pattern every data screen follows: a record number (txtID), a record
// name (txtNAME), the fields on SSTab1 and the row of command buttons
// cmdNew, cmdOpen, cmdSave, cmdDel, cmdPL, cmdPRINT, cmdOk and command0.
// A screen declares its constants and overrides only the commands it does
// its own way.
class DataScreen : public QDialog {
    Q_OBJECT
public:
    enum class PrintList { None, ListWindow };

    struct Definition {
        QString keyColumn;              // "REMINDERID"
        QString table;                  // "_reminder"
        QString condition;              // "Where onoff =1 and REMINDERTYPE = 1 "
        QString pickerCondition;        // the open dialog's condition as a picker, when other
        QString loadCondition;          // the first record's condition, when other
        QString openCaption;            // caption of the open dialog
        cWindow::OpenSearch openSearch; // what the open dialog searches besides its columns
        QString newCaption;             // caption of the new-record dialog
        QString nameField;              // name column the new-record dialog fills
        cWindow::Fields newFields;      // further columns of a new record
        PrintList printList = PrintList::None;
    };

    DataScreen(RunState& state, Definition definition, QWidget* parent);

    void done(int result) override;

    // The record the screen shows when it opens, instead of the one its Load
    // would choose: a picker opened on the record its opener holds.
    void showFirst(qint64 key) { m_firstRecord = key; }

    // The standard commands; each reports its own failure.
    virtual void New();
    virtual void Open();
    virtual void Save();
    virtual void Delete();
    virtual void Ok();
    virtual void Close();
    virtual void PrintListCommand();
    virtual void Print();

protected:
    // Called by the screen's constructor after its .ui is set up: wires the
    // command buttons found by name.
    void connectCommands();
    // The first showing: set-up, then the first record.
    virtual void load();
    // The further columns of a record made now; a screen adds what depends on
    // the moment, such as today's date.
    virtual cWindow::Fields newRecordFields() const { return m_definition.newFields; }
    // The fields OK hands to the opener when this screen is a picker.
    virtual QList<PickerCopy::Field> pickerFields() const { return {}; }
    // Opened by another screen to pick a record for it ("RENTMODE").
    bool pickerMode() const;
    // Picking a record for another screen, and nothing else: New, Save and
    // Delete are hidden and their keys do nothing.
    bool choosingOnly() const;
    // Runs a handler so that a failure is reported against this screen.
    bool run(const QString& where, const std::function<void()>& work);

    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Tab goes through the screen as it reads.
    bool focusNextPrevChild(bool next) override;

    RunState& state() { return m_state; }
    cWindow& window();
    const Definition& definition() const { return m_definition; }
    // "where KEY = " + the number in txtID; throws when txtID is not a number.
    QString keyCondition(const QString& keyword = QStringLiteral("where ")) const;
    QString idText() const;

private:
    static const QStringList ChangingCommands;

    // The key of the record load() shows: the one asked for, or the first
    // of the screen's table under `condition`.
    qint64 firstRecord(const QString& condition);
    void takeKeyboard();
    // Ctrl+Shift+F9: the screen-definition designer on this screen.
    void openDesigner();
    QString buttonCaption(const QString& name) const;

    RunState& m_state;
    Definition m_definition;
    bool m_loaded = false;
    qint64 m_firstRecord = 0;
};
