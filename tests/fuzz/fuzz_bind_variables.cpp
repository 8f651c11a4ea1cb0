// The bind variables of stored queries: any statement, any list of
// variables, any value typed in the field they name. A value never reaches
// the statement outside a quoted text unless it is a number.
#include "FuzzInput.h"
#include "core/AppError.h"
#include "core/RunState.h"
#include "core/ScreenRegistry.h"
#include "core/cUI.h"
#include "engine/BindVariables.h"

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <cstdlib>

namespace {

// Nobody answers: the fuzzer is alone.
class NoOperator : public cUI {
public:
    void message(QWidget*, const QString&, const QString&) override {}
    bool question(QWidget*, const QString&, const QString&) override { return false; }
    QString chooseFile(QWidget*, const FileRequest&) override { return {}; }
    int exec(QDialog*) override { return 0; }
    void show(QWidget*) override {}
    void processEvents() override {}
    void wait(int) override {}
    bool startProgram(QWidget*, const QString&, const QStringList&) override { return false; }
    bool openUrl(QWidget*, const QUrl&) override { return false; }
    bool waitWhile(QWidget*, const QString&, const std::function<bool()>&) override { return false; }
    QString defaultPrinter() override { return {}; }
    void quit(int) override {}
};

struct Office {
    QTemporaryDir home;
    RunState state{home.path(), std::make_unique<NoOperator>()};
    QWidget screen;
    QLineEdit* field = new QLineEdit(&screen);
    Office()
    {
        screen.setObjectName(QStringLiteral("frmF"));
        field->setObjectName(QStringLiteral("txtF"));
        state.screens().adopt(QStringLiteral("frmF"), &screen);
    }
};

}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Office office;
    const QList<QString> parts = fuzzParts(data, size, 3);
    office.field->setText(parts.at(2));
    try {
        const QString sql = PrepareSQLStatement(office.state, parts.at(0), parts.at(1));
        // Placed unquoted, the value is a number: no letter, quote or semicolon of it can land there.
        if (parts.at(0) == QStringLiteral(":1 ") && parts.at(1).startsWith(QStringLiteral(":1frmF.txtF"))
            && (sql.contains(QLatin1Char(';')) || sql.contains(QLatin1Char('\''))))
            std::abort();
    } catch (const AppError&) {
        // A value or a list the statement cannot take is refused, not a fault.
    }
    return 0;
}
