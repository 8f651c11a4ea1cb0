#include "shell/LOGINP0.h"
#include "ui_LOGINP0.h"

#include "core/AppError.h"
#include "core/ErrorLog.h"
#include "core/RunState.h"
#include "core/ScreenSetup.h"
#include "shell/DatabaseFilter.h"

LOGINP0::LOGINP0(RunState& state, QWidget* parent)
    : QDialog(parent), m_state(state), m_ui(std::make_unique<Ui::LOGINP0>())
{
    m_ui->setupUi(this);
    connect(m_ui->CommandButton1, &QPushButton::clicked, this, [this] {
        guarded(m_state, this, ERROR_SOURCE, [this] { browse(); });
    });
    connect(m_ui->cmdOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

LOGINP0::~LOGINP0() = default;

void LOGINP0::setEntry(const QString& key, const QString& value)
{
    m_ui->txtkey->setText(key);
    m_ui->txtvalue->setText(value);
}

QString LOGINP0::key() const
{
    return m_ui->txtkey->text();
}

QString LOGINP0::value() const
{
    return m_ui->txtvalue->text();
}

void LOGINP0::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_loaded) {
        m_loaded = true;
        ScreenSetup::run(m_state, this);
    }
}

void LOGINP0::browse()
{
    // Only the database entry names a file.
    if (m_ui->txtkey->text() != QLatin1String("DataBase"))
        return;
    FileRequest request;
    request.title = tr("أختر قاعدة البيانات");
    request.filter = DatabaseFilter::filter();
    request.defaultSuffix = DatabaseFilter::suffix();
    request.initialPath = m_state.homeFolder();
    const QString path = m_state.ui().chooseFile(this, request);
    if (!path.isEmpty())
        m_ui->txtvalue->setText(path);
}
