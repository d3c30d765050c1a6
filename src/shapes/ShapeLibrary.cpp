#include "shapes/ShapeLibrary.h"

#include "store/Ansi.h"
#include "store/CopyTitle.h"
#include "store/RecordFile.h"
#include "store/ListOrder.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace ShapeLibrary {

namespace {

constexpr qint64 RecordSize = qint64(Limits::ShapeRecordSize);

QString SizeText(int width, int height)
{
    return QString::number(width) + QLatin1Char('x') + QString::number(height);
}

} // namespace

QString LibraryPath(const QString& programDir)
{
    return QDir(programDir).filePath(QLatin1String(FileName));
}

IoResult ReadLibrary(const QString& path, std::vector<TShapeRecord>& shapes)
{
    shapes.clear();
    if (!QFileInfo::exists(path))
        return IoResult::ok();
    std::vector<QByteArray> records;
    const IoResult result = RecordFile::readAll(path, RecordSize, records, RecordFile::MaxListedRecords);
    shapes.reserve(records.size());
    for (const QByteArray& record : records)
        shapes.push_back(TShapeRecord::fromBytes(record));
    return result;
}

IoResult LoadShape(const QString& path, int n, TShapeRecord& shape)
{
    return RecordFile::readRecord(path, RecordSize, n, shape);
}

IoResult AppendShape(const QString& path, const TShapeRecord& shape, int* recordNumber)
{
    qint64 n = 0;
    const IoResult result = RecordFile::append(path, RecordSize, shape.toBytes(), std::numeric_limits<qint64>::max(), &n);
    if (result && recordNumber)
        *recordNumber = int(n);
    return result;
}

IoResult ReplaceShape(const QString& path, int n, const TShapeRecord& shape)
{
    if (n < 0 || n >= RecordFile::count(path, RecordSize))
        return IoResult::failed(IoResult::Refused, QStringLiteral("Record number out of range"));
    return RecordFile::write(path, RecordSize, n, shape.toBytes());
}

IoResult DeleteShape(const QString& path, int n)
{
    return RecordFile::remove(path, RecordSize, n);
}

QString ListText(const TShapeRecord& shape)
{
    return SizeText(shape.ShapeWidth, shape.ShapeHeight) + QLatin1Char(' ') + Ansi::toUnicode(shape.ShapeTitle.text());
}

std::vector<ShapeListEntry> LibraryEntries(const std::vector<TShapeRecord>& shapes)
{
    std::vector<ShapeListEntry> entries;
    entries.reserve(shapes.size());
    for (std::size_t i = 0; i < shapes.size(); ++i)
        entries.push_back({ListText(shapes[i]), int(i)});
    SortEntries(entries);
    return entries;
}

void SortEntries(std::vector<ShapeListEntry>& entries)
{
    std::stable_sort(entries.begin(), entries.end(),
                     [](const ShapeListEntry& a, const ShapeListEntry& b) { return ListOrder::Less(a.Text, b.Text); });
}

TShapeRecord ShapeFromPuzzle(const TPuzzleRecord& puzzle)
{
    TShapeRecord shape;
    shape.ShapeTitle.setText(CurrentPuzzleTitle);
    shape.ShapeWidth = puzzle.GridWidth;
    shape.ShapeHeight = puzzle.GridHeight;
    for (std::size_t i = 0; i < shape.ShapeCells.size(); ++i)
        shape.ShapeCells[i] = puzzle.Grid[i] != 0 ? 1 : 0;
    return shape;
}

ShapeListEntry CurrentPuzzleEntry(const TPuzzleRecord& puzzle)
{
    return {SizeText(puzzle.GridWidth, puzzle.GridHeight) + QLatin1Char(' ') + QLatin1String(CurrentPuzzleTitle),
            CurrentPuzzleNumber};
}

ShapeList FillList(ShapeListHost host, const std::vector<TShapeRecord>& library,
                   const TPuzzleRecord* currentPuzzle, int lastShape)
{
    ShapeList list;
    list.Entries = LibraryEntries(library);
    const bool withCurrent = host == ShapeListHost::EditorExistingPuzzle && currentPuzzle != nullptr;
    if (withCurrent) {
        list.Entries.push_back(CurrentPuzzleEntry(*currentPuzzle));
        SortEntries(list.Entries);
    }
    switch (host) {
    case ShapeListHost::EditorNewPuzzle:
        list.Selected = SetShapeBoxIndex(list.Entries, lastShape);
        break;
    case ShapeListHost::EditorExistingPuzzle:
        list.Selected = SetShapeBoxIndex(list.Entries, CurrentPuzzleNumber);
        break;
    case ShapeListHost::Manager:
        list.Selected = list.Entries.empty() ? -1 : 0;
        break;
    }
    return list;
}

int SetShapeBoxIndex(const std::vector<ShapeListEntry>& entries, int number)
{
    if (entries.empty())
        return -1;
    const auto found = std::find_if(entries.begin(), entries.end(),
                                    [number](const ShapeListEntry& e) { return e.Number == number; });
    return found == entries.end() ? 0 : int(found - entries.begin());
}

int SelectionAfterDelete(int previousPosition, int entryCount)
{
    if (entryCount <= 0)
        return -1;
    return std::clamp(previousPosition, 0, entryCount - 1);
}

QString DeleteQuestion(const ShapeListEntry& entry)
{
    return QStringLiteral("Are you sure you want to delete \"") + entry.Text + QStringLiteral("\"?");
}

QByteArray CopyTitle(QByteArrayView title)
{
    return MakeCopyTitle(title, TitleLimit);
}

} // namespace ShapeLibrary
