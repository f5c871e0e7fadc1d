#include "window/common/DataStore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

// A lock older than this was left by a crash.
constexpr int kStaleLockMilliseconds = 30000;
// A file this large is not one Velmora wrote.
constexpr qint64 kLargestFile = qint64{16} * 1024 * 1024;

QString DataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

} // namespace

DataStore::DataStore(const QString& fileName, std::string kind, int version, const QString& what,
                     std::function<bool(const StoredRecords&)> readable)
    : m_path(DataFolder() + QLatin1Char('/') + fileName), m_kind(std::move(kind)),
      m_version(version), m_what(what), m_readable(std::move(readable)) {}

DataStore::Result DataStore::Load() const {
    Result result;
    result.records = {m_kind, m_version, {}};
    if (!QFileInfo::exists(m_path)) {
        return result;
    }
    if (!QDir().mkpath(DataFolder())) {
        return result;
    }
    QLockFile lock(m_path + QStringLiteral(".lock"));
    lock.setStaleLockTime(kStaleLockMilliseconds);
    if (!lock.tryLock(m_lockWaitMilliseconds)) {
        // Another copy is writing. Its write replaces the file whole, so what
        // stands reads as it was; only moving a bad file aside needs the lock.
        result.records = ReadFile().value_or(result.records);
        return result;
    }
    result.records = ReadLocked(result.notice);
    return result;
}

DataStore::Result DataStore::Update(const std::function<void(StoredRecords&)>& change) const {
    Result result;
    result.records = {m_kind, m_version, {}};
    if (!QDir().mkpath(DataFolder())) {
        change(result.records);
        result.error = QStringLiteral("The folder %1 could not be made.").arg(DataFolder());
        return result;
    }
    QLockFile lock(m_path + QStringLiteral(".lock"));
    lock.setStaleLockTime(kStaleLockMilliseconds);
    if (!lock.tryLock(m_lockWaitMilliseconds)) {
        change(result.records);
        result.error = QStringLiteral("%1 is locked by another program.").arg(m_path);
        return result;
    }
    result.records = ReadLocked(result.notice);
    change(result.records);
    if (!result.notice.isEmpty() && QFileInfo::exists(m_path)) {
        result.error =
            QStringLiteral("%1 could not be moved aside, so it was not written over.").arg(m_path);
        return result;
    }
    result.records.kind = m_kind;
    result.records.version = m_version;
    const std::string text = WriteStoredText(result.records);
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(text.data(), static_cast<qint64>(text.size())) !=
            static_cast<qint64>(text.size()) ||
        !file.commit()) {
        result.error =
            QStringLiteral("%1 could not be written: %2").arg(m_path, file.errorString());
    }
    return result;
}

std::optional<StoredRecords> DataStore::ReadFile() const {
    QFile file(m_path);
    std::optional<StoredRecords> records;
    if (file.open(QIODevice::ReadOnly) && file.size() <= kLargestFile) {
        const QByteArray bytes = file.readAll();
        records =
            ReadStoredText(std::string_view(bytes.constData(), bytes.size()), m_kind, m_version);
    }
    if (records && m_readable && !m_readable(*records)) {
        records.reset();
    }
    return records;
}

StoredRecords DataStore::ReadLocked(QString& notice) const {
    if (!QFileInfo::exists(m_path)) {
        return {m_kind, m_version, {}};
    }
    if (std::optional<StoredRecords> records = ReadFile()) {
        return *records;
    }
    const QString movedTo = MoveAside();
    notice = movedTo.isEmpty()
                 ? QStringLiteral("Velmora could not read its %1 in %2 and goes on without it.")
                       .arg(m_what, m_path)
                 : QStringLiteral("Velmora could not read its %1, so it moved the file to %2 and "
                                  "starts afresh.")
                       .arg(m_what, movedTo);
    return {m_kind, m_version, {}};
}

// Beside the file, under a name no other file has.
QString DataStore::MoveAside() const {
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = m_path + QStringLiteral(".unreadable-") + stamp;
    for (int n = 2; QFileInfo::exists(target); ++n) {
        target = m_path + QStringLiteral(".unreadable-%1-%2").arg(stamp).arg(n);
    }
    return QFile::rename(m_path, target) ? target : QString();
}
