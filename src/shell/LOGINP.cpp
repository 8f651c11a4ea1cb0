#include "shell/LOGINP.h"
#include "ui_LOGINP.h"

#include "core/AppError.h"
#include "core/ErrorLog.h"
#include "core/IniFile.h"
#include "core/RunState.h"
#include "core/ScreenSetup.h"
#include "core/ServerAddress.h"
#include "core/ShellFrame.h"
#include "core/cSecurity.h"
#include "shell/DatabaseFilter.h"
#include "shell/LOGINP0.h"
#include "shell/OwnDirection.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>
#include <utility>

namespace {

constexpr int KeyRole = Qt::UserRole;

}

LOGINP::LOGINP(RunState& state, QWidget* parent)
    : QDialog(parent), m_state(state), m_ui(std::make_unique<Ui::LOGINP>())
{
    m_ui->setupUi(this);
    m_root = new QTreeWidgetItem(m_ui->TreeView1, {RunState::programName() + QStringLiteral(".ini")});
    OwnDirection::rows(m_ui->TreeView1);
    OwnDirection::rows(m_ui->lstRequirements);

    m_ui->txtUserName->installEventFilter(this);
    m_ui->lblIniFileName->installEventFilter(this);
    m_ui->lblDBName->installEventFilter(this);

    connect(m_ui->txtUserName, &QLineEdit::returnPressed, this, [this] { m_ui->txtPassword->setFocus(); });
    connect(m_ui->txtPassword, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_ui->cmdOk->setEnabled(!text.isEmpty()); });
    connect(m_ui->txtPassword, &QLineEdit::returnPressed, this, &LOGINP::OK);
    connect(m_ui->cmdOk, &QPushButton::clicked, this, &LOGINP::OK);
    connect(m_ui->cmdCancel, &QPushButton::clicked, this, [this] { m_state.ui().quit(0); });
    connect(m_ui->TreeView1, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        if (item->parent())
            guarded(m_state, this, QStringLiteral("TreeView1_NodeClick"), [&] { editEntry(item); });
    });
}

LOGINP::~LOGINP() = default;

void LOGINP::setUserName(const QString& loginId)
{
    m_ui->txtUserName->setText(loginId);
}

void LOGINP::setPassword(const QString& password)
{
    m_ui->txtPassword->setText(password);
}

void LOGINP::showPaths(const QString& databasePath, const QString& iniFilePath)
{
    m_ui->lblDBName->setText(databasePath);
    m_ui->lblIniFileName->setText(iniFilePath);
}

void LOGINP::addEntry(const QString& key, const QString& value)
{
    auto* node = new QTreeWidgetItem(m_root, {key + QLatin1Char('=') + value});
    node->setData(0, KeyRole, key);
    m_root->setExpanded(true);
}

void LOGINP::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_loaded)
        return;
    m_loaded = true;
    ScreenSetup::run(m_state, this);
    m_ui->SSTab1->setCurrentIndex(0);
    m_ui->cmdOk->setEnabled(!m_ui->txtPassword->text().isEmpty());
    // Once the screen is up: a restored password logs in without waiting.
    QTimer::singleShot(0, this, &LOGINP::activate);
}

void LOGINP::activate()
{
    if (m_ui->txtUserName->text().isEmpty())
        m_ui->txtUserName->setFocus();
    else
        m_ui->txtPassword->setFocus();
    if (!m_ui->txtPassword->text().isEmpty() || !m_keptLogin.isEmpty()) {
        m_ui->cmdOk->setEnabled(!m_ui->txtPassword->text().isEmpty());
        OK();
    }
}

void LOGINP::OK()
{
    guarded(m_state, this, ERROR_SOURCE, [this] {
        m_ui->txtPassword->setText(m_ui->txtPassword->text().toUpper());
        m_ui->txtUserName->setText(m_ui->txtUserName->text().toUpper());
        if (m_prepareLogin && !m_prepareLogin(*this))
            return;
        const QString loginId = m_ui->txtUserName->text().trimmed();
        const QString password = m_ui->txtPassword->text();
        // A kept login is tried once; after that the operator types.
        const QString kept = password.isEmpty() ? std::exchange(m_keptLogin, QString()) : QString();
        const bool valid = kept.isEmpty() ? cSecurity(m_state).IsValidUserPassword(loginId, password)
                                          : cSecurity(m_state).IsValidKeptLogin(loginId, kept);
        if (!valid) {
            m_state.ui().message(this, tr("كلمة السر غير صحيحة"));
            m_ui->txtPassword->clear();
            m_ui->txtPassword->setFocus();
            return;
        }
        if (const QString refusal = cSecurity(m_state).LoginRefusal(loginId); !refusal.isEmpty()) {
            m_state.ui().message(this, refusal);
            m_ui->txtPassword->clear();
            m_ui->txtPassword->setFocus();
            return;
        }
        m_state.CurrentLoginId = loginId;
        if (ShellFrame* frame = m_state.ui().frame())
            frame->setStatusPanel(ShellFrame::LoginPanel, loginId);
        IniFile::WriteIniFile(m_state);
        m_state.DatabasePath = m_ui->lblDBName->text();
        accept();
    });
}

