#pragma once

#include <QDialog>
#include <QPointer>
#include <memory>

class QListWidgetItem;
class RunState;
struct ValidationFailure;
namespace Ui { class dlgValidationError; }

// The failed rules of one validation, one line each: the operator either goes
// to the failing field (the save is abandoned) or saves anyway.
class dlgValidationError : public QDialog {
    Q_OBJECT
public:
    // `screen` is the validated screen: the dialog's parent and where "go to
    // the field" leads.
    dlgValidationError(RunState& state, QWidget* screen);
    ~dlgValidationError() override;

    // A failure that guards the data takes "Save anyway" away.
    void addFailure(const ValidationFailure& failure);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showLine(QListWidgetItem* line);
    void goToField();
    void saveAnyway();
    void showDetails(bool shown);

    RunState& m_state;
    std::unique_ptr<Ui::dlgValidationError> m_ui;
    QPointer<QWidget> m_screen;
    bool m_loaded = false;
};
