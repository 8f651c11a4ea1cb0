#include "shell/frmOptions.h"
#include "ui_frmOptions.h"

#include "accounting/VatSettings.h"
#include "core/AmountWords.h"
#include "core/AppError.h"
#include "core/Configuration.h"
#include "core/Database.h"
#include "core/RunState.h"
#include "core/ScreenSetup.h"
#include "core/SqlValue.h"
#include "engine/EngineSetup.h"
#include "engine/NumberEdit.h"
#include "engine/WesternDigits.h"
#include "reports/InvoiceQr.h"

#include <QApplication>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMap>

namespace {

QString flagText(const QCheckBox* box)
{
    return box->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
}

// An empty field is 0; anything else must be a number, so that no other
// text reaches the store.
QString numberText(const NumberEdit* field)
{
    const QString text = field->text().trimmed();
    if (text.isEmpty())
        return QStringLiteral("0");
    const double value = SqlValue::number(text, field->objectName()).toDouble();
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QString numberShown(const QString& entry)
{
    return QString::number(Configuration::toDouble(entry), 'g', QLocale::FloatingPointShortest);
}

}

frmOptions::frmOptions(RunState& state, QWidget* parent)
    : DataScreen(state, Definition{}, parent), m_ui(std::make_unique<Ui::frmOptions>())
{
    m_ui->setupUi(this);
    connectCommands();
    connect(m_ui->dfnExtraMilesFlat, &QLineEdit::textChanged, this,
            [this] { keepOneCharge(m_ui->dfnExtraMilesFlat, m_ui->dfnExtraMilesPercent); });
    connect(m_ui->dfnExtraMilesPercent, &QLineEdit::textChanged, this,
            [this] { keepOneCharge(m_ui->dfnExtraMilesPercent, m_ui->dfnExtraMilesFlat); });
    connect(m_ui->dffVATON, &QCheckBox::toggled, this, &frmOptions::enableVat);
    connect(m_ui->dfsVatNumber, &QLineEdit::textChanged, this, &frmOptions::showVatNumberCheck);
    // Between two windows of the program the keyboard passes from one to
    // the other; no window of ours is active only when another application
    // has taken it.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (!now && !QApplication::activeWindow() && isVisible())
            m_programLeft = true;
    });
}

frmOptions::~frmOptions()
{
    // Focus moves while the dialog below is torn down; this part is gone by then.
    disconnect(qApp, nullptr, this, nullptr);
}

void frmOptions::load()
{
    ScreenSetup::run(state(), this);
    // The screen's set-up empties every list it has no rows for: the currencies come after it.
    m_ui->dfcCurrency->clear();
    for (const AmountWords::Currency& currency : AmountWords::currencies())
        m_ui->dfcCurrency->addItem(
            QStringLiteral("%1 (%2)").arg(QCoreApplication::translate("AmountWords", currency.name), currency.code),
            currency.code);
    showEntries();
}

bool frmOptions::event(QEvent* event)
{
    const bool handled = DataScreen::event(event);
    if (event->type() == QEvent::WindowActivate) {
        // The options show afresh from their first page each time; coming back
        // from another application keeps what was typed.
        m_ui->SSTab1->setCurrentIndex(0);
        if (!m_programLeft)
            showEntries();
        m_programLeft = false;
    }
    return handled;
}

