#include "shell/F2M2.h"
#include "ui_F2M2.h"

#include "core/AppError.h"
#include "core/ErrorLog.h"
#include "core/KeyRoutines.h"
#include "core/RunState.h"
#include "core/ScreenSetup.h"
#include "core/ShellFrame.h"
#include "core/SqlValue.h"
#include "core/cSecurity.h"
#include "engine/cWindow.h"
#include "shell/MenuTable.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace {

const QString Allowed = QStringLiteral("background-color: #000000; color: #ffffff;");
const QString Refused = QStringLiteral("background-color: #00ffff; color: #000000;");

}

F2M2::F2M2(RunState& state, QWidget* parent)
    : QDialog(parent), m_state(state), m_ui(std::make_unique<Ui::F2M2>())
{
    m_ui->setupUi(this);
    m_buttons = {m_ui->command1, m_ui->command2, m_ui->command3, m_ui->command4, m_ui->command5,
                 m_ui->command6, m_ui->command7, m_ui->command8, m_ui->command9};
    for (int i = 1; i <= 9; ++i)
        connect(m_buttons[i - 1], &QPushButton::clicked, this, [this, i] { toggle(i); });
    const std::array<QPushButton*, 5> menus{m_ui->cmdF1, m_ui->cmdF2, m_ui->cmdF3, m_ui->cmdF4, m_ui->cmdF5};
    for (int menu = 1; menu <= 5; ++menu)
        connect(menus[menu - 1], &QPushButton::clicked, this, [this, menu] { showMenu(menu); });
    connect(m_ui->cmdOpen, &QPushButton::clicked, this, &F2M2::Open);
    connect(m_ui->cmdSave, &QPushButton::clicked, this, &F2M2::Save);
    connect(m_ui->command0, &QPushButton::clicked, this, &F2M2::close);
    showMenu(5);
}

F2M2::~F2M2() = default;

void F2M2::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_loaded)
        return;
    m_loaded = true;
    ScreenSetup::run(m_state, this);
    // The menu buttons as the main window shows them.
    if (ShellFrame* frame = m_state.ui().frame()) {
        const std::array<QPushButton*, 5> menus{m_ui->cmdF1, m_ui->cmdF2, m_ui->cmdF3, m_ui->cmdF4, m_ui->cmdF5};
        for (int menu = 1; menu <= 5; ++menu) {
            if (auto* main = qobject_cast<QAbstractButton*>(
                    KeyRoutines::control(frame->frameWidget(), QStringLiteral("cmdF%1").arg(menu)))) {
                menus[menu - 1]->setText(main->text());
                menus[menu - 1]->setIcon(main->icon());
            }
        }
    }
    Open();
}

qint64 F2M2::operatorId() const
{
    return m_ui->txtID->text().trimmed().toLongLong();
}

void F2M2::Open()
{
    guarded(m_state, this, ERROR_SOURCE, [this] {
        if (!m_state.service<cWindow>().ShowOpen(this, tr("System Users"), QStringLiteral("WHERE 1 = 1 ")))
            return;
        const qint64 id = m_state.CurrentRecordId;
        m_ui->txtID->setText(QString::number(id));
        m_ui->txtNAME->setText(cSecurity(m_state).GetOperatorName(id));
        for (auto& menu : m_rights)
            menu.fill(0);
        const RowSet rows = m_state.db().execute(QStringLiteral("select * from group_func where operatorid = ")
                                                 + SqlValue::number(id) + QStringLiteral(" order by menu_name asc"));
        for (int r = 0; r < rows.count(); ++r) {
            for (int menu = 1; menu <= MenuTable::MenuCount; ++menu) {
                if (rows.text(r, QStringLiteral("menu_name")).compare(MenuTable::menuName(menu), Qt::CaseInsensitive))
                    continue;
                for (int button = 1; button <= 9; ++button)
                    m_rights[menu - 1][button - 1] =
                        rows.value(r, QStringLiteral("command%1").arg(button)).toInt() != 0 ? 1 : 0;
            }
        }
    });
    showMenu(5);
    m_buttons[0]->setFocus();
}

void F2M2::showMenu(int menu)
{
    m_menu = menu;
    m_ui->Frame3->setTitle(MenuTable::frameTitle(menu));
    for (int button = 1; button <= 9; ++button) {
        QPushButton* b = m_buttons[button - 1];
        const MenuCommand* command = MenuTable::find(menu, button);
        b->setVisible(command != nullptr);
        if (command)
            b->setText(MenuTable::caption(*command));
        paint(button);
    }
}

void F2M2::paint(int button)
{
    m_buttons[button - 1]->setStyleSheet(right(m_menu, button) ? Allowed : Refused);
}

void F2M2::toggle(int button)
{
    int& cell = m_rights[m_menu - 1][button - 1];
    cell = cell ? 0 : 1;
    paint(button);
}

void F2M2::Save()
{
    guarded(m_state, this, ERROR_SOURCE, [this] {
        const qint64 id = operatorId();
        if (id <= 0)
            return;
        Database& db = m_state.db();
        const bool suspended = db.execute(QStringLiteral("select OPERATORSUSPENDED from operator where operatorid = ")
                                          + SqlValue::number(id))
                                   .value(0, QStringLiteral("OPERATORSUSPENDED"))
                                   .toInt()
            != 0;
        const bool keepsSecurity = !suspended && right(2, 2) && right(2, 3);
        if (!keepsSecurity && !cSecurity(m_state).OthersKeepSecurity(id)) {
            m_state.ui().message(this, cSecurity::lockOutMessage());
            return;
        }
        Transaction transaction(db);
        m_state.ui().ShowProgress(0);
        db.command(QStringLiteral("delete from group_func where operatorid = ") + SqlValue::number(id));
        for (int menu = 1; menu <= MenuTable::MenuCount; ++menu) {
            cWindow::Fields fields{{QStringLiteral("operatorid"), id},
                                   {QStringLiteral("menu_name"), MenuTable::menuName(menu)}};
            for (int button = 1; button <= 9; ++button)
                fields.append({QStringLiteral("command%1").arg(button), right(menu, button)});
            m_state.service<cWindow>().Insert(QStringLiteral("group_func"), QStringLiteral("GROUPFUNCID"), fields);
            m_state.ui().ShowProgress(menu * 20);
        }
        transaction.commit();
        m_state.ui().ShowProgress(-1);
    });
}

void F2M2::keyPressEvent(QKeyEvent* event)
{
    if (!KeyRoutines::dataScreenKey(m_state, this, event->key()))
        QDialog::keyPressEvent(event);
}
