#include "reports/cPrint.h"

#include "core/AmountWords.h"
#include "core/AppError.h"
#include "core/Database.h"
#include "core/HijriDate.h"
#include "core/JetTranslator.h"
#include "core/OwnerOnly.h"
#include "core/RunState.h"
#include "core/ScreenRegistry.h"
#include "core/SqlValue.h"
#include "core/cUI.h"
#include "core/tafqeet.h"
#include "engine/BindVariables.h"
#include "engine/ControlAccess.h"
#include "reports/InvoiceQr.h"
#include "reports/LibreOffice.h"
#include "reports/OdtDocument.h"
#include "reports/ReportPictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <functional>

namespace {

bool isNumber(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Double:
        return true;
    default:
        return false;
    }
}

// The dates documents show, as the report queries write them.
QDate shownDate(const QString& text)
{
    return QDate::fromString(text, QStringLiteral("dd/MM/yyyy"));
}

// After the columns, "<column>_Hijri" for every column of dates: the Umm
// al-Qura day when the office shows Hijri dates, else empty, so that a
// template may place it beside the date either way. A column is one of dates
// when it holds a date and nothing else but empty places.
void addHijriDates(ReportRows& rows, const ConfigValues& config)
{
    const qsizetype count = rows.columns.size();
    for (qsizetype c = 0; c < count; ++c) {
        bool dates = false;
        bool others = false;
        for (const QStringList& row : rows.rows) {
            dates = dates || shownDate(row.at(c)).isValid();
            others = others || (!row.at(c).isEmpty() && !shownDate(row.at(c)).isValid());
        }
        if (!dates || others)
            continue;
        rows.columns.append(rows.columns.at(c) + QStringLiteral("_Hijri"));
        for (QStringList& row : rows.rows)
            row.append(config.HIJRIDATES ? HijriDate::text(shownDate(row.at(c))) : QString());
    }
}

// The words of an amount, or nothing for one negative or too large to write out.
QString wordsOrNothing(const std::function<QString()>& words)
{
    try {
        return words();
    } catch (const AppError&) {
        return {};
    }
}

// The query's columns, and after them for every column holding a number its
// words: "<column>_InWords" as the contract's fields write them, and the
// office's currency in Arabic and English (_InArabicWords, _InEnglishWords).
// Documents write amounts out in words without the query having to.
ReportRows reportRows(const RowSet& set, const ConfigValues& config)
{
    ReportRows rows{set.columns(), {}, {}};
    QList<int> numeric;
    for (int c = 0; c < set.columns().size(); ++c)
        if (set.count() > 0 && isNumber(set.value(0, c))) {
            numeric.append(c);
            for (const QLatin1String suffix : {QLatin1String("_InWords"), QLatin1String("_InArabicWords"),
                                               QLatin1String("_InEnglishWords")})
                rows.columns.append(set.columns().at(c) + suffix);
        }
    for (int r = 0; r < set.count(); ++r) {
        QStringList values;
        for (int c = 0; c < set.columns().size(); ++c) {
            const QVariant value = set.value(r, c);
            const bool picture = value.typeId() == QMetaType::QByteArray;
            if (picture && r == 0)
                rows.pictures.insert(set.columns().at(c), value.toByteArray());
            values.append(picture ? QString() : set.text(r, set.columns().at(c)));
        }
        for (int c : numeric) {
            const double amount = set.value(r, c).toDouble();
            // The words keep the blanks of contract fields; a document's line wants single ones.
            values.append(wordsOrNothing([&] { return tafqeet::AmountInWords(amount, 1, config).simplified(); }));
            values.append(wordsOrNothing([&] { return AmountWords::arabic(amount, config.CURRENCYCODE); }));
            values.append(wordsOrNothing([&] { return AmountWords::english(amount, config.CURRENCYCODE); }));
        }
        rows.rows.append(values);
    }
    addHijriDates(rows, config);
    return rows;
}

// The document's own spelling of a frame named like a column: engines differ
// in the case of the column names they give back.
QString frameNamed(const OdtDocument& document, const QString& column)
{
    for (const QString& frame : document.frameNames())
        if (frame.compare(column, Qt::CaseInsensitive) == 0)
            return frame;
    return column;
}

