#include "core/cSecurity.h"

#include "core/Cipher.h"
#include "core/Configuration.h"
#include "core/KeyRoutines.h"
#include "core/PasswordHash.h"
#include "core/RunState.h"
#include "core/ShellFrame.h"
#include "core/SqlValue.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDate>
#include <QSysInfo>
#include <QWidget>

bool cSecurity::IsValidUserPassword(const QString& loginId, const QString& password)
{
    const RowSet rs = m_state.db().execute(QStringLiteral("select * from operator WHERE loginid  = '")
                                           + SqlValue::text(loginId.trimmed()) + QStringLiteral("'"));
    if (rs.isEmpty())
        return false;
    if (!PasswordHash::matches(password, rs.text(0, QStringLiteral("PASSWRD"))))
        return false;
    m_state.CurrentOperatorName = rs.text(0, QStringLiteral("operatorname"));
    return true;
}

// Tokens and hashes travel as bound values only, so that the statement
// trace never shows them.
bool cSecurity::IsValidKeptLogin(const QString& loginId, const QString& token)
{
    if (token.isEmpty())
        return false;
    const RowSet rs = m_state.db().executeBound(
        QStringLiteral("SELECT o.operatorname FROM operator o JOIN _storedlogin s ON s.operatorid = o.operatorid "
                       "WHERE o.loginid = ? AND s.workstation = ? AND s.tokenhash = ?"),
        {loginId.trimmed(), workstation(), PasswordHash::tokenHash(token)});
    if (rs.isEmpty())
        return false;
    m_state.CurrentOperatorName = rs.text(0, QStringLiteral("operatorname"));
    return true;
}

QString cSecurity::KeepLogin(const QString& loginId)
{
    const QString token = PasswordHash::newToken();
    Transaction transaction(m_state.db());
    ForgetLogin(loginId);
    m_state.db().executeBound(QStringLiteral("INSERT INTO _storedlogin (operatorid, workstation, tokenhash) "
                                             "SELECT operatorid, ?, ? FROM operator WHERE loginid = ?"),
                              {workstation(), PasswordHash::tokenHash(token), loginId});
    transaction.commit();
    return token;
}

void cSecurity::ForgetLogin(const QString& loginId)
{
    m_state.db().executeBound(QStringLiteral("DELETE FROM _storedlogin WHERE workstation = ? AND operatorid IN "
                                             "(SELECT operatorid FROM operator WHERE loginid = ?)"),
                              {workstation(), loginId});
}

void cSecurity::SetPassword(qint64 operatorId, const QString& password)
{
    Database& db = m_state.db();
    db.executeBound(QStringLiteral("UPDATE operator SET passwrd = ? WHERE operatorid = ?"),
                    {PasswordHash::make(password), operatorId});
    db.executeBound(QStringLiteral("DELETE FROM _storedlogin WHERE operatorid = ?"), {operatorId});
}

QString cSecurity::workstation()
{
    return QSysInfo::machineHostName();
}

QString cSecurity::LoginRefusal(const QString& loginId)
{
    const RowSet rs = m_state.db().execute(QStringLiteral("select OPERATORSUSPENDED, EXPIRATIONDATE from operator where loginid = '")
                                           + SqlValue::text(loginId.trimmed()) + QStringLiteral("'"));
    if (rs.isEmpty())
        return {};
    if (rs.value(0, QStringLiteral("OPERATORSUSPENDED")).toInt() != 0)
        return QCoreApplication::translate("cSecurity", "This operator is suspended and cannot log in.");
    const qint64 expiry = rs.value(0, QStringLiteral("EXPIRATIONDATE")).toLongLong();
    const QDate last(int(expiry / 10000), int(expiry / 100 % 100), int(expiry % 100));
    if (last.isValid() && last < QDate::currentDate())
        return QCoreApplication::translate("cSecurity", "This operator expired on %1 and cannot log in.")
            .arg(last.toString(QStringLiteral("dd/MM/yyyy")));
    return {};
}

