// Moves that never replace: the system call and the link-and-unlink fallback
// agree, also when both names lead to the same file.
#include "platform/NoReplaceMove.h"
#include "support/TempDir.h"

#include <QFile>
#include <gtest/gtest.h>
#include <unistd.h>

namespace vistello {
namespace {

using test::TempDir;

enum class Target { Free, OtherFile, HardLinkToSource, MissingSource };

struct MoveCase {
    const char* label;
    Target target;
    MoveResult expected;
};

TEST(NoReplaceMove, neverReplacesWhateverHoldsTheNewName)
{
    const MoveCase cases[] = {
        {"free name", Target::Free, MoveResult::Moved},
        {"another file", Target::OtherFile, MoveResult::TargetExists},
        {"the same file by a hard link", Target::HardLinkToSource, MoveResult::TargetExists},
        {"no source", Target::MissingSource, MoveResult::Failed},
    };
    using MoveFunction = MoveResult (*)(const QString&, const QString&);
    for (const MoveFunction move : {MoveFunction(moveWithoutReplacing), MoveFunction(moveByLinkAndUnlink)}) {
        for (const MoveCase& c : cases) {
            SCOPED_TRACE(c.label);
            TempDir dir;
            const QString from = dir.file(QStringLiteral("from.jpg"));
            const QString to = dir.file(QStringLiteral("to.jpg"));
            if (c.target != Target::MissingSource)
                dir.write(QStringLiteral("from.jpg"), "source");
            if (c.target == Target::OtherFile)
                dir.write(QStringLiteral("to.jpg"), "other");
            if (c.target == Target::HardLinkToSource)
                ASSERT_EQ(::link(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()), 0);
            EXPECT_EQ(move(from, to), c.expected);
            EXPECT_EQ(entryExists(from), c.expected != MoveResult::Moved && c.target != Target::MissingSource);
            EXPECT_EQ(test::readAll(to), c.target == Target::OtherFile ? QByteArray("other")
                                         : c.target == Target::MissingSource ? QByteArray()
                                                                              : QByteArray("source"));
        }
    }
}

} // namespace
} // namespace vistello
