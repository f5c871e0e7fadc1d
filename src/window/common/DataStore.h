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
class DataStore {
  public:
    // fileName lies in QStandardPaths::AppDataLocation; `what` names it for
    // the player ("practice progress", "saved layouts").
    // `readable`, when given, holds the records to rules of their own: records
    // it turns down are an unreadable file like any other.
    DataStore(const QString& fileName, std::string kind, int version, const QString& what,
              std::function<bool(const StoredRecords&)> readable = {});

    struct Result {
        StoredRecords records; // the file as it is now; no rows when there is none
        QString notice;        // one sentence when an unreadable file was moved aside
        QString error;         // why a change could not be saved; empty when it was
    };

    Result Load() const;
    // Reads the file afresh, applies `change` to it and writes the outcome.
    // On an error nothing is written and `records` still shows the change.
    Result Update(const std::function<void(StoredRecords&)>& change) const;

    QString path() const { return m_path; }
    // How long a load or a change waits for another copy to finish writing.
    void setLockWait(int milliseconds) { m_lockWaitMilliseconds = milliseconds; }

  private:
    // Under the lock: the records on disk, or none, moving a bad file aside.
    StoredRecords ReadLocked(QString& notice) const;
    // The records on disk, if the file is there and readable.
    std::optional<StoredRecords> ReadFile() const;
    QString MoveAside() const;

    QString m_path;
    std::string m_kind;
    int m_version;
    QString m_what;
    std::function<bool(const StoredRecords&)> m_readable;
    int m_lockWaitMilliseconds = 5000; // long enough for any honest write
};
