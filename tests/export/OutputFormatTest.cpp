// The table of output formats: every row writes exactly the files it names, under names of its own.
#include "export/OutputFormat.h"
#include "render/PageRenderSupport.h"

#include <QDir>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace RenderTest;

TEST(OutputFormatTest, EveryFormatWritesExactlyTheFilesItNames)
{
    const TPuzzleRecord puzzle = samplePuzzle();
    const TRenderOptions options;
    const TFittedPage page = FitPage(puzzle, options);
    const Settings settings;
    QSet<QString> names;
    QSet<QString> actions;
    for (const TOutputFormat& format : OutputFormats::all()) {
        SCOPED_TRACE(format.Name.toStdString());
        EXPECT_FALSE(names.contains(format.Name));
        names.insert(format.Name);
        EXPECT_EQ(OutputFormats::find(format.Name), &format);
        if (format.Place != PreviewPlace::None) {
            EXPECT_FALSE(format.Caption.isEmpty() || format.Title.isEmpty() || format.Filter.isEmpty());
            EXPECT_FALSE(actions.contains(format.ActionName));
            actions.insert(format.ActionName);
        }

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("page.") + format.Suffix);
        const IoResult result = format.Write({&puzzle, &options, &page, &settings, 200, 75, path, {}});
        ASSERT_TRUE(result) << result.systemError.toStdString();
        QStringList expected;
        for (const QString& file : format.outputFiles(path)) {
            expected.append(QFileInfo(file).fileName());
            EXPECT_GT(QFileInfo(file).size(), 0);
        }
        QStringList written = QDir(dir.path()).entryList(QDir::Files);
        expected.sort();
        written.sort();
        EXPECT_EQ(written, expected);
    }
    EXPECT_EQ(OutputFormats::find(QStringLiteral("gif")), nullptr);
}
