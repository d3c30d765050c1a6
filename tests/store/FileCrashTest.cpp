// The file layer under kill -9 and under a memory limit, in child processes: a kill at any moment
// of a save, rewrite or delete leaves every record old or new, and deleting from a large
// collection needs memory for a few records, not for the file.
#include "store/RecordFile.h"
#include "store/RollbackJournal.h"
#include "support/PatternRecord.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>
#include <set>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

/** Rounds per test; QUORVEX_KILL_ROUNDS raises it for a long run by hand (1000 and more). */
int rounds(int ciDefault)
{
    const int asked = qEnvironmentVariableIntValue("QUORVEX_KILL_ROUNDS");
    return asked > 0 ? asked : ciDefault;
}

struct KillTally {
    int kills = 0;
    int records = 0;
    int torn = 0;
    int duplicates = 0;
    int journalsFound = 0;
    int leftOverJournals = 0;
};

/** Starts the child, waits until it is at work, lets it run a random while and kills it. */
bool runAndKill(const char* mode, const QString& path, unsigned seed, std::mt19937& random)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    const QByteArray program(QUORVEX_FILE_CHILD_PATH);
    const QByteArray file = QFile::encodeName(path);
    const QByteArray seedText = QByteArray::number(seed);
    char* argv[] = {const_cast<char*>(program.constData()), const_cast<char*>(mode),
                    const_cast<char*>(file.constData()), const_cast<char*>(seedText.constData()), nullptr};
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.constData(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (spawned != 0) {
        close(pipeFds[0]);
        return false;
    }
    char ready[6] = {};
    const bool started = read(pipeFds[0], ready, sizeof ready) > 0;
    close(pipeFds[0]);
    usleep(useconds_t(std::uniform_int_distribution<int>(0, 30000)(random)));
    kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    return started && WIFSIGNALED(status);
}

/** Kills the child again and again and checks the file after each kill. */
KillTally killRepeatedly(const char* mode, int count)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("KILL.QV3"));
    for (std::uint32_t id = 1; id <= 8; ++id)
        EXPECT_TRUE(RecordFile::append(path, PatternRecord::Size, PatternRecord::make(id, 0)));
    std::mt19937 random(20261207);
    KillTally tally;
    for (int round = 0; round < count; ++round) {
        if (!runAndKill(mode, path, unsigned(round + 1), random)) {
            ADD_FAILURE() << "the child did not start or ended by itself in round " << round;
            break;
        }
        ++tally.kills;
        if (QFile::exists(RollbackJournal::pathFor(path)))
            ++tally.journalsFound;
        std::vector<QByteArray> records;
        EXPECT_TRUE(RecordFile::readAll(path, PatternRecord::Size, records));
        if (QFile::exists(RollbackJournal::pathFor(path)))
            ++tally.leftOverJournals;
        std::set<std::uint32_t> ids;
        for (const QByteArray& record : records) {
            ++tally.records;
            if (!PatternRecord::isWhole(record))
                ++tally.torn;
            if (!ids.insert(PatternRecord::idOf(record)).second)
                ++tally.duplicates;
        }
    }
    return tally;
}

void report(const char* mode, const KillTally& t)
{
    std::printf("[ %s ] %d kills, %d records checked, %d torn, %d duplicated, %d kills inside an overwrite "
                "(journal found and put back)\n",
                mode, t.kills, t.records, t.torn, t.duplicates, t.journalsFound);
}

QByteArray fileBytes(const QString& path, qint64 offset, qint64 size)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly) || !f.seek(offset))
        return {};
    return f.read(size);
}

} // namespace

TEST(FileCrash, KillsDuringRewritesLeaveNoTornRecord)
{
    const KillTally tally = killRepeatedly("rewrite", rounds(40));
    report("rewrite", tally);
    EXPECT_EQ(tally.kills, rounds(40));
    EXPECT_EQ(tally.torn, 0);
    EXPECT_EQ(tally.records, tally.kills * 8);
    EXPECT_EQ(tally.leftOverJournals, 0);
}

TEST(FileCrash, KillsDuringSavesAppendsAndDeletesLeaveEveryRecordOldOrNew)
{
    const KillTally tally = killRepeatedly("churn", rounds(40));
    report("churn", tally);
    EXPECT_EQ(tally.kills, rounds(40));
    EXPECT_EQ(tally.torn, 0);
    EXPECT_EQ(tally.duplicates, 0);
    EXPECT_EQ(tally.leftOverJournals, 0);
}

TEST(FileCrash, DeletingFromALargeCollectionNeedsFewRecordsOfMemory)
{
    // About 100 MB of records, each marked by its number in its first bytes (the rest is a hole).
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("LARGE.QV3"));
    constexpr qint64 Records = 1440;
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        for (qint64 i = 0; i < Records; ++i) {
            ASSERT_TRUE(f.seek(i * PatternRecord::Size));
            ASSERT_EQ(f.write(QByteArray::number(i).rightJustified(8, '0')), 8);
        }
        ASSERT_TRUE(f.resize(Records * PatternRecord::Size));
    }
    // Both ways of deleting, each under a 20 MB address-space limit on top of what the child
    // needs to start: by a new file beside the old one, and in place where no file can be created.
    for (const char* way : {"", "in-place"}) {
        const qint64 before = QFileInfo(path).size() / PatternRecord::Size;
        QProcess child;
        QStringList args{QStringLiteral("delete"), path, QStringLiteral("3"), QStringLiteral("20")};
        if (*way)
            args << QString::fromLatin1(way);
        child.start(QStringLiteral(QUORVEX_FILE_CHILD_PATH), args);
        ASSERT_TRUE(child.waitForFinished(120000));
        std::printf("[ delete %s ] %s", *way ? way : "by copy", child.readAllStandardOutput().constData());
        EXPECT_EQ(child.exitCode(), 0) << way << child.readAllStandardError().constData();
        EXPECT_EQ(QFileInfo(path).size(), (before - 1) * PatternRecord::Size) << way;
        EXPECT_EQ(fileBytes(path, 2 * PatternRecord::Size, 8), "00000002") << way;
        EXPECT_EQ(fileBytes(path, 3 * PatternRecord::Size, 8), *way ? "00000005" : "00000004") << way;
        EXPECT_EQ(fileBytes(path, (before - 2) * PatternRecord::Size, 8), "00001439") << way;
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("LARGE.QV3")});
}
