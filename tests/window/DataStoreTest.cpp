#include "BoardFixture.h"

#include "window/common/DataStore.h"
#include "window/common/FileLock.h"

#include <QStandardPaths>
#include <QSysInfo>
#include <QThread>

#include <set>
#include <string>

#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Rows = std::vector<std::vector<std::string>>;

// Each test has a file of its own in the run's data folder.
class DataStoreTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        name = QString::fromLatin1(test->name()) + QStringLiteral(".txt");
        QDir folder(Folder());
        for (const QString& old :
             folder.entryList({name + QLatin1Char('*')}, QDir::AllEntries | QDir::System)) {
            folder.remove(old); // also between the rows of a test
            folder.rmdir(old);
        }
    }

    static QString Folder() {
        return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    }

    DataStore Store() const { return {name, "notes", 2, QStringLiteral("notes")}; }

    static DataStore::Change Append(const std::string& field) {
        return [field](StoredRecords& r) { r.rows.push_back({field}); };
    }

    Rows OnDisk() const {
        QFile file(Store().path());
        if (!file.open(QIODevice::ReadOnly)) {
            return {};
        }
        const QByteArray bytes = file.readAll();
        const auto records =
            ReadStoredText({bytes.constData(), std::size_t(bytes.size())}, "notes", 2);
        return records ? records->rows : Rows{{"unreadable"}};
    }

    QStringList MovedAside() const {
        return QDir(Folder()).entryList({name + QStringLiteral(".unreadable-*")},
                                        QDir::AllEntries | QDir::System);
    }

    QString name;
};

// Whatever instant a crash struck, the lock it leaves behind is a file and
// no more: the kernel let go of the lock with the process. The next save
// goes through at once (no wait allowed), past a lock file left empty as a
// crash at its creation leaves it, one naming a dead process, or garbage.
TEST_F(DataStoreTest, ALockFileLeftByACrashStopsNoSave) {
    const QByteArray leftovers[] = {
        "", "999999\nvelmora\n" + QSysInfo::machineHostName().toUtf8() + "\n", "\x01\xff garbage"};
    for (const QByteArray& leftover : leftovers) {
        SCOPED_TRACE(leftover.toStdString());
        SetUp();
        WriteFile(Store().path() + QStringLiteral(".lock"), leftover);
        DataStore store = Store();
        store.setLockWait(0);
        const DataStore::Result saved = store.Update(Append("saved"));
        EXPECT_TRUE(saved.saved && saved.error.isEmpty()) << saved.error.toStdString();
        EXPECT_EQ(OnDisk(), (Rows{{"saved"}}));
    }
}

// Two programs writing at the same moment: a child process and this one each
// append their rows while the other does; the lock keeps every row.
TEST_F(DataStoreTest, TwoProcessesWritingAtOnceLoseNothing) {
    constexpr int kRows = 40;
    const auto write = [this](const std::string& who) {
        for (int i = 0; i < kRows; ++i) {
            if (!Store().Update(Append(who + std::to_string(i))).saved) {
                return false;
            }
        }
        return true;
    };
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        _exit(write("child ") ? 0 : 1);
    }
    EXPECT_TRUE(write("parent "));
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    std::set<std::string> rows;
    for (const auto& row : OnDisk()) {
        rows.insert(row.at(0));
    }
    EXPECT_EQ(rows.size(), 2U * kRows);
    EXPECT_TRUE(rows.contains("child 39") && rows.contains("parent 39"));
}