void frmOptions::showEntries()
{
    showCurrency();
    Configuration store(state().db());
    try {
        // A box shows whether its switch is in effect: any non-zero field-name
        // entry shows names, only 1 shows the screen name.
        m_ui->dffUSEROUTER->setChecked(Configuration::toBoolean(store.GetConfig(QStringLiteral("USEROUTER"))));
        m_ui->dffSHOWFIELDNAME->setChecked(
            Configuration::toInteger(store.GetConfig(QStringLiteral("SHOWFIELDNAME"))) != 0);
        m_ui->dffSHOWSCREENNAME->setChecked(
            Configuration::toInteger(store.GetConfig(QStringLiteral("SHOWSCREENNAME"))) == 1);
        m_ui->dffHIJRIDATES->setChecked(Configuration::toBoolean(store.GetConfig(QStringLiteral("HIJRIDATES"))));
        m_ui->dffEXPORTOPENCALC->setChecked(Configuration::toBoolean(store.GetConfig(QStringLiteral("EXPORTOPENCALC"))));
        m_ui->dfnExtraMilesFlat->setText(numberShown(store.GetConfig(QStringLiteral("EXTRAMILESFLAT"))));
        m_ui->dfnExtraMilesPercent->setText(numberShown(store.GetConfig(QStringLiteral("EXTRAMILESPERCENT"))));
        m_ui->dfnTurnaroundHours->setText(QString::number(
            std::max(0, Configuration::toInteger(store.GetConfig(QStringLiteral("TURNAROUNDHOURS"))))));
        m_ui->dfsFils->setText(store.GetConfig(QStringLiteral("FILS")));
        m_ui->dfsPound->setText(store.GetConfig(QStringLiteral("POUND")));
        m_ui->dfsTwoPounds->setText(store.GetConfig(QStringLiteral("TWOPOUNDS")));
        m_ui->dfsPounds->setText(store.GetConfig(QStringLiteral("POUNDS")));
        m_ui->dfsCurrencySuffix->setText(
            store.GetConfig(QStringLiteral("CURRENCYSUFFIX"), Configuration::defaultCurrencySuffix()));
        m_ui->dfcCurrency->setCurrentIndex(m_ui->dfcCurrency->findData(
            AmountWords::currency(store.GetConfig(QStringLiteral("CURRENCYCODE"), QString())).code));
        m_ui->dffVATON->setChecked(Configuration::toBoolean(store.GetConfig(QStringLiteral("VATON"))));
        m_ui->dfnVatRate->setText(numberShown(store.GetConfig(QStringLiteral("VATRATE"))));
        m_ui->dfsVatNumber->setText(store.GetConfig(QStringLiteral("VATNUMBER"), QString()));
        m_ui->dfsVatNameAr->setText(store.GetConfig(QStringLiteral("VATNAMEAR"), QString()));
        m_ui->dfsVatNameEn->setText(store.GetConfig(QStringLiteral("VATNAMEEN"), QString()));
        showFuelRates();
    } catch (const AppError&) {
        // Reporting here would come back with every activation; Save reports.
    }
    enableVat();
}

void frmOptions::enableVat()
{
    const bool on = m_ui->dffVATON->isChecked();
    for (QWidget* field : {static_cast<QWidget*>(m_ui->dfnVatRate), static_cast<QWidget*>(m_ui->dfsVatNumber),
                           static_cast<QWidget*>(m_ui->dfsVatNameAr), static_cast<QWidget*>(m_ui->dfsVatNameEn)})
        field->setEnabled(on);
    showVatNumberCheck();
}

void frmOptions::showVatNumberCheck()
{
    const QString number = westernDigits(m_ui->dfsVatNumber->text().trimmed());
    if (!m_ui->dffVATON->isChecked() || number.isEmpty())
        m_ui->lblVatNumberCheck->clear();
    else if (VatSettings::isSaudiNumber(number))
        m_ui->lblVatNumberCheck->setText(tr("A Saudi registration number: 15 digits, beginning and ending with 3."));
    else
        m_ui->lblVatNumberCheck->setText(
            tr("Not the form of a Saudi registration (15 digits, beginning and ending with 3): check it, unless the "
               "office is registered in another country."));
}

