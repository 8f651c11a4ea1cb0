#include "shell/F2M0.h"
#include "ui_F2M0.h"

#include "core/AppError.h"
#include "core/IniFile.h"
#include "core/RunState.h"
#include "core/ScreenSetup.h"
#include "core/SqlValue.h"
#include "core/cSecurity.h"
#include "engine/ScreenFocus.h"
#include "engine/cValidation.h"
#include "shell/FavouriteList.h"
#include "shell/NewPasswordFields.h"

namespace {

DataScreen::Definition passwordDefinition()
{
    DataScreen::Definition d;
    d.keyColumn = QStringLiteral("operatorid");
    d.table = QStringLiteral("operator");
    return d;
}

}

F2M0::F2M0(RunState& state, QWidget* parent)
    : DataScreen(state, passwordDefinition(), parent), m_ui(std::make_unique<Ui::F2M0>())
{
    m_ui->setupUi(this);
    m_password = new NewPasswordFields(state, m_ui->txtID, m_ui->txtNewPassword, m_ui->txtNewPassword2,
                                       m_ui->dfsEncryptedPassword);
    connectCommands();
}

F2M0::~F2M0() = default;

void F2M0::load()
{
    ScreenSetup::run(state(), this);
    run(ERROR_SOURCE, [this] {
        fillFavouriteList(window(), this);
        window().Read(QStringLiteral("where loginid = '") + SqlValue::text(state().CurrentLoginId)
                          + QStringLiteral("'"),
                      this);
        m_ui->txtID->setText(QString::number(cSecurity(state()).GetOperatorID(state().CurrentLoginId)));
    });
    ScreenFocus::toFirstField(this);
}

void F2M0::Save()
{
    run(ERROR_SOURCE, [this] {
        if (!cSecurity(state()).IsValidUserPassword(m_ui->dfsLoginId->text(),
                                                    m_ui->txtOldPassword->text().toUpper())) {
            state().ui().message(this, tr("كلمة المرور الحالية غير صحيحة"));
            m_ui->txtOldPassword->setFocus();
            return;
        }
        if (!state().service<cValidation>().ValidateWindow(this))
            return;
        if (!window().Save(keyCondition(), this, [this] {
                m_password->store();
                return QString();
            }))
            return;
        // The next login, lock or password change asks for the new one; a
        // login kept on this workstation is kept anew.
        IniFile::WriteIniFile(state());
        m_ui->txtOldPassword->clear();
        m_password->clear();
    });
}
