#include "shell/HomeLock.h"

#include "core/OwnerOnly.h"

#include <QFile>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

HomeLock::HomeLock(const QString& path) : m_path(path), m_lock(path)
{
    // Held for the whole run, however long: only a dead owner makes it stale.
    m_lock.setStaleLockTime(0);
}

HomeLock::Outcome HomeLock::take()
{
    if (m_lock.isLocked())
        return Outcome::Taken;
    if (m_lock.tryLock(0))
        return taken();
    if (m_lock.error() != QLockFile::LockFailedError)
        return Outcome::NotWritable;
    QString application;
    if (m_lock.getLockInfo(&m_holderPid, &m_holderHost, &application))
        return Outcome::HeldElsewhere;
    // Unreadable: a crash while it was being written. A running copy keeps
    // its lock file under a system lock; a file nobody holds so is left over.
    m_holderPid = 0;
    m_holderHost.clear();
    if (heldByLiveProcess())
        return Outcome::HeldElsewhere;
    QFile::remove(m_path);
    if (m_lock.tryLock(0))
        return taken();
    return m_lock.error() == QLockFile::LockFailedError ? Outcome::HeldElsewhere : Outcome::NotWritable;
}

HomeLock::Outcome HomeLock::taken()
{
    // It names this computer and this process: the owner's business only.
    QFile::setPermissions(m_path, OwnerOnly::File);
    return Outcome::Taken;
}

bool HomeLock::heldByLiveProcess() const
{
    const QByteArray name = QFile::encodeName(m_path);
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
    ::close(fd);
    return held;
}
