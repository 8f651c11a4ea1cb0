#pragma once

#include <QDialog>
#include <QPointer>
#include <memory>

class QDate;
class RunState;
namespace Ui { class POPcalendar; }

// The month calendar of the main window. A caller may name a screen and one
// of its controls before showing it; a clicked day is then written into that
// control as dd/mm/yyyy. Without them a click just closes the pop-up.
class POPcalendar : public QDialog {
    Q_OBJECT
    // Properties, so that a caller that opens the pop-up by name can set them.
    Q_PROPERTY(QWidget* targetScreen READ targetScreen WRITE setTargetScreen)
    Q_PROPERTY(QString targetControl READ targetControl WRITE setTargetControl)

public:
    POPcalendar(RunState& state, QWidget* parent);
    ~POPcalendar() override;

    QWidget* targetScreen() const { return m_targetScreen; }
    void setTargetScreen(QWidget* screen) { m_targetScreen = screen; }
    QString targetControl() const { return m_targetControl; }
    void setTargetControl(const QString& name) { m_targetControl = name; }

    // Writes the day into the target, when there is one, and closes.
    void pick(const QDate& day);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    RunState& m_state;
    std::unique_ptr<Ui::POPcalendar> m_ui;
    QPointer<QWidget> m_targetScreen;
    QString m_targetControl;
    bool m_loaded = false;
};
