#include "engine/WesternDigits.h"

#include <QCoreApplication>
#include <QKeyEvent>

QString westernDigits(QString text)
{
    for (QChar& c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x0660 && u <= 0x0669)
            c = QChar(u'0' + (u - 0x0660));
        else if (u >= 0x06F0 && u <= 0x06F9)
            c = QChar(u'0' + (u - 0x06F0));
        else if (u == 0x066B)
            c = QLatin1Char('.');
    }
    return text;
}

bool WesternDigitKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        const QString text = key->text();
        const QString western = westernDigits(text);
        if (text.size() == 1 && western != text && western.at(0).isDigit()) {
            QKeyEvent digit(QEvent::KeyPress, Qt::Key_0 + western.at(0).digitValue(), key->modifiers(), western,
                            key->isAutoRepeat(), ushort(key->count()));
            QCoreApplication::sendEvent(watched, &digit);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
