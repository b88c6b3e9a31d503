// A gallery or index job without a target folder (or with a relative one)
// is refused before anything is written: the files would otherwise land in
// whatever folder the process runs in.
#include "core/filetypes/PictureFileTypes.h"
#include "imaging/decode/BuiltInFormats.h"
#include "jpegedit/jpegwrite/PictureWriting.h"
#include "publish/PublishFixtures.h"
#include "publish/gallery/GalleryRun.h"
#include "publish/indexsheet/IndexSheetRun.h"
#include "support/TempDir.h"

#include <QDir>
#include <gtest/gtest.h>

namespace vistello {
namespace {

using test::TempDir;

constexpr const char* kRefusal = "Specify a target folder.\n(e.g. by using the folder view on the left side)";

// Runs with the working directory in a folder of its own, given back after.
class WorkingFolder {
public:
    explicit WorkingFolder(const QString& path) : previous_(QDir::currentPath()) { QDir::setCurrent(path); }
    ~WorkingFolder() { QDir::setCurrent(previous_); }

private:
    QString previous_;
};

PictureFileTypes& writableTypes()
{
    PictureFileTypes& types = PictureFileTypes::instance();
    registerBuiltInFormats(types, false, nullptr);
    enablePictureWriting(types);
    return types;
}

TEST(EmptyTarget, GalleryAndIndexRefuseAnEmptyOrRelativeFolder)
{
    PictureFileTypes& types = writableTypes();
    TempDir dir;
    const QStringList pictures = {dir.write("src/a.jpg", test::publish::plainJpeg(32, 24))};
    QDir(dir.path()).mkpath("cwd/out");
    const WorkingFolder cwd(dir.file("cwd"));
    for (const QString& target : {QString(), QStringLiteral("out/")}) {
        GallerySettings gallery;
        gallery.targetFolder = target;
        const GalleryOutcome made = createGallery(types, pictures, gallery, {});
        EXPECT_FALSE(made.finished) << target.toStdString();
        EXPECT_EQ(made.message, kRefusal) << target.toStdString();
        EXPECT_TRUE(made.written.isEmpty()) << target.toStdString();

        IndexSheetSettings index;
        index.targetFolder = target;
        const IndexSheetOutcome sheets = createIndexSheets(types, pictures, index, {});
        EXPECT_EQ(sheets.message, kRefusal) << target.toStdString();
        EXPECT_TRUE(sheets.written.empty()) << target.toStdString();
    }
    EXPECT_EQ(test::publish::filesIn(dir.file("cwd")), QStringList{"out"});
    EXPECT_TRUE(test::publish::filesIn(dir.file("cwd/out")).isEmpty());
}

} // namespace
} // namespace vistello
