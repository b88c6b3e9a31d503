// The check that no planned output lands on one of the job's own pictures:
// the same outcome for a hard link and a spelling through a link, and fast
// enough for thousands of pictures (it ran every output against every
// picture with file-system calls per pair). The pictures ahead of writing
// are capped by memory.
#include "publish/common/OutputPlan.h"
#include "publish/common/TwoThreads.h"
#include "support/TempDir.h"

#include <QElapsedTimer>
#include <QFile>
#include <gtest/gtest.h>
#include <unistd.h>

namespace vistello {
namespace {

using test::TempDir;

TEST(OutputPlan, FindsEveryOutputThatIsAPictureAmongThousandsQuickly)
{
    TempDir dir;
    constexpr int kPictures = 2000;
    QStringList pictures;
    OutputPlan plan;
    for (int i = 0; i < kPictures; ++i) {
        const QString name = QStringLiteral("IMG_%1.jpg").arg(i, 4, 10, QLatin1Char('0'));
        pictures.append(dir.write(QStringLiteral("in/") + name, "x"));
        plan.add(QStringLiteral("t_") + name, pictures.last());
        plan.add(QStringLiteral("k_") + name, pictures.last());
    }
    dir.write("out/.keep", "");
    ASSERT_TRUE(QFile::link(pictures[7], dir.file("out/link.jpg")));
    ASSERT_EQ(::link(QFile::encodeName(pictures[9]).constData(), QFile::encodeName(dir.file("out/hard.jpg")).constData()), 0);
    plan.add(QStringLiteral("link.jpg"), QStringLiteral("page"));
    plan.add(QStringLiteral("hard.jpg"), QStringLiteral("page"));
    plan.add(QStringLiteral("IMG_0011.jpg"), QStringLiteral("page"));

    QElapsedTimer timer;
    timer.start();
    const QStringList inOut = plan.overwrittenSources(dir.file("out/"), pictures);
    const QStringList inIn = plan.overwrittenSources(dir.file("in/"), pictures);
    const qint64 ms = timer.elapsed();

    EXPECT_EQ(inOut, (QStringList{QStringLiteral("link.jpg  (is %1)").arg(pictures[7]),
                                  QStringLiteral("hard.jpg  (is %1)").arg(pictures[9])}));
    EXPECT_EQ(inIn, QStringList{QStringLiteral("IMG_0011.jpg  (is %1)").arg(pictures[11])});
    EXPECT_LT(ms, 5000) << "the check took " << ms << " ms for " << kPictures << " pictures";
}

TEST(OutputPlan, PicturesAheadStayWithinTheMemoryCap)
{
    EXPECT_EQ(picturesAhead(160, 120), 8);
    EXPECT_EQ(picturesAhead(16384, 16384), 1); // 768 MiB each: one at a time
    EXPECT_EQ(picturesAhead(4096, 4096), 5);   // 48 MiB each
    EXPECT_GE(picturesAhead(-1, 0), 1);
}

} // namespace
} // namespace vistello
