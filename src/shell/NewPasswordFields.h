#pragma once

#include <QObject>
#include <QString>

class QLineEdit;
class RunState;

// The new password typed on an operator's screen. The password is stored,
// hashed, only when the screen saves (store()); the hidden field the
// validation rules look at says no more than whether the operator shown
// will have a password, so the screen's record, the change journal and the
// statement trace never hold one.
class NewPasswordFields : public QObject {
    Q_OBJECT
public:
    NewPasswordFields(RunState& state, QLineEdit* id, QLineEdit* newPassword, QLineEdit* again,
                      QLineEdit* hasPassword);

    // Another record was read: nothing is typed for it yet.
    void clear();
    // The new password as it is stored: upper case.
    QString password() const;
    // Stores the typed password for the operator shown, inside the save's
    // transaction; nothing when none was typed.
    void store();

private:
    void showWhetherSet();

    RunState& m_state;
    QLineEdit* m_id;
    QLineEdit* m_new;
    QLineEdit* m_again;
    QLineEdit* m_hasPassword;
    bool m_stored = false;
};
