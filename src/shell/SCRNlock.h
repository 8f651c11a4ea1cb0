#pragma once

#include <QDialog>
#include <QList>
#include <QPointer>
#include <memory>

class RunState;
namespace Ui { class SCRNlock; }

// Hides the work, every window of the program, until the logged-in operator
// types his password again. Only the right password ends it: Esc and
// closing the window do nothing.
class SCRNlock : public QDialog {
    Q_OBJECT
public:
    SCRNlock(RunState& state, QWidget* parent);
    ~SCRNlock() override;

    // The picture shown when the home folder has no LOCK.bmp.
    static QPixmap padlock(int size);

    // Shows again the windows the lock hid.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void checkPassword();
    void hideTheWork();

    RunState& m_state;
    std::unique_ptr<Ui::SCRNlock> m_ui;
    bool m_loaded = false;
    QList<QPointer<QWidget>> m_hidden;
};
