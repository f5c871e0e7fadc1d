#include "window/strategy/frmStrategy.h"

#include "strategy/LayoutReturn.h"
#include "strategy/Simulator.h"
#include "window/common/Charts.h"
#include "window/common/TableTexts.h"
#include "window/strategy/StrategyRun.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The result labels, by objectName, with their captions, in the order shown.
constexpr std::array<std::pair<const char*, const char*>, 8> kResultRows = {{
    {"lblWagered", QT_TRANSLATE_NOOP("frmStrategy", "Total staked")},
    {"lblExpectedLoss", QT_TRANSLATE_NOOP("frmStrategy", "Expected loss (1/37 of the stakes)")},
    {"lblActualLoss", QT_TRANSLATE_NOOP("frmStrategy", "Actual loss")},
    {"lblBroke", QT_TRANSLATE_NOOP("frmStrategy", "Sessions broke")},
    {"lblTarget", QT_TRANSLATE_NOOP("frmStrategy", "Sessions at the target")},
    {"lblStopped", QT_TRANSLATE_NOOP("frmStrategy", "Sessions stopped by the table")},
    {"lblFinal", QT_TRANSLATE_NOOP("frmStrategy", "Final bankroll: mean, deviation")},
    {"lblDrawdown", QT_TRANSLATE_NOOP("frmStrategy", "Worst fall from a peak")},
}};

constexpr int kHistogramBins = 10; // few enough that every bin keeps its label
constexpr int kPathPoints = 400;   // a path is thinned to about this many points

QSpinBox* SpinBox(QWidget* parent, const char* name, int low, int high, int value) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(low, high);
    box->setValue(value);
    box->setAccessibleName(QLatin1String(name + 3));
    return box;
}

QString Money(double value) {
    return QString::number(value, 'f', 2);
}

QString Share(double percent) {
    return QString::number(percent, 'f', 2) + QLatin1Char('%');
}

QList<QPointF> Thinned(const std::vector<std::int64_t>& path) {
    QList<QPointF> points;
    const std::size_t step = std::max<std::size_t>(1, path.size() / kPathPoints);
    for (std::size_t i = 0; i < path.size(); i += step) {
        points.append(QPointF(static_cast<qreal>(i), static_cast<qreal>(path[i])));
    }
    if (!path.empty() && (path.size() - 1) % step != 0) {
        points.append(
            QPointF(static_cast<qreal>(path.size() - 1), static_cast<qreal>(path.back())));
    }
    return points;
}

} // namespace

frmStrategy::frmStrategy(QWidget* owner) : QWidget(owner, Qt::Window) {
    setObjectName(QStringLiteral("frmStrategy"));
    setWindowTitle(tr("Velmora Strategy Tester"));
    setAttribute(Qt::WA_QuitOnClose, false);
    m_run = new StrategyRun(this);
    auto* layout = new QVBoxLayout(this);
    m_lblBase = new QLabel(this);
    m_lblBase->setObjectName(QStringLiteral("lblBase"));
    layout->addWidget(m_lblBase);
    CreateInputs();
    CreateResults();
    CreateCharts();
    connect(m_run, &StrategyRun::Progress, this, &frmStrategy::ShowProgress);
    connect(m_run, &StrategyRun::Finished, this, &frmStrategy::ShowSummary);
    connect(m_run, &StrategyRun::Cancelled, this, [this] {
        SetRunning(false);
        m_lblState->setText(tr("Cancelled."));
    });
    SetRunning(false);
    resize(1100, 900); // wide enough for every bar label of the histogram
}

void frmStrategy::CreateInputs() {
    auto* form = new QFormLayout;
    m_spnSessions = SpinBox(this, "spnSessions", 1, 100000, 1000);
    m_spnSessionSpins = SpinBox(this, "spnSessionSpins", 1, 100000, 100);
    m_spnBankroll = SpinBox(this, "spnBankroll", 1, 1000000000, 1000);
    m_spnTarget = SpinBox(this, "spnTarget", 0, 1000000000, 0);
    m_spnTarget->setSpecialValueText(tr("None"));
    m_spnSeed = SpinBox(this, "spnSeed", 0, 2147483647, 1);
    m_cmbProgression = new QComboBox(this);
    m_cmbProgression->setObjectName(QStringLiteral("cmbProgression"));
    m_cmbProgression->setAccessibleName(tr("Progression"));
    for (const ProgressionKind kind : kProgressions) {
        m_cmbProgression->addItem(TableText(std::string(ProgressionName(kind))));
    }
    form->addRow(tr("Sessions"), m_spnSessions);
    form->addRow(tr("Spins per session"), m_spnSessionSpins);
    form->addRow(tr("Bankroll"), m_spnBankroll);
    form->addRow(tr("Target (win)"), m_spnTarget);
    form->addRow(tr("Progression"), m_cmbProgression);
    form->addRow(tr("Seed"), m_spnSeed);
    static_cast<QVBoxLayout*>(layout())->addLayout(form);

    m_cmdRun = new QPushButton(tr("&Run"), this);
    m_cmdRun->setObjectName(QStringLiteral("cmdRun"));
    m_cmdCancel = new QPushButton(tr("&Cancel"), this);
    m_cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    m_barProgress = new QProgressBar(this);
    m_barProgress->setObjectName(QStringLiteral("barProgress"));
    auto* row = new QHBoxLayout;
    row->addWidget(m_cmdRun);
    row->addWidget(m_cmdCancel);
    row->addWidget(m_barProgress, 1);
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
    connect(m_cmdRun, &QPushButton::clicked, this, &frmStrategy::cmdRun_Click);
    connect(m_cmdCancel, &QPushButton::clicked, this, &frmStrategy::cmdCancel_Click);
}

