#include "store/ExportFile.h"
#include "store/RecordFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

TEST(RecordFile, RemoveMovesLaterRecordsDownAndDropsATrailingPart)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("r.dat"));
    writeBytes(path, QByteArray("aaaabbbbccccdd"));
    EXPECT_EQ(RecordFile::count(path, 4), 3);
    ASSERT_TRUE(RecordFile::remove(path, 4, 0));
    EXPECT_EQ(fileBytes(path), QByteArray("bbbbcccc"));
    ASSERT_TRUE(RecordFile::remove(path, 4, 1));
    EXPECT_EQ(fileBytes(path), QByteArray("bbbb"));
    ASSERT_TRUE(RecordFile::remove(path, 4, 0));
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(fileBytes(path).size(), 0);
    EXPECT_EQ(RecordFile::remove(path, 4, 0).status, IoResult::Refused);
}

TEST(RecordFile, WriteAppendsAtTheCountAndCreatesAMissingFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("r.dat"));
    EXPECT_EQ(RecordFile::count(path, 4), 0);
    ASSERT_TRUE(RecordFile::append(path, 4, "aaaa"));
    ASSERT_TRUE(RecordFile::write(path, 4, 1, "bbbb"));
    ASSERT_TRUE(RecordFile::write(path, 4, 0, "cccc"));
    EXPECT_EQ(RecordFile::write(path, 4, 3, "dddd").status, IoResult::Refused);
    EXPECT_EQ(fileBytes(path), QByteArray("ccccbbbb"));
    QByteArray record;
    ASSERT_TRUE(RecordFile::read(path, 4, 1, record));
    EXPECT_EQ(record, QByteArray("bbbb"));
    EXPECT_EQ(RecordFile::read(path, 4, 2, record).status, IoResult::IoError);
    EXPECT_EQ(RecordFile::read(dir.filePath(QStringLiteral("none")), 4, 0, record).status, IoResult::OpenFailed);
}

TEST(ExportFile, SignatureMustMatchAndTheWholeRecordMustFollow)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.lay"));
    QByteArray record;
    writeBytes(path, QByteArray("LAY9.9abcdEXTRA"));
    ASSERT_TRUE(ExportFile::read(path, "LAY", 4, record));
    EXPECT_EQ(record, QByteArray("abcd"));
    writeBytes(path, QByteArray("LAY1.0abc"));
    EXPECT_EQ(ExportFile::read(path, "LAY", 4, record).status, IoResult::Corrupt);
    writeBytes(path, QByteArray("lay1.0abcd"));
    EXPECT_EQ(ExportFile::read(path, "LAY", 4, record).status, IoResult::Corrupt);
    writeBytes(path, QByteArray("LA"));
    EXPECT_EQ(ExportFile::read(path, "LAY", 4, record).status, IoResult::Corrupt);
    ASSERT_TRUE(ExportFile::write(path, "PAG", "wxyz"));
    EXPECT_EQ(fileBytes(path), QByteArray("PAG1.0wxyz"));
}