bool frmOptions::vatAccepted()
{
    if (!m_ui->dffVATON->isChecked())
        return true;
    const auto refuse = [this](QWidget* field, const QString& text) {
        m_ui->SSTab1->setCurrentWidget(m_ui->tabVat);
        state().ui().message(this, text);
        field->setFocus();
        return false;
    };
    const QString rate = m_ui->dfnVatRate->text().trimmed();
    if (!SqlValue::isNumber(rate) || rate.toDouble() <= 0 || rate.toDouble() >= 100)
        return refuse(m_ui->dfnVatRate, tr("The VAT rate is a percentage above 0 and below 100, such as 15 or 5."));
    const QString number = westernDigits(m_ui->dfsVatNumber->text().trimmed());
    if (number.isEmpty())
        return refuse(m_ui->dfsVatNumber, tr("A tax invoice carries the office's tax registration number: write it, "
                                             "or turn VAT off."));
    const QString arabic = m_ui->dfsVatNameAr->text().trimmed();
    const QString english = m_ui->dfsVatNameEn->text().trimmed();
    if (arabic.isEmpty() && english.isEmpty())
        return refuse(m_ui->dfsVatNameAr, tr("A tax invoice carries the seller's name: write it in Arabic, in "
                                             "English or in both, or turn VAT off."));
    // The QR code gives each value one byte for its length.
    for (QLineEdit* field : {m_ui->dfsVatNameAr, m_ui->dfsVatNameEn})
        if (field->text().trimmed().toUtf8().size() > InvoiceQr::MaxValueBytes)
            return refuse(field, tr("The seller's name is too long for the QR code of the tax invoice: shorten "
                                    "it to at most %1 letters.")
                                     .arg(InvoiceQr::MaxValueBytes / 2));
    if (!VatSettings::isSaudiNumber(number)
        && !state().ui().question(this, tr("The tax registration number %1 is not in the form of a Saudi "
                                           "registration (15 digits, beginning and ending with 3). Save it as it "
                                           "is, for an office registered in another country?")
                                            .arg(number))) {
        m_ui->SSTab1->setCurrentWidget(m_ui->tabVat);
        m_ui->dfsVatNumber->setFocus();
        return false;
    }
    return true;
}

void frmOptions::keepOneCharge(const NumberEdit* changed, NumberEdit* other)
{
    if (Configuration::toDouble(changed->text()) != 0)
        other->setText(QStringLiteral("0"));
}

void frmOptions::showFuelRates()
{
    // The types of the fleet, and those charged for that have left it: a charge is never hidden.
    QMap<QString, std::pair<QString, QString>> types;
    Database& db = state().db();
    const RowSet fleet = db.execute(QStringLiteral("select distinct CARTYPE from car"));
    for (int r = 0; r < fleet.count(); ++r)
        if (const QString type = fleet.value(r, 0).toString().trimmed(); !type.isEmpty())
            types.insert(type.toCaseFolded(), {type, QString()});
    const RowSet rates = db.execute(QStringLiteral("select CARTYPE, EIGHTHCHARGE from FUELRATE"));
    for (int r = 0; r < rates.count(); ++r) {
        const QString type = rates.value(r, 0).toString().trimmed();
        const QString shown = types.value(type.toCaseFolded(), {type, QString()}).first;
        types.insert(type.toCaseFolded(), {shown, numberShown(rates.value(r, 1).toString())});
    }
    QFormLayout* form = m_ui->layoutFuelRates;
    while (form->rowCount() > 0)
        form->removeRow(0);
    m_fuelRates.clear();
    for (const auto& [type, charge] : types) {
        // The type is the office's data, not a caption: a screen reader
        // hears it as the description of its charge.
        auto* name = new QLineEdit(type, m_ui->FrameFuel);
        name->setObjectName(QStringLiteral("txtsFuelType%1").arg(m_fuelRates.size() + 1));
        name->setReadOnly(true);
        name->setFrame(false);
        name->setFocusPolicy(Qt::NoFocus);
        auto* field = new NumberEdit(m_ui->FrameFuel);
        field->setObjectName(QStringLiteral("txtnFuelRate%1").arg(m_fuelRates.size() + 1));
        field->setText(charge);
        field->setAccessibleName(tr("Charge per eighth"));
        field->setAccessibleDescription(type);
        form->addRow(name, field);
        m_fuelRates.append({type, field});
    }
    if (types.isEmpty())
        form->addRow(new QLabel(tr("The fleet has no car types yet."), m_ui->FrameFuel));
}

bool frmOptions::fuelRatesAccepted()
{
    for (const auto& [type, field] : std::as_const(m_fuelRates)) {
        const QString charge = field->text().trimmed();
        if (charge.isEmpty() || (SqlValue::isNumber(charge) && charge.toDouble() >= 0))
            continue;
        m_ui->SSTab1->setCurrentWidget(m_ui->tabFuel);
        state().ui().message(this, tr("The fuel charge of %1 is an amount of 0 or more, such as 12.5; \"%2\" is not.")
                                       .arg(type, charge));
        field->setFocus();
        return false;
    }
    return true;
}

