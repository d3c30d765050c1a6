// What the next reader or writer does with the journal that a killed overwrite leaves beside a file.
#include "store/Collection.h"
#include "store/RecordFile.h"
#include "store/RollbackJournal.h"
#include "store/SystemFile.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

constexpr qint64 Size = 8;

using TestFiles::bytesOf;

void put(const QString& path, const QByteArray& bytes)
{
    ASSERT_TRUE(TestFiles::put(path, bytes));
}

/** The state a kill leaves after overwriting record 1 with "NEWNEWNE" but before removing the journal. */
void cutOverwrite(const QString& path)
{
    put(path, "record-0record-1record-2");
    SystemFile file;
    ASSERT_TRUE(file.open(path, SystemFile::Access::ReadWrite));
    int error = 0;
    ASSERT_TRUE(RollbackJournal::write(path, file, Size, "record-1", "NEWNEWNE", error));
    ASSERT_TRUE(file.writeAt(Size, "NEWNEWNE", Size));
}

} // namespace

TEST(RollbackJournal, TheNextWriterPutsTheOldRecordBackAndReadersSeeItWithoutWriting)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("C.DAT"));
    const QString journal = RollbackJournal::pathFor(path);
    using Action = std::function<void()>;
    struct Access {
        const char* name;
        bool writes;
        Action action;
    };
    const std::vector<Access> nextAccess{
        {"read one record", false, [&] { QByteArray r; EXPECT_TRUE(RecordFile::read(path, Size, 1, r)); EXPECT_EQ(r, "record-1"); }},
        {"read all records", false, [&] { std::vector<QByteArray> all; EXPECT_TRUE(RecordFile::readAll(path, Size, all)); EXPECT_EQ(all[1], "record-1"); }},
        {"write another record", true, [&] { EXPECT_TRUE(RecordFile::write(path, Size, 2, "record-2")); }},
        {"append", true, [&] { EXPECT_TRUE(RecordFile::append(path, Size, "record-3")); }},
        {"delete the last record", true, [&] { EXPECT_TRUE(RecordFile::remove(path, Size, 2)); }},
    };
    for (const auto& [name, writes, access] : nextAccess) {
        SCOPED_TRACE(name);
        cutOverwrite(path);
        ASSERT_TRUE(QFile::exists(journal));
        access();
        EXPECT_EQ(QFile::exists(journal), !writes);
        EXPECT_EQ(bytesOf(path).left(2 * Size), writes ? "record-0record-1" : "record-0NEWNEWNE");
    }
}

TEST(RollbackJournal, AReaderBesideABusyWriterSeesTheOldBytesAndLeavesTheFileAlone)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("C.DAT"));
    cutOverwrite(path);
    // The writer is still at work: it holds the file's lock.
    SystemFile writer;
    ASSERT_TRUE(writer.open(path, SystemFile::Access::ReadWrite));
    ASSERT_TRUE(writer.lockExclusive());
    QByteArray record;
    ASSERT_TRUE(RecordFile::read(path, Size, 1, record));
    EXPECT_EQ(record, "record-1");
    std::vector<QByteArray> all;
    ASSERT_TRUE(RecordFile::readAll(path, Size, all));
    EXPECT_EQ(all[1], "record-1");
    EXPECT_EQ(bytesOf(path), "record-0NEWNEWNErecord-2");
    EXPECT_TRUE(QFile::exists(RollbackJournal::pathFor(path)));
}

TEST(RollbackJournal, AnIncompleteOrForeignJournalIsDroppedAndTheFileKept)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("C.DAT"));
    const QString journal = RollbackJournal::pathFor(path);
    const std::vector<std::pair<const char*, std::function<void()>>> spoil{
        // Cut while the journal itself was written: the overwrite had not begun.
        {"cut journal", [&] { QFile f(journal); ASSERT_TRUE(f.resize(f.size() - 1)); }},
        {"one changed byte", [&] {
             QByteArray bytes = bytesOf(journal);
             bytes[50] = 'X';
             put(journal, bytes);
         }},
        // The file was replaced by another since (a copy put in its place).
        {"another file", [&] {
             const QString copy = path + QStringLiteral(".copy");
             put(copy, bytesOf(path));
             ASSERT_EQ(::rename(QFile::encodeName(copy).constData(), QFile::encodeName(path).constData()), 0);
         }},
    };
    for (const auto& [name, action] : spoil) {
        SCOPED_TRACE(name);
        cutOverwrite(path);
        action();
        const QByteArray kept = bytesOf(path);
        QByteArray record;
        ASSERT_TRUE(RecordFile::read(path, Size, 1, record));
        EXPECT_EQ(record, "NEWNEWNE");
        ASSERT_TRUE(RecordFile::write(path, Size, 2, "record-2"));
        EXPECT_FALSE(QFile::exists(journal));
        EXPECT_EQ(bytesOf(path), kept);
    }
}

