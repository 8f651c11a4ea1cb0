#include "engine/WesternDigits.h"

#include <QCoreApplication>
#include <QDateTimeEdit>
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

namespace {

bool isSeparator(const QString& text)
{
    static const QString separators = QStringLiteral("/-.:\u066B\u060C ");
    return text.size() == 1 && separators.contains(text.at(0));
}

}

bool WesternDigitKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || m_sending)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<const QKeyEvent*>(event);
    const QString text = key->text();
    const QString western = westernDigits(text);
    auto* edit = qobject_cast<QDateTimeEdit*>(watched);
    if (edit && isSeparator(text)) {
        // A separator ends the section being typed; after a full section the
        // field has moved on by itself already.
        const int next = edit->currentSectionIndex() + 1;
        if (!m_movedOn && next < edit->sectionCount()) {
            edit->setCurrentSectionIndex(next);
            edit->setSelectedSection(edit->sectionAt(next));
        }
        m_movedOn = false;
        return true;
    }
    if (text.size() != 1 || !western.at(0).isDigit())
        return QObject::eventFilter(watched, event);
    const int section = edit ? edit->currentSectionIndex() : 0;
    QKeyEvent digit(QEvent::KeyPress, Qt::Key_0 + western.at(0).digitValue(), key->modifiers(), western,
                    key->isAutoRepeat(), ushort(key->count()));
    m_sending = true;
    QCoreApplication::sendEvent(watched, &digit);
    m_sending = false;
    m_movedOn = edit && edit->currentSectionIndex() != section;
    return true;
}