qint64 cSecurity::GetOperatorID(const QString& loginId)
{
    const RowSet rs = m_state.db().execute(QStringLiteral("select OPERATORID FROM OPERATOR WHERE LOGINID = '")
                                           + SqlValue::text(loginId) + QStringLiteral("'"));
    return rs.isEmpty() ? 0 : rs.value(0, QStringLiteral("OPERATORID")).toLongLong();
}

bool cSecurity::OthersKeepSecurity(qint64 operatorId)
{
    const RowSet rs = m_state.db().execute(
        QStringLiteral("select count(*) as CountOp from group_func g, operator o where g.operatorid = o.operatorid"
                       " and o.OPERATORSUSPENDED = 0 and g.menu_name = 'F2M' and g.command2 = 1 and g.command3 = 1"
                       " and o.operatorid <> ")
        + SqlValue::number(operatorId));
    return rs.value(0, QStringLiteral("CountOp")).toLongLong() > 0;
}

QString cSecurity::lockOutMessage()
{
    return QCoreApplication::translate("cSecurity",
                                       "At least one operator must keep the right to open the users screen and "
                                       "the user rights screen; nothing is changed.");
}

QString cSecurity::GetOperatorName(qint64 operatorId)
{
    const RowSet rs = m_state.db().execute(QStringLiteral("select operatorname FROM OPERATOR WHERE operatorid = ")
                                           + SqlValue::number(operatorId) + QStringLiteral(" "));
    return rs.isEmpty() ? QString() : rs.text(0, QStringLiteral("operatorname"));
}

QString cSecurity::FavouriteWindow(const QString& loginId)
{
    const RowSet rs = m_state.db().execute(QStringLiteral("select favouritewindow from operator where loginid = '")
                                           + SqlValue::text(loginId) + QLatin1Char('\''));
    return rs.isEmpty() ? QString() : rs.text(0, QStringLiteral("FavouriteWindow")).trimmed();
}

bool cSecurity::HasMenuRight(const QString& menu, int button)
{
    const RowSet rights = m_state.db().execute(
        QStringLiteral("select * from group_func where operatorid = ") + SqlValue::number(GetOperatorID(m_state.CurrentLoginId))
        + QStringLiteral(" and menu_name = '") + SqlValue::text(menu) + QLatin1Char('\''));
    return !rights.isEmpty() && Configuration::toBoolean(rights.text(0, QStringLiteral("command%1").arg(button)));
}

void cSecurity::SecureTheMenu(QWidget* menu)
{
    Database& db = m_state.db();
    const RowSet op = db.execute(QStringLiteral("select operatorid from operator where loginid = '")
                                 + SqlValue::text(m_state.CurrentLoginId) + QStringLiteral("'"));
    const qint64 operatorId = op.isEmpty() ? 0 : op.value(0, QStringLiteral("operatorid")).toLongLong();
    const RowSet rights = db.execute(QStringLiteral("select * from group_func where operatorid  = ")
                                     + SqlValue::number(operatorId) + QStringLiteral(" and menu_name = '")
                                     + SqlValue::text(menu->objectName()) + QStringLiteral("'"));
    if (!rights.isEmpty()) {
        for (int i = 1; i <= 9; ++i) {
            const QString name = QStringLiteral("command%1").arg(i);
            if (QWidget* button = KeyRoutines::control(menu, name))
                button->setEnabled(Configuration::toBoolean(rights.text(0, name)));
        }
    } else {
        for (QWidget* w : menu->findChildren<QWidget*>()) {
            const QString n = w->objectName();
            if (n.startsWith(QLatin1String("command"), Qt::CaseInsensitive)
                && n.compare(QLatin1String("command0"), Qt::CaseInsensitive) != 0)
                w->setEnabled(false);
        }
    }
    if (ShellFrame* frame = m_state.ui().frame())
        frame->setProgress(-1);
}
