#include "window/common/DataStore.h"

#include "window/common/FileAside.h"
#include "window/common/FileLock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <map>
#include <mutex>
#include <vector>

namespace {

// A file this large is not one Velmora wrote; reading stops there.
constexpr qint64 kLargestFile = qint64{16} * 1024 * 1024;

QString DataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

// The changes not yet written, per file, with the store that writes them.
struct Unsaved {
    DataStore store;
    std::vector<DataStore::Change> changes;
};

std::mutex& UnsavedMutex() {
    static std::mutex mutex;
    return mutex;
}

std::map<QString, Unsaved>& UnsavedChanges() {
    static std::map<QString, Unsaved> unsaved;
    return unsaved;
}

std::vector<DataStore::Change> UnsavedFor(const QString& path) {
    const std::scoped_lock lock(UnsavedMutex());
    const auto it = UnsavedChanges().find(path);
    return it == UnsavedChanges().end() ? std::vector<DataStore::Change>{} : it->second.changes;
}

void ApplyAll(StoredRecords& records, const std::vector<DataStore::Change>& changes) {
    for (const DataStore::Change& change : changes) {
        change(records);
    }
}

} // namespace

DataStore::DataStore(const QString& fileName, std::string kind, int version, const QString& what,
                     std::function<bool(const StoredRecords&)> readable)
    : m_path(DataFolder() + QLatin1Char('/') + fileName), m_kind(std::move(kind)),
      m_version(version), m_what(what), m_readable(std::move(readable)) {}

DataStore::Result DataStore::Load() const {
    Result result;
    result.records = {m_kind, m_version, {}};
    const std::vector<Change> unsaved = UnsavedFor(m_path);
    result.saved = unsaved.empty();
    if (PathPresent(m_path)) {
        const FileLock lock(m_path + QStringLiteral(".lock"), m_lockWaitMilliseconds);
        // Without the lock another copy is writing; its write replaces the
        // file whole, so what stands reads as it was. Only moving a bad file
        // aside needs the lock.
        result.records =
            lock.locked() ? ReadLocked(result.notice) : ReadFile().value_or(result.records);
    }
    ApplyAll(result.records, unsaved);
    return result;
}

DataStore::Result DataStore::Update(Change change) const {
    std::vector<Change> changes = UnsavedFor(m_path);
    const bool wasSaved = changes.empty();
    changes.push_back(std::move(change));
    Result result;
    result.records = {m_kind, m_version, {}};
    QString failure;
    bool applied = false;
    if (!QDir().mkpath(DataFolder()) || !QFileInfo(DataFolder()).isDir()) {
        failure = QCoreApplication::translate("DataStore", "its folder %1 could not be made")
                      .arg(DataFolder());
    } else if (const FileLock lock(m_path + QStringLiteral(".lock"), m_lockWaitMilliseconds);
               !lock.locked()) {
        failure = lock.errorString();
    } else {
        result.records = ReadLocked(result.notice);
        ApplyAll(result.records, changes);
        applied = true;
        failure = !result.notice.isEmpty() && PathPresent(m_path)
                      ? QCoreApplication::translate("DataStore",
                                                    "the unreadable file could not be moved aside")
                      : Write(result.records);
    }
    const std::scoped_lock lock(UnsavedMutex());
    if (failure.isEmpty()) {
        UnsavedChanges().erase(m_path);
        return result;
    }
    if (!applied) {
        result.records = ReadFile().value_or(StoredRecords{m_kind, m_version, {}});
        ApplyAll(result.records, changes);
    }
    UnsavedChanges().insert_or_assign(m_path, Unsaved{*this, changes});
    result.saved = false;
    if (wasSaved) {
        result.error = QCoreApplication::translate(
                           "DataStore", "Velmora could not save its %1 in %2 (%3), so it "
                                        "keeps them and saves them with your next change.")
                           .arg(m_what, m_path, failure);
    }
    return result;
}

bool DataStore::SavePendingChanges() {
    std::vector<DataStore> stores;
    {
        const std::scoped_lock lock(UnsavedMutex());
        for (const auto& [path, unsaved] : UnsavedChanges()) {
            stores.push_back(unsaved.store);
        }
    }
    bool allSaved = true;
    for (const DataStore& store : stores) {
        allSaved = store.Update([](StoredRecords&) {}).saved && allSaved;
    }
    return allSaved;
}

QString DataStore::Write(StoredRecords& records) const {
    records.kind = m_kind;
    records.version = m_version;
    const std::string text = WriteStoredText(records);
    // Unbuffered, so a short write (a full disk) is seen here, before the
    // commit puts the file in place of the last whole one.
    QSaveFile file(m_path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
        file.write(text.data(), static_cast<qint64>(text.size())) ==
            static_cast<qint64>(text.size()) &&
        file.commit()) {
        return {};
    }
    QString why = file.errorString();
    file.cancelWriting();
    return why;
}

std::optional<StoredRecords> DataStore::ReadFile() const {
    // Only a plain file: a pipe or a device could block or never end.
    if (!QFileInfo(m_path).isFile()) {
        return std::nullopt;
    }
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray bytes = file.read(kLargestFile + 1);
    if (bytes.size() > kLargestFile) {
        return std::nullopt;
    }
    auto records =
        ReadStoredText(std::string_view(bytes.constData(), bytes.size()), m_kind, m_version);
    if (records && m_readable && !m_readable(*records)) {
        records.reset();
    }
    return records;
}

StoredRecords DataStore::ReadLocked(QString& notice) const {
    if (!PathPresent(m_path)) {
        return {m_kind, m_version, {}};
    }
    if (std::optional<StoredRecords> records = ReadFile()) {
        return *records;
    }
    const QString movedTo = MoveAside(m_path);
    notice = movedTo.isEmpty()
                 ? QCoreApplication::translate(
                       "DataStore", "Velmora could not read its %1 in %2 and goes on without it.")
                       .arg(m_what, m_path)
                 : QCoreApplication::translate(
                       "DataStore", "Velmora could not read its %1, so it moved the file to %2 "
                                    "and starts afresh.")
                       .arg(m_what, movedTo);
    return {m_kind, m_version, {}};
}
