#pragma once
// Texts put into generated pages. Everything the user or the file system
// supplies (titles, comments, file names) goes through one of these, so a
// name holding quotes, angle brackets or "&" shows as text and never becomes
// markup, and a link to it always resolves.
#include <QString>

namespace vistello {

// "&", the double quote, "<", ">" and "'" by their entities, in that order
// (a user's template may quote its attributes either way).
QString htmlEscape(const QString& text);

// A file name as a relative link: UTF-8 with every byte but letters, digits
// and "-._~!$()*+,;=@" percent-encoded (so ":", "#", "?", "%", "&", the
// space and either quote can never change what the link means).
// Ordinary names come back unchanged.
QString linkToFile(const QString& fileName);

} // namespace vistello
