#pragma once

#include <QString>

// An exclusive lock on a lock file beside the file it guards, held by the
// kernel (flock) rather than by what the file says. A holder that dies, at
// whatever instant, loses its lock with its last descriptor, so no crash can
// leave a lock behind; a lock file left empty or full of another program's
// words is just a file. flock, not fcntl: two locks taken in one process
// (two tables in one Velmora) shut each other out too.
// The lock file is never removed: removing it would let a waiter lock a file
// that a newcomer has just replaced.
class FileLock {
  public:
    // Tries until the lock is taken or `waitMilliseconds` have passed.
    FileLock(const QString& lockPath, int waitMilliseconds);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool locked() const { return m_fd >= 0; }
    // Why the lock was not taken: another holder, or the lock file's own error.
    QString errorString() const { return m_error; }

  private:
    int m_fd = -1;
    QString m_error;
};
