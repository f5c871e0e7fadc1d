#include "window/common/Charts.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLibrary>

#ifndef VELMORA_CHARTS_FROM_BIN
#define VELMORA_CHARTS_FROM_BIN "../lib/velmora"
#endif
#ifndef VELMORA_CHARTS_BUILD_PATH
#define VELMORA_CHARTS_BUILD_PATH ""
#endif

const char* const kChartsMissingText =
    "The chart cannot be shown: the chart module of Velmora could not be loaded.";

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
        auto* label = new QLabel(QString::fromLatin1(kChartsMissingText), parent);
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
        return label;
    }
};

using FactoryEntry = ChartFactory* (*)();

ChartFactory* Open(const QString& path) {
    QLibrary library(path);
    const auto entry = reinterpret_cast<FactoryEntry>(library.resolve("VelmoraChartFactory"));
    return entry ? entry()
                 : nullptr; // the library stays loaded: QLibrary never unloads on destruction
}

} // namespace

QStringList ChartModulePaths(const QString& programDir) {
    QStringList paths;
    const QString chosen = qEnvironmentVariable("VELMORA_CHARTS_MODULE");
    if (!chosen.isEmpty()) {
        paths << chosen;
    }
    paths << programDir + QLatin1Char('/') + kModuleName
          << programDir + QStringLiteral("/" VELMORA_CHARTS_FROM_BIN "/") + kModuleName;
    if (const QString built = QStringLiteral(VELMORA_CHARTS_BUILD_PATH); !built.isEmpty()) {
        paths << built;
    }
    return paths;
}

ChartFactory& LoadCharts(const QStringList& modulePaths) {
    for (const QString& path : modulePaths) {
        if (ChartFactory* factory = Open(path)) {
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
