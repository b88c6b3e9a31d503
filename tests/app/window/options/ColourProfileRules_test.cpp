#include "app/window/options/ColourProfileRules.h"

#include "core/settings/SettingsStore.h"
#include "imaging/colour/DisplayProfile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace vistello {
namespace {

TEST(ColourProfileRules, fieldCheckedOnlyWhileTheProfileIsUsed)
{
    test::TempDir dir;
    const QString present = dir.write(QStringLiteral("screen.icc"), "not really a profile");
    struct Row {
        bool use;
        QString path;
        int title, text;
    };
    const Row rows[] = {
        {true, QString(), 33235, 33378},
        {true, QStringLiteral("  "), 33235, 33378},
        {true, dir.file(QStringLiteral("gone.icc")), 33236, 33379},
        {true, dir.path(), 33236, 33379}, // a folder is no profile file
        {true, present, 0, 0},
        {false, QString(), 0, 0},
        {false, dir.file(QStringLiteral("gone.icc")), 0, 0},
    };
    for (const Row& row : rows) {
        const ProfileFieldProblem problem = checkProfileField(row.use, row.path);
        EXPECT_EQ(problem.title, row.title) << row.path.toStdString();
        EXPECT_EQ(problem.text, row.text) << row.path.toStdString();
    }
}

TEST(ColourProfileRules, dialogFilterFromTheStoredForm)
{
    EXPECT_EQ(profileDialogFilter(QStringLiteral("Color profile (*.icm;*.icc)|*.icm;*.icc||")),
              QLatin1String("Color profile (*.icm *.icc)"));
}

TEST(ColourProfileRules, switchedOffReleasesTheTransform)
{
    SettingsStore store(QStringLiteral("/nonexistent/"));
    test::TempDir dir;
    applyColourProfile(true, dir.file(QStringLiteral("gone.icc")), store);
    EXPECT_TRUE(store.get(setting::UseDisplayProfile));
    EXPECT_EQ(store.get(setting::DisplayProfile), QString()); // a missing file clears the name
    EXPECT_EQ(currentDisplayTransform(), nullptr);
    applyColourProfile(false, QString(), store);
    EXPECT_FALSE(store.get(setting::UseDisplayProfile));
    EXPECT_EQ(currentDisplayTransform(), nullptr);
}

} // namespace
} // namespace vistello