// A writer that dies while it holds the lock, in the middle of its change:
// while it lives the lock holds (a load still reads what stands, a change is
// kept for later); once it is dead the next save goes through at once and
// brings the kept change with it. The child says by a pipe when it holds the
// lock, so no timing is guessed.
TEST_F(DataStoreTest, AWriterDyingWhileItHoldsTheLockStopsNoOne) {
    ASSERT_TRUE(Store().Update(Append("kept")).saved);
    int pipeEnds[2];
    ASSERT_EQ(pipe(pipeEnds), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        Store().Update([&](StoredRecords& r) {
            r.rows.push_back({"never written"});
            static_cast<void>(write(pipeEnds[1], "L", 1));
            pause(); // killed here, with the lock held
        });
        _exit(0);
    }
    char held = 0;
    ASSERT_EQ(read(pipeEnds[0], &held, 1), 1);
    DataStore store = Store();
    store.setLockWait(20);
    EXPECT_EQ(store.Load().records.rows, (Rows{{"kept"}}));
    const DataStore::Result blocked = store.Update(Append("while held"));
    EXPECT_FALSE(blocked.saved);
    EXPECT_EQ(blocked.error, QStringLiteral("Velmora could not save its notes in %1 (in use by "
                                            "another program), so it keeps them and saves them "
                                            "with your next change.")
                                 .arg(store.path()));
    EXPECT_EQ(blocked.records.rows, (Rows{{"kept"}, {"while held"}}));
    ASSERT_EQ(kill(child, SIGKILL), 0);
    ASSERT_EQ(waitpid(child, nullptr, 0), child);
    store.setLockWait(0);
    EXPECT_TRUE(store.Update(Append("after")).saved);
    EXPECT_EQ(OnDisk(), (Rows{{"kept"}, {"while held"}, {"after"}}));
    close(pipeEnds[0]);
    close(pipeEnds[1]);
}

// A program killed while it writes (a crash) leaves the last whole file: a
// child appends long rows without end and is killed once it has got so far;
// each time the file reads whole, and the next write goes through.
TEST_F(DataStoreTest, AWriterKilledMidWriteLeavesTheLastWholeFile) {
    const std::string filler(16384, 'x');
    std::size_t written = 0;
    for (const std::size_t killAfter : {2U, 5U, 9U, 14U}) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (std::size_t i = written;; ++i) {
                Store().Update(Append(std::to_string(i) + filler));
            }
        }
        // The file is replaced whole, so its size only grows.
        while (QFileInfo(Store().path()).size() < qint64(killAfter * filler.size())) {
            QThread::usleep(200);
        }
        ASSERT_EQ(kill(child, SIGKILL), 0);
        ASSERT_EQ(waitpid(child, nullptr, 0), child);
        const Rows rows = OnDisk();
        EXPECT_TRUE(MovedAside().isEmpty());
        written = rows.size();
        ASSERT_GE(written, killAfter);
        for (std::size_t i = 0; i < written; ++i) {
            ASSERT_EQ(rows.at(i).at(0), std::to_string(i) + filler);
        }
    }
    DataStore store = Store();
    store.setLockWait(0);
    EXPECT_TRUE(store.Update(Append("after the kills")).saved);
    EXPECT_EQ(OnDisk().size(), written + 1);
}

// A file size limit stands for a full disk: the save that cannot be written
// leaves the last whole file as it was, says so once, and keeps the change;
// so does the next; once there is room, the next save writes them all.
TEST_F(DataStoreTest, AFullDiskKeepsTheChangesUntilASaveGoesThrough) {
    ASSERT_TRUE(Store().Update(Append("before")).saved);
    const QByteArray whole = [&] {
        QFile file(Store().path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    rlimit original{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &original), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit full = original;
    full.rlim_cur = static_cast<rlim_t>(whole.size()) + 8;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &full), 0);
    const DataStore::Result first = Store().Update(Append(std::string(64, 'a')));
    const DataStore::Result second = Store().Update(Append("b"));
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &original), 0);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(first.saved);
    EXPECT_TRUE(first.error.startsWith(QStringLiteral("Velmora could not save its notes in ")));
    EXPECT_FALSE(second.saved);
    EXPECT_TRUE(second.error.isEmpty()) << "told once, not at every change";
    QFile file(Store().path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), whole);
    const Rows all = {{"before"}, {std::string(64, 'a')}, {"b"}};
    EXPECT_EQ(Store().Load().records.rows, all) << "what the player did still shows";
    EXPECT_TRUE(DataStore::SavePendingChanges());
    EXPECT_EQ(OnDisk(), all);
    EXPECT_TRUE(Store().Load().saved);
}

