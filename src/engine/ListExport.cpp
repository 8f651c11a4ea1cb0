#include "engine/ListExport.h"

#include "core/Configuration.h"
#include "core/OwnerOnly.h"
#include "core/RunState.h"
#include "core/cUI.h"

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QListView>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTableView>
#include <QTemporaryDir>
#include <QTreeView>

#include <xlsxwriter.h>

namespace {

// The direction marks a right-to-left list wraps a negative amount in.
const QRegularExpression DirectionMarks(QStringLiteral("[\\x{200E}\\x{200F}\\x{202A}-\\x{202E}\\x{2066}-\\x{2069}]"));

QString withoutMarks(QString text)
{
    return text.remove(DirectionMarks);
}

const QRegularExpression NumberText(QStringLiteral("^-?(\\d{1,3}(,\\d{3})+|\\d+)(\\.\\d+)?$"));

std::optional<double> numberIn(const QString& text)
{
    if (!NumberText.match(text).hasMatch())
        return std::nullopt;
    // A leading zero belongs to a code, not an amount.
    const QString digits = text.startsWith(QLatin1Char('-')) ? text.mid(1) : text;
    if (digits.size() > 1 && digits.startsWith(QLatin1Char('0')) && digits.at(1) != QLatin1Char('.'))
        return std::nullopt;
    // Beyond 15 digits a spreadsheet loses the last ones.
    if (digits.count(QRegularExpression(QStringLiteral("\\d"))) > 15)
        return std::nullopt;
    return QString(text).remove(QLatin1Char(',')).toDouble();
}

QDate dateIn(const QString& text)
{
    for (const char* format : {"dd/MM/yyyy", "yyyy-MM-dd"}) {
        const QDate date = QDate::fromString(text, QLatin1String(format));
        if (date.isValid())
            return date;
    }
    return {};
}

QString csvField(const QString& text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n'))
        && !text.contains(QLatin1Char('\r')))
        return text;
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

// Width in characters: the longest text of the column, within reason.
double widthOf(const ListExport::Table& table, int column)
{
    qsizetype widest = table.headers.value(column).size();
    for (const QStringList& row : table.rows)
        widest = std::max(widest, row.value(column).size());
    return double(std::clamp<qsizetype>(widest + 2, 6, 60));
}

}

ListExport::Table ListExport::fromView(QAbstractItemView& view)
{
    QAbstractItemModel& model = *view.model();
    while (model.canFetchMore({}))
        model.fetchMore({});
    auto* table = qobject_cast<QTableView*>(&view);
    auto* tree = qobject_cast<QTreeView*>(&view);
    const QHeaderView* header = table ? table->horizontalHeader() : tree ? tree->header() : nullptr;
    QList<int> columns;
    for (int at = 0; at < model.columnCount(); ++at) {
        const int c = header ? header->logicalIndex(at) : at;
        // A key column is hidden or given no width.
        if (!header || (!header->isSectionHidden(c) && header->sectionSize(c) > 0))
            columns << c;
    }
    if (auto* list = qobject_cast<QListView*>(&view))
        columns = {list->modelColumn()};
    // Row headers that name the rows (a car's plate), not only count them, are a column too.
    bool named = false;
    for (int r = 0; table && !table->verticalHeader()->isHidden() && r < model.rowCount(); ++r)
        named = named || model.headerData(r, Qt::Vertical).toString() != QString::number(r + 1);
    Table shown;
    if (named)
        shown.headers << QString();
    for (int c : columns)
        shown.headers << withoutMarks(model.headerData(c, Qt::Horizontal).toString());
    for (int r = 0; r < model.rowCount(); ++r) {
        if (table && table->isRowHidden(r))
            continue;
        QStringList row;
        if (named)
            row << withoutMarks(model.headerData(r, Qt::Vertical).toString());
        for (int c : columns)
            row << withoutMarks(model.index(r, c).data().toString());
        shown.rows << row;
    }
    return shown;
}

ListExport::Kind ListExport::kindOf(const Table& table, int column)
{
    bool numbers = true, dates = true, any = false;
    for (const QStringList& row : table.rows) {
        const QString text = row.value(column).trimmed();
        if (text.isEmpty())
            continue;
        any = true;
        numbers = numbers && numberIn(text).has_value();
        dates = dates && dateIn(text).isValid();
    }
    if (!any)
        return Kind::Text;
    return numbers ? Kind::Number : dates ? Kind::Date : Kind::Text;
}

