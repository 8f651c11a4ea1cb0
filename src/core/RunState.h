#pragma once

#include "core/Database.h"
#include "core/SaveNotice.h"
#include "core/ScreenRegistry.h"
#include "core/cUI.h"

#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <typeindex>
#include <vector>

class QWidget;

// Office-wide settings as loaded at login.
struct ConfigValues {
    QString APPTITLE = QStringLiteral("0");
    QString EMAILADDRESS = QStringLiteral("0");
    QString WEBSITEADDRESS = QStringLiteral("0");
    QString LICENSEDESCRIPTION = QStringLiteral("0");
    int SHOWERRORS = 0;
    bool USEROUTER = false;
    int SHOWSCREENNAME = 0;
    int SHOWFIELDNAME = 0;
    QString FILS = QStringLiteral("0");
    QString POUND = QStringLiteral("0");
    QString TWOPOUNDS = QStringLiteral("0");
    QString POUNDS = QStringLiteral("0");
    // The office's currency (ISO 4217): the words customers read on documents.
    QString CURRENCYCODE = QStringLiteral("KWD");
    // Shown after every amount in a money field.
    QString CURRENCYSUFFIX;
    // Documents and date fields show the Umm al-Qura date beside the Gregorian one.
    bool HIJRIDATES = false;
    QString localeName;
};

// Everything the run shares: paths, the operator, the loaded settings, the
// one connection, the operator door and the screens. One per run; tests
// make a fresh one per test.
class RunState {
public:
    RunState(const QString& homeFolder, std::unique_ptr<cUI> ui);
    ~RunState();
    RunState(const RunState&) = delete;
    RunState& operator=(const RunState&) = delete;

    // The folder that holds the ini file, the default database, logs and backups.
    const QString& homeFolder() const { return m_homeFolder; }
    QString homeFile(const QString& name) const;
    // The executable's base name: names the ini file and the error log.
    static QString programName();
    static QString version();        // major.minor.build
    static QString shortVersion();   // major.minor

    Database& db() { return m_db; }
    cUI& ui() { return *m_ui; }
    ScreenRegistry& screens() { return m_screens; }
    SaveNotice& saves() { return m_saves; }

    // The one shared instance of a service class of a higher layer (cWindow,
    // cValidation, cJournal...), made on first use with this run state.
    template <typename T>
    T& service()
    {
        std::shared_ptr<void>& slot = m_services[std::type_index(typeid(T))];
        if (!slot)
            slot = std::make_shared<T>(*this);
        return *static_cast<T*>(slot.get());
    }

    QString DatabasePath;
    QString IniFilePath;
    QString CurrentLoginId;
    QString CurrentOperatorName;
    bool FirstActivation = true;
    ConfigValues config;
    // The record a screen last read or the open dialog chose; a screen's own
    // record is in its txtID.
    qint64 CurrentRecordId = 0;
    // The key of the last row the engine or the journal inserted.
    qint64 LastInsertedId = 0;
    bool Viewing = false;

    // Extra steps of the screen set-up, added by the subsystems above the shell
    // (the engine fills combo boxes here).
    std::vector<std::function<void(QWidget*)>> screenSetupSteps;

private:
    // What the operator sees while another workstation holds the database.
    void showBusyWait(bool waiting);
    bool askToWaitAgain(const QString& path);

    QString m_homeFolder;
    QString m_statusBeforeWait;
    Database m_db;
    std::unique_ptr<cUI> m_ui;
    ScreenRegistry m_screens;
    SaveNotice m_saves;
    std::map<std::type_index, std::shared_ptr<void>> m_services;
};