TEST(RollbackJournal, ListingACollectionRestoresTheTitlesToo)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("C.QV3"));
    TPuzzleRecord record;
    record.Category.setText("Zoo");
    record.Title.setText("Before");
    ASSERT_TRUE(AppendPuzzle(path, record));
    SystemFile file;
    ASSERT_TRUE(file.open(path, SystemFile::Access::ReadWrite));
    int error = 0;
    const QByteArray before = record.toBytes();
    record.Title.setText("After");
    ASSERT_TRUE(RollbackJournal::write(path, file, 0, before, record.toBytes(), error));
    ASSERT_TRUE(file.writeAt(0, record.toBytes().left(4096)));
    const CollectionIndex index = ListCollection(path);
    ASSERT_EQ(index.Entries.size(), 1u);
    EXPECT_EQ(index.Entries[0].Title, "Before");
}

TEST(RollbackJournal, AJournalIsAppliedOnlyToTheFileItWasWrittenForAndNeverThroughALink)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("C.DAT"));
    const QString journal = RollbackJournal::pathFor(path);
    const QString target = dir.filePath(QStringLiteral("elsewhere"));
    // After a cut overwrite, the file is replaced by other bytes of the same size: a backup
    // copied over it in place (same inode), or a whole new file renamed into place.
    const std::vector<std::pair<const char*, std::function<void()>>> replace{
        {"backup copied over it", [&] { put(path, "record-0FRUITBWLrecord-2"); }},
        {"whole-file replacement", [&] { ASSERT_TRUE(RecordFile::replaceWhole(path, "record-0FRUITBWLrecord-2")); }},
    };
    for (const auto& [name, action] : replace) {
        SCOPED_TRACE(name);
        cutOverwrite(path);
        action();
        QByteArray record;
        ASSERT_TRUE(RecordFile::read(path, Size, 1, record));
        EXPECT_EQ(record, "FRUITBWL");
        ASSERT_TRUE(RecordFile::write(path, Size, 2, "record-2"));
        EXPECT_EQ(bytesOf(path), "record-0FRUITBWLrecord-2");
        EXPECT_FALSE(QFile::exists(journal));
    }
    // A dangling link where the journal goes: the journal is made in its place, the target never.
    QFile::remove(journal);
    ASSERT_TRUE(QFile::link(target, journal));
    ASSERT_TRUE(RecordFile::write(path, Size, 1, "NEWNEWNE"));
    EXPECT_EQ(bytesOf(path), "record-0NEWNEWNErecord-2");
    EXPECT_FALSE(QFileInfo::exists(target));
    EXPECT_FALSE(QFileInfo(journal).isSymLink());
}

TEST(RollbackJournal, ACutOverwriteThroughOneNameIsReadAndPutRightThroughAnother)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("other")));
    const QString path = dir.filePath(QStringLiteral("C.DAT"));
    const QString other = dir.filePath(QStringLiteral("other/SAME.DAT"));
    for (const bool hard : {false, true}) {
        SCOPED_TRACE(hard ? "hard link" : "symbolic link");
        QFile::remove(other);
        put(path, "record-0record-1record-2");
        ASSERT_TRUE(hard ? ::link(QFile::encodeName(path).constData(), QFile::encodeName(other).constData()) == 0
                         : QFile::link(path, other));
        cutOverwrite(other);
        QByteArray record;
        ASSERT_TRUE(RecordFile::read(path, Size, 1, record));
        EXPECT_EQ(record, "record-1");
        ASSERT_TRUE(RecordFile::write(path, Size, 2, "RECORD-2"));
        EXPECT_EQ(bytesOf(other), "record-0record-1RECORD-2");
        const QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System)
            + QDir(dir.filePath(QStringLiteral("other"))).entryList(QDir::Files | QDir::Hidden | QDir::System);
        EXPECT_EQ(left, (QStringList{QStringLiteral("C.DAT"), QStringLiteral("SAME.DAT")}));
    }
}