bool ListExport::writeCsv(const Table& table, const QString& path, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    file.setPermissions(OwnerOnly::File);
    QByteArray text("\xEF\xBB\xBF");
    const auto line = [&text](const QStringList& fields) {
        QStringList quoted;
        for (const QString& f : fields)
            quoted << csvField(f);
        text += quoted.join(QLatin1Char(',')).toUtf8() + "\r\n";
    };
    line(table.headers);
    for (const QStringList& row : table.rows)
        line(row);
    if (file.write(text) != text.size() || !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

bool ListExport::writeXlsx(const Table& table, const QString& path, bool rightToLeft, QString* error)
{
    // libxlsxwriter writes the whole file at close: it goes beside the target
    // and takes the target's name only once complete.
    const QString folder = QFileInfo(path).absolutePath();
    QTemporaryDir aside(QDir(folder).filePath(QStringLiteral(".export-XXXXXX")));
    if (!aside.isValid()) {
        *error = aside.errorString();
        return false;
    }
    const QString unfinished = aside.filePath(QStringLiteral("list.xlsx"));
    const QByteArray name = QFile::encodeName(unfinished);
    lxw_workbook* book = workbook_new(name.constData());
    if (!book) {
        *error = tr("The spreadsheet could not be started.");
        return false;
    }
    lxw_worksheet* sheet = workbook_add_worksheet(book, nullptr);
    if (rightToLeft)
        worksheet_right_to_left(sheet);
    lxw_format* header = workbook_add_format(book);
    format_set_bold(header);
    format_set_bg_color(header, 0xDDE6F0);
    lxw_format* date = workbook_add_format(book);
    format_set_num_format(date, "dd/mm/yyyy");
    lxw_format* amount = workbook_add_format(book);
    format_set_num_format(amount, "#,##0.00");
    lxw_format* whole = workbook_add_format(book);
    format_set_num_format(whole, "0");

    const int columns = int(table.headers.size());
    QList<Kind> kinds;
    QList<bool> fractions;
    for (int c = 0; c < columns; ++c) {
        kinds << kindOf(table, c);
        bool fraction = false;
        for (const QStringList& row : table.rows)
            fraction = fraction || row.value(c).contains(QLatin1Char('.'));
        fractions << fraction;
        worksheet_set_column(sheet, lxw_col_t(c), lxw_col_t(c), widthOf(table, c), nullptr);
        worksheet_write_string(sheet, 0, lxw_col_t(c), table.headers.at(c).toUtf8().constData(), header);
    }
    worksheet_freeze_panes(sheet, 1, 0);
    for (int r = 0; r < table.rows.size(); ++r) {
        const lxw_row_t at = lxw_row_t(r + 1);
        for (int c = 0; c < columns; ++c) {
            const QString text = table.rows.at(r).value(c).trimmed();
            if (text.isEmpty())
                continue;
            if (kinds.at(c) == Kind::Number) {
                worksheet_write_number(sheet, at, lxw_col_t(c), *numberIn(text), fractions.at(c) ? amount : whole);
            } else if (kinds.at(c) == Kind::Date) {
                const QDate d = dateIn(text);
                lxw_datetime when{d.year(), d.month(), d.day(), 0, 0, 0};
                worksheet_write_datetime(sheet, at, lxw_col_t(c), &when, date);
            } else {
                worksheet_write_string(sheet, at, lxw_col_t(c), table.rows.at(r).value(c).toUtf8().constData(), nullptr);
            }
        }
    }
    const lxw_error closed = workbook_close(book);
    if (closed != LXW_NO_ERROR) {
        *error = QString::fromUtf8(lxw_strerror(closed));
        return false;
    }
    QFile::setPermissions(unfinished, OwnerOnly::File);
    QFile::remove(path);
    if (!QFile::rename(unfinished, path)) {
        *error = tr("The spreadsheet could not be named %1.").arg(path);
        return false;
    }
    return true;
}

bool ListExport::write(const Table& table, const QString& path, bool rightToLeft, QString* error)
{
    return path.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive) ? writeXlsx(table, path, rightToLeft, error)
                                                                      : writeCsv(table, path, error);
}

void ListExport::exportView(RunState& state, QAbstractItemView* view, QWidget* parent)
{
    if (!view || !view->model())
        return;
    FileRequest request;
    request.title = tr("Export the list");
    request.filter = tr("Excel workbook (*.xlsx);;CSV, UTF-8 (*.csv)");
    request.initialPath = QDir::home().filePath(parent->windowTitle().simplified().replace(QLatin1Char('/'), QLatin1Char('-'))
                                                + QStringLiteral(".xlsx"));
    request.defaultSuffix = QStringLiteral("xlsx");
    request.save = true;
    const QString path = state.ui().chooseFile(parent, request);
    if (path.isEmpty())
        return;
    QString error;
    if (!write(fromView(*view), path, view->layoutDirection() == Qt::RightToLeft, &error)) {
        state.ui().message(parent, tr("The list could not be written to %1:\n%2").arg(path, error), request.title);
        return;
    }
    bool openInCalc = false;
    try {
        openInCalc = Configuration::toBoolean(Configuration(state.db()).GetConfig(QStringLiteral("EXPORTOPENCALC")));
    } catch (const std::exception&) {
        openInCalc = false;
    }
    if (openInCalc)
        state.ui().startProgram(parent, QStringLiteral("libreoffice"), {QStringLiteral("--calc"), path});
}
