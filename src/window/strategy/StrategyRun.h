#pragma once

#include <QObject>
#include <QThreadPool>

#include <cstdint>
#include <memory>

// Forward only: the table's headers name another SpinOutcome than the
// progressions do, and moc builds every window header into one file.
class Simulator;
struct SimulationSummary;

// One run of the simulator on worker threads: each worker takes the next
// block until none is left, and the blocks are summarised in block order, so
// the figures do not depend on how many threads ran them.
class StrategyRun : public QObject {
    Q_OBJECT
  public:
    explicit StrategyRun(QObject* parent = nullptr);
    ~StrategyRun() override;

    // 0 threads: as many as the machine has.
    void Start(const Simulator& simulator, int threads = 0);
    void Cancel();
    bool Running() const { return m_job != nullptr; }
    // The last finished run's figures; valid from Finished on.
    const SimulationSummary& Summary() const { return *m_summary; }

  signals:
    void Progress(qint64 done, qint64 total);
    void Finished();
    void Cancelled();

  private:
    struct Job;
    void Work(const std::shared_ptr<Job>& job);
    void BlockDone(const std::shared_ptr<Job>& job);

    QThreadPool m_pool;
    std::shared_ptr<Job> m_job;
    std::shared_ptr<SimulationSummary> m_summary;
};
