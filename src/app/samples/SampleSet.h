#pragma once
// The generated sample folder: camera-like JPEGs in every orientation,
// sampling and byte order the viewer meets, a picture list naming some of
// them and a sound memo beside the first. The run script opens it; tests
// use it as a ready-made camera folder.
#include "app/samples/SamplePicture.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace vistello::samples {

class SampleSet {
public:
    // The pictures of the set, in file-name order of creation.
    static std::vector<SamplePictureRecipe> pictures();
    static QString listFileName() { return QStringLiteral("favourites.csv"); }
    static QString soundFileName() { return QStringLiteral("IMG_0001.wav"); }
    // The picture list: UTF-8 with byte-order mark, CR LF lines of "name" or
    // "name,comment", names relative to the list's folder.
    static QByteArray listFile();
    // Every file name the set writes.
    static QStringList fileNames();
};

// Writes the set into dir, creating it and its parents. On failure error
// says why; written receives the paths written so far either way.
bool makeSamples(const QString& dir, QString* error, QStringList* written = nullptr);

} // namespace vistello::samples
