#pragma once

#include <QString>

class QWidget;
class RunState;

// Operators: the password check, the two look-ups and the menu rights.
class cSecurity {
public:
    explicit cSecurity(RunState& state) : m_state(state) {}

    // True when the login id exists and the password (already upper case)
    // gives its stored hash; sets CurrentOperatorName then.
    bool IsValidUserPassword(const QString& loginId, const QString& password);
    // True when the token is the login this workstation keeps for the
    // operator; sets CurrentOperatorName then.
    bool IsValidKeptLogin(const QString& loginId, const QString& token);
    // Keeps a new login for the operator on this workstation, in place of its
    // last one, and gives its token for the ini file.
    QString KeepLogin(const QString& loginId);
    // Forgets the login this workstation keeps for the operator.
    void ForgetLogin(const QString& loginId);
    // Stores the operator's new password (upper case) as its hash, in the
    // caller's transaction; the logins kept on workstations go with the old one.
    void SetPassword(qint64 operatorId, const QString& password);
    // The name the kept logins know this workstation by.
    static QString workstation();
    // Why a known operator may not log in (suspended, or past his expiry
    // date), as the login screen tells it; empty when he may.
    QString LoginRefusal(const QString& loginId);
    qint64 GetOperatorID(const QString& loginId);
    // True when an operator other than this one, not suspended, may open both
    // the users screen and the rights screen (F2M buttons 2 and 3).
    bool OthersKeepSecurity(qint64 operatorId);
    // Why a change that would leave nobody looking after the operators is refused.
    static QString lockOutMessage();
    QString GetOperatorName(qint64 operatorId);
    // The screen the operator wants opened right after login; empty for none.
    QString FavouriteWindow(const QString& loginId);

    // Enables command1..command9 of a menu screen by the operator's rights;
    // without a rights row only command0 stays usable.
    void SecureTheMenu(QWidget* menu);
    // True when the operator's rights open button `button` of menu screen
    // `menu` ("F3M", 4); without a rights row for that menu, false.
    bool HasMenuRight(const QString& menu, int button);

private:
    RunState& m_state;
};
