#include "shell/windows/LoginDatabase.h"

#include "shell/base/AppError.h"
#include "shell/base/Database.h"
#include "shell/base/ErrorLog.h"
#include "shell/base/RunState.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The engine's codes for files it cannot use as a database.
constexpr int Corrupt = 11;
constexpr int NotADatabase = 26;

QString createCommand(const QString& path)
{
    return QStringLiteral("ijar --create-database \"%1\"").arg(QDir::toNativeSeparators(path));
}

QString chooseAnother()
{
    return QStringLiteral("انقر نقراً مزدوجاً على اسم قاعدة البيانات في شاشة الدخول لاختيار الملف الصحيح");
}

}

LoginDatabase::LoginDatabase(RunState& state, QList<SchemaStep> history)
    : m_state(state), m_history(std::move(history))
{
}

QString LoginDatabase::copyBeforeUpgrade(const QString& databasePath, int version)
{
    const QString base = databasePath + QStringLiteral(".v%1").arg(version);
    QString path = base;
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = base + QStringLiteral("-%1").arg(n);
    return path;
}

bool LoginDatabase::refuse(QWidget* screen, const QString& text)
{
    m_state.db().close();
    m_state.ui().message(screen, text, QStringLiteral("قاعدة البيانات"));
    return false;
}

bool LoginDatabase::open(QWidget* screen)
{
    Database& db = m_state.db();
    db.close();
    const QString path = m_state.DatabasePath;
    if (path.trimmed().isEmpty() || !QFileInfo(path).isFile()) {
        const QString named = path.trimmed().isEmpty() ? m_state.homeFile(QStringLiteral("fdk.db")) : path;
        ReportError(m_state, screen, QString::number(ErrorNumber::DatabaseNotFound),
                    QStringLiteral("Database not found in ") + named, QStringLiteral("DataBase Location"));
        return refuse(screen, QStringLiteral("لم يُعثر على قاعدة البيانات:\n%1\n\n%2، أو أنشئ قاعدة جديدة بالأمر:\n%3")
                                  .arg(named, chooseAnother(), createCommand(named)));
    }
    try {
        db.open(path);
    } catch (const AppError& e) {
        ReportError(m_state, screen, QString::number(e.number()), e.description(),
                    e.source() + QStringLiteral("--") + e.sqlState());
        const int code = e.number() & 0xff;
        if (code == Database::Busy || code == Database::Locked)
            return refuse(screen, QStringLiteral("قاعدة البيانات %1 مقفلة من برنامج آخر أو من جهاز آخر.\n\n"
                                                 "أغلق البرنامج الذي يستخدمها ثم اضغط «موافق» في شاشة الدخول مرة أخرى.")
                                      .arg(path));
        if (code == NotADatabase || code == Corrupt)
            return refuse(screen, QStringLiteral("الملف %1 ليس قاعدة بيانات صالحة.\n\n%2، أو استرجع آخر نسخة "
                                                 "احتياطية من المجلد %3.")
                                      .arg(path, chooseAnother(), m_state.homeFile(QStringLiteral("db/backup"))));
        return refuse(screen, QStringLiteral("تعذّر فتح قاعدة البيانات %1:\n%2\n\nتأكد من أن لمستخدمك صلاحية القراءة "
                                             "والكتابة على الملف وعلى المجلد الذي يحويه، ثم اضغط «موافق» مرة أخرى.")
                                  .arg(path, e.description()));
    }
    return fitSchema(screen);
}

bool LoginDatabase::fitSchema(QWidget* screen)
{
    Database& db = m_state.db();
    const QString path = m_state.DatabasePath;
    const int known = int(m_history.size());
    int found = 0;
    try {
        found = Schema::version(db);
    } catch (const AppError& e) {
        ReportError(m_state, screen, e, QStringLiteral("LoginDatabase"));
        return refuse(screen, QStringLiteral("تعذّرت قراءة قاعدة البيانات %1:\n%2\n\nحاول مرة أخرى بعد قليل.")
                                  .arg(path, e.description()));
    }
    if (found == known)
        return true;
    if (found == 0)
        return refuse(screen, QStringLiteral("الملف %1 قاعدة بيانات، لكنه لا يحوي جداول هذا البرنامج.\n\n%2، أو أنشئ "
                                             "قاعدة جديدة بالأمر:\n%3")
                                  .arg(path, chooseAnother(), createCommand(path)));
    if (found > known)
        return refuse(screen, QStringLiteral("قاعدة البيانات %1 من الإصدار %2، وهذا البرنامج لا يعرف إلا الإصدارات حتى %3.\n\n"
                                             "لا تعمل عليها بهذا البرنامج: ثبّت على هذا الجهاز الإصدار الأحدث من البرنامج "
                                             "الذي يستعمله باقي المكتب.")
                                  .arg(path)
                                  .arg(found)
                                  .arg(known));
    const QString copy = copyBeforeUpgrade(path, found);
    try {
        db.backupTo(copy);
    } catch (const AppError& e) {
        ReportError(m_state, screen, e, QStringLiteral("LoginDatabase"));
        return refuse(screen, QStringLiteral("قاعدة البيانات %1 من الإصدار %2 وتحتاج إلى تحديث، لكن تعذّر أخذ نسخة منها "
                                             "قبل التحديث:\n%3\n\nلم يُغيَّر فيها شيء. أفرغ مكاناً على القرص أو "
                                             "أصلح الملف ثم حاول مرة أخرى.")
                                  .arg(path)
                                  .arg(found)
                                  .arg(e.description()));
    }
    try {
        Schema::upgrade(db, m_history);
    } catch (const AppError& e) {
        ReportError(m_state, screen, e, QStringLiteral("LoginDatabase"));
        int reached = found;
        try {
            reached = Schema::version(db);
        } catch (const AppError&) {
            // the version read before the upgrade is the last one known
        }
        return refuse(screen, QStringLiteral("تعذّر تحديث قاعدة البيانات %1 إلى الإصدار %2:\n%3\n\nبقيت على الإصدار %4، "
                                             "ونسختها كما كانت قبل التحديث محفوظة في:\n%5\nأبلغ المسؤول عن البرنامج "
                                             "قبل متابعة العمل.")
                                  .arg(path)
                                  .arg(known)
                                  .arg(e.description())
                                  .arg(reached)
                                  .arg(copy));
    }
    m_state.ui().message(screen, QStringLiteral("حُدِّثت قاعدة البيانات %1 من الإصدار %2 إلى الإصدار %3.\n"
                                                "ونسختها كما كانت قبل التحديث محفوظة في:\n%4")
                                     .arg(path)
                                     .arg(found)
                                     .arg(known)
                                     .arg(copy),
                         QStringLiteral("قاعدة البيانات"));
    return true;
}
