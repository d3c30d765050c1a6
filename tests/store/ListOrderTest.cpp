#include "store/ListOrder.h"

#include <QStringList>
#include <algorithm>
#include <gtest/gtest.h>

TEST(ListOrderTest, AccentedTextsStandAmongTheirLettersAndCaseIsIgnored)
{
    QStringList texts{QStringLiteral("Zoo"), QStringLiteral("\u00C9conomie"), QStringLiteral("apple"),
                      QStringLiteral("Eagle"), QStringLiteral("\u00E9clair"), QStringLiteral("Banana"),
                      QStringLiteral("\u00D6l"), QStringLiteral("Oak"), QStringLiteral("\u00F1u")};
    std::stable_sort(texts.begin(), texts.end(), ListOrder::Less);
    EXPECT_EQ(texts, QStringList({QStringLiteral("apple"), QStringLiteral("Banana"), QStringLiteral("Eagle"),
                                  QStringLiteral("\u00E9clair"), QStringLiteral("\u00C9conomie"), QStringLiteral("\u00F1u"),
                                  QStringLiteral("Oak"), QStringLiteral("\u00D6l"), QStringLiteral("Zoo")}));
    EXPECT_EQ(ListOrder::Compare(QStringLiteral("animals"), QStringLiteral("Animals")), 0);
}
