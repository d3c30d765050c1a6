#include "export/BookletExport.h"

#include "export/VectorExport.h"
#include "store/Ansi.h"
#include "store/FileReplacer.h"

#include <QIODevice>
#include <QPdfWriter>

namespace BookletExport {

namespace {

/** The PDF writer's output device: every write goes straight into the replacing file. */
class TReplacerDevice : public QIODevice {
public:
    explicit TReplacerDevice(FileReplacer& file)
        : m_file(file)
    {
    }
    bool isSequential() const override { return true; }
    const IoResult& result() const { return m_result; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override
    {
        if (m_result)
            m_result = m_file.write(QByteArrayView(data, size));
        return m_result ? size : -1;
    }

private:
    FileReplacer& m_file;
    IoResult m_result;
};

} // namespace

IoResult writePdf(TBooklet& booklet, const QString& path, TBookletResult& result, const TBooklet::Progress& progress)
{
    FileReplacer file(path);
    if (const IoResult opened = file.open(); !opened)
        return opened;
    TReplacerDevice device(file);
    device.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&device);
        writer.setResolution(VectorExport::PdfDotsPerInch);
        writer.setCreator(QStringLiteral("Quorvex"));
        writer.setTitle(Ansi::toUnicode(booklet.options().CoverTitle));
        TPagedDeviceSink sink(writer);
        result = booklet.run(sink, progress);
    }
    if (!device.result())
        return device.result();
    if (!result.Ok) {
        file.abort();
        return IoResult::failed(IoResult::Refused, result.Aborted ? QString() : result.Error);
    }
    return file.commit();
}

} // namespace BookletExport
