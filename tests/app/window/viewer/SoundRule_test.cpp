#include "app/samples/WavWriter.h"
#include "app/window/viewer/SoundRule.h"
#include "core/filetypes/PictureFileTypes.h"
#include "jpegmeta/extras/EmbeddedSound.h"
#include "support/TempDir.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace vistello;

namespace {

// A FlashPix stream-data APP2 segment carrying one piece of a stream.
QByteArray flashPixSegment(const QByteArray& piece)
{
    QByteArray segment("\xFF\xE2", 2);
    const quint16 length = quint16(15 + piece.size()); // from the length field on
    segment.append(char(length >> 8)).append(char(length & 0xFF));
    segment.append("FPXR\0\0\2", 7);
    segment.append(QByteArray(6, '\0')); // stream index and offset
    return segment + piece;
}

// A JPEG (written by Qt's own writer) with sound split over three segments after SOI.
QByteArray pictureWithSound(const QByteArray& sound)
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "jpeg").write(image);
    const qsizetype third = sound.size() / 3;
    return jpeg.left(2) + flashPixSegment(sound.left(third)) + flashPixSegment(sound.mid(third, third))
        + flashPixSegment(sound.mid(2 * third)) + jpeg.mid(2);
}

} // namespace

TEST(EmbeddedSound, StreamsJoinedAcrossSegmentsAndBadOnesRefused)
{
    const QByteArray wave = samples::WavWriter::tone(440.0, 50);
    QByteArray otherForm = wave;
    otherForm.replace(8, 4, "ABCD");
    QByteArray tooLong = wave;
    qToLittleEndian<quint32>(quint32(wave.size() + 100000), tooLong.data() + 4);
    const struct {
        const char* name;
        QByteArray file;
        bool found;
    } rows[] = {
        {"split over three segments", pictureWithSound(wave), true},
        {"a bare sound file", wave, false},
        {"an unknown form type", pictureWithSound(otherForm), false},
        {"a length past the end", pictureWithSound(tooLong), false},
        {"no sound at all", QByteArray("\xFF\xD8\xFF\xD9", 4), false},
    };
    for (const auto& row : rows) {
        const std::optional<QByteArray> sound = extractEmbeddedSound(row.file);
        EXPECT_EQ(sound.has_value(), row.found) << row.name;
        if (sound)
            EXPECT_EQ(*sound, wave) << row.name;
    }
}

TEST(SoundRule, MemoBesideElseEmbeddedAndOncePerPicture)
{
    PictureFileTypes::instance().clear();
    PictureFileTypes::instance().registerBuiltIns(false, nullptr);
    test::TempDir dir;
    const QByteArray wave = samples::WavWriter::tone(440.0, 50);
    const QString withMemo = dir.write(QStringLiteral("IMG_0001.jpg"), pictureWithSound(wave));
    const QString memo = dir.write(QStringLiteral("SND_0001.wav"), wave);
    const QString embedded = dir.write(QStringLiteral("IMG_0002.jpg"), pictureWithSound(wave));
    const QString silent = dir.write(QStringLiteral("IMG_0003.jpg"), QByteArray("\xFF\xD8\xFF\xD9", 4));

    SoundRule rule;
    EXPECT_FALSE(rule.pictureShown(withMemo, false).stopPlaying) << "option off: nothing at all";
    SoundPlan plan = rule.pictureShown(withMemo, true);
    EXPECT_TRUE(plan.stopPlaying);
    EXPECT_EQ(plan.file, memo);
    EXPECT_TRUE(plan.data.isEmpty()) << "the memo beside the picture comes first";
    EXPECT_FALSE(rule.pictureShown(withMemo, true).stopPlaying) << "shown again: the sound goes on";
    plan = rule.pictureShown(embedded, true);
    EXPECT_TRUE(plan.file.isEmpty());
    EXPECT_EQ(plan.data, wave);
    plan = rule.pictureShown(silent, true);
    EXPECT_TRUE(plan.stopPlaying);
    EXPECT_FALSE(plan.plays());
    PictureFileTypes::instance().clear();
}
