#pragma once

#include <QObject>

// Raised after a screen saved or deleted a record, so that whatever shows
// figures read from the records (the main window's day at a glance) reads
// them again instead of waiting for its next minute.
class SaveNotice : public QObject {
    Q_OBJECT
public:
    void raise() { emit saved(); }

signals:
    void saved();
};
