#include "core/ServerAddress.h"

#include "core/AppError.h"

#include <QRegularExpression>
#include <QUrl>

namespace {

const QString Source = QStringLiteral("Database");

// The address as a message may show it: a password typed into it, against
// the rules, is not repeated on the screen, in the log or on stderr.
QString withoutPassword(QString text)
{
    static const QRegularExpression inUserInfo(QStringLiteral("(://[^/?@:]*:)[^/?@]*@"));
    static const QRegularExpression inQuery(QStringLiteral("([?&]password=)[^&]*"),
                                            QRegularExpression::CaseInsensitiveOption);
    return text.replace(inUserInfo, QStringLiteral("\\1***@")).replace(inQuery, QStringLiteral("\\1***"));
}

[[noreturn]] void refuse(const QString& text, const QString& why)
{
    throw AppError(ErrorNumber::DatabaseFailure, QStringLiteral("%1: %2").arg(withoutPassword(text), why), Source);
}

QString decoded(QStringView part)
{
    return QUrl::fromPercentEncoding(part.toUtf8());
}

QString encoded(const QString& part, const char* keep = "")
{
    return QString::fromLatin1(QUrl::toPercentEncoding(part, keep));
}

}

bool ServerAddress::isServer(const QString& text)
{
    const QString t = text.trimmed();
    return t.startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive)
        || t.startsWith(QLatin1String("postgres://"), Qt::CaseInsensitive);
}

ServerAddress ServerAddress::parse(const QString& text)
{
    const QString t = text.trimmed();
    if (!isServer(t))
        refuse(t, QStringLiteral("a server address begins with postgresql://"));
    // Parsed by hand: QUrl does not take a socket folder, percent-encoded, as host.
    QStringView rest = QStringView(t).mid(t.indexOf(QLatin1String("://")) + 3);
    QStringView query;
    if (const qsizetype q = rest.indexOf(u'?'); q >= 0) {
        query = rest.mid(q + 1);
        rest = rest.left(q);
    }
    QStringView authority = rest;
    QStringView path;
    if (const qsizetype slash = rest.indexOf(u'/'); slash >= 0) {
        authority = rest.left(slash);
        path = rest.mid(slash + 1);
    }
    ServerAddress a;
    if (const qsizetype at = authority.lastIndexOf(u'@'); at >= 0) {
        const QStringView userInfo = authority.left(at);
        if (userInfo.contains(u':'))
            refuse(t, QStringLiteral("a password does not belong in the address; put it in ~/.pgpass or PGPASSWORD"));
        a.user = decoded(userInfo);
        authority = authority.mid(at + 1);
    }
    QStringView hostPart = authority;
    if (const qsizetype colon = authority.lastIndexOf(u':'); colon >= 0 && !authority.endsWith(u']')) {
        hostPart = authority.left(colon);
        bool ok = false;
        a.port = authority.mid(colon + 1).toInt(&ok);
        if (!ok || a.port <= 0 || a.port > 65535)
            refuse(t, QStringLiteral("the port is not a number"));
    }
    a.host = decoded(hostPart);
    if (a.host.startsWith(u'[') && a.host.endsWith(u']'))
        a.host = a.host.mid(1, a.host.size() - 2);
    a.database = decoded(path);
    for (const QStringView pair : query.split(u'&', Qt::SkipEmptyParts)) {
        const qsizetype eq = pair.indexOf(u'=');
        const QString key = decoded(eq < 0 ? pair : pair.left(eq)).toLower();
        const QString value = eq < 0 ? QString() : decoded(pair.mid(eq + 1));
        if (key == u"password")
            refuse(t, QStringLiteral("a password does not belong in the address; put it in ~/.pgpass or PGPASSWORD"));
        if (key == u"host")
            a.host = value;
        else if (key == u"port")
            a.port = value.toInt();
        else if (key == u"user")
            a.user = value;
        else if (key == u"dbname")
            a.database = value;
        else if (value.contains(u';') || value.contains(u' ') || value.contains(u'\''))
            refuse(t, QStringLiteral("the value of %1 cannot be passed on").arg(key));
        else
            a.options << key + u'=' + value;
    }
    if (a.database.isEmpty())
        refuse(t, QStringLiteral("the address names no database (postgresql://host/dbname)"));
    return a;
}

QString ServerAddress::uri() const
{
    const bool socket = host.startsWith(u'/');
    QString out = QStringLiteral("postgresql://");
    if (!user.isEmpty() && !socket)
        out += encoded(user) + u'@';
    if (!socket)
        out += host.contains(u':') ? u'[' + host + u']' : encoded(host);
    if (port > 0 && !socket)
        out += u':' + QString::number(port);
    out += u'/' + encoded(database);
    QStringList query;
    if (socket) {
        query << QStringLiteral("host=") + encoded(host, "/");
        if (port > 0)
            query << QStringLiteral("port=%1").arg(port);
        if (!user.isEmpty())
            query << QStringLiteral("user=") + encoded(user);
    }
    query << options;
    return query.isEmpty() ? out : out + u'?' + query.join(u'&');
}
