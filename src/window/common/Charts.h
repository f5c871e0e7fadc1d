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

// The chart library's implementation, made on first use.
ChartFactory& Charts();