void frmOptions::writeFuelRates()
{
    Database& db = state().db();
    Transaction transaction(db);
    for (const auto& [type, field] : std::as_const(m_fuelRates)) {
        const double charge = Configuration::toDouble(field->text());
        db.executeBound(QStringLiteral("delete from FUELRATE where CARTYPE = ?"), {type});
        // A type with no charge has no row: its missing fuel costs nothing.
        if (charge > 0)
            db.insert(QStringLiteral("FUELRATE"), QStringLiteral("FUELRATEID"),
                      {{QStringLiteral("CARTYPE"), type}, {QStringLiteral("EIGHTHCHARGE"), charge}});
    }
    transaction.commit();
}

void frmOptions::Save()
{
    if (vatAccepted() && fuelRatesAccepted())
        write();
}

void frmOptions::write()
{
    run(ERROR_SOURCE, [this] {
        Configuration store(state().db());
        store.SetConfig(QStringLiteral("SHOWFIELDNAME"), flagText(m_ui->dffSHOWFIELDNAME));
        store.SetConfig(QStringLiteral("USEROUTER"), flagText(m_ui->dffUSEROUTER));
        store.SetConfig(QStringLiteral("SHOWSCREENNAME"), flagText(m_ui->dffSHOWSCREENNAME));
        store.SetConfig(QStringLiteral("HIJRIDATES"), flagText(m_ui->dffHIJRIDATES));
        store.SetConfig(QStringLiteral("EXPORTOPENCALC"), flagText(m_ui->dffEXPORTOPENCALC));
        store.SetConfig(QStringLiteral("EXTRAMILESFLAT"), numberText(m_ui->dfnExtraMilesFlat));
        store.SetConfig(QStringLiteral("EXTRAMILESPERCENT"), numberText(m_ui->dfnExtraMilesPercent));
        // Whole hours, none below zero.
        store.SetConfig(QStringLiteral("TURNAROUNDHOURS"),
                        QString::number(std::max(0, int(numberText(m_ui->dfnTurnaroundHours).toDouble()))));
        store.SetConfig(QStringLiteral("FILS"), m_ui->dfsFils->text());
        store.SetConfig(QStringLiteral("POUND"), m_ui->dfsPound->text());
        store.SetConfig(QStringLiteral("TWOPOUNDS"), m_ui->dfsTwoPounds->text());
        store.SetConfig(QStringLiteral("POUNDS"), m_ui->dfsPounds->text());
        store.SetConfig(QStringLiteral("CURRENCYSUFFIX"), m_ui->dfsCurrencySuffix->text().trimmed());
        store.SetConfig(QStringLiteral("CURRENCYCODE"), m_ui->dfcCurrency->currentData().toString());
        store.SetConfig(QStringLiteral("VATON"), flagText(m_ui->dffVATON));
        store.SetConfig(QStringLiteral("VATRATE"), numberText(m_ui->dfnVatRate));
        store.SetConfig(QStringLiteral("VATNUMBER"), westernDigits(m_ui->dfsVatNumber->text().trimmed()));
        store.SetConfig(QStringLiteral("VATNAMEAR"), m_ui->dfsVatNameAr->text().trimmed());
        store.SetConfig(QStringLiteral("VATNAMEEN"), m_ui->dfsVatNameEn->text().trimmed());
        writeFuelRates();
        // The currency words, the suffix and the Hijri dates take effect at
        // once, in the windows already open too.
        Configuration::LoadCurrency(state());
        state().config.HIJRIDATES = m_ui->dffHIJRIDATES->isChecked();
        for (QWidget* window : QApplication::topLevelWidgets()) {
            showCurrencySuffix(state(), window);
            showHijriDates(state(), window);
        }
        showCurrency();
    });
}

void frmOptions::Ok()
{
    if (!vatAccepted() || !fuelRatesAccepted())
        return;
    write();
    close();
}

void frmOptions::showCurrency()
{
    // The flat rate is an amount per kilometre in the currency the office has
    // saved; the other rate is a percentage, which its caption says.
    const QString suffix = state().config.CURRENCYSUFFIX;
    m_ui->lblExtraMilesFlat->setText(suffix.isEmpty() ? tr("Extra kilometre price:")
                                                      : tr("Extra kilometre price (%1):").arg(suffix));
    m_ui->dfnExtraMilesPercent->setCurrencySuffix(QString());
}
