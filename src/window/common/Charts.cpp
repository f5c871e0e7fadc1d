#include "window/common/Charts.h"

#include "window/common/Modules.h"

#include <QCoreApplication>
#include <QLabel>

#ifndef VELMORA_CHARTS_BUILD_PATH
#define VELMORA_CHARTS_BUILD_PATH ""
#endif

const char* const kChartsMissingText = QT_TRANSLATE_NOOP(
    "Charts", "The chart cannot be shown: the chart module of Velmora could not be loaded.");

namespace {

const QString kModuleName = QStringLiteral("libvelmora_charts.so");

// Charts without the chart library: each one is a sentence saying so.
class MissingChartFactory final : public ChartFactory {
  public:
    QWidget* CreateLineChart(const ChartTitles&, QWidget* parent) override {
        return Sentence(parent);
    }
    void SetLines(QWidget*, const QList<ChartLine>&, bool) override {}
    QWidget* CreateBarChart(const ChartTitles&, QWidget* parent) override {
        return Sentence(parent);
    }
    void SetBars(QWidget*, const QStringList&, const QList<qreal>&) override {}

  private:
    static QWidget* Sentence(QWidget* parent) {
        auto* label = new QLabel(QCoreApplication::translate("Charts", kChartsMissingText), parent);
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
        return label;
    }
};

using FactoryEntry = ChartFactory* (*)();

} // namespace

QStringList ChartModulePaths(const QString& programDir) {
    return ModulePaths(kModuleName, "VELMORA_CHARTS_MODULE", programDir,
                       QStringLiteral(VELMORA_CHARTS_BUILD_PATH));
}

ChartFactory& LoadCharts(const QStringList& modulePaths) {
    if (const auto entry = ModuleEntry<FactoryEntry>(modulePaths, "VelmoraChartFactory")) {
        if (ChartFactory* factory = entry()) {
            return *factory;
        }
    }
    static MissingChartFactory missing;
    return missing;
}

ChartFactory& Charts() {
    static ChartFactory& factory =
        LoadCharts(ChartModulePaths(QCoreApplication::applicationDirPath()));
    return factory;
}
