#include "shell/NewPasswordFields.h"

#include "core/Cipher.h"

#include <QLineEdit>

NewPasswordFields::NewPasswordFields(QLineEdit* newPassword, QLineEdit* again, QLineEdit* encrypted)
    : QObject(newPassword), m_new(newPassword), m_again(again), m_encrypted(encrypted)
{
    connect(m_encrypted, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!m_typing)
            m_read = text;
    });
    connect(m_new, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_typing = true;
        m_encrypted->setText(text.isEmpty() ? m_read : Cipher::Encrypt(text.toUpper()));
        m_typing = false;
    });
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
