#pragma once

#include "shell/base/Database.h"

#include <QList>
#include <QString>

class QComboBox;
class QWidget;
class RunState;

// The window engine: moves one record between a screen's controls and the
// tables its metadata names. Holds no record between calls; every call reads
// the metadata again. A null screen means the active window.
class cWindow {
public:
    using Fields = QList<Database::Field>;

    explicit cWindow(RunState& state);

    // Record binding.
    bool Read(QString& where, QWidget* screen = nullptr);
    bool Read(const QString& where, QWidget* screen = nullptr);
    bool Save(const QString& where, QWidget* screen = nullptr);
    qint64 Insert(const QString& table, const QString& keyColumn, const Fields& fields);
    bool Delete(const QString& where, QWidget* screen = nullptr);
    qint64 ReadOneValueFromTable(const QString& column, const QString& table, const QString& condition);
    QString GetTableIdentifier(QWidget* screen);
    QString GetTableName(QWidget* screen);
    bool InsertPicture(const QString& fileName, const QString& table, const QString& column,
                       const QString& where, const Fields& fields);
    QString ReadPicture(const QString& table, const QString& column, const QString& where,
                        QString fileName = {});

    // Dialogs and lists.
    void ShowNew(QWidget* screen, const QString& caption, const QString& nameField, const Fields& otherFields = {});
    bool ShowOpen(QWidget* screen, const QString& caption, const QString& condition);
    bool ReadGrid(QWidget* screen, const QString& gridName, const QString& condition);
    void FillComboBoxes(QWidget* screen);
    void ComboBoxOnChange(QComboBox* box);
    void ShowFavouriteWindow(QWidget* parent);

    static QWidget* activeScreen(QWidget* screen);

private:
    RunState& m_state;
    bool m_comboChanging = false;
};
