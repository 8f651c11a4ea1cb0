#pragma once

#include <QDialog>
#include <functional>
#include <memory>

class QTreeWidgetItem;
class RunState;
namespace Ui { class LOGINP; }

// The login screen: login id and password, the database and ini file in use,
// and the ini file's entries, each of which the operator can edit. Leaving it
// by Esc, Cancel or the window's close button ends the program.
class LOGINP : public QDialog {
    Q_OBJECT
public:
    // The work between the operator's confirmation and the password check;
    // false when the run is ending and the login must stop.
    using PrepareLogin = std::function<bool(LOGINP&)>;

    LOGINP(RunState& state, QWidget* parent);
    ~LOGINP() override;

    void setPrepareLogin(PrepareLogin prepare) { m_prepareLogin = std::move(prepare); }

    // Filled from the ini file before the screen is shown.
    void setUserName(const QString& loginId);
    void setPassword(const QString& password);
    // The login this workstation keeps: it logs in without a password.
    void setKeptLogin(const QString& token) { m_keptLogin = token; }
    void showPaths(const QString& databasePath, const QString& iniFilePath);
    void addEntry(const QString& key, const QString& value);

    // The OK action: confirm, check the password and close on success.
    void OK();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void activate();
    void editEntry(QTreeWidgetItem* item);
    void applyEntry(const QString& key, const QString& value);
    void openIniFile();
    void chooseDatabase();

    RunState& m_state;
    PrepareLogin m_prepareLogin;
    bool m_loaded = false;
    std::unique_ptr<Ui::LOGINP> m_ui;
    QTreeWidgetItem* m_root = nullptr;
    QString m_keptLogin;
};
