// The web page of one puzzle record: its puzzle data must parse as JSON, and no text of the record
// may close the title or the script elements or open an element of its own.
#include "FuzzExportSupport.h"

#include "export/SolverPageExport.h"

#include <QJsonDocument>
#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const FuzzExport::Input in = FuzzExport::input(data, size);
    const QByteArray page = SolverPageExport::pageBytes(in.Puzzle, in.Options);
    const QByteArray open = "<script type=\"application/json\" id=\"puzzle-data\">";
    const qsizetype start = page.indexOf(open);
    const qsizetype end = page.indexOf("</script>", start);
    if (start < 0 || end < 0 || page.count("</script>") != 2 || page.count("</title>") != 1)
        __builtin_trap();
    const QByteArray title = page.mid(page.indexOf("<title>") + 7, page.indexOf("</title>") - page.indexOf("<title>") - 7);
    if (title.contains('<') || std::any_of(title.begin(), title.end(), [](char c) { return quint8(c) < 0x20; }))
        __builtin_trap();
    QJsonParseError error;
    QJsonDocument::fromJson(page.mid(start + open.size(), end - start - open.size()), &error);
    if (error.error != QJsonParseError::NoError)
        __builtin_trap();
    return 0;
}
