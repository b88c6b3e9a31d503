// Every operation that rewrites a picture refuses one without write bits and
// leaves it byte-identical, whoever runs the tests (CI runs as root, where
// the folder's permission alone would let the rename through).
#include "jpegedit/transform/TransformJpegFile.h"
#include "jpegmeta/rewrite/CommentWrite.h"
#include "jpegmeta/segments/PictureData.h"
#include "jpegmeta/MetaFixtures.h"
#include "support/TempDir.h"

#include <QFile>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace vistello {
namespace {

using test::TempDir;

struct Rewrite {
    const char* name;
    std::function<bool(const QString& picture, const TempDir& dir)> succeeded;
};

const Rewrite kRewrites[] = {
    {"comment", [](const QString& p, const TempDir&) {
         return writeCommentSegment(p, QStringLiteral("new")) == HeaderEditStatus::Done; }},
    {"load picture data", [](const QString& p, const TempDir& dir) {
         const QString data = dir.write(QStringLiteral("data.app"), test::segment(0xFE, "hello"));
         return loadPictureData(p, data) == HeaderEditStatus::Done; }},
    {"remove picture data", [](const QString& p, const TempDir&) {
         return removePictureData(p) == HeaderEditStatus::Done; }},
    {"rotate", [](const QString& p, const TempDir&) {
         TransformRequest request;
         request.op = TransformOp::Rotate90;
         return transformJpegInPlace(p, request).failure == TransformFailure::None; }},
};

TEST(WriteProtectedPicture, EveryRewriteFailsAndLeavesTheBytes)
{
    for (const Rewrite& rewrite : kRewrites) {
        TempDir dir;
        const QByteArray original = test::jpegWith({test::segment(0xFE, "old comment")});
        const QString picture = dir.write(QStringLiteral("ro.jpg"), original);
        ASSERT_EQ(::chmod(QFile::encodeName(picture).constData(), 0444), 0);
        EXPECT_FALSE(rewrite.succeeded(picture, dir)) << rewrite.name;
        EXPECT_EQ(test::readAll(picture), original) << rewrite.name;

        // The same file with a write bit is changed: the refusal is the protection's.
        ASSERT_EQ(::chmod(QFile::encodeName(picture).constData(), 0644), 0);
        EXPECT_TRUE(rewrite.succeeded(picture, dir)) << rewrite.name;
    }
}

} // namespace
} // namespace vistello