// The first row's value of a column, found without regard to case as
// engines spell column names differently; empty when there is none.
QString firstValue(const ReportRows& rows, const QString& column)
{
    const qsizetype c = rows.columns.indexOf(QRegularExpression(QRegularExpression::escape(column),
                                                                QRegularExpression::CaseInsensitiveOption));
    return c < 0 || rows.rows.isEmpty() ? QString() : rows.rows.first().at(c);
}

// A report may refuse its record: a step's column NOTHINGTOPRINT holds why
// (a tax invoice for a record that has none), so the operator never gets an
// empty form.
const QString NothingToPrint = QStringLiteral("NOTHINGTOPRINT");
// A step's column QRPAYLOAD is drawn as the tax invoice's QR code into the
// frame of that name.
const QString QrPayload = QStringLiteral("QRPAYLOAD");

// The pictures a report shows are also left as files beside its copy.
void keepPicture(const QString& copy, const QString& frame, const QString& suffix, const QByteArray& data)
{
    if (suffix.isEmpty())
        return;
    const QFileInfo info(copy);
    QFile file(info.absoluteDir().filePath(info.completeBaseName() + '-' + frame + '.' + suffix));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate, OwnerOnly::File))
        file.write(data);
}

// The statement of a step of the kind given, refused unless it is what that
// kind may run: a data step reads with one select, a work-table step makes or
// fills the work table only.
QString allowedStep(int type, const QString& sql)
{
    bool allowed = false;
    if (type == 0) {
        allowed = JetTranslator::isSingleSelect(sql);
    } else {
        const QString native = JetTranslator::translate(sql, SqlDialect::SQLite).simplified();
        for (const QLatin1String start :
             {QLatin1String("create table tempmessages"), QLatin1String("insert into tempmessages")}) {
            const qsizetype end = start.size();
            allowed = allowed
                || (native.startsWith(start, Qt::CaseInsensitive)
                    && (native.size() == end || native.at(end) == u' ' || native.at(end) == u'('));
        }
    }
    if (!allowed)
        throw AppError(ErrorNumber::RefusedStatement,
                       type == 0 ? QCoreApplication::translate("cPrint", "A report's data step must be a single "
                                                                         "select statement.")
                                 : QCoreApplication::translate("cPrint", "A report's preparation step may only make "
                                                                         "its work table tempmessages."),
                       QStringLiteral("cPrint.PrintReport"));
    return sql;
}

}

QString cPrint::reportsFolder() const { return m_state.homeFile(QStringLiteral("reports")); }

QString cPrint::templatePath(const QString& fileName) const
{
    if (fileName.contains('/') || fileName.contains('\\'))
        return QDir::fromNativeSeparators(fileName);
    return QDir(m_state.homeFile(QStringLiteral("templates"))).filePath(fileName);
}

QString cPrint::workingCopyPath(const QString& folder, const QDateTime& moment)
{
    const QString stem = QDir(folder).filePath(moment.toString(QStringLiteral("yyyyMMdd_hhmmss")));
    QString path = stem + QStringLiteral(".odt");
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = stem + '-' + QString::number(n) + QStringLiteral(".odt");
    return path;
}

int cPrint::RemoveOldCopies(const QString& folder, const QDateTime& now)
{
    int removed = 0;
    const QDateTime limit = now.addDays(-KeepDays);
    for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files))
        if (file.lastModified() < limit && QFile::remove(file.absoluteFilePath()))
            ++removed;
    return removed;
}

