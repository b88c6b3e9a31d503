#include "core/settings/NumberPattern.h"

#include <gtest/gtest.h>

#include <QString>
#include <climits>
#include <cstdio>

using namespace vistello;

namespace {

// The C library's printf is the reference for every accepted pattern.
QString printfReference(const QString& pattern, int n)
{
    char buffer[256];
    const QByteArray format = pattern.toUtf8();
    std::snprintf(buffer, sizeof buffer, format.constData(), n);
    return QString::fromUtf8(buffer);
}

class NumberPatternValid : public ::testing::TestWithParam<const char*> {};

TEST_P(NumberPatternValid, isAcceptedAndFormatsLikePrintf)
{
    const QString pattern = QString::fromUtf8(GetParam());
    ASSERT_TRUE(isValidNumberPattern(pattern));
    for (int n : {0, 1, 2, 7, 42, -3, 12345, INT_MAX, INT_MIN})
        EXPECT_EQ(formatNumberPattern(pattern, n), printfReference(pattern, n)) << "n = " << n;
}

INSTANTIATE_TEST_SUITE_P(Patterns, NumberPatternValid,
                         ::testing::Values("index%d.jpg", "%i", "Picture_%04d", "%-5d|", "%+d", "% d",
                                           "%#d", "%.3d", "%8.3d", "%-+8.3d", "100%% %d%%", "%20d",
                                           "%020d", "%.0d", "%+ d", "%0-6d", "b\xc3\xa4r%d"));

class NumberPatternInvalid : public ::testing::TestWithParam<const char*> {};

TEST_P(NumberPatternInvalid, isRejectedAndFormatsToNothing)
{
    const QString pattern = QString::fromUtf8(GetParam());
    EXPECT_FALSE(isValidNumberPattern(pattern));
    EXPECT_TRUE(formatNumberPattern(pattern, 1).isEmpty());
}

// Format-string attacks and everything the placeholder rule excludes.
INSTANTIATE_TEST_SUITE_P(Patterns, NumberPatternInvalid,
                         ::testing::Values("", "index.jpg", "%", "a%", "%s", "%n", "%p%d", "%d%d",
                                           "%d_%i", "%5$d", "%ld", "%lld", "%hd", "%21d", "%.21d",
                                           "%*d", "%.*d", "%x", "%%d", "%1000000000000d", "%-",
                                           "%d%"));

TEST(NumberPattern, formatsTheWholeInt64Range)
{
    EXPECT_EQ(formatNumberPattern(u"%d", INT64_MIN), QStringLiteral("-9223372036854775808"));
    EXPECT_EQ(formatNumberPattern(u"%+d", INT64_MAX), QStringLiteral("+9223372036854775807"));
    EXPECT_EQ(formatNumberPattern(u"%05d", -42), QStringLiteral("-0042"));
}

} // namespace