void LOGINP::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        m_state.ui().quit(0);
        return;
    }
    QDialog::keyPressEvent(event);
}

void LOGINP::closeEvent(QCloseEvent* event)
{
    // Nobody gets past the login screen by closing it.
    m_state.ui().quit(0);
    QDialog::closeEvent(event);
}

bool LOGINP::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui->txtUserName) {
        if (event->type() == QEvent::FocusIn)
            // After the click that gave the focus, which would clear the selection.
            QTimer::singleShot(0, m_ui->txtUserName, &QLineEdit::selectAll);
        else if (event->type() == QEvent::FocusOut)
            m_ui->txtUserName->setText(m_ui->txtUserName->text().toUpper());
    } else if (watched == m_ui->lblIniFileName && event->type() == QEvent::MouseButtonRelease
               && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        guarded(m_state, this, ERROR_SOURCE, [this] { openIniFile(); });
        return true;
    } else if (watched == m_ui->lblDBName && event->type() == QEvent::MouseButtonDblClick) {
        guarded(m_state, this, ERROR_SOURCE, [this] { chooseDatabase(); });
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void LOGINP::editEntry(QTreeWidgetItem* item)
{
    const QString text = item->text(0);
    const qsizetype eq = text.indexOf(QLatin1Char('='));
    LOGINP0 editor(m_state, this);
    editor.setEntry(item->data(0, KeyRole).toString(), eq < 0 ? QString() : text.mid(eq + 1));
    if (m_state.ui().exec(&editor) == QDialog::Accepted)
        applyEntry(editor.key(), editor.value());
}

void LOGINP::applyEntry(const QString& key, const QString& value)
{
    for (int i = 0; i < m_root->childCount(); ++i) {
        QTreeWidgetItem* node = m_root->child(i);
        if (node->data(0, KeyRole).toString() != key)
            continue;
        node->setText(0, key + QLatin1Char('=') + value);
        if (key == IniFile::DatabaseKey) {
            m_state.DatabasePath = value.trimmed();
            m_ui->lblDBName->setText(m_state.DatabasePath);
        } else if (key == IniFile::LastUserKey) {
            m_ui->txtUserName->setText(value.trimmed().toUpper());
        }
    }
}

void LOGINP::openIniFile()
{
    const QString path = m_state.IniFilePath;
    for (const QString& editor : {QStringLiteral("xdg-open"), QStringLiteral("gedit"), QStringLiteral("mousepad"),
                                  QStringLiteral("kate")}) {
        if (!QStandardPaths::findExecutable(editor).isEmpty()) {
            m_state.ui().startProgram(this, editor, {path});
            return;
        }
    }
    m_state.ui().openUrl(this, QUrl::fromLocalFile(path));
}

void LOGINP::chooseDatabase()
{
    FileRequest request;
    request.title = tr("DataBase File");
    request.filter = DatabaseFilter::filter();
    request.defaultSuffix = DatabaseFilter::suffix();
    const QString shown = m_ui->lblDBName->text();
    if (ServerAddress::isServer(shown)) {
        // A server is named, not found among files: its URI is edited as the
        // DataBase entry, whose browse button still offers the files.
        LOGINP0 editor(m_state, this);
        editor.setEntry(IniFile::DatabaseKey, shown);
        if (m_state.ui().exec(&editor) != QDialog::Accepted || editor.value().trimmed().isEmpty())
            return;
        m_state.DatabasePath = editor.value().trimmed();
        m_ui->lblDBName->setText(m_state.DatabasePath);
        return;
    }
    request.initialPath = shown;
    const QString path = m_state.ui().chooseFile(this, request);
    if (path.isEmpty())
        return;
    m_ui->lblDBName->setText(path);
    m_state.DatabasePath = path;
}
