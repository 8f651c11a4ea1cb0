#pragma once

#include "engine/cWindow.h"

#include <QObject>
#include <QString>

class QLabel;
class QLineEdit;
class RunState;

// One picture of a record: the image the operator double-clicks to choose a
// file and right-clicks to clear, the line edit naming the file, and the row
// of a picture table it is stored in. The stored picture changes only when
// the screen saves, and only when the operator changed the image.
class PictureSlot : public QObject {
    Q_OBJECT
public:
    // The row that holds the picture: "WHERE ..." and the key columns a new
    // row is made with.
    struct Row {
        QString where;
        cWindow::Fields keys;
    };

    // `file` is where a stored picture is written to be shown: a file of
    // the screen's own temporary folder.
    PictureSlot(RunState& state, QLabel* image, QLineEdit* fileName, const QString& table, const QString& column,
                const QString& dialogTitle, const QString& file, QObject* parent);

    // Shows the picture stored in `row` (none for an empty where), forgetting
    // any change on screen.
    void showStored(const Row& row);
    // Stores the image on screen into `row` when the operator changed it.
    // False when storing failed; the change is then kept for the next save.
    bool save(const Row& row);
    bool changed() const { return m_changed; }
    // A read-only slot shows pictures but takes no choice or clearing.
    void setReadOnly(bool readOnly);

    // The operator's commands, also reached by double- and right-click.
    void choose();
    void clear();

    // Every image format this Qt reads, then any file.
    static QString fileFilter();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void show(const QString& fileName);
    // An empty place says how a picture comes into it.
    void showHint();

    RunState& m_state;
    QLabel* m_image;
    QLineEdit* m_fileName;
    QString m_table;
    QString m_column;
    QString m_title;
    QString m_file;
    bool m_changed = false;
    bool m_readOnly = false;
};
