// Where Help looks for its page: a build folder's copy beside the program,
// else the installed one in bin/../share/velmora.
#include "window/help/HelpViewer.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

TEST(HelpLookupTest, FindsThePageWhereTheProgramLives) {
    struct LookupCase {
        const char* name;
        const char* pages; // written into a scratch prefix, blank-separated
        const char* expected;
    };
    const LookupCase cases[] = {
        {"ThePageBesideTheProgramIsShown", "bin", "bin"},
        {"TheInstalledPageIsShownWhenNoneLiesBeside", "share/velmora", "share/velmora"},
        {"ABuildFoldersOwnPageComesFirst", "share/velmora bin", "bin"},
        {"WithoutAPageThePlaceBesideIsNamed", "", "bin"},
    };
    for (const LookupCase& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir prefix;
        ASSERT_TRUE(QDir(prefix.path()).mkdir("bin"));
        for (const QString& folder : QString(c.pages).split(' ', Qt::SkipEmptyParts)) {
            QDir(prefix.path()).mkpath(folder);
            QFile page(prefix.filePath(folder + "/Velmora.html"));
            ASSERT_TRUE(page.open(QIODevice::WriteOnly));
        }
        EXPECT_EQ(HelpViewer::FindPage(prefix.filePath("bin")).toStdString(),
                  prefix.filePath(QString(c.expected) + "/Velmora.html").toStdString());
    }
}
