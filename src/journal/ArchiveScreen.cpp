#include "journal/ArchiveScreen.h"

#include "core/AppError.h"
#include "core/ScreenSetup.h"
#include "core/SqlValue.h"
#include "core/StoredDate.h"
#include "engine/ControlAccess.h"
#include "engine/ScreenFocus.h"
#include "engine/StoredValue.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QHash>
#include <QTableView>

namespace {

DataScreen::Definition archiveDefinition()
{
    DataScreen::Definition d;
    d.printList = DataScreen::PrintList::ListWindow;
    return d;
}

}

ArchiveScreen::ArchiveScreen(RunState& state, QWidget* parent) : DataScreen(state, archiveDefinition(), parent)
{
}

void ArchiveScreen::wire()
{
    connectCommands();
    if (auto* search = qobject_cast<QAbstractButton*>(ControlAccess::find(this, QStringLiteral("cmdSearch"))))
        connect(search, &QAbstractButton::clicked, this, &ArchiveScreen::search);
    QComboBox* users = userBox();
    connect(allUsersBox(), &QCheckBox::toggled, users, [users](bool all) { users->setEnabled(!all); });
    users->setEnabled(!allUsersBox()->isChecked());
}

void ArchiveScreen::load()
{
    ScreenSetup::run(state(), this);
    const QDate today = QDate::currentDate();
    dateEdit("dfdFrom")->setDate(today);
    dateEdit("dfdTo")->setDate(today);
    ScreenFocus::toFirstField(this);
}

void ArchiveScreen::Ok()
{
    Close();
}

void ArchiveScreen::search()
{
    // No screen edits the journals, so the archive names their dates and times itself.
    static const QHash<QString, int> stored{{QStringLiteral("JOURNALDATE"), StoredValue::Date},
                                            {QStringLiteral("JOURNALTIME"), StoredValue::Time},
                                            {QStringLiteral("TRANSACTIONDATE"), StoredValue::Date}};
    run(ERROR_SOURCE,
        [this] { window().ReadGrid(this, QStringLiteral("datagrid1"), searchCondition(), stored); });
}

QDateEdit* ArchiveScreen::dateEdit(const char* name) const
{
    return qobject_cast<QDateEdit*>(ControlAccess::require(this, QLatin1String(name)));
}

QString ArchiveScreen::fromDate() const
{
    return SqlValue::number(StoredDate::text(dateEdit("dfdFrom")->date()), QStringLiteral("dfdFrom"));
}

QString ArchiveScreen::toDate() const
{
    return SqlValue::number(StoredDate::text(dateEdit("dfdTo")->date()), QStringLiteral("dfdTo"));
}

QTableView* ArchiveScreen::grid() const
{
    return qobject_cast<QTableView*>(ControlAccess::require(this, QStringLiteral("DataGrid1")));
}

QComboBox* ArchiveScreen::userBox() const
{
    return qobject_cast<QComboBox*>(ControlAccess::require(this, QStringLiteral("dfcUser")));
}

QCheckBox* ArchiveScreen::allUsersBox() const
{
    return qobject_cast<QCheckBox*>(ControlAccess::require(this, QStringLiteral("dffAllUsers")));
}
