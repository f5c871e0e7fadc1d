// A program of its own, not linked with Qt Charts, so that what its memory
// map shows was loaded by the program itself: no chart library before the
// first chart, the chart module and library once the statistics are shown.
#include "window/board/MainWindow.h"
#include "window/common/Charts.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

namespace {

bool Mapped(const char* library) {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(library);
}

TEST(ChartLoading, TheChartLibraryLoadsWithTheFirstChartShown) {
    MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QApplication::processEvents();
    EXPECT_FALSE(Mapped("libQt6Charts"));
    EXPECT_FALSE(Mapped("libvelmora_charts"));
    EXPECT_FALSE(Mapped("libQt6OpenGL")); // Qt Charts' own OpenGL dependencies

    window.findChild<QAction*>(QStringLiteral("actStatistics"))->trigger();
    const QWidget* chart = window.findChild<QWidget*>(QStringLiteral("chtBalance"));
    ASSERT_NE(chart, nullptr);
    EXPECT_TRUE(chart->inherits("QChartView"));
    EXPECT_TRUE(Mapped("libQt6Charts"));
    EXPECT_TRUE(Mapped("libvelmora_charts"));
}

// Each row: module paths none of which can give a chart factory.
struct MissingCase {
    const char* name;
    QStringList paths;
};

class MissingModuleTest : public ::testing::TestWithParam<MissingCase> {};

TEST_P(MissingModuleTest, EveryChartBecomesASentence) {
    ChartFactory& charts = LoadCharts(GetParam().paths);
    QWidget parent;
    for (QWidget* chart :
         {charts.CreateLineChart({}, &parent), charts.CreateBarChart({}, &parent)}) {
        const auto* label = qobject_cast<QLabel*>(chart);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), QString::fromLatin1(kChartsMissingText));
        EXPECT_EQ(label->parent(), &parent);
    }
    // Drawing into the sentence is harmless.
    charts.SetLines(parent.findChild<QLabel*>(), {{QStringLiteral("x"), {{1, 2}}}}, true);
    charts.SetBars(parent.findChild<QLabel*>(), {QStringLiteral("a")}, {1.0});
}

QString NotALibrary() {
    static QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("libvelmora_charts.so"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write("not a shared object\n");
    }
    return path;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MissingModuleTest,
    ::testing::Values(MissingCase{"NoPathAtAll", {}},
                      MissingCase{"NoFileThere",
                                  {QStringLiteral("/nonexistent/libvelmora_charts.so")}},
                      MissingCase{"AFileThatIsNoLibrary", {NotALibrary()}},
                      // A real library, but without the module's entry point.
                      MissingCase{"ALibraryWithoutTheEntry", {QStringLiteral("libQt6Core.so.6")}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ChartLoading, TheBuiltModuleIsAmongThePlacesLookedAt) {
    const QStringList paths = ChartModulePaths(QStringLiteral("/opt/velmora/bin"));
    EXPECT_TRUE(paths.contains(QStringLiteral("/opt/velmora/bin/libvelmora_charts.so")));
    EXPECT_TRUE(
        paths.contains(QStringLiteral("/opt/velmora/bin/../lib/velmora/libvelmora_charts.so")))
        << paths.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(QFile::exists(paths.last())) << paths.last().toStdString();
}

} // namespace
