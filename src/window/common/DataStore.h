#pragma once

#include "table/StoredText.h"

#include <QString>

#include <functional>
#include <optional>
#include <string>

// One file that Velmora keeps in the user's data folder. Every change is
// made under a lock on the file as it is on disk at that moment, so a second
// Velmora (another process, or another table in this one) that wrote in
// between loses nothing; it is written whole or not at all. A file that cannot
// be read is moved aside, never deleted, and the player is told where.
// A change that cannot be written (a full disk, a missing folder, a lock
// held too long) is kept in this process and written with the next change
// that can be, so nothing the player did is lost while the trouble lasts.
class DataStore {
  public:
    // Applied to the records as they are read afresh. It may be kept and
    // applied again later, so it must own what it uses (capture by value).
    using Change = std::function<void(StoredRecords&)>;

    // fileName lies in QStandardPaths::AppDataLocation; `what` names it for
    // the player ("practice progress", "saved layouts").
    // `readable`, when given, holds the records to rules of their own: records
    // it turns down are an unreadable file like any other.
    DataStore(const QString& fileName, std::string kind, int version, const QString& what,
              std::function<bool(const StoredRecords&)> readable = {});

    struct Result {
        StoredRecords records; // the file as it is now, with any change still unsaved
        QString notice;        // one sentence when an unreadable file was moved aside
        QString error;         // one sentence when saving began to fail; empty otherwise
        bool saved = true;     // false while a change waits to be written
    };

    Result Load() const;
    // Reads the file afresh, applies the changes still unsaved and `change`
    // to it and writes the outcome.
    Result Update(Change change) const;

    // Writes the changes this process could not save yet to every file that
    // has them; true when none is left. For the end of the program.
    static bool SavePendingChanges();

    QString path() const { return m_path; }
    // How long a load or a change waits for another copy to finish writing.
    void setLockWait(int milliseconds) { m_lockWaitMilliseconds = milliseconds; }

  private:
    // Under the lock: the records on disk, or none, moving a bad file aside.
    StoredRecords ReadLocked(QString& notice) const;
    // The records on disk, if the file is there and readable.
    std::optional<StoredRecords> ReadFile() const;
    // Writes the records whole, or leaves the file as it was; why not, if not.
    QString Write(StoredRecords& records) const;

    QString m_path;
    std::string m_kind;
    int m_version;
    QString m_what;
    std::function<bool(const StoredRecords&)> m_readable;
    int m_lockWaitMilliseconds = 2000; // far longer than any honest write
};
