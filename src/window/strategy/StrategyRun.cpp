#include "window/strategy/StrategyRun.h"

#include "strategy/Simulator.h"

#include <QMetaObject>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <vector>

struct StrategyRun::Job {
    explicit Job(const Simulator& s)
        : simulator(s), blocks(static_cast<std::size_t>(s.BlockCount())) {}
    Simulator simulator;
    std::vector<BlockResult> blocks;
    std::atomic<std::int64_t> next{0};
    std::atomic<std::int64_t> done{0};
    std::atomic<bool> cancel{false};
};

StrategyRun::StrategyRun(QObject* parent) : QObject(parent) {}

// The workers hold the job, not the run; they are waited for so none outlives the window.
StrategyRun::~StrategyRun() {
    if (m_job) {
        m_job->cancel = true;
    }
    m_pool.waitForDone();
}

void StrategyRun::Start(const Simulator& simulator, int threads) {
    Cancel();
    m_job = std::make_shared<Job>(simulator);
    const int count = threads > 0 ? threads : std::max(1, QThread::idealThreadCount());
    m_pool.setMaxThreadCount(count);
    const auto workers = std::min<std::int64_t>(count, simulator.BlockCount());
    for (std::int64_t i = 0; i < workers; ++i) {
        m_pool.start([this, job = m_job] { Work(job); });
    }
}

// A cancelled job's workers stop at their next session and are forgotten.
void StrategyRun::Cancel() {
    if (!m_job) {
        return;
    }
    m_job->cancel = true;
    m_job.reset();
    emit Cancelled();
}

// On a worker thread: only the job is touched, and the window hears of each
// block through its own event loop.
void StrategyRun::Work(const std::shared_ptr<Job>& job) {
    for (;;) {
        const std::int64_t block = job->next++;
        if (job->cancel || block >= static_cast<std::int64_t>(job->blocks.size())) {
            return;
        }
        job->blocks[static_cast<std::size_t>(block)] = job->simulator.RunBlock(block, &job->cancel);
        ++job->done;
        QMetaObject::invokeMethod(
            this, [this, job] { BlockDone(job); }, Qt::QueuedConnection);
    }
}

void StrategyRun::BlockDone(const std::shared_ptr<Job>& job) {
    if (job != m_job) {
        return; // a cancelled run's late news
    }
    const auto total = static_cast<std::int64_t>(job->blocks.size());
    const std::int64_t done = job->done;
    emit Progress(done, total);
    if (done == total) {
        m_job.reset();
        m_summary = std::make_shared<SimulationSummary>(job->simulator.Summarise(job->blocks));
        emit Finished();
    }
}
