// Where the game looks for its cues and clip: the installed data folder when
// there is one beside the program, otherwise where it was started.
#include "app/DataFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace quindle;

namespace {

class DataFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FRoot.isValid());
        ASSERT_TRUE(QDir(FRoot.path()).mkpath("prefix/bin"));
        ASSERT_TRUE(QDir(FRoot.path()).mkpath("elsewhere"));
        ASSERT_TRUE(QDir::setCurrent(Path("elsewhere")));
    }
    void TearDown() override { QDir::setCurrent(FStartedIn); }

    QString Path(const QString& rel) const { return QDir(FRoot.path()).filePath(rel); }
    void Touch(const QString& rel) const
    {
        QFile f(Path(rel));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    static QString Current() { return QDir::current().canonicalPath(); }

    QTemporaryDir FRoot;
    QString FStartedIn = QDir::currentPath();
};

TEST_F(DataFolderTest, InstalledGameWorksInItsDataFolderWhereverStarted)
{
    ASSERT_TRUE(QDir(FRoot.path()).mkpath("prefix/share/quindle"));
    Touch("prefix/share/quindle/applause.wav");
    EXPECT_TRUE(EnterDataFolder(Path("prefix/bin"), "../share/quindle"));
    EXPECT_EQ(Current(), QDir(Path("prefix/share/quindle")).canonicalPath());
    // The cues are now found by bare name.
    EXPECT_TRUE(QFile::exists("applause.wav"));
}

TEST_F(DataFolderTest, AnyOfTheGamesFilesMarksTheFolder)
{
    ASSERT_TRUE(QDir(FRoot.path()).mkpath("prefix/share/quindle"));
    Touch("prefix/share/quindle/cool.avi");
    EXPECT_TRUE(EnterDataFolder(Path("prefix/bin"), "../share/quindle"));
}

TEST_F(DataFolderTest, BuildTreeKeepsTheStartingDirectory)
{
    const QString before = Current();
    // No data folder beside the program.
    EXPECT_FALSE(EnterDataFolder(Path("prefix/bin"), "../share/quindle"));
    EXPECT_EQ(Current(), before);
    // A folder of that name without any of the game's files is not ours,
    // nor is a file where the folder would be.
    ASSERT_TRUE(QDir(FRoot.path()).mkpath("prefix/share/quindle/sub"));
    Touch("prefix/share/quindle/readme");
    EXPECT_FALSE(EnterDataFolder(Path("prefix/bin"), "../share/quindle"));
    ASSERT_TRUE(QDir(FRoot.path()).mkpath("prefix/share/quindle/ok.wav"));
    EXPECT_FALSE(EnterDataFolder(Path("prefix/bin"), "../share/quindle"));
    EXPECT_EQ(Current(), before);
}

TEST_F(DataFolderTest, UnknownProgramFolderChangesNothing)
{
    const QString before = Current();
    EXPECT_FALSE(EnterDataFolder(QString(), "../share/quindle"));
    EXPECT_FALSE(EnterDataFolder(Path("prefix/bin"), QString()));
    EXPECT_EQ(Current(), before);
}

} // namespace
