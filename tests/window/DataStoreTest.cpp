#include "BoardFixture.h"

#include "window/common/DataStore.h"

#include <QLockFile>
#include <QStandardPaths>
#include <QSysInfo>

#include <set>
#include <string>

#include <csignal>

#include <sys/wait.h>
#include <unistd.h>

namespace {

// Each test has a file of its own in the run's data folder.
class DataStoreTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        name = QString::fromLatin1(test->name()) + QStringLiteral(".txt");
        QDir folder(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
        for (const QString& old : folder.entryList({name + QLatin1Char('*')})) {
            folder.remove(old); // also between the rows of a test
        }
    }

    DataStore Store() const { return {name, "notes", 2, QStringLiteral("notes")}; }

    static std::function<void(StoredRecords&)> Append(const std::string& field) {
        return [field](StoredRecords& r) { r.rows.push_back({field}); };
    }

    QStringList MovedAside() const {
        return QFileInfo(Store().path()).dir().entryList({name + QStringLiteral(".unreadable-*")});
    }

    QString name;
};

// Each writer reads the file afresh under the lock, so a change made by
// another copy in between is kept. A lock left by a process of this machine
// that no longer runs (a crash) stops no one.
TEST_F(DataStoreTest, TwoWritersKeepEachOthersChangesPastAStaleLock) {
    const DataStore::Result none = Store().Load(); // no file yet: empty, and nothing to tell
    EXPECT_TRUE(none.records.rows.empty() && none.notice.isEmpty());
    WriteFile(Store().path() + QStringLiteral(".lock"),
              "999999\nvelmora\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    const DataStore first = Store();
    const DataStore second = Store();
    ASSERT_TRUE(first.Update(Append("from the first")).error.isEmpty());
    ASSERT_TRUE(second.Update(Append("from the second")).error.isEmpty());
    const DataStore::Result last = first.Update(Append("first again"));
    const std::vector<std::vector<std::string>> expected = {
        {"from the first"}, {"from the second"}, {"first again"}};
    EXPECT_EQ(last.records.rows, expected);
    EXPECT_EQ(Store().Load().records.rows, expected);
}

// Two programs writing at the same moment: a child process and this one each
// append their rows while the other does; the lock keeps every row.
TEST_F(DataStoreTest, TwoProcessesWritingAtOnceLoseNothing) {
    constexpr int kRows = 40;
    const auto write = [this](const std::string& who) {
        for (int i = 0; i < kRows; ++i) {
            if (!Store().Update(Append(who + std::to_string(i))).error.isEmpty()) {
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
    for (const auto& row : Store().Load().records.rows) {
        rows.insert(row.at(0));
    }
    EXPECT_EQ(rows.size(), 2U * kRows);
    EXPECT_TRUE(rows.contains("child 39") && rows.contains("parent 39"));
}

// A program killed while it writes (a crash) leaves the last whole file: a
// child appends long rows without end and is killed once it has got so far;
// each time the file reads whole, and the next write takes over the lock the
// dead child left.
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
        // Watched without the lock, which the child is to hold as often as it
        // can. A file that shrinks is being written in place: killed then.
        for (qint64 seen = 0;;) {
            const qint64 size = QFileInfo(Store().path()).size();
            if (size < seen || size >= qint64(killAfter * filler.size())) {
                break;
            }
            seen = size;
        }
        ASSERT_EQ(kill(child, SIGKILL), 0);
        ASSERT_EQ(waitpid(child, nullptr, 0), child);
        const DataStore::Result loaded = Store().Load();
        EXPECT_TRUE(loaded.notice.isEmpty()) << loaded.notice.toStdString();
        EXPECT_TRUE(MovedAside().isEmpty());
        written = loaded.records.rows.size();
        ASSERT_GE(written, killAfter);
        for (std::size_t i = 0; i < written; ++i) {
            ASSERT_EQ(loaded.records.rows.at(i).at(0), std::to_string(i) + filler);
        }
    }
    EXPECT_TRUE(Store().Update(Append("after the kills")).error.isEmpty());
    EXPECT_EQ(Store().Load().records.rows.size(), written + 1);
}

// Met by a load (a file cut short) or by a change (a newer version's file):
// either way moved aside whole, told in one sentence, and never written over.
TEST_F(DataStoreTest, AnUnreadableFileIsMovedAsideWithOneSentenceAndNeverLost) {
    const std::pair<QByteArray, bool> rows[] = {{"velmora notes 2\ncut sho", true},
                                                {"velmora notes 3\nend 0\n", false}};
    for (const auto& [bytes, byLoad] : rows) {
        SCOPED_TRACE(bytes.toStdString());
        DataStoreTest::SetUp();
        WriteFile(Store().path(), bytes);
        const DataStore::Result met = byLoad ? Store().Load() : Store().Update(Append("mine"));
        EXPECT_EQ(met.records.rows.size(), byLoad ? 0U : 1U);
        ASSERT_EQ(MovedAside().size(), 1);
        EXPECT_TRUE(met.notice.contains(MovedAside().first())) << met.notice.toStdString();
        EXPECT_TRUE(met.notice.endsWith(QLatin1Char('.')));
        EXPECT_EQ(met.notice.count(QStringLiteral(". ")), 0);
        QFile aside(QFileInfo(Store().path()).dir().filePath(MovedAside().first()));
        ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
        EXPECT_EQ(aside.readAll(), bytes);
        EXPECT_TRUE(Store().Update(Append("afresh")).error.isEmpty());
        EXPECT_EQ(Store().Load().records.rows.size(), byLoad ? 1U : 2U);
    }
}

// While another copy holds the lock, a load still reads the whole file that
// stands (never empty, never moved), and a change says it could not be saved.
TEST_F(DataStoreTest, WhileAnotherCopyWritesALoadReadsWhatStands) {
    ASSERT_TRUE(Store().Update(Append("kept")).error.isEmpty());
    QLockFile other(Store().path() + QStringLiteral(".lock"));
    ASSERT_TRUE(other.tryLock(0));
    DataStore store = Store();
    store.setLockWait(10);
    const DataStore::Result loaded = store.Load();
    EXPECT_EQ(loaded.records.rows, (std::vector<std::vector<std::string>>{{"kept"}}));
    EXPECT_TRUE(loaded.notice.isEmpty());
    EXPECT_EQ(store.Update(Append("lost")).error,
              Store().path() + QStringLiteral(" is locked by another program."));
    other.unlock();
    EXPECT_EQ(Store().Load().records.rows.size(), 1U);
    EXPECT_TRUE(MovedAside().isEmpty());
}

} // namespace
