// The iPUZ export of one puzzle record: the document must parse as JSON, with no control character
// in any of its texts, or the export must refuse the puzzle.
#include "FuzzExportSupport.h"

#include "export/IpuzExport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace {

bool clean(const QJsonValue& value)
{
    if (value.isString()) {
        const QString text = value.toString();
        return std::none_of(text.begin(), text.end(), [](QChar c) { return c.category() == QChar::Other_Control; });
    }
    const QJsonArray items = value.isObject() ? QJsonArray::fromVariantList(value.toObject().toVariantMap().values())
                                              : value.toArray();
    return std::all_of(items.begin(), items.end(), [](const QJsonValue& item) { return clean(item); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const FuzzExport::Input in = FuzzExport::input(data, size);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(IpuzExport::documentBytes(in.Puzzle, in.Options), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        __builtin_trap();
    if (!clean(document.object()) && IpuzExport::refusal(in.Puzzle, in.Options).isEmpty())
        __builtin_trap();
    return 0;
}
