#include "resources/StringTable.h"

#include <QStringList>
#include <gtest/gtest.h>

using vistello::strings::formatInserts;
using vistello::strings::text;

TEST(StringTable, LooksUpTextsByNumber)
{
    EXPECT_EQ(text(33108), QStringLiteral("Launching Vistello LE..."));
    EXPECT_TRUE(text(1).isEmpty());
}

TEST(StringTable, ReplacesNumberedInsertsWithAndWithoutFormat)
{
    EXPECT_EQ(formatInserts(text(32996), {QStringLiteral("3"), QStringLiteral("/pics/")}),
              QStringLiteral("3 picture(s) in \"/pics/\""));
    EXPECT_EQ(formatInserts(QStringLiteral("%2-%1-%3"), {QStringLiteral("a"), QStringLiteral("b")}),
              QStringLiteral("b-a-"));
}