void frmStrategy::CreateResults() {
    auto* form = new QFormLayout;
    m_lblState = new QLabel(this);
    m_lblState->setObjectName(QStringLiteral("lblState"));
    form->addRow(m_lblState);
    for (std::size_t i = 0; i < kResultRows.size(); ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QLatin1String(kResultRows[i].first));
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        form->addRow(tr(kResultRows[i].second), label);
        m_results[i] = label;
    }
    static_cast<QVBoxLayout*>(layout())->addLayout(form);
}

void frmStrategy::CreateCharts() {
    m_chtPaths = Charts().CreateLineChart(
        {tr("Bankroll of the first twenty sessions"), tr("Spin"), QString()}, this);
    m_chtPaths->setObjectName(QStringLiteral("chtPaths"));
    m_chtFinals =
        Charts().CreateBarChart({tr("Final bankrolls"), tr("From"), tr("Sessions")}, this);
    m_chtFinals->setObjectName(QStringLiteral("chtFinals"));
    auto* row = new QHBoxLayout;
    row->addWidget(m_chtPaths, 1);
    row->addWidget(m_chtFinals, 1);
    m_chtPaths->setMinimumHeight(300);
    static_cast<QVBoxLayout*>(layout())->addLayout(row, 1);
}

void frmStrategy::SetBase(const GameState& state) {
    m_catalogue = state.catalogue;
    m_limits = state.limits;
    m_table = state.TableIndex;
    m_stakes = state.SpotStake;
    int spots = 0;
    std::int64_t staked = 0;
    for (const std::int16_t stake : m_stakes) {
        spots += stake > 0 ? 1 : 0;
        staked += stake;
    }
    static const std::array<const char*, kTableCount> kTables = {"$1", "$2", "$5", "$10"};
    m_lblBase->setText(tr("Base layout: %1 spots, %2 a spin, at the %3 table")
                           .arg(spots)
                           .arg(staked)
                           .arg(QLatin1String(kTables.at(static_cast<std::size_t>(m_table)))));
}

SimulationSettings frmStrategy::Settings() const {
    SimulationSettings settings;
    settings.sessions = m_spnSessions->value();
    settings.spinsPerSession = m_spnSessionSpins->value();
    settings.bankroll = m_spnBankroll->value();
    settings.target = m_spnTarget->value();
    settings.progression =
        kProgressions.at(static_cast<std::size_t>(m_cmbProgression->currentIndex()));
    settings.seed = static_cast<std::uint64_t>(m_spnSeed->value());
    return settings;
}

void frmStrategy::cmdRun_Click() {
    const Simulator simulator(LayoutReturn(m_catalogue, m_limits, m_table, m_stakes), Settings());
    SetRunning(true);
    m_barProgress->setRange(0, static_cast<int>(simulator.BlockCount()));
    m_barProgress->setValue(0);
    m_lblState->setText(tr("Running..."));
    m_run->Start(simulator, m_threads);
}

void frmStrategy::cmdCancel_Click() {
    m_run->Cancel();
}

void frmStrategy::ShowProgress(qint64 done, qint64 total) {
    m_barProgress->setRange(0, static_cast<int>(total));
    m_barProgress->setValue(static_cast<int>(done));
}

void frmStrategy::ShowSummary() {
    const SimulationSummary& summary = m_run->Summary();
    SetRunning(false);
    m_lblState->setText(tr("%1 sessions played.").arg(summary.sessions));
    const std::array<QString, 8> texts = {
        QString::number(summary.wagered),
        Money(summary.expectedLoss),
        QString::number(summary.actualLoss),
        Share(summary.brokePercent),
        Share(summary.targetPercent),
        Share(summary.stoppedPercent),
        Money(summary.finalMean) + QStringLiteral(", ") + Money(summary.finalDeviation),
        QString::number(summary.drawdown),
    };
    for (std::size_t i = 0; i < texts.size(); ++i) {
        m_results[i]->setText(texts[i]);
    }
    ShowCharts(summary);
}

void frmStrategy::ShowCharts(const SimulationSummary& summary) {
    QList<ChartLine> lines;
    for (std::size_t i = 0; i < summary.paths.size(); ++i) {
        lines.append({tr("Session %1").arg(i + 1), Thinned(summary.paths[i])});
    }
    Charts().SetLines(m_chtPaths, lines, true);
    const Histogram histogram = BinFinals(summary.finals, kHistogramBins);
    QStringList categories;
    QList<qreal> values;
    for (std::size_t i = 0; i < histogram.counts.size(); ++i) {
        categories << QString::number(histogram.low +
                                      static_cast<std::int64_t>(i) * histogram.width);
        values << static_cast<qreal>(histogram.counts[i]);
    }
    Charts().SetBars(m_chtFinals, categories, values);
}

// The inputs hold still while a run uses them.
void frmStrategy::SetRunning(bool running) {
    m_cmdRun->setEnabled(!running);
    m_cmdCancel->setEnabled(running);
    for (QWidget* input :
         std::initializer_list<QWidget*>{m_spnSessions, m_spnSessionSpins, m_spnBankroll,
                                         m_spnTarget, m_spnSeed, m_cmbProgression}) {
        input->setEnabled(!running);
    }
}
