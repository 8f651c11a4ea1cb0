#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

class QAbstractItemView;
class QWidget;
class RunState;

// A list as the clerk sees it, out to a file a spreadsheet opens: CSV (UTF-8
// with a byte-order mark, so that spreadsheet programs read the Arabic) or
// XLSX (a right-to-left sheet, the header row frozen, dates and amounts as
// real dates and numbers, columns as wide as their texts). Files are the
// owner's only and appear whole or not at all.
class ListExport {
    Q_DECLARE_TR_FUNCTIONS(ListExport)

public:
    struct Table {
        QStringList headers;
        QList<QStringList> rows;  // the texts shown
    };
    enum class Kind { Text, Number, Date };

    // The columns the view shows, in its order, and every row it shows, also
    // those a paged model has not read yet; without the marks that only
    // steer the text's direction on the screen.
    static Table fromView(QAbstractItemView& view);
    // What a column holds: numbers or dates only when every filled cell is
    // one; a number with a leading zero (a telephone, an ID) keeps it as text.
    static Kind kindOf(const Table& table, int column);

    static bool writeCsv(const Table& table, const QString& path, QString* error);
    static bool writeXlsx(const Table& table, const QString& path, bool rightToLeft, QString* error);
    // By the file's suffix: .xlsx, else CSV.
    static bool write(const Table& table, const QString& path, bool rightToLeft, QString* error);

    // Asks where (cUI), writes the view's list, tells a failure and, when
    // the office chose so (EXPORTOPENCALC), opens the file in LibreOffice Calc.
    static void exportView(RunState& state, QAbstractItemView* view, QWidget* parent);
};
