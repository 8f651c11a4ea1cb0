#include "engine/dlgValidationError.h"
#include "ui_dlgValidationError.h"

#include "core/ErrorLog.h"
#include "core/RunState.h"
#include "core/ScreenSetup.h"
#include "engine/ControlAccess.h"
#include "engine/cValidation.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextCursor>

namespace {

// The heights of the two states, in pixels at 96 dots to the inch.
constexpr int DetailsHeight = 321;
constexpr int ShortHeight = 167;
// The operator's cursor lands on the field with this much of its text selected.
constexpr int SelectionLength = 200;
// A line keeps its rule, or the focus field and page of a field's own check.
constexpr int RuleRole = Qt::UserRole;
constexpr int FieldRole = Qt::UserRole + 1;
constexpr int TabRole = Qt::UserRole + 2;

void selectText(QWidget* field)
{
    if (auto* line = qobject_cast<QLineEdit*>(field)) {
        line->setSelection(0, SelectionLength);
    } else if (auto* combo = qobject_cast<QComboBox*>(field)) {
        if (combo->lineEdit())
            combo->lineEdit()->setSelection(0, SelectionLength);
    } else if (auto* spin = qobject_cast<QAbstractSpinBox*>(field)) {
        spin->selectAll();
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(field)) {
        QTextCursor cursor = plain->textCursor();
        cursor.setPosition(0);
        cursor.movePosition(QTextCursor::Right, QTextCursor::KeepAnchor, SelectionLength);
        plain->setTextCursor(cursor);
    }
}

}

dlgValidationError::dlgValidationError(RunState& state, QWidget* screen)
    : QDialog(screen), m_state(state), m_ui(std::make_unique<Ui::dlgValidationError>()), m_screen(screen)
{
    m_ui->setupUi(this);
    connect(m_ui->List1, &QListWidget::currentItemChanged, this,
            [this](QListWidgetItem* current) { showLine(current); });
    connect(m_ui->List1, &QListWidget::itemDoubleClicked, this, &dlgValidationError::goToField);
    connect(m_ui->command1, &QPushButton::clicked, this, &dlgValidationError::goToField);
    connect(m_ui->command0, &QPushButton::clicked, this, &dlgValidationError::saveAnyway);
    connect(m_ui->dffShowDetails, &QCheckBox::toggled, this, &dlgValidationError::showDetails);
}

dlgValidationError::~dlgValidationError() = default;

void dlgValidationError::addFailure(const ValidationFailure& failure)
{
    auto* line = new QListWidgetItem(failure.message, m_ui->List1);
    line->setData(RuleRole, failure.ruleId);
    line->setData(FieldRole, failure.details.focusFieldName);
    line->setData(TabRole, failure.details.tabNbr);
    if (failure.enforced) {
        m_ui->command0->setEnabled(false);
        m_ui->command0->setToolTip(tr("These rules guard the office's data: what they list must be put right first."));
    }
}

void dlgValidationError::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_loaded) {
        m_loaded = true;
        ScreenSetup::run(m_state, this);
    }
    showDetails(m_ui->dffShowDetails->isChecked());
    if (m_ui->List1->count() > 0) {
        m_ui->List1->setCurrentRow(0);
        showLine(m_ui->List1->item(0));
    }
}

void dlgValidationError::showLine(QListWidgetItem* line)
{
    if (!line)
        return;
    m_ui->dfsMessage->setText(line->text());
    guarded(m_state, this, QStringLiteral("dlgValidationError.List1"), [&] {
        const qint64 rule = line->data(RuleRole).toLongLong();
        const ValidationDetails details = rule != 0
            ? m_state.service<cValidation>().GetValidationDetails(rule)
            : ValidationDetails{line->data(FieldRole).toString(), line->data(TabRole).toInt()};
        m_ui->dfsFOCUSFIELDNAME->setText(details.focusFieldName);
        m_ui->dfnTabNbr->setText(QString::number(details.tabNbr));
    });
}

void dlgValidationError::goToField()
{
    m_state.service<cValidation>().setContinueSave(false);
    hide();
    m_state.ui().processEvents();
    // A missing tab set or field leaves the focus where it is.
    if (!m_screen)
        return;
    if (auto* tabs = qobject_cast<QTabWidget*>(ControlAccess::find(m_screen, QStringLiteral("SSTAB1"))))
        tabs->setCurrentIndex(m_ui->dfnTabNbr->text().toInt());
    m_state.ui().processEvents();
    if (QWidget* field = ControlAccess::find(m_screen, m_ui->dfsFOCUSFIELDNAME->text())) {
        field->setFocus();
        selectText(field);
    }
}

void dlgValidationError::saveAnyway()
{
    m_state.service<cValidation>().setContinueSave(true);
    accept();
}

void dlgValidationError::showDetails(bool shown)
{
    m_ui->fraDetails->setVisible(shown);
    const int height = shown ? DetailsHeight : ShortHeight;
    resize(width(), height * logicalDpiY() / 96);
}
