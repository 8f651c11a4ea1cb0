#include "shell/NewPasswordFields.h"

#include "core/AppError.h"
#include "core/Cipher.h"
#include "core/PasswordHash.h"
#include "core/RunState.h"
#include "core/cSecurity.h"

#include <QLineEdit>

namespace {

// What the hidden field holds for an operator who has a password.
const QString Set = QStringLiteral("*");

}

NewPasswordFields::NewPasswordFields(RunState& state, QLineEdit* id, QLineEdit* newPassword, QLineEdit* again,
                                     QLineEdit* hasPassword)
    : QObject(newPassword), m_state(state), m_id(id), m_new(newPassword), m_again(again), m_hasPassword(hasPassword)
{
    connect(m_id, &QLineEdit::textChanged, this, [this](const QString& id) {
        bool ok = false;
        const qint64 key = id.toLongLong(&ok);
        m_stored = false;
        try {
            const RowSet row = ok ? m_state.db().executeBound(
                                        QStringLiteral("SELECT passwrd FROM operator WHERE operatorid = ?"), {key})
                                  : RowSet();
            m_stored = !row.isEmpty() && PasswordHash::isHash(row.value(0, 0).toString());
        } catch (const AppError&) {
            // the record is being read; its own failure is reported there
        }
        showWhetherSet();
    });
    connect(m_new, &QLineEdit::textChanged, this, &NewPasswordFields::showWhetherSet);
}

void NewPasswordFields::showWhetherSet()
{
    m_hasPassword->setText(m_stored || !m_new->text().isEmpty() ? Set : QString());
}

void NewPasswordFields::clear()
{
    m_new->clear();
    m_again->clear();
}

QString NewPasswordFields::password() const
{
    return m_new->text().toUpper();
}

void NewPasswordFields::store()
{
    if (m_new->text().isEmpty())
        return;
    cSecurity(m_state).SetPassword(m_id->text().toLongLong(), password());
    m_stored = true;
}
