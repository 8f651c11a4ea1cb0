#pragma once

#include <QDialog>
#include <memory>

class RunState;
namespace Ui { class LOGINP0; }

// Edits one key=value entry of the login screen's tree; the caller applies
// the entry when the editor is confirmed.
class LOGINP0 : public QDialog {
    Q_OBJECT
public:
    LOGINP0(RunState& state, QWidget* parent);
    ~LOGINP0() override;

    void setEntry(const QString& key, const QString& value);
    QString key() const;
    QString value() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void browse();

    RunState& m_state;
    bool m_loaded = false;
    std::unique_ptr<Ui::LOGINP0> m_ui;
};
