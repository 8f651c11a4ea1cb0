#pragma once

#include <QObject>
#include <QString>

class QLineEdit;

// The hidden field bound to the stored password follows the new password
// typed: its encryption while one is typed, the password read otherwise,
// so that emptying the field again leaves the stored password as it was.
class NewPasswordFields : public QObject {
    Q_OBJECT
public:
    NewPasswordFields(QLineEdit* newPassword, QLineEdit* again, QLineEdit* encrypted);

    // Another record was read: nothing is typed for it yet.
    void clear();
    // The new password as it is stored: upper case.
    QString password() const;

private:
    QLineEdit* m_new;
    QLineEdit* m_again;
    QLineEdit* m_encrypted;
    QString m_read;
    bool m_typing = false;
};
