#include "store/CopyTitle.h"

#include <gtest/gtest.h>

TEST(CopyTitle, CountsUpABracketedNumberOrAppendsTwo)
{
    const struct {
        const char* title;
        const char* copy;
    } cases[] = {
        {"Tigers", "Tigers (2)"},
        {"Tigers (2)", "Tigers (3)"},
        {"Tigers (9)", "Tigers (10)"},
        {"Tigers (0)", "Tigers (0) (2)"},
        {"Tigers (x)", "Tigers (x) (2)"},
        {"Tigers (3x)", "Tigers (4)"},
        {"  Tigers  ", "Tigers (2)"},
        {"A (B)", "A (B) (2)"},
        {"Tigers)", "Tigers) (2)"},
        {"", " (2)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MakeCopyTitle(c.title, 35), QByteArray(c.copy)) << c.title;
}

TEST(CopyTitle, ResultIsCutToTheLimit)
{
    const QByteArray title(35, 'T');
    EXPECT_EQ(MakeCopyTitle(title, 35), title);
    EXPECT_EQ(MakeCopyTitle(QByteArray(19, 'W'), 20), QByteArray(19, 'W') + ' ');
}
