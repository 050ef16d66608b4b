// The real cue backend with a stand-in sound process that logs what it is
// given: damaged or odd cue files give the alert and never stop later cues.
#include "sound/CuePlayer.h"
#include "tests/sound/WavFixtures.h"

#include <QElapsedTimer>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using quindle::test::WavBytes;

namespace {

class CueSafetyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FDir.isValid());
        FLog = FDir.filePath(QStringLiteral("log"));
        qputenv("QUINDLE_FAKE_CUES_LOG", QFile::encodeName(FLog));
        quindle::SetCueHelperPath(QStringLiteral(QUINDLE_FAKE_CUES));
        ASSERT_EQ(getcwd(FOldDir, sizeof FOldDir), FOldDir);
        ASSERT_EQ(chdir(QFile::encodeName(FDir.path()).constData()), 0);
    }
    void TearDown() override
    {
        FBackend.reset();
        ASSERT_EQ(chdir(FOldDir), 0);
        quindle::SetCueHelperPath(QStringLiteral(QUINDLE_CUE_HELPER));
        qunsetenv("QUINDLE_FAKE_CUES_HANG");
    }

    static void Write(const char* name, const std::vector<unsigned char>& bytes)
    {
        QFile f(QString::fromLatin1(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    }

    QStringList Lines() const
    {
        QFile f(FLog);
        if (!f.open(QIODevice::ReadOnly))
            return {};
        QStringList lines = QString::fromLatin1(f.readAll()).split(QLatin1Char('\n'));
        lines.removeAll(QString());
        lines.removeIf([](const QString& l) { return l.startsWith(QLatin1String("start ")); });
        return lines;
    }

    // Plays `name` and returns what the sound process was asked to do.
    QString PlayAndWait(const QString& name)
    {
        return AfterRequest([&] { FBackend->Play(name); });
    }

    QString AfterRequest(const std::function<void()>& request)
    {
        const qsizetype before = Lines().size();
        request();
        QElapsedTimer clock;
        clock.start();
        while (Lines().size() == before && clock.elapsed() < 20000)
            QThread::msleep(2);
        const QStringList lines = Lines();
        return lines.size() > before ? lines.last() : QStringLiteral("<nothing>");
    }

    // The sound processes the log says were started.
    QList<pid_t> Started() const
    {
        QFile f(FLog);
        QList<pid_t> pids;
        if (f.open(QIODevice::ReadOnly))
            for (const QByteArray& line : f.readAll().split('\n'))
                if (line.startsWith("start "))
                    pids.append(line.mid(6).toInt());
        return pids;
    }

    void ExpectAllProcessesGone() const
    {
        const QList<pid_t> pids = Started();
        EXPECT_FALSE(pids.isEmpty());
        for (pid_t pid : pids) {
            errno = 0;
            EXPECT_EQ(kill(pid, 0), -1) << "process " << pid << " still there";
            EXPECT_EQ(errno, ESRCH);
        }
    }

    QTemporaryDir FDir;
    QString FLog;
    char FOldDir[4096] = {};
    std::unique_ptr<quindle::ICueBackend> FBackend = quindle::MakeSoundServerBackend();
};

TEST_F(CueSafetyTest, AnythingUnplayableGivesTheAlertAndTheNextGoodCueStillPlays)
{
    Write("ok.wav", WavBytes(1, 16, 800));
    Write("empty.wav", {});
    Write("garbage.wav", std::vector<unsigned char>(3000, 0xa5));
    std::vector<unsigned char> half = WavBytes(1, 16, 800);
    half.resize(40); // cut inside the header
    Write("half.wav", half);
    ASSERT_EQ(mkfifo("pipe.wav", 0600), 0);
    ASSERT_EQ(mkdir("folder.wav", 0700), 0);
    const int huge = open("huge.wav", O_CREAT | O_WRONLY, 0600);
    ASSERT_GE(huge, 0);
    ASSERT_EQ(ftruncate(huge, 8LL << 30), 0);
    close(huge);

    const char* unplayable[] = {"missing.wav", "empty.wav", "garbage.wav", "half.wav",
                                "pipe.wav",    "folder.wav", "huge.wav"};
    for (const char* name : unplayable) {
        EXPECT_EQ(PlayAndWait(QString::fromLatin1(name)), "alert") << name;
        EXPECT_EQ(PlayAndWait(QStringLiteral("ok.wav")), "play ok.wav 1 1644") << "after " << name;
    }
    FBackend->Alert();
}

TEST_F(CueSafetyTest, CutOffAndManyChannelCuesPlayAsWholeStereoFrames)
{
    Write("cut.wav", WavBytes(2, 16, 800, 8000, 3));
    Write("six.wav", WavBytes(6, 16, 800, 8000, 5));
    EXPECT_EQ(PlayAndWait(QStringLiteral("cut.wav")), "play cut.wav 2 3240");
    EXPECT_EQ(PlayAndWait(QStringLiteral("six.wav")), "play six.wav 2 3240");
}

TEST_F(CueSafetyTest, AFolderWhoseNameIsNotUtf8StillFindsItsCues)
{
    const char odd[] = "cues-\xff\xfe";
    ASSERT_EQ(mkdir(odd, 0700), 0);
    ASSERT_EQ(chdir(odd), 0);
    Write("ok.wav", WavBytes(1, 16, 800));
    EXPECT_EQ(PlayAndWait(QStringLiteral("ok.wav")), "play ok.wav 1 1644");
    // QTemporaryDir cannot name this folder to remove it.
    unlink("ok.wav");
    ASSERT_EQ(chdir(".."), 0);
    rmdir(odd);
}

TEST_F(CueSafetyTest, AHungSoundProcessNeitherDelaysTheEndNorOutlivesIt)
{
    qputenv("QUINDLE_FAKE_CUES_HANG", "1");
    Write("ok.wav", WavBytes(1, 16, 800));
    FBackend->Play(QStringLiteral("ok.wav"));
    QElapsedTimer started;
    started.start();
    while (Started().isEmpty() && started.elapsed() < 20000)
        QThread::msleep(2);
    // Enough requests that the stuck process is found out and replaced.
    for (int i = 0; i < 200; ++i) {
        FBackend->Play(QStringLiteral("ok.wav"));
        QThread::usleep(200);
    }
    QElapsedTimer clock;
    clock.start();
    FBackend.reset();
    EXPECT_LT(clock.elapsed(), 500);
    ExpectAllProcessesGone();
}

TEST_F(CueSafetyTest, ShuttingThePlayerDownEndsItsSoundProcess)
{
    Write("ok.wav", WavBytes(1, 16, 800));
    quindle::TCuePlayer& player = quindle::TCuePlayer::Instance();
    player.SetBackend(std::move(FBackend));
    ASSERT_EQ(AfterRequest([&] { player.Play(QStringLiteral("ok.wav")); }), "play ok.wav 1 1644");
    player.Shutdown();
    ExpectAllProcessesGone();
    player.Play(QStringLiteral("ok.wav")); // dropped, and nothing to fail
    player.SetBackend(nullptr);
}

} // namespace
