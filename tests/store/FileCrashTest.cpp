// The file layer under kill -9 and under a memory limit, in child processes: a kill at any moment
// of a save, rewrite or delete leaves every record old or new, and deleting from a large
// collection needs memory for a few records, not for the file.
#include "store/RecordFile.h"
#include "store/RollbackJournal.h"
#include "support/PatternRecord.h"
#include "words/UserWordList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <map>
#include <optional>
#include <algorithm>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>
#include <set>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <fcntl.h>
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
};

/** Starts a program with args; with ready, waits until it prints that it is at work. Returns its pid, or 0. */
pid_t start(const std::vector<QByteArray>& args, bool ready)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return 0;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // A program that is not waited for writes to nowhere, so it never meets a closed pipe.
    if (ready)
        posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    else
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    std::vector<char*> argv;
    for (const QByteArray& arg : args)
        argv.push_back(const_cast<char*>(arg.constData()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    char line[6] = {};
    const bool started = spawned == 0 && (!ready || read(pipeFds[0], line, sizeof line) > 0);
    close(pipeFds[0]);
    return spawned == 0 && started ? pid : 0;
}

/** Kills pid (if it still runs) and reaps it; the exit status when it had ended by itself, else -1. */
int killAndReap(pid_t pid)
{
    kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

/** Starts the child, waits until it is at work, lets it run a random while and kills it. */
bool runAndKill(const char* mode, const QString& path, unsigned seed, std::mt19937& random)
{
    const pid_t pid = start({QUORVEX_FILE_CHILD_PATH, mode, QFile::encodeName(path), QByteArray::number(seed)}, true);
    if (pid == 0)
        return false;
    usleep(useconds_t(std::uniform_int_distribution<int>(0, 30000)(random)));
    return killAndReap(pid) == -1;
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
        // Reading never writes: a cut overwrite is read from its journal and put right by the next writer.
        std::vector<QByteArray> records;
        EXPECT_TRUE(RecordFile::readAll(path, PatternRecord::Size, records));
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
}

TEST(FileCrash, KillsDuringSavesAppendsAndDeletesLeaveEveryRecordOldOrNew)
{
    const KillTally tally = killRepeatedly("churn", rounds(40));
    report("churn", tally);
    EXPECT_EQ(tally.kills, rounds(40));
    EXPECT_EQ(tally.torn, 0);
    EXPECT_EQ(tally.duplicates, 0);
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
    // Under a 20 MB address-space limit on top of what the child needs to start: by a new file
    // beside the old one, and refused untouched where no file can be created (it could not be undone).
    for (const char* way : {"", "in-place"}) {
        const bool refused = *way;
        const qint64 before = QFileInfo(path).size() / PatternRecord::Size;
        QProcess child;
        QStringList args{QStringLiteral("delete"), path, QStringLiteral("3"), QStringLiteral("20")};
        if (*way)
            args << QString::fromLatin1(way);
        child.start(QStringLiteral(QUORVEX_FILE_CHILD_PATH), args);
        ASSERT_TRUE(child.waitForFinished(120000));
        std::printf("[ delete %s ] %s", *way ? way : "by copy", child.readAllStandardOutput().constData());
        EXPECT_EQ(child.exitCode(), refused ? 2 : 0) << way << child.readAllStandardError().constData();
        EXPECT_EQ(QFileInfo(path).size(), (before - !refused) * PatternRecord::Size) << way;
        EXPECT_EQ(fileBytes(path, 2 * PatternRecord::Size, 8), "00000002") << way;
        EXPECT_EQ(fileBytes(path, 3 * PatternRecord::Size, 8), "00000004") << way;
        EXPECT_EQ(fileBytes(path, (before - 1 - !refused) * PatternRecord::Size, 8), "00001439") << way;
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("LARGE.QV3")});
}

namespace {

/** What the two writers' logs say each record id must be: its generation, or gone (-1). */
using Expected = std::map<std::uint32_t, qint64>;

/** An operation that one writer began and may or may not have done before the kill. */
struct Pending {
    char op = 0;
    std::uint32_t id = 0;
    qint64 generation = 0;
};

/** Applies a writer's log to the expected state; the last operation, if it never reported, comes back. */
std::optional<Pending> applyLog(const QString& log, Expected& expected)
{
    std::optional<Pending> open;
    QFile file(log);
    if (!file.open(QIODevice::ReadOnly))
        return open;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QList<QByteArray> words = line.split(' ');
        if (line.startsWith("? ") && words.size() == 4) {
            open = Pending{words[1].at(0), words[2].toUInt(), words[3].toLongLong()};
        } else if (line == "!" && open) {
            expected[open->id] = open->op == 'D' ? -1 : open->generation;
            open.reset();
        } else if (line == "x") {
            open.reset();
        }
    }
    return open;
}

} // namespace

