// The chart library's side of ChartFactory, built as a module of its own so
// that the program loads Qt Charts and its OpenGL dependencies only when the
// first chart is shown (see window/common/Charts.cpp).
#include "window/common/Charts.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>
#include <limits>

namespace {

QChartView* View(QChart* chart, QWidget* parent) {
    auto* view = new QChartView(chart, parent);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumHeight(220);
    return view;
}

QChart* Chart(QWidget* widget) {
    auto* view = qobject_cast<QChartView*>(widget);
    Q_ASSERT(view);
    return view->chart();
}

QValueAxis* ValueAxis(QChart* chart, const QString& title, Qt::Alignment side) {
    auto* axis = new QValueAxis(chart);
    axis->setTitleText(title);
    axis->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(axis, side);
    return axis;
}

QValueAxis* AxisAt(QChart* chart, Qt::Alignment side) {
    const auto axes = chart->axes(side == Qt::AlignBottom ? Qt::Horizontal : Qt::Vertical);
    return axes.isEmpty() ? nullptr : qobject_cast<QValueAxis*>(axes.first());
}

void FitAxis(QValueAxis* axis, qreal low, qreal high, qreal leastSpan) {
    axis->setRange(low, high > low ? high : low + leastSpan);
    axis->applyNiceNumbers();
}

class QtChartFactory final : public ChartFactory {
  public:
    QWidget* CreateLineChart(const ChartTitles& titles, QWidget* parent) override {
        auto* chart = new QChart;
        chart->setTitle(titles.chart);
        chart->legend()->hide();
        ValueAxis(chart, titles.x, Qt::AlignBottom);
        ValueAxis(chart, titles.y, Qt::AlignLeft);
        return View(chart, parent);
    }

    void SetLines(QWidget* widget, const QList<ChartLine>& lines, bool keepZero) override {
        QChart* chart = Chart(widget);
        chart->removeAllSeries();
        qreal left = 0;
        qreal right = 1;
        qreal bottom = keepZero ? 0 : std::numeric_limits<qreal>::max();
        qreal top = keepZero ? 0 : std::numeric_limits<qreal>::lowest();
        for (const ChartLine& line : lines) {
            auto* series = new QLineSeries(chart);
            series->setName(line.name);
            series->setPointsVisible(lines.size() == 1);
            series->replace(line.points);
            chart->addSeries(series);
            series->attachAxis(AxisAt(chart, Qt::AlignBottom));
            series->attachAxis(AxisAt(chart, Qt::AlignLeft));
            for (const QPointF& p : line.points) {
                left = std::min(left, p.x());
                right = std::max(right, p.x());
                bottom = std::min(bottom, p.y());
                top = std::max(top, p.y());
            }
        }
        if (bottom > top) {
            bottom = top = 0;
        }
        FitAxis(AxisAt(chart, Qt::AlignBottom), left, right, 1);
        FitAxis(AxisAt(chart, Qt::AlignLeft), bottom, top, 10);
    }

    QWidget* CreateBarChart(const ChartTitles& titles, QWidget* parent) override {
        auto* chart = new QChart;
        chart->setTitle(titles.chart);
        chart->legend()->hide();
        auto* categories = new QBarCategoryAxis(chart);
        categories->setTitleText(titles.x);
        chart->addAxis(categories, Qt::AlignBottom);
        ValueAxis(chart, titles.y, Qt::AlignLeft);
        return View(chart, parent);
    }

    void SetBars(QWidget* widget, const QStringList& categories,
                 const QList<qreal>& values) override {
        QChart* chart = Chart(widget);
        chart->removeAllSeries();
        auto* set = new QBarSet(QString());
        set->append(values);
        auto* series = new QBarSeries(chart);
        series->append(set);
        chart->addSeries(series);
        auto* axis = qobject_cast<QBarCategoryAxis*>(chart->axes(Qt::Horizontal).first());
        axis->clear();
        axis->append(categories);
        series->attachAxis(axis);
        series->attachAxis(AxisAt(chart, Qt::AlignLeft));
        const qreal top = values.isEmpty() ? 0 : *std::max_element(values.begin(), values.end());
        FitAxis(AxisAt(chart, Qt::AlignLeft), 0, top, 1);
    }
};

} // namespace

extern "C" Q_DECL_EXPORT ChartFactory* VelmoraChartFactory() {
    static QtChartFactory factory;
    return &factory;
}
