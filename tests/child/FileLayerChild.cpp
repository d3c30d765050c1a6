// A child process for the file layer's crash and memory tests. The parent kills it at random
// moments while it saves, rewrites and deletes records, or runs one delete under a memory limit.
//
//   file_layer_child churn PATH SEED      overwrite, append and delete records until killed
//   file_layer_child rewrite PATH SEED    overwrite records until killed
//   file_layer_child delete PATH N MB [in-place]
//                                         delete record N with the address space limited to MB more
//                                         than at start; "in-place" makes the folder refuse new files
//   file_layer_child writer PATH OWNER ROUND LOG [keep]
//                                         one of two writers on one file: appends, rewrites and deletes
//                                         the records whose id is OWNER modulo 2, each chosen by its
//                                         place and checked under the lock, logging to LOG "? op id gen"
//                                         before each and "!" (done) or "x" (refused) after it; "keep"
//                                         leaves out deletes, so no other record changes its place
//   file_layer_child replace PATH ROUND LOG   replaces the whole file with 8 records of a new generation,
//                                         logging "? R gen" before each and "!" once it is done
//   file_layer_child thin PATH SEED       deletes records down to 2, then rewrites them, until killed
//   file_layer_child words PATH PREFIX    adds the words PREFIX0 .. PREFIX99 to a user word list
#include "store/FaultInjection.h"
#include "store/FileReplacer.h"
#include "store/RecordFile.h"
#include "support/PatternRecord.h"
#include "words/UserWordList.h"

#include <QByteArray>
#include <QFile>
#include <fcntl.h>
#include <unistd.h>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <sys/resource.h>

namespace {

/** Tells the parent that the child is at work. */
void ready()
{
    std::printf("ready\n");
    std::fflush(stdout);
}

long statusKilobytes(const char* key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(qstrlen(key)).trimmed().split(' ').first().toLong();
    }
    return -1;
}

int loop(const QString& path, std::uint32_t seed, bool rewriteOnly)
{
    std::mt19937 random(seed);
    std::uint32_t generation = seed * 1000;
    std::uint32_t nextId = seed * 1000;
    ready();
    for (;;) {
        const qint64 count = RecordFile::count(path, PatternRecord::Size);
        const int choice = rewriteOnly ? 0 : int(random() % 10);
        IoResult result;
        if (count == 0 || (choice >= 6 && choice < 8 && count < 12)) {
            result = RecordFile::append(path, PatternRecord::Size, PatternRecord::make(++nextId, ++generation));
        } else if (choice >= 8 && count > 3) {
            result = RecordFile::remove(path, PatternRecord::Size, qint64(random() % std::uint32_t(count)));
        } else {
            const qint64 n = qint64(random() % std::uint32_t(count));
            QByteArray old;
            if (!RecordFile::read(path, PatternRecord::Size, n, old))
                return 3;
            result = RecordFile::write(path, PatternRecord::Size, n,
                                       PatternRecord::make(PatternRecord::idOf(old), ++generation));
        }
        if (!result) {
            std::fprintf(stderr, "%s\n", qPrintable(result.systemError));
            return 2;
        }
    }
}

int deleteUnderLimit(const QString& path, qint64 n, long megabytes, bool inPlace)
{
#if defined(__SANITIZE_ADDRESS__)
    // The address sanitizer maps memory of its own far beyond the program's: no limit is set.
    Q_UNUSED(megabytes);
#else
    const long virtualKb = statusKilobytes("VmSize:");
    struct rlimit limit;
    limit.rlim_cur = limit.rlim_max = rlim_t(virtualKb + megabytes * 1024) * 1024;
    if (virtualKb < 0 || setrlimit(RLIMIT_AS, &limit) != 0)
        return 4;
#endif
    if (inPlace)
        FaultInjection::arm({{FaultInjection::Step::Create, 1, EACCES}});
    const IoResult result = RecordFile::remove(path, PatternRecord::Size, n);
    std::printf("peak resident %ld kB\n", statusKilobytes("VmHWM:"));
    if (!result) {
        std::fprintf(stderr, "%s\n", qPrintable(result.systemError));
        return 2;
    }
    return 0;
}

