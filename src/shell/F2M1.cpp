#include "shell/F2M1.h"
#include "ui_F2M1.h"

#include "core/AppError.h"
#include "core/RunState.h"
#include "core/SqlValue.h"
#include "core/cSecurity.h"
#include "engine/cValidation.h"
#include "shell/FavouriteList.h"
#include "shell/NewPasswordFields.h"

#include <QCoreApplication>
#include <QDate>

namespace {

DataScreen::Definition usersDefinition()
{
    DataScreen::Definition d;
    d.keyColumn = QStringLiteral("operatorid");
    d.table = QStringLiteral("operator");
    d.condition = QStringLiteral("WHERE 1 = 1 ");
    d.openCaption = QCoreApplication::translate("F2M1", "Users ");
    d.newCaption = QCoreApplication::translate("F2M1", "New User ");
    d.nameField = QStringLiteral("operatorname");
    d.newFields = {{QStringLiteral("OPERATORSUSPENDED"), 0}};
    return d;
}

}

F2M1::F2M1(RunState& state, QWidget* parent)
    : DataScreen(state, usersDefinition(), parent), m_ui(std::make_unique<Ui::F2M1>())
{
    m_ui->setupUi(this);
    m_password = new NewPasswordFields(state, m_ui->txtID, m_ui->txtNewPassword, m_ui->txtNewPassword2,
                                       m_ui->dfsEncryptedPassword);
    connect(m_ui->dfsLoginId, &QLineEdit::editingFinished, this,
            [this] { m_ui->dfsLoginId->setText(m_ui->dfsLoginId->text().toUpper()); });
    connectCommands();
}

F2M1::~F2M1() = default;

void F2M1::load()
{
    run(ERROR_SOURCE, [this] { fillFavouriteList(window(), this); });
    DataScreen::load();
    showNoExpiry();
}

void F2M1::New()
{
    DataScreen::New();
    m_password->clear();
    showNoExpiry();
}

void F2M1::Open()
{
    DataScreen::Open();
    m_password->clear();
    showNoExpiry();
}

void F2M1::Save()
{
    bool locksOut = false;
    run(ERROR_SOURCE, [this, &locksOut] {
        locksOut = m_ui->dffOPERATORSUSPENDED->isChecked() && !idText().isEmpty()
            && !cSecurity(state()).OthersKeepSecurity(idText().toLongLong());
    });
    if (locksOut) {
        state().ui().message(this, cSecurity::lockOutMessage());
        return;
    }
    run(ERROR_SOURCE, [this] {
        if (state().service<cValidation>().ValidateWindow(this)
            && window().Save(keyCondition(), this, [this] {
                   m_password->store();
                   return QString();
               }))
            m_password->clear();
    });
}

void F2M1::showNoExpiry()
{
    run(QStringLiteral("showNoExpiry"), [this] {
        if (idText().isEmpty())
            return;
        const RowSet row = state().db().execute(QStringLiteral("select EXPIRATIONDATE from operator where operatorid = ")
                                                + SqlValue::number(idText(), QStringLiteral("txtID")));
        if (!row.isEmpty() && row.value(0, QStringLiteral("EXPIRATIONDATE")).toLongLong() <= 0)
            m_ui->dfdEXPIRATIONDATE->setDate(QDate(9999, 12, 31));
    });
}

void F2M1::Delete()
{
    if (idText().isEmpty())
        return;
    QString refusal;
    run(ERROR_SOURCE, [this, &refusal] {
        const RowSet count = state().db().execute(QStringLiteral("select count(*) as CountOp from operator"));
        if (count.value(0, QStringLiteral("CountOp")).toLongLong() == 1)
            refusal = tr("لا يمكن حذف هذه المستخدم فى الوقت الحالى حيث انة الوحيد الموجود بالنظام - يجب ان "
                         "يحتوى النظام على مستخدم واحد على الاقل");
        else if (!cSecurity(state()).OthersKeepSecurity(idText().toLongLong()))
            refusal = cSecurity::lockOutMessage();
    });
    if (refusal.isEmpty())
        DataScreen::Delete();
    else
        state().ui().message(this, refusal);
}