QString cPrint::PrintReport(qint64 reportId, const Progress& progress)
{
    const Progress report = progress ? progress : [](int, const QString&) {};
    const QString templateFile = existingTemplate(reportId, nullptr);
    if (templateFile.isEmpty())
        return {};
    OwnerOnly::makeFolder(reportsFolder());
    const QString copy = workingCopyPath(reportsFolder(), QDateTime::currentDateTime());
    QString failure;
    try {
        // Undone once the copy is written, the work table with the rest: a
        // report changes nothing in the database, whatever its steps say.
        Transaction readOnly(m_state.db());
        failure = runSteps(reportId, templateFile, copy, report);
    } catch (const AppError& error) {
        failure = QCoreApplication::translate("cPrint", "The report stopped: %1").arg(error.description());
        report(0, QCoreApplication::translate("cPrint", "The report stopped."));
    }
    if (!failure.isEmpty()) {
        m_state.ui().message(nullptr, failure);
        return {};
    }
    // The copy is a record of what was printed: read-only, so that Writer
    // opens it read-only and nobody changes it by mistake.
    QFile::setPermissions(copy, OwnerOnly::ReadOnlyCopy);
    report(100, QCoreApplication::translate("cPrint", "Report ready: %1").arg(QFileInfo(copy).fileName()));
    return copy;
}

QString cPrint::existingTemplate(qint64 reportId, QWidget* parent)
{
    const RowSet definition = m_state.db().execute(
        QStringLiteral("select Rptfilename from _RPT where rptid = ") + SqlValue::number(reportId));
    if (definition.isEmpty())
        return {};
    const QString templateFile = templatePath(definition.text(0, QStringLiteral("Rptfilename")));
    if (QFileInfo::exists(templateFile))
        return templateFile;
    m_state.ui().message(parent, QCoreApplication::translate("cPrint", "File %1 not found").arg(templateFile));
    return {};
}

bool cPrint::StartWord(QWidget* parent)
{
    if (!LibreOffice::program().isEmpty())
        return true;
    m_state.ui().message(parent, LibreOffice::missingText());
    return false;
}

bool cPrint::EditReport(qint64 reportId, QWidget* parent)
{
    const QString templateFile = existingTemplate(reportId, parent);
    if (templateFile.isEmpty())
        return false;
    if (!StartWord(parent))
        return false;
    QFile::setPermissions(templateFile, QFile::permissions(templateFile) | QFileDevice::WriteOwner);
    return LibreOffice(m_state).edit(templateFile, parent);
}

QString cPrint::runSteps(qint64 reportId, const QString& templateFile, const QString& copy, const Progress& report)
{
    Database& db = m_state.db();
    const RowSet steps = db.execute(
        QStringLiteral("select RPTDETAILTYPE, TABLENBR, SQLStatement, BINDVARS from _RPTDETAIL where onoff = 1 "
                       "and rptid = ")
        + SqlValue::number(reportId) + QStringLiteral(" order by RPTDETAILTYPE, TABLENBR"));
    const auto type = [&](int i) { return steps.value(i, QStringLiteral("RPTDETAILTYPE")).toInt(); };
    const auto query = [&](int i) {
        return allowedStep(type(i), PrepareSQLStatement(m_state, steps.text(i, QStringLiteral("SQLStatement")),
                                                        steps.text(i, QStringLiteral("BINDVARS"))));
    };

    bool carPictures = false;
    int i = 0;
    for (; i < steps.count() && type(i) < 0; ++i) {
        // Dropping a work table that is not there is no failure.
        if (type(i) == -3 && db.tableExists(QStringLiteral("tempmessages")))
            db.command(QStringLiteral("drop table tempmessages"));
        else if (type(i) == -2)
            db.command(query(i));
        else if (type(i) == -1)
            carPictures = true;
    }

    QString error;
    auto document = OdtDocument::open(templateFile, &error);
    if (!document)
        return QCoreApplication::translate("cPrint", "The document %1 cannot be read: %2").arg(templateFile, error);
    if (carPictures)
        placeCarPictures(*document, copy);
    report(30, QCoreApplication::translate("cPrint", "Filling %1").arg(QFileInfo(templateFile).fileName()));

    int places = 0;
    int tables = 0;
    for (; i < steps.count() && type(i) == 0; ++i) {
        const ReportRows rows = reportRows(db.execute(query(i)), m_state.config);
        const int table = steps.value(i, QStringLiteral("TABLENBR")).toInt();
        if (table == 0) {
            if (const QString refusal = firstValue(rows, NothingToPrint); !refusal.isEmpty()) {
                report(0, QCoreApplication::translate("cPrint", "Nothing to print."));
                return refusal;
            }
            if (const QString payload = firstValue(rows, QrPayload); !payload.isEmpty()
                && !InvoiceQr::placeInto(*document, frameNamed(*document, QrPayload), payload, &error))
                return error;
            places += document->fillPlaces(rows);
            for (auto picture = rows.pictures.cbegin(); picture != rows.pictures.cend(); ++picture) {
                const QString frame = frameNamed(*document, picture.key());
                keepPicture(copy, frame, document->setPicture(frame, picture.value()), picture.value());
            }
            placeDrawings(*document, rows, copy);
        }
        else if (document->fillTable(table, rows))
            ++tables;
    }
    report(70, QCoreApplication::translate("cPrint", "%1 places and %2 tables filled").arg(places).arg(tables));

    for (; i < steps.count(); ++i) {
        if (type(i) != 1)
            continue;
        const ReportRows letters = reportRows(db.execute(QStringLiteral("select * from tempmessages")), m_state.config);
        // A merge of nothing would be an empty document: say so instead.
        if (letters.rows.isEmpty()) {
            report(0, QCoreApplication::translate("cPrint", "Nothing to print."));
            return QCoreApplication::translate("cPrint", "There is nobody to write to: the list of this report is "
                                                         "empty today.");
        }
        document->mailMerge(letters);
    }

    if (!document->save(copy, &error))
        return error;
    return {};
}