/** One of two writers: every operation is logged before it starts and once it has reported. */
int writer(const QString& path, std::uint32_t owner, std::uint32_t round, const char* logPath, bool keep)
{
    const int log = ::open(logPath, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (log < 0)
        return 4;
    const auto note = [log](const QByteArray& line) { return ::write(log, line.constData(), size_t(line.size())) == line.size(); };
    std::mt19937 random(round * 2 + owner);
    std::uint32_t counter = 0;
    ready();
    for (;;) {
        const qint64 count = RecordFile::count(path, PatternRecord::Size);
        const int choice = int(random() % 10);
        const std::uint32_t generation = round * 100000 + ++counter;
        if (count == 0 || (choice >= 6 && choice < 8 && count < 12)) {
            const std::uint32_t id = generation * 2 + owner;
            note("? A " + QByteArray::number(id) + ' ' + QByteArray::number(generation) + '\n');
            const IoResult result = RecordFile::append(path, PatternRecord::Size, PatternRecord::make(id, generation));
            if (!result)
                return 2;
            note("!\n");
            continue;
        }
        // A record of this writer, found by its place; the other writer may move it before the write.
        const qint64 n = qint64(random() % std::uint32_t(count));
        QByteArray old;
        if (!RecordFile::read(path, PatternRecord::Size, n, old) || PatternRecord::idOf(old) % 2 != owner)
            continue;
        const std::uint32_t id = PatternRecord::idOf(old);
        const RecordFile::RecordCheck same = [id](QByteArrayView current) {
            return PatternRecord::idOf(current.toByteArray()) == id;
        };
        const bool remove = !keep && choice >= 8 && count > 3;
        note(QByteArray(remove ? "? D " : "? W ") + QByteArray::number(id) + ' ' + QByteArray::number(generation) + '\n');
        const IoResult result = remove ? RecordFile::remove(path, PatternRecord::Size, n, same)
                                       : RecordFile::write(path, PatternRecord::Size, n, PatternRecord::make(id, generation), same);
        if (!result && result.status != IoResult::Refused)
            return 2;
        note(result ? "!\n" : "x\n");
    }
}

int replacer(const QString& path, std::uint32_t round, const char* logPath)
{
    const int log = ::open(logPath, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    ready();
    for (std::uint32_t generation = round * 100000;; ++generation) {
        QByteArray records;
        for (std::uint32_t id = 1; id <= 8; ++id)
            records += PatternRecord::make(id, generation);
        const QByteArray started = "? R " + QByteArray::number(generation) + '\n';
        if (log < 0 || ::write(log, started.constData(), size_t(started.size())) != started.size()
            || !ReplaceFile(path, records) || ::write(log, "!\n", 2) != 2)
            return 2;
    }
}

int thin(const QString& path, std::uint32_t seed)
{
    std::mt19937 random(seed);
    ready();
    for (QByteArray old;;) {
        const qint64 count = RecordFile::count(path, PatternRecord::Size);
        const qint64 n = qint64(random() % std::uint32_t(std::max<qint64>(count, 1)));
        IoResult result;
        if (count > 2) {
            result = RecordFile::remove(path, PatternRecord::Size, n);
        } else if (RecordFile::read(path, PatternRecord::Size, n, old)) {
            const auto generation = std::uint32_t(qFromLittleEndian<quint64>(old.constData()));
            // Only while the record is still the one read: a replacement meanwhile refuses it.
            result = RecordFile::write(path, PatternRecord::Size, n, PatternRecord::make(PatternRecord::idOf(old) + 100, generation),
                                       [&old](QByteArrayView current) { return current == old; });
        }
        if (!result && result.status != IoResult::Refused)
            return 2;
    }
}

int addWords(const QString& path, const QString& prefix)
{
    for (int i = 0; i < 100; ++i)
        if (!UserWordList::Add(path, prefix + QString::number(i)))
            return 2;
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const QByteArray mode = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    if ((mode == "churn" || mode == "rewrite") && argc == 4)
        return loop(QFile::decodeName(argv[2]), std::uint32_t(std::strtoul(argv[3], nullptr, 10)), mode == "rewrite");
    if (mode == "delete" && (argc == 5 || argc == 6))
        return deleteUnderLimit(QFile::decodeName(argv[2]), std::atoll(argv[3]), std::atol(argv[4]),
                                argc == 6 && QByteArray(argv[5]) == "in-place");
    if (mode == "writer" && (argc == 6 || argc == 7))
        return writer(QFile::decodeName(argv[2]), std::uint32_t(std::atol(argv[3])), std::uint32_t(std::atol(argv[4])), argv[5],
                      argc == 7 && QByteArray(argv[6]) == "keep");
    if (mode == "replace" && argc == 5)
        return replacer(QFile::decodeName(argv[2]), std::uint32_t(std::atol(argv[3])), argv[4]);
    if (mode == "thin" && argc == 4)
        return thin(QFile::decodeName(argv[2]), std::uint32_t(std::atol(argv[3])));
    if (mode == "words" && argc == 4)
        return addWords(QFile::decodeName(argv[2]), QString::fromLatin1(argv[3]));
    std::fprintf(stderr, "usage: file_layer_child churn|rewrite PATH SEED | delete PATH N MB [in-place] | "
                         "writer PATH OWNER ROUND LOG [keep] | replace PATH ROUND LOG | thin PATH SEED | "
                         "words PATH PREFIX\n");
    return 1;
}