TEST(FileCrash, TwoWritersKilledAtRandomLoseNoAcknowledgedSave)
{
    // Two writers append, rewrite and delete on one file, each its own records (odd or even ids)
    // chosen by their place while the other moves them; every fourth round quorvex-cli deletes an
    // odd record by its number instead of the odd writer, while the even one only appends and
    // rewrites. All are killed at random: every operation that reported success must be in the
    // file, and an unreported one either done or not.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("TWO.QV3"));
    Expected expected;
    for (std::uint32_t id = 1; id <= 8; ++id) {
        ASSERT_TRUE(RecordFile::append(path, PatternRecord::Size, PatternRecord::make(id, 0)));
        expected[id] = 0;
    }
    std::mt19937 random(20261208);
    int checked = 0, lost = 0, torn = 0, duplicates = 0, cliDeletes = 0;
    for (int round = 1; round <= rounds(40); ++round) {
        const bool cli = round % 4 == 0;
        std::vector<std::pair<pid_t, int>> children;   // pid and kill delay in microseconds
        std::vector<QString> logs;
        for (int owner = 0; owner < (cli ? 1 : 2); ++owner) {
            logs.push_back(dir.filePath(QStringLiteral("writer%1.log").arg(owner)));
            QFile::remove(logs.back());
            children.emplace_back(start({QUORVEX_FILE_CHILD_PATH, "writer", QFile::encodeName(path), QByteArray::number(owner),
                                         QByteArray::number(round), QFile::encodeName(logs.back()), cli ? "keep" : "all"},
                                        true),
                                  std::uniform_int_distribution<int>(0, 60000)(random));
        }
        std::vector<QByteArray> records;
        ASSERT_TRUE(RecordFile::readAll(path, PatternRecord::Size, records));
        const auto odd = std::find_if(records.rbegin(), records.rend(), [](auto& r) { return PatternRecord::idOf(r) % 2 == 1; });
        const std::uint32_t cliId = cli && odd != records.rend() ? PatternRecord::idOf(*odd) : 0;
        const pid_t cliPid = cliId == 0 ? 0
            : start({QUORVEX_CLI_PATH, "delete", QFile::encodeName(path), "--record",
                     QByteArray::number(qint64(records.rend() - odd) - 1)}, false);
        if (cliId != 0)
            children.emplace_back(cliPid, std::uniform_int_distribution<int>(0, 300000)(random));
        std::sort(children.begin(), children.end(), [](auto& a, auto& b) { return a.second < b.second; });
        int slept = 0, cliStatus = -1;
        for (const auto& [pid, delay] : children) {
            ASSERT_NE(pid, 0) << "a writer did not start in round " << round;
            usleep(useconds_t(delay - slept));
            slept = delay;
            const int status = killAndReap(pid);
            cliStatus = pid == cliPid ? status : cliStatus;
        }

        std::vector<std::optional<Pending>> pending;
        for (const QString& log : logs)
            pending.push_back(applyLog(log, expected));
        if (cliStatus == 0)
            expected[cliId] = -1;
        else if (cliId != 0 && cliStatus != 1)   // killed: done or not
            pending.push_back(Pending{'D', cliId, 0});
        cliDeletes += cliStatus == 0;
        ASSERT_TRUE(RecordFile::readAll(path, PatternRecord::Size, records));
        Expected found;
        for (const QByteArray& record : records) {
            torn += !PatternRecord::isWhole(record);
            duplicates += !found.emplace(PatternRecord::idOf(record), qint64(quint32(qFromLittleEndian<quint64>(record.constData())))).second;
        }
        // Each id is as the logs say, or as its unreported operation would have left it.
        std::set<std::uint32_t> ids;
        for (const auto& known : {expected, found})
            for (const auto& [id, generation] : known)
                ids.insert(id);
        for (const std::uint32_t id : ids) {
            const qint64 want = expected.count(id) ? expected[id] : -1;
            const qint64 got = found.count(id) ? found[id] : -1;
            bool allowed = got == want;
            for (const auto& open : pending)
                allowed = allowed || (open && open->id == id && got == (open->op == 'D' ? -1 : open->generation));
            checked += want >= 0;
            if (!allowed) {
                ++lost;
                ADD_FAILURE() << "round " << round << ": record " << id << " holds generation " << got << ", expected " << want;
            }
            expected[id] = got;
        }
    }
    std::printf("[ two writers ] %d rounds, %d records checked against acknowledged saves, %d lost, %d torn, "
                "%d duplicated, %d deletes by quorvex-cli\n", rounds(40), checked, lost, torn, duplicates, cliDeletes);
    EXPECT_EQ(lost + torn + duplicates, 0);
}

