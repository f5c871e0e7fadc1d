// Where Help looks for its page: a build folder's copy beside the program,
// else the installed one in bin/../share/velmora.
#include "window/HelpViewer.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

void WritePage(const QString& path) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
    QFile page(path);
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
}

} // namespace

TEST(HelpLookupTest, FindsThePageWhereTheProgramLives) {
    struct LookupCase {
        const char* name;
        bool pageBeside;
        bool pageInstalled;
        const char* expected; // in the scratch prefix
    };
    const LookupCase cases[] = {
        {"ThePageBesideTheProgramIsShown", true, false, "bin/Velmora.html"},
        {"TheInstalledPageIsShownWhenNoneLiesBeside", false, true, "share/velmora/Velmora.html"},
        {"ABuildFoldersOwnPageComesFirst", true, true, "bin/Velmora.html"},
        {"WithoutAPageThePlaceBesideIsNamed", false, false, "bin/Velmora.html"},
    };
    for (const LookupCase& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir prefix;
        ASSERT_TRUE(QDir(prefix.path()).mkdir("bin"));
        if (c.pageBeside) {
            WritePage(prefix.filePath("bin/Velmora.html"));
        }
        if (c.pageInstalled) {
            WritePage(prefix.filePath("share/velmora/Velmora.html"));
        }
        EXPECT_EQ(HelpViewer::FindPage(prefix.filePath("bin")).toStdString(),
                  prefix.filePath(c.expected).toStdString());
    }
}
