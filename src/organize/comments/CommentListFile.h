#pragma once
// The comment list file in the personal folder: one line per program
// comment ("key","comment") and one per folder that holds commented
// pictures ("/folder/"), every field quoted with inner quotes doubled, lines
// ending in CR LF. Reading takes the picture-list grammar, so unquoted
// fields, LF-only or UTF-16 files from elsewhere read too.
#include <QString>
#include <QStringView>
#include <map>
#include <set>

namespace vistello {

struct CommentListContents {
    std::map<QString, QString> comments; // key -> comment, never empty
    std::set<QString> folders;           // full paths ending in "/"

    bool operator==(const CommentListContents&) const = default;
};

inline constexpr const char16_t* kCommentListName = u"Vistello_LE.txt";

// Lines whose first field ends in "/" are folders (their comment is
// ignored); other lines with an empty comment give nothing.
CommentListContents parseCommentList(QStringView text);
QString commentListText(const CommentListContents& contents);

// A missing, unreadable or oversized file gives an empty list.
CommentListContents readCommentListFile(const QString& path);
// Written through a temporary file, so a failed write keeps the old list.
bool writeCommentListFile(const QString& path, const CommentListContents& contents);

} // namespace vistello
