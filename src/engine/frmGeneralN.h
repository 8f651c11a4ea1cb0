#pragma once

#include "core/Database.h"

#include <QDialog>
#include <QList>
#include <QPointer>
#include <QString>
#include <memory>

class QKeyEvent;
class RunState;
namespace Ui { class frmGeneralN; }

// The new-record dialog: asks for the new record's name, inserts the row and
// shows it on the data screen it was opened for.
class frmGeneralN : public QDialog {
    Q_OBJECT
public:
    frmGeneralN(RunState& state, QWidget* parent);
    ~frmGeneralN() override;

    void setCaption(const QString& caption);
    // Inserts the row named in dfName and reads it into the screen; does
    // nothing while dfName is empty.
    void ok();

    QString strIdentifier;   // key column
    QString strTableName;
    QString strNameField;    // name column
    // Further columns of the new row with their values.
    QList<Database::Field> otherFields;
    // The data screen that shows the new record.
    QPointer<QWidget> screen;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    RunState& m_state;
    std::unique_ptr<Ui::frmGeneralN> m_ui;
};