// The data folder replaced by a plain file: nothing can be saved, nothing is
// lost; with the folder back, the next change brings the earlier one along.
TEST_F(DataStoreTest, AMissingDataFolderLosesNoChange) {
    ASSERT_TRUE(Store().Update(Append("first")).saved);
    const QString folder = Folder();
    const QString away = folder + QStringLiteral(".away");
    ASSERT_TRUE(QDir().rename(folder, away));
    WriteFile(folder, "not a folder");
    const DataStore::Result lost = Store().Update(Append("while away"));
    EXPECT_FALSE(lost.saved);
    EXPECT_TRUE(lost.error.contains(QStringLiteral("could not be made")))
        << lost.error.toStdString();
    ASSERT_TRUE(QFile::remove(folder));
    ASSERT_TRUE(QDir().rename(away, folder));
    EXPECT_TRUE(Store().Update(Append("back")).saved);
    EXPECT_EQ(OnDisk(), (Rows{{"first"}, {"while away"}, {"back"}}));
}

// Whatever stands where the file should be, met by a load or a change: a
// cut file, a newer version, binary bytes, a file past the size read, a
// folder, a pipe (which must not hang the read) or a link to nowhere. Each
// is moved aside whole, told in one sentence, and never written over.
TEST_F(DataStoreTest, AnUnreadableFileIsMovedAsideWithOneSentenceAndNeverLost) {
    enum class Kind { File, Folder, Pipe, DeadLink };
    const std::tuple<const char*, Kind, QByteArray, bool> rows[] = {
        {"cut short", Kind::File, "velmora notes 2\ncut sho", true},
        {"newer version", Kind::File, "velmora notes 3\nend 0\n", false},
        {"binary", Kind::File, QByteArray("\x00\xff\xfe velmora\x00", 12), true},
        {"past the size read", Kind::File, QByteArray(17 * 1024 * 1024, '\n'), false},
        {"folder", Kind::Folder, {}, true},
        {"pipe", Kind::Pipe, {}, false},
        {"link to nowhere", Kind::DeadLink, {}, true},
    };
    for (const auto& [what, kind, bytes, byLoad] : rows) {
        SCOPED_TRACE(what);
        SetUp();
        const QByteArray path = QFile::encodeName(Store().path());
        QDir().mkpath(Folder());
        if (kind == Kind::File) {
            WriteFile(Store().path(), bytes);
        } else if (kind == Kind::Folder) {
            ASSERT_TRUE(QDir().mkpath(Store().path()));
        } else if (kind == Kind::Pipe) {
            ASSERT_EQ(mkfifo(path.constData(), 0600), 0);
        } else {
            ASSERT_EQ(symlink("/nonexistent/velmora", path.constData()), 0);
        }
        const DataStore::Result met = byLoad ? Store().Load() : Store().Update(Append("mine"));
        EXPECT_EQ(met.records.rows.size(), byLoad ? 0U : 1U);
        ASSERT_EQ(MovedAside().size(), 1);
        EXPECT_TRUE(met.notice.contains(MovedAside().first())) << met.notice.toStdString();
        EXPECT_TRUE(met.notice.endsWith(QLatin1Char('.')));
        EXPECT_EQ(met.notice.count(QStringLiteral(". ")), 0);
        if (kind == Kind::File) {
            QFile aside(QDir(Folder()).filePath(MovedAside().first()));
            ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
            EXPECT_EQ(aside.readAll(), bytes);
        }
        EXPECT_TRUE(Store().Update(Append("afresh")).saved);
        EXPECT_EQ(OnDisk().size(), byLoad ? 1U : 2U);
    }
}

} // namespace
