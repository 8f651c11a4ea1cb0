#pragma once

#include <QDialog>
#include <memory>

class RunState;
namespace Ui { class dlgError; }

// The error dialog of ReportError: what failed, where and for whom, with the
// way to the error log and today's statement trace.
class dlgError : public QDialog {
    Q_OBJECT
public:
    dlgError(RunState& state, QWidget* parent);
    ~dlgError() override;

    void showError(const QString& number, const QString& description, const QString& source,
                   const QString& screenName, const QString& controlName);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void printMessage();

    RunState& m_state;
    std::unique_ptr<Ui::dlgError> m_ui;
    bool m_loaded = false;
};