void cPrint::placeDrawings(OdtDocument& document, const ReportRows& rows, const QString& copy)
{
    const ReportPictures& drawings = m_state.service<ReportPictures>();
    for (const QString& column : rows.columns) {
        const ReportPictures::Drawing* drawing = drawings.find(column);
        const QString frame = frameNamed(document, column);
        // Drawn only for a template that has the frame: an office's own may not.
        if (!drawing || !document.frameNames().contains(frame) || rows.rows.isEmpty())
            continue;
        const QByteArray picture = (*drawing)(m_state.db(), firstValue(rows, column));
        keepPicture(copy, frame, document.setPicture(frame, picture), picture);
    }
}

void cPrint::placeCarPictures(OdtDocument& document, const QString& copy)
{
    const QWidget* contract = m_state.screens().find(QStringLiteral("frmRentCar"));
    const QWidget* car = contract ? ControlAccess::find(contract, QStringLiteral("dfnCarNo")) : nullptr;
    const QString carId = car ? ControlAccess::defaultValue(car).toString() : QString();
    if (!SqlValue::isNumber(carId))
        return;
    Database& db = m_state.db();
    const RowSet flags = db.execute(
        QStringLiteral("select PRINTINCONTRACT1,PRINTINCONTRACT2,PRINTINCONTRACT3,PRINTINCONTRACT4,PRINTINCONTRACT5,"
                       "PRINTINCONTRACT6 from car where carid = ")
        + SqlValue::number(carId));
    for (int n = 1; n <= CarPicturesInContract && !flags.isEmpty(); ++n) {
        if (flags.value(0, QStringLiteral("PRINTINCONTRACT") + QString::number(n)).toInt() != 1)
            continue;
        // The contract's n-th picture is the car's picture n + 1; the first is its main picture.
        const RowSet picture = db.execute(QStringLiteral("select CARPICTUREID from CARPICTURE WHERE PICTURESEQUENCE = ")
                                          + QString::number(n + 1) + QStringLiteral(" AND  CARID = ")
                                          + SqlValue::number(carId));
        if (picture.isEmpty())
            continue;
        const QByteArray data = db.readBlob(QStringLiteral("CARPICTURE"), QStringLiteral("CARPICTURE"),
                                            QStringLiteral("CARPICTUREID"),
                                            picture.value(0, QStringLiteral("CARPICTUREID")).toLongLong());
        const QString frame = QStringLiteral("P") + QString::number(n + 1);
        keepPicture(copy, frame, document.setPicture(frame, data), data);
    }
}
