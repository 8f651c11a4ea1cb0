#pragma once

#include <QLockFile>
#include <QString>

// One running copy per home folder: the lock file, held for the whole run.
// A lock that no live process holds (left by a crash, even empty or
// garbled) is taken over.
class HomeLock {
public:
    enum class Outcome { Taken, HeldElsewhere, NotWritable };

    explicit HomeLock(const QString& path);

    Outcome take();

    // Who holds it, as far as the lock file says (HeldElsewhere).
    QString holderHost() const { return m_holderHost; }
    qint64 holderPid() const { return m_holderPid; }
    QString path() const { return m_path; }

private:
    Outcome taken();
    bool heldByLiveProcess() const;

    QString m_path;
    QLockFile m_lock;
    QString m_holderHost;
    qint64 m_holderPid = 0;
};
