#include "shell/SCRNlogoff.h"
#include "ui_SCRNlogoff.h"

#include "core/AppError.h"
#include "core/ErrorLog.h"
#include "core/OwnerOnly.h"
#include "core/RunState.h"
#include "core/ScreenSetup.h"
#include "core/ScreenTag.h"
#include "core/ShellFrame.h"
#include "shell/BackupName.h"
#include "shell/BackupRestore.h"
#include "shell/DatabaseFilter.h"

#include <QDateTime>
#include <QEvent>
#include <QFileInfo>
#include <QLocale>

SCRNlogoff::SCRNlogoff(RunState& state, QWidget* parent)
    : QDialog(parent), m_state(state), m_ui(std::make_unique<Ui::SCRNlogoff>())
{
    m_ui->setupUi(this);
    m_ui->lblbakupfilename->installEventFilter(this);
    connect(m_ui->Check1, &QCheckBox::toggled, m_ui->lblbakupfilename, &QLabel::setEnabled);
    connect(m_ui->cmdOk, &QPushButton::clicked, this, &SCRNlogoff::logOff);
    connect(m_ui->cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ui->cmdRestore, &QPushButton::clicked, this, &SCRNlogoff::restore);
}

SCRNlogoff::~SCRNlogoff() = default;

void SCRNlogoff::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_loaded)
        return;
    m_loaded = true;
    m_ui->lblbakupfilename->setText(
        BackupName::freePath(m_state.homeFile(QStringLiteral("db/backup")), QDateTime::currentDateTime()));
    m_ui->lblbakupfilename->setEnabled(m_ui->Check1->isChecked());
    // A server's copy is pg_dump's; without it the server's own backups are all there is.
    if (m_state.db().dialect() == SqlDialect::PostgreSQL && Database::dumpTool().isEmpty()) {
        m_ui->Check1->setChecked(false);
        m_ui->Check1->setEnabled(false);
        m_ui->lblbakupfilename->setEnabled(false);
        m_ui->lblbakupfilename->setText(tr("The database is on a server: its backups are the server's task."));
    }
    // A server's backup goes into an empty server database, from the command line.
    if (m_state.db().dialect() == SqlDialect::PostgreSQL) {
        m_ui->cmdRestore->setEnabled(false);
        m_ui->cmdRestore->setToolTip(tr("A server office's backup is restored into an empty server database: "
                                        "ijar --restore BACKUP --to URI"));
    }
    ScreenSetup::run(m_state, this);
}

bool SCRNlogoff::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui->lblbakupfilename && event->type() == QEvent::MouseButtonDblClick) {
        chooseBackupFile();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void SCRNlogoff::chooseBackupFile()
{
    QLabel* label = m_ui->lblbakupfilename;
    if (!label->isEnabled())
        return;
    FileRequest request;
    request.title = tr("أختر مكان التخزين");
    request.filter = DatabaseFilter::filter();
    request.initialPath = label->text();
    request.defaultSuffix = DatabaseFilter::suffix();
    request.save = true;
    const QString chosen = m_state.ui().chooseFile(this, request);
    if (chosen.isEmpty())
        return;
    // Backups carry no extension, like the default name.
    const QString suffix = QFileInfo(chosen).suffix();
    label->setText(suffix.isEmpty() ? chosen : chosen.chopped(suffix.size() + 1));
}

void SCRNlogoff::logOff()
{
    if (m_ui->Check1->isChecked() && !backUp())
        return;
    guarded(m_state, this, ERROR_SOURCE, [this] { m_state.db().close(); });
    if (ShellFrame* frame = m_state.ui().frame())
        ScreenTag::set(frame->frameWidget(), QStringLiteral("Exit"));
    accept();
    m_state.ui().quit(0);
}

void SCRNlogoff::restore()
{
    FileRequest request;
    request.title = m_ui->cmdRestore->toolTip();
    request.initialPath = m_state.homeFile(QStringLiteral("db/backup"));
    const QString backup = m_state.ui().chooseFile(this, request);
    if (backup.isEmpty())
        return;
    const QString database = m_state.db().path();
    try {
        // Refused before anything closes: damaged, not an office, or made by a newer program.
        BackupRestore::check(backup);
        const QDateTime now = QDateTime::currentDateTime();
        if (!m_state.ui().question(
                this,
                tr("Put the backup\n%1\nof %2 in place of the database\n%3?\n\n"
                   "The database as it is now is kept as\n%4\nThe program then ends; open it again and log in.")
                    .arg(backup, QLocale().toString(QFileInfo(backup).lastModified(), QLocale::ShortFormat), database,
                         BackupRestore::keptName(database, now)),
                m_ui->cmdRestore->text().remove(QLatin1Char('&'))))
            return;
        m_state.db().close();
        const QString kept = BackupRestore::restoreFile(backup, database, now);
        m_state.ui().message(this, tr("The backup is in place. The database that was there is kept as\n%1").arg(kept));
    } catch (const AppError& e) {
        ReportError(m_state, this, e, ERROR_SOURCE);
        m_state.ui().message(this, e.description(), m_ui->cmdRestore->text().remove(QLatin1Char('&')));
        if (m_state.db().isOpen())
            return;
        // The database was closed for the restore: the run cannot go on without it.
    }
    if (ShellFrame* frame = m_state.ui().frame())
        ScreenTag::set(frame->frameWidget(), QStringLiteral("Exit"));
    accept();
    m_state.ui().quit(0);
}

bool SCRNlogoff::backUp()
{
    // Two log-offs in the same second, or a chosen file that is there
    // already: a backup never replaces another.
    const QString target = BackupName::firstFree(m_ui->lblbakupfilename->text());
    try {
        OwnerOnly::makeFolder(QFileInfo(target).absolutePath());
        m_state.db().backupTo(target);
        return true;
    } catch (const AppError& e) {
        ReportError(m_state, this, e, ERROR_SOURCE);
        if (e.number() == Database::DamagedDatabase) {
            // The copy is the database page for page: the fault is in the
            // database, and working on does not mend it.
            m_state.ui().message(
                this,
                tr("The database itself is damaged:\n%1\n\n"
                   "The copy just taken did not pass the check and was kept as it is under the name:\n%2\n\n"
                   "Do not go on working on this database. Restore the latest sound backup from the folder %3 "
                   "and call the person in charge of the program.")
                    .arg(m_state.db().path(), Database::failedCheckName(target),
                         QFileInfo(target).absolutePath()),
                tr("Database damaged"));
            return true;
        }
        return m_state.ui().question(this,
                                     tr("The database could not be backed up: %1\nDo you want to end the program anyway?")
                                         .arg(e.description()),
                                     windowTitle());
    }
}
