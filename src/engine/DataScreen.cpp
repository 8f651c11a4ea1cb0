#include "engine/DataScreen.h"

#include "core/AppError.h"
#include "core/ErrorLog.h"
#include "core/KeyRoutines.h"
#include "core/RunState.h"
#include "core/ScreenOpener.h"
#include "core/ScreenSetup.h"
#include "core/ScreenTag.h"
#include "core/SqlValue.h"
#include "core/cSecurity.h"
#include "engine/ControlAccess.h"
#include "engine/ScreenFocus.h"
#include "engine/cDevelper.h"
#include "engine/cValidation.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

// The commands that make, change or delete a record.
const QStringList DataScreen::ChangingCommands{QStringLiteral("cmdNew"), QStringLiteral("cmdSave"),
                                               QStringLiteral("cmdDel")};

DataScreen::DataScreen(RunState& state, Definition definition, QWidget* parent)
    : QDialog(parent), m_state(state), m_definition(std::move(definition))
{
}

cWindow& DataScreen::window()
{
    return m_state.service<cWindow>();
}

void DataScreen::connectCommands()
{
    const std::pair<const char*, void (DataScreen::*)()> commands[] = {
        {"cmdNew", &DataScreen::New},       {"cmdOpen", &DataScreen::Open},
        {"cmdSave", &DataScreen::Save},     {"cmdDel", &DataScreen::Delete},
        {"cmdOk", &DataScreen::Ok},         {"command0", &DataScreen::Close},
        {"cmdPL", &DataScreen::PrintListCommand}, {"cmdPRINT", &DataScreen::Print},
    };
    for (const auto& [name, handler] : commands) {
        auto* button = qobject_cast<QAbstractButton*>(ControlAccess::find(this, QLatin1String(name)));
        if (!button)
            continue;
        // Whoever may pick a record need not have the right to change the
        // screen it is picked from: its button or key does nothing then.
        const bool changes = ChangingCommands.contains(QLatin1String(name));
        connect(button, &QAbstractButton::clicked, this, [this, h = handler, changes] {
            if (!(changes && choosingOnly()))
                (this->*h)();
        });
    }
}

bool DataScreen::choosingOnly() const
{
    // The contract's own RENTMODE is renting; a screen that hands a record
    // to its opener is picking one.
    return pickerMode() && !pickerFields().isEmpty();
}

bool DataScreen::run(const QString& where, const std::function<void()>& work)
{
    return guarded(m_state, this, objectName() + QLatin1Char('.') + where, work);
}

QString DataScreen::idText() const
{
    QWidget* id = ControlAccess::find(this, QStringLiteral("txtID"));
    return id ? ControlAccess::text(id).trimmed() : QString();
}

QString DataScreen::keyCondition(const QString& keyword) const
{
    return keyword + m_definition.keyColumn + QStringLiteral(" = ") + SqlValue::number(idText(), QStringLiteral("txtID"));
}

bool DataScreen::pickerMode() const
{
    return ScreenTag::get(this) == QLatin1String("RENTMODE");
}

void DataScreen::load()
{
    ScreenSetup::run(m_state, this);
    // A picker shows records; its opener disables the frames of fields. Enter
    // takes the record shown.
    if (pickerMode()) {
        if (auto* name = qobject_cast<QLineEdit*>(ControlAccess::find(this, QStringLiteral("txtNAME"))))
            name->setReadOnly(true);
        if (auto* ok = qobject_cast<QPushButton*>(ControlAccess::find(this, QStringLiteral("cmdOk"))))
            ok->setDefault(true);
    }
    if (choosingOnly())
        for (const QString& name : ChangingCommands)
            if (QWidget* button = ControlAccess::find(this, name))
                button->hide();
    run(ERROR_SOURCE, [this] {
        const qint64 key = firstRecord(m_definition.loadCondition.isEmpty() ? m_definition.condition
                                                                           : m_definition.loadCondition);
        window().Read(QStringLiteral("where ") + m_definition.keyColumn + QStringLiteral(" = ") + QString::number(key),
                      this);
    });
    ScreenFocus::toFirstField(this);
}

qint64 DataScreen::firstRecord(const QString& condition)
{
    if (m_firstRecord != 0)
        return m_firstRecord;
    return window().ReadOneValueFromTable(m_definition.keyColumn, m_definition.table, condition);
}