TEST(FileCrash, AWholeFileReplacementIsNeverUndoneByDeletesRacingIt)
{
    // One process replaces the whole file again and again (8 records of a new generation) while
    // another deletes and rewrites records in place; both are killed at random. The file must
    // always hold whole records of one replacement, never one older than the last acknowledged.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("RACE.QV3"));
    const QString log = dir.filePath(QStringLiteral("replace.log"));
    ASSERT_TRUE(RecordFile::append(path, PatternRecord::Size, PatternRecord::make(1, 0)));
    std::mt19937 random(20261209);
    qint64 acknowledged = 0;
    int older = 0, torn = 0, mixed = 0, replaced = 0;
    for (int round = 1; round <= rounds(80); ++round) {
        QFile::remove(log);
        const pid_t replacer = start({QUORVEX_FILE_CHILD_PATH, "replace", QFile::encodeName(path), QByteArray::number(round),
                                      QFile::encodeName(log)}, true);
        const pid_t thinner = start({QUORVEX_FILE_CHILD_PATH, "thin", QFile::encodeName(path), QByteArray::number(round)}, true);
        ASSERT_TRUE(replacer != 0 && thinner != 0);
        usleep(useconds_t(std::uniform_int_distribution<int>(1000, 60000)(random)));
        for (const pid_t pid : random() % 2 ? std::vector{replacer, thinner} : std::vector{thinner, replacer})
            EXPECT_EQ(killAndReap(pid), -1);
        QFile file(log);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        for (qsizetype i = 1; i < lines.size(); ++i) {
            replaced += lines[i] == "!";
            acknowledged = lines[i] == "!" ? lines[i - 1].mid(4).toLongLong() : acknowledged;
        }
        std::vector<QByteArray> records;
        ASSERT_TRUE(RecordFile::readAll(path, PatternRecord::Size, records));
        std::set<qint64> generations;
        for (const QByteArray& record : records) {
            torn += !PatternRecord::isWhole(record);
            generations.insert(qint64(quint32(qFromLittleEndian<quint64>(record.constData()))));
        }
        mixed += generations.size() > 1;
        older += !generations.empty() && *generations.begin() < acknowledged;
    }
    std::printf("[ replace vs delete ] %d rounds, %d replacements acknowledged: %d files older than the last, %d torn, "
                "%d mixed\n", rounds(80), replaced, older, torn, mixed);
    EXPECT_EQ(older + torn + mixed, 0);
}

TEST(FileCrash, TwoCopiesAddingToTheUserListKeepEveryWord)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("INCLUDE.TXT"));
    QProcess first, second;
    first.start(QStringLiteral(QUORVEX_FILE_CHILD_PATH), {QStringLiteral("words"), path, QStringLiteral("alpha")});
    second.start(QStringLiteral(QUORVEX_FILE_CHILD_PATH), {QStringLiteral("words"), path, QStringLiteral("beta")});
    ASSERT_TRUE(first.waitForFinished(120000) && second.waitForFinished(120000));
    EXPECT_EQ(first.exitCode() + second.exitCode(), 0);
    const QStringList words = UserWordList::Read(path);
    EXPECT_EQ(QSet<QString>(words.begin(), words.end()).size(), 200);
    EXPECT_EQ(words.size(), 200);
}
