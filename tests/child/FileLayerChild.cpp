// A child process for the file layer's crash and memory tests. The parent kills it at random
// moments while it saves, rewrites and deletes records, or runs one delete under a memory limit.
//
//   file_layer_child churn PATH SEED      overwrite, append and delete records until killed
//   file_layer_child rewrite PATH SEED    overwrite records until killed
//   file_layer_child delete PATH N MB [in-place]
//                                         delete record N with the address space limited to MB more
//                                         than at start; "in-place" makes the folder refuse new files
#include "store/FaultInjection.h"
#include "store/RecordFile.h"
#include "support/PatternRecord.h"

#include <QByteArray>
#include <QFile>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <sys/resource.h>

namespace {

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
    std::printf("ready\n");
    std::fflush(stdout);
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

} // namespace

int main(int argc, char** argv)
{
    const QByteArray mode = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    if ((mode == "churn" || mode == "rewrite") && argc == 4)
        return loop(QFile::decodeName(argv[2]), std::uint32_t(std::strtoul(argv[3], nullptr, 10)), mode == "rewrite");
    if (mode == "delete" && (argc == 5 || argc == 6))
        return deleteUnderLimit(QFile::decodeName(argv[2]), std::atoll(argv[3]), std::atol(argv[4]),
                                argc == 6 && QByteArray(argv[5]) == "in-place");
    std::fprintf(stderr, "usage: file_layer_child churn|rewrite PATH SEED | delete PATH N MB [in-place]\n");
    return 1;
}
