#include "WindowTexts.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <QTextDocumentFragment>

namespace {

QString plain(const QString& text)
{
    QString shown = Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
    return shown.remove(QLatin1Char('&'));
}

QString where(const QWidget* w)
{
    return QString::fromLatin1(w->metaObject()->className()) + QLatin1Char(' ') + w->objectName();
}

}

QList<WindowText> fixedTexts(const QWidget* window)
{
    QList<WindowText> texts{{QStringLiteral("title"), window->windowTitle()}};
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        // A window of its own is looked at on its own.
        if (w->isWindow())
            continue;
        if (const auto* label = qobject_cast<const QLabel*>(w))
            texts << WindowText{where(w), plain(label->text())};
        else if (const auto* button = qobject_cast<const QAbstractButton*>(w))
            texts << WindowText{where(w), plain(button->text())};
        else if (const auto* group = qobject_cast<const QGroupBox*>(w))
            texts << WindowText{where(w), plain(group->title())};
        else if (const auto* tabs = qobject_cast<const QTabWidget*>(w))
            for (int i = 0; i < tabs->count(); ++i)
                texts << WindowText{where(w) + QStringLiteral(" tab %1").arg(i), plain(tabs->tabText(i))};
    }
    return texts;
}
