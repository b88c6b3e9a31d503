#include "publish/PublishFixtures.h"

#include "app/samples/JpegWriter.h"
#include "imaging/decode/BuiltInFormats.h"
#include "publish/common/PublishedFiles.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QImage>
#include <QStandardPaths>
#include <gtest/gtest.h>
#include <cstdint>
#include <cstring>

namespace vistello::test::publish {

namespace {

const QString kScript = QStringLiteral(VISTELLO_TEST_SOURCE_DIR "/publish/page_links.py");

} // namespace

QByteArray plainJpeg(int width, int height, QColor colour, const QString& comment)
{
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(colour);
    samples::JpegWriteOptions options;
    if (!comment.isEmpty())
        options.markers.push_back({0xFE, comment.toUtf8()});
    return samples::JpegWriter::encode(image, options);
}

QByteArray detailedJpeg(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB888);
    std::uint32_t seed = 12345;
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = image.scanLine(y);
        for (int x = 0; x < width * 3; ++x) {
            seed = seed * 1664525u + 1013904223u;
            row[x] = std::uint8_t(x * 128 / (width * 3) + y * 64 / height + (seed >> 26));
        }
    }
    samples::JpegWriteOptions options;
    options.quality = 95;
    return samples::JpegWriter::encode(image, options);
}

QByteArray damagedJpeg()
{
    // The program's own writer gives a new file its JFXX thumbnail, which a
    // lenient decode would show instead of the damaged picture.
    QImage image(640, 480, QImage::Format_RGB888);
    image.fill(Qt::darkRed);
    TempDir dir;
    PixelBuffer pixels;
    pixels.width = 640;
    pixels.height = 480;
    pixels.data.reset(new std::uint8_t[pixels.byteCount()]);
    for (int y = 0; y < 480; ++y)
        std::memcpy(pixels.data.get() + pixels.rowBytes() * y, image.constScanLine(y), pixels.rowBytes());
    EXPECT_TRUE(writeNewJpeg(dir.file("x.jpg"), pixels, 90, 90));
    const QByteArray whole = readAll(dir.file("x.jpg"));
    return whole.left(whole.size() * 3 / 4);
}

QByteArray settingsFile(const QString& key, const QString& type, const QString& value)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<Document>\r\n <Settings>\r\n"
                          "  <c Attr=\"%1\" Type=\"%2\">%3</c>\r\n </Settings>\r\n</Document>\r\n")
        .arg(key, type, value)
        .toUtf8();
}

CliRun runPublishing(const QString& command, const QStringList& args)
{
    return runCli(QStringList{command} + args);
}

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

std::optional<QStringList> unresolvedLinks(const QString& folder)
{
    if (QStandardPaths::findExecutable(QStringLiteral("python3")).isEmpty())
        return std::nullopt;
    const ProcessRun run = runProgram(QStringLiteral("python3"), {kScript, QStringLiteral("links"), folder});
    if (run.exitCode != 0)
        return QStringList{QString::fromUtf8(run.err)};
    return QString::fromUtf8(run.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QString pageText(const QString& page)
{
    const QFileInfo info(page);
    const ProcessRun run = runProgram(QStringLiteral("python3"), {kScript, QStringLiteral("text"), info.path(), info.fileName()});
    return QString::fromUtf8(run.out);
}

} // namespace vistello::test::publish
