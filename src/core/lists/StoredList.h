#pragma once
// Lists kept between runs (the marked pictures and the search results): one
// full path per line in a text file of the personal folder.
#include <QString>

namespace vistello {

class PictureList;

// An empty list deletes the file. Otherwise the file is replaced as a whole
// (temporary file, then rename). False when it could not be written.
bool writeStoredList(const PictureList& list, const QString& file);

// Clears the list, then appends every line naming an existing picture file
// by its full path; lines longer than 511 units are cut first.
void readStoredList(PictureList& list, const QString& file);

} // namespace vistello