bool DataScreen::event(QEvent* event)
{
    // Ahead of the screen's own keys: frmEmployee takes Shift+F9 whatever else is held.
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F9 && key->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier)) {
            openDesigner();
            return true;
        }
    }
    if (event->type() == QEvent::Show && !m_loaded) {
        m_loaded = true;
        load();
    } else if (event->type() == QEvent::WindowActivate) {
        // Back from a dialog or another program, the clerk goes on where he was.
        ScreenFocus::showPlace(this);
    }
    return QDialog::event(event);
}

void DataScreen::keyPressEvent(QKeyEvent* event)
{
    // Shift+F9 is held back on the data screens.
    if (event->key() == Qt::Key_F9 && (event->modifiers() & Qt::ShiftModifier))
        return;
    if (!KeyRoutines::dataScreenKey(m_state, this, event->key()))
        QDialog::keyPressEvent(event);
}

bool DataScreen::focusNextPrevChild(bool next)
{
    return ScreenFocus::moveOn(this, next) || QDialog::focusNextPrevChild(next);
}

void DataScreen::openDesigner()
{
    // Whoever may change the office's options (F3, 4) may change its screens.
    run(QStringLiteral("ShowWindowTable"), [this] {
        if (cSecurity(m_state).HasMenuRight(QStringLiteral("F3M"), 4))
            m_state.service<cDevelper>().ShowWindowTable(objectName(), this);
    });
    takeKeyboard();
}

void DataScreen::done(int result)
{
    // Leaving any screen ends a journal view.
    m_state.Viewing = false;
    QDialog::done(result);
}

void DataScreen::New()
{
    const QString shown = idText();
    run(ERROR_SOURCE, [this] {
        window().ShowNew(this, m_definition.newCaption, m_definition.nameField, newRecordFields());
    });
    takeKeyboard();
    // A new record starts at its first field; a cancelled one leaves the clerk where he was.
    if (idText() != shown)
        ScreenFocus::toFirstField(this);
}

void DataScreen::Open()
{
    run(ERROR_SOURCE, [this] {
        // The record shown is the screen's own: CurrentRecordId may hold any number by now.
        const QString shown = idText().isEmpty() ? QString() : keyCondition(QStringLiteral(" WHERE "));
        const QString condition = pickerMode() && !m_definition.pickerCondition.isEmpty()
            ? m_definition.pickerCondition
            : m_definition.condition;
        if (window().ShowOpen(this, m_definition.openCaption, condition, m_definition.openSearch)) {
            window().Read(QStringLiteral(" WHERE ") + m_definition.keyColumn + QStringLiteral(" = ")
                              + QString::number(m_state.CurrentRecordId),
                          this);
            ScreenFocus::toFirstField(this);
        } else if (!shown.isEmpty()) {
            window().Read(shown, this);
        }
    });
    takeKeyboard();
}

void DataScreen::Save()
{
    run(ERROR_SOURCE, [this] {
        if (m_state.service<cValidation>().ValidateWindow(this))
            window().Save(keyCondition(), this);
    });
}

void DataScreen::Delete()
{
    bool deleted = false;
    run(ERROR_SOURCE, [this, &deleted] {
        if (!idText().isEmpty())
            deleted = window().Delete(QString(), this);
    });
    if (deleted)
        close();
}

void DataScreen::Ok()
{
    // A picker hands its record to the screen that opened it and saves nothing.
    if (pickerMode())
        PickerCopy::copy(this, parentWidget(), pickerFields());
    else
        Save();
    close();
}

void DataScreen::Close()
{
    m_state.ui().processEvents();
    close();
}

void DataScreen::PrintListCommand()
{
    if (m_definition.printList == PrintList::ListWindow)
        openScreen(m_state, this, QStringLiteral("F3M0O"), ERROR_SOURCE, {}, {},
                   buttonCaption(QStringLiteral("cmdPL")));
    takeKeyboard();
}

void DataScreen::Print()
{
    openScreen(m_state, this, QStringLiteral("frmPrint"), ERROR_SOURCE, {}, {},
               buttonCaption(QStringLiteral("cmdPRINT")));
    takeKeyboard();
}

QString DataScreen::buttonCaption(const QString& name) const
{
    // The tool tip names the command alone; the face also shows its key.
    const auto* button = qobject_cast<const QAbstractButton*>(ControlAccess::find(this, name));
    if (!button)
        return {};
    return button->toolTip().isEmpty() ? button->text().remove(QLatin1Char('&')).trimmed() : button->toolTip();
}

void DataScreen::takeKeyboard()
{
    // A dialog of this screen has closed: the clerk's keys come here again,
    // whether or not the desktop hands the activation back.
    if (isVisible())
        activateWindow();
}
