#include "publish/gallery/GalleryRun.h"

#include "core/filetypes/PictureFileTypes.h"
#include "core/textfile/TextFileReader.h"
#include "core/textfile/TextFileWriter.h"
#include "jpegedit/resize/ResizeOperation.h"
#include "jpegedit/resize/ResizeRules.h"
#include "platform/FileReplace.h"
#include "publish/common/FittedPicture.h"
#include "publish/common/OutputPlan.h"
#include "publish/common/PictureCaption.h"
#include "publish/common/PublishedFiles.h"
#include "publish/common/TargetFolder.h"
#include "publish/common/TwoThreads.h"
#include "publish/gallery/GalleryPages.h"
#include "publish/gallery/GalleryTemplates.h"
#include "resources/GalleryImages.h"
#include "resources/PublishStrings.h"

#include <QFileInfo>
#include <algorithm>
#include <optional>
#include <vector>

namespace vistello {

namespace {

QString messageText(int id, const QStringList& inserts = {})
{
    return strings::formatInserts(strings::text(id), inserts);
}

// The JPEG pictures of the set; a name of no known type counts as JPEG.
QStringList jpegPictures(const PictureFileTypes& types, const QStringList& pictures)
{
    const PictureFileType* jpeg = types.typeOf(u"x.jpg");
    QStringList selected;
    for (const QString& picture : pictures) {
        const PictureFileType* type = types.typeOf(picture);
        if (!type || type == jpeg || (jpeg && !type->formatName.isEmpty() && type->formatName == jpeg->formatName))
            selected.append(picture);
    }
    return selected;
}

QString templateText(const QString& stored, const QString& builtIn, bool useExternal, const QString& file)
{
    if (useExternal && !file.isEmpty()) {
        TextFileReader reader;
        if (reader.open(file))
            return reader.readAll();
    }
    return stored.isEmpty() ? builtIn : stored;
}

// What one decode of a picture gives: its thumbnail and the file of its
// scaled copy.
struct PreparedPicture {
    bool decoded = false;
    PixelBuffer thumbnail;
    QByteArray copy; // empty without picture pages or when it could not be made
};

class GalleryWriter {
public:
    GalleryWriter(const PictureFileTypes& types, const GallerySettings& settings, const GalleryHooks& hooks)
        : types_(types), s_(settings), hooks_(hooks), jpeg_(types.typeOf(u"x.jpg")),
          copyRequest_(resizeRequestFrom(validResizeSettings(settings.resize)))
    {
    }

    GalleryOutcome run(const QStringList& pictures);

private:
    bool stopped() const { return hooks_.stop && hooks_.stop->load(); }
    bool cancelAfter(const QString& path) const
    {
        static const std::atomic<bool> kNoStop{false};
        return cancelAfterFailedWrite(hooks_.question, path, hooks_.stop ? *hooks_.stop : kNoStop);
    }
    QString target(const QString& name) const { return s_.targetFolder + name; }
    void noteWritten(const QString& name) { outcome_.written.append(name); }
    GalleryOutcome end(const QString& message = {})
    {
        outcome_.message = message;
        return outcome_;
    }

    bool templatesUsable();
    std::optional<QString> folderRefusal(const QStringList& selected) const;
    std::optional<QString> planRefusal(const QStringList& selected) const;
    void writeImageFiles();
    PublishDecode decodeRequest(const QString& path) const;
    // Any thread.
    QByteArray scaledCopy(DecodedSource decoded) const;
    PreparedPicture prepare(const QString& path) const;
    // False when the job ends.
    bool publishPicture(const QString& path, const PreparedPicture& prepared);
    bool writePicturePages();
    bool writeIndexPages();

