// A layout's picture path that names a FIFO, a device or a folder is a missing picture: the page
// is drawn at once without it, and the missing-picture warning is given.
#include "render/PageRenderSupport.h"
#include "render/PageRenderer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace RenderTest;

TEST(PicturePath, AnythingButARegularFileIsAMissingPicture)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("picture.bmp"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.png")));
    for (const QString& path : {fifo, dir.filePath(QStringLiteral("folder.png")), QStringLiteral("/dev/zero")}) {
        SCOPED_TRACE(path.toStdString());
        TPageObject bitmap = makeObject(ObjectKind::Bitmap, "Bitmap 1", 48, 48, 96, 144);
        bitmap.Transparent = false;
        bitmap.BitmapFile.setText(QFile::encodeName(path));
        TRecordingCanvas canvas;
        // Reading the FIFO would wait for a writer that never comes: this call would not return.
        const TFittedPage page = RenderPage(samplePuzzle(), singleObjectLayout(bitmap), {}, canvas);
        EXPECT_EQ(page.Warnings, QStringList{RenderLimits::MissingBitmapsWarning});
        EXPECT_TRUE(canvas.Images.empty());
    }
}
