#include "engine/frmGeneralN.h"
#include "ui_frmGeneralN.h"

#include "core/RunState.h"
#include "core/ScreenSetup.h"
#include "core/SqlValue.h"
#include "engine/cWindow.h"

#include <QKeyEvent>

frmGeneralN::frmGeneralN(RunState& state, QWidget* parent)
    : QDialog(parent), m_state(state), m_ui(std::make_unique<Ui::frmGeneralN>())
{
    m_ui->setupUi(this);
    connect(m_ui->cmdOk, &QPushButton::clicked, this, &frmGeneralN::ok);
    connect(m_ui->cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    ScreenSetup::run(state, this);
    // The clerk types the name straight after F8.
    m_ui->dfName->setFocus(Qt::OtherFocusReason);
}

frmGeneralN::~frmGeneralN() = default;

void frmGeneralN::setCaption(const QString& caption)
{
    setWindowTitle(caption);
    m_ui->SSTab1->setTabText(0, caption);
}

void frmGeneralN::ok()
{
    const QString name = m_ui->dfName->text();
    if (name.isEmpty())
        return;
    cWindow& window = m_state.service<cWindow>();
    const qint64 key = window.Insert(strTableName, strIdentifier, QList<Database::Field>{{strNameField, name}} + otherFields);
    if (key == 0) {
        // The failure has been reported; there is no new record to show.
        reject();
        return;
    }
    m_state.CurrentRecordId = key;
    // Hidden first, so that the data screen is the active window again.
    hide();
    window.Read(QStringLiteral("where ") + strIdentifier + QStringLiteral(" = ") + SqlValue::number(key), screen);
    accept();
}

void frmGeneralN::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        ok();
        return;
    }
    QDialog::keyPressEvent(event);
}