    const PictureFileTypes& types_;
    GallerySettings s_;
    const GalleryHooks& hooks_;
    const PictureFileType* jpeg_;
    ResizeRequest copyRequest_;
    GalleryOutcome outcome_;
    QString indexTemplate_;
    QString pictureTemplate_;
    std::vector<GalleryCell> cells_;
};

bool GalleryWriter::templatesUsable()
{
    indexTemplate_ = templateText(s_.indexTemplate, builtInIndexTemplate(), s_.useExternalIndex, s_.externalIndex);
    if (!indexTemplate_.contains(QLatin1String("%3")) || !indexTemplate_.contains(QLatin1String("%4"))) {
        outcome_.message = messageText(strings::kIndexTemplateError, {s_.externalIndex});
        return false;
    }
    pictureTemplate_ = templateText(s_.pictureTemplate, builtInPictureTemplate(), s_.useExternalPicture, s_.externalPicture);
    if (!pictureTemplate_.contains(QLatin1String("%5"))) {
        outcome_.message = messageText(strings::kPictureTemplateError, {s_.externalPicture});
        return false;
    }
    return true;
}

// The pictures must stay apart from what is written: a picture copied onto
// itself would be truncated first.
std::optional<QString> GalleryWriter::folderRefusal(const QStringList& selected) const
{
    // An empty or relative folder would put the files wherever the process
    // happens to run.
    if (!isUsableTargetFolder(s_.targetFolder))
        return messageText(strings::kNoTargetFolder);
    if (!isPlainFileName(s_.startPage))
        return messageText(strings::kNameLeavesTarget, {s_.startPage});
    QStringList inTarget = picturesInFolder(selected, s_.targetFolder);
    if (!s_.sourceFolder.isEmpty() && isSameEntry(s_.sourceFolder, s_.targetFolder))
        inTarget.prepend(s_.sourceFolder);
    if (inTarget.isEmpty())
        return std::nullopt;
    return messageText(strings::kTargetIsSourceFolder) + QLatin1Char('\n') + inTarget.join(QLatin1Char('\n'));
}

std::optional<QString> GalleryWriter::planRefusal(const QStringList& selected) const
{
    OutputPlan plan;
    for (const strings::GalleryImageFile& image : strings::kGalleryImageFiles)
        if (pictureTemplate_.contains(QLatin1String(image.fileName)) || indexTemplate_.contains(QLatin1String(image.fileName)))
            plan.add(QLatin1String(image.fileName), QStringLiteral("image file"));
    const qint64 perPage = qint64(s_.perRow) * s_.rowsPerPage;
    const qint64 pages = perPage > 0 ? std::max<qint64>(1, (selected.size() + perPage - 1) / perPage) : 1;
    for (int page = 1; page <= pages; ++page)
        plan.add(indexPageName(s_.startPage, page), QStringLiteral("index page"));
    for (const QString& picture : selected) {
        const QString name = QFileInfo(picture).fileName();
        plan.add(QStringLiteral("t_") + name, picture);
        if (s_.linkToPicture) {
            plan.add(QStringLiteral("k_") + name, picture);
            plan.add(picturePageName(name), picture);
            if (s_.linkToOriginal)
                plan.add(name, picture);
        }
    }
    if (const QStringList clashes = plan.clashes(); !clashes.isEmpty())
        return messageText(strings::kOutputClash, {clashes.join(QLatin1Char('\n'))});
    if (const QStringList over = plan.overwrittenSources(s_.targetFolder, selected); !over.isEmpty())
        return messageText(strings::kOutputOverwritesPicture, {over.join(QLatin1Char('\n'))});
    return std::nullopt;
}

void GalleryWriter::writeImageFiles()
{
    // The background is written when either template uses it: the built-in
    // index page does even when the picture page does not.
    for (const strings::GalleryImageFile& image : strings::kGalleryImageFiles) {
        const QString name = QLatin1String(image.fileName);
        const bool background = image.id == 207;
        const bool wanted = background ? pictureTemplate_.contains(name) || indexTemplate_.contains(name)
                                       : s_.linkToPicture && pictureTemplate_.contains(name);
        if (wanted && writeProductFile(target(name), strings::galleryImageBytes(image.id)))
            noteWritten(name);
    }
}

PublishDecode GalleryWriter::decodeRequest(const QString& path) const
{
    PublishDecode request;
    request.path = path;
    request.strict = true;
    request.autoRotate = s_.autoRotate;
    request.stopFlag = hooks_.stop;
    request.boxWidth = s_.thumbWidth;
    request.boxHeight = s_.thumbHeight;
    const ResizeRequest& copy = copyRequest_;
    if (s_.linkToPicture) {
        if (copy.boxWidth > 0 && copy.boxHeight > 0) {
            request.boxWidth = std::max(request.boxWidth, copy.boxWidth);
            request.boxHeight = std::max(request.boxHeight, copy.boxHeight);
        } else {
            request.boxWidth = request.boxHeight = 0; // a ratio of the full size, or the full size
            request.scaleNum = copy.ratioNum;
            request.scaleDen = copy.ratioDen;
        }
    }
    if (request.boxWidth < 1 || request.boxHeight < 1)
        request.boxWidth = request.boxHeight = 0;
    return request;
}

// Scaled as the resize record says, turned upright and encoded in memory (by
// the size-limit searches when a limit is set) as a new JPEG file.
QByteArray GalleryWriter::scaledCopy(DecodedSource decoded) const
{
    std::optional<ResizeSource> source = resizeDecoded(
        {std::move(decoded.pixels), decoded.orientation, decoded.fileWidth, decoded.fileHeight}, copyRequest_, nullptr);
    if (!source || !jpeg_ || !jpeg_->factory)
        return {};
    const FormatHandlerPtr writer = jpeg_->factory();
    writer->setProperties(s_.jpegOptions);
    const ResizeEncoding encoding = encodeResized(*writer, *source, copyRequest_, QString());
    return encoding.chosen ? encoding.chosen->encoded.bytes : QByteArray();
}

PreparedPicture GalleryWriter::prepare(const QString& path) const
{
    std::optional<DecodedSource> decoded = decodeForPublishing(decodeRequest(path));
    if (!decoded)
        return {};
    PreparedPicture prepared;
    prepared.thumbnail = fitIntoBox(*decoded, s_.thumbWidth, s_.thumbHeight);
    prepared.decoded = !prepared.thumbnail.empty();
    if (prepared.decoded && s_.linkToPicture)
        prepared.copy = scaledCopy(std::move(*decoded)); // the decoded pixels become the copy's
    return prepared;
}

bool GalleryWriter::publishPicture(const QString& path, const PreparedPicture& prepared)
{
    if (!prepared.decoded)
        return !stopped(); // left out: no files, no cell, never a neighbour
    const QString comment = hooks_.caption ? hooks_.caption(path) : pictureCaption(path);
    if (stopped())
        return false;
    const QString name = QFileInfo(path).fileName();
    const QString thumbnailName = QStringLiteral("t_") + name;
    if (writeNewJpeg(target(thumbnailName), prepared.thumbnail, 90, 90))
        noteWritten(thumbnailName);
    else if (cancelAfter(target(thumbnailName)))
        return false;
    cells_.push_back({name, comment, prepared.thumbnail.width, prepared.thumbnail.height});
    if (!s_.linkToPicture)
        return true;
    const QString copyName = QStringLiteral("k_") + name;
    if (!prepared.copy.isEmpty() && writeProductFile(target(copyName), prepared.copy))
        noteWritten(copyName);
    if (s_.linkToOriginal && copyFileReplacing(path, target(name)))
        noteWritten(name);
    return true;
}

bool GalleryWriter::writePicturePages()
{
    PicturePageTexts texts;
    texts.title = s_.title;
    texts.startPage = s_.startPage;
    texts.previousTip = strings::text(strings::kPreviousPicture);
    texts.nextTip = strings::text(strings::kNextPicture);
    texts.startTip = strings::text(strings::kBackToStartPage);
    const size_t count = cells_.size();
    for (size_t k = 0; k < count; ++k) {
        if (stopped())
            return false;
        const GalleryCell& previous = cells_[(k + count - 1) % count];
        const GalleryCell& next = cells_[(k + 1) % count];
        const QString name = picturePageName(cells_[k].fileName);
        TextFileWriter writer;
        if (writer.open(target(name))) {
            writer.write(picturePageText(pictureTemplate_, texts, cells_[k], previous, next, s_.linkToOriginal));
            if (writer.commit()) {
                noteWritten(name);
                continue;
            }
        }
        if (cancelAfter(target(name)))
            return false;
    }
    return true;
}

bool GalleryWriter::writeIndexPages()
{
    GalleryLayout layout;
    layout.perRow = s_.perRow;
    layout.rowsPerPage = s_.rowsPerPage;
    layout.linkToPicture = s_.linkToPicture;
    layout.linkToOriginal = s_.linkToOriginal;
    layout.displayFileNames = s_.displayFileNames;
    const QStringList tables = indexTables(cells_, layout);
    const QString pageIndex = pageIndexText(s_.startPage, int(tables.size()));
    for (int page = 1; page <= tables.size(); ++page) {
        if (stopped())
            return false;
        const QString name = indexPageName(s_.startPage, page);
        TextFileWriter writer;
        if (writer.open(target(name)))
            writer.write(indexPageText(indexTemplate_, s_.title, pageIndex, tables[page - 1]));
        if (!writer.commit()) {
            outcome_.message = messageText(strings::kCannotCreate, {target(name)});
            return false;
        }
        noteWritten(name);
    }
    return true;
}

GalleryOutcome GalleryWriter::run(const QStringList& pictures)
{
    const QStringList selected = jpegPictures(types_, pictures);
    if (selected.isEmpty())
        return end(messageText(strings::kNoJpegPictures));
    if (hooks_.started)
        hooks_.started(int(selected.size()));
    if (const std::optional<QString> refusal = folderRefusal(selected))
        return end(*refusal);
    if (!templatesUsable())
        return outcome_;
    if (const std::optional<QString> refusal = planRefusal(selected))
        return end(*refusal);
    outcome_.startPagePath = target(s_.startPage);
    writeImageFiles();
    if (stopped())
        return end();
    const qsizetype window = picturesAhead(std::max(s_.thumbWidth, copyRequest_.boxWidth),
                                           std::max(s_.thumbHeight, copyRequest_.boxHeight));
    for (qsizetype first = 0; first < selected.size(); first += window) {
        const qsizetype count = std::min(window, selected.size() - first);
        std::vector<PreparedPicture> prepared(static_cast<size_t>(count));
        forEachOnTwoThreads(count, [&](qsizetype i) {
            if (!stopped())
                prepared[size_t(i)] = prepare(selected[first + i]);
        });
        for (qsizetype i = 0; i < count; ++i) {
            if (stopped())
                return end();
            if (hooks_.step)
                hooks_.step(selected[first + i]);
            if (!publishPicture(selected[first + i], prepared[size_t(i)]))
                return end();
        }
    }
    if (s_.linkToPicture && !writePicturePages())
        return outcome_;
    if (!writeIndexPages())
        return outcome_;
    outcome_.finished = true;
    return outcome_;
}

} // namespace

GalleryOutcome createGallery(const PictureFileTypes& types, const QStringList& pictures, const GallerySettings& settings,
                             const GalleryHooks& hooks)
{
    GalleryWriter writer(types, settings, hooks);
    return writer.run(pictures);
}

} // namespace vistello
