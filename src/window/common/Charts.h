#pragma once

#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>

class QWidget;

// The charts of the statistics and tester windows, behind an interface that
// names no chart class, so that the windows do not pull the chart library in
// before one is shown.
struct ChartLine {
    QString name;
    QList<QPointF> points;
};

struct ChartTitles {
    QString chart;
    QString x;
    QString y;
};

class ChartFactory {
  public:
    virtual ~ChartFactory() = default;
    // A line chart, empty until SetLines.
    virtual QWidget* CreateLineChart(const ChartTitles& titles, QWidget* parent) = 0;
    // Replaces the chart's lines and fits its axes to them, zero kept in view
    // when keepZero is set.
    virtual void SetLines(QWidget* chart, const QList<ChartLine>& lines, bool keepZero) = 0;
    // A bar chart, one bar per category (a histogram's bins).
    virtual QWidget* CreateBarChart(const ChartTitles& titles, QWidget* parent) = 0;
    virtual void SetBars(QWidget* chart, const QStringList& categories,
                         const QList<qreal>& values) = 0;
};

// The chart library's implementation, loaded from the chart module on first
// use; if no module loads, a factory that puts a sentence where each chart
// would be, so the windows work on without charts.
ChartFactory& Charts();

// Where Charts() looks for the module, in order: $VELMORA_CHARTS_MODULE if
// set, beside the program (a build folder), the installed lib/velmora, and
// the module as built in this build tree.
QStringList ChartModulePaths(const QString& programDir);

// The factory of the first path that loads, else the sentence factory. A
// loaded module stays loaded for the rest of the run.
ChartFactory& LoadCharts(const QStringList& modulePaths);

// Said in place of a chart when the module cannot be loaded.
extern const char* const kChartsMissingText;
