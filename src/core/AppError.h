#pragma once

#include <QString>
#include <stdexcept>

// A failure as the error routine wants it: number, description, source and,
// for database failures, the SQL state. Thrown by Database and the services;
// caught by command handlers and handed to ReportError.
class AppError : public std::runtime_error {
public:
    AppError(int number, const QString& description, const QString& source,
             const QString& sqlState = {});

    int number() const { return m_number; }
    const QString& description() const { return m_description; }
    const QString& source() const { return m_source; }
    const QString& sqlState() const { return m_sqlState; }

private:
    int m_number;
    QString m_description;
    QString m_source;
    QString m_sqlState;
};

// Where a failure happened, as Class::method: ERROR_SOURCE names the function it stands in.
QString functionName(const char* signature);
#define ERROR_SOURCE functionName(Q_FUNC_INFO)

// Error numbers of our own (the database engine's come through unchanged).
namespace ErrorNumber {
constexpr int DatabaseNotFound = 5000;
constexpr int NotANumber = 5001;
constexpr int RefusedStatement = 5002;
constexpr int DatabaseFailure = 5003;
constexpr int BackupFailure = 5004;
constexpr int UnknownColumn = 5005;
constexpr int UnknownScreen = 5006;
constexpr int BadCipherText = 5007;
constexpr int ProgramMissing = 5008;
constexpr int UnexpectedFailure = 5009;
}
