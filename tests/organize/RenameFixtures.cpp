#include "organize/RenameFixtures.h"

#include "app/samples/SamplePicture.h"
#include "support/TempDir.h"

#include <QDir>
#include <algorithm>

namespace vistello::test::rename {

QByteArray datedPicture(const QByteArray& date, const QByteArray& tag)
{
    samples::SamplePictureRecipe recipe;
    recipe.displaySize = QSize(32, 24);
    recipe.thumbnail = false;
    recipe.comment = tag;
    if (!date.isEmpty())
        recipe.dateTaken = date;
    constexpr uint16_t kDateTimeOriginal = 0x9003;
    return samples::buildSamplePicture(recipe, [&](samples::ExifBuilder& exif) {
        if (date.isEmpty())
            exif.exif().remove(kDateTimeOriginal);
    });
}

QMap<QString, QByteArray> folderFiles(const QString& folder)
{
    QMap<QString, QByteArray> files;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden))
        files.insert(name, readAll(QDir(folder).filePath(name)));
    return files;
}

QList<QByteArray> contentMultiset(const QString& folder)
{
    QList<QByteArray> contents = folderFiles(folder).values();
    std::sort(contents.begin(), contents.end());
    return contents;
}

} // namespace vistello::test::rename
