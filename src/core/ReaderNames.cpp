#include "core/ReaderNames.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QCalendarWidget>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTextDocumentFragment>
#include <QTextEdit>

namespace ReaderNames {

QString spoken(const QString& caption)
{
    static const QRegularExpression hint(
        QStringLiteral("^\\s*(F[0-9]{1,2}|[0-9])\\s*-\\s*|\\s+F[0-9]{1,2}\\s*$|\\s*[:\\x{061B}]\\s*$"));
    QString text = Qt::mightBeRichText(caption) ? QTextDocumentFragment::fromHtml(caption).toPlainText() : caption;
    text = text.remove(QLatin1Char('&')).simplified();
    const QString bare = QString(text).remove(hint).trimmed();
    // A caption that is nothing but its key ("F10") is said as it is.
    return bare.isEmpty() ? text : bare;
}

static bool isField(const QWidget* w)
{
    if (qobject_cast<const QLineEdit*>(w))
        // The line inside a spin box or a combo box is named with its control.
        return !qobject_cast<const QAbstractSpinBox*>(w->parentWidget())
            && !qobject_cast<const QComboBox*>(w->parentWidget());
    return qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QComboBox*>(w)
        || qobject_cast<const QTextEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w)
        || qobject_cast<const QAbstractItemView*>(w) || qobject_cast<const QCalendarWidget*>(w);
}

static QString labelText(const QLayoutItem* item)
{
    const auto* label = item ? qobject_cast<const QLabel*>(item->widget()) : nullptr;
    return label ? spoken(label->text()) : QString();
}

// The label beside the field in its layout: before it on its row, else above it.
static QString adjacentLabel(const QWidget* field)
{
    const QWidget* parent = field->parentWidget();
    auto* layout = parent ? parent->layout() : nullptr;
    if (!layout)
        return {};
    // The field may sit in a layout nested in the parent's.
    QList<QLayout*> layouts{layout};
    for (qsizetype i = 0; i < layouts.size(); ++i) {
        QLayout* l = layouts[i];
        const int index = l->indexOf(const_cast<QWidget*>(field));
        if (index < 0) {
            for (int j = 0; j < l->count(); ++j)
                if (QLayout* inner = l->itemAt(j)->layout())
                    layouts << inner;
            continue;
        }
        if (auto* form = qobject_cast<QFormLayout*>(l)) {
            const auto* label = qobject_cast<const QLabel*>(form->labelForField(const_cast<QWidget*>(field)));
            return label ? spoken(label->text()) : QString();
        }
        if (auto* grid = qobject_cast<QGridLayout*>(l)) {
            int row = 0, column = 0, rows = 0, columns = 0;
            grid->getItemPosition(index, &row, &column, &rows, &columns);
            const QString before = column > 0 ? labelText(grid->itemAtPosition(row, column - 1)) : QString();
            return !before.isEmpty() ? before : row > 0 ? labelText(grid->itemAtPosition(row - 1, column)) : QString();
        }
        return index > 0 ? labelText(l->itemAt(index - 1)) : QString();
    }
    return {};
}

// The caption of what holds the field: its group box, else its tab page.
static QString holderCaption(const QWidget* field, const QWidget* window)
{
    for (const QWidget* w = field->parentWidget(); w && w != window; w = w->parentWidget()) {
        if (const auto* group = qobject_cast<const QGroupBox*>(w); group && !group->title().isEmpty())
            return spoken(group->title());
        if (const auto* tabs = qobject_cast<const QTabWidget*>(w->parentWidget() ? w->parentWidget()->parentWidget() : nullptr)) {
            const int page = tabs->indexOf(const_cast<QWidget*>(w));
            if (page >= 0)
                return spoken(tabs->tabText(page));
        }
    }
    return spoken(window->windowTitle());
}

static void name(QWidget* w, const QString& text)
{
    if (w->accessibleName().isEmpty() && !text.isEmpty())
        w->setAccessibleName(text);
}

void give(QWidget* window)
{
    for (auto* label : window->findChildren<QLabel*>())
        if (label->buddy())
            name(label->buddy(), spoken(label->text()));
    for (auto* tabs : window->findChildren<QTabWidget*>())
        for (int i = 0; i < tabs->count(); ++i)
            name(tabs->widget(i), spoken(tabs->tabText(i)));
    // A label that takes the focus (a link) is named by what it shows.
    for (auto* label : window->findChildren<QLabel*>())
        if (label->focusPolicy() & Qt::TabFocus)
            name(label, spoken(label->text().isEmpty() ? label->toolTip() : label->text()));
    for (auto* button : window->findChildren<QAbstractButton*>())
        name(button, spoken(button->text().isEmpty() ? button->toolTip() : button->text()));
    for (auto* w : window->findChildren<QWidget*>())
        if (isField(w) && w->accessibleName().isEmpty()) {
            const QString label = adjacentLabel(w);
            name(w, label.isEmpty() ? holderCaption(w, window) : label);
        }
    // The line a clerk types into in a combo box is the combo box.
    for (auto* combo : window->findChildren<QComboBox*>())
        if (combo->lineEdit())
            name(combo->lineEdit(), combo->accessibleName());
}

}
