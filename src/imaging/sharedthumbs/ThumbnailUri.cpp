#include "imaging/sharedthumbs/ThumbnailUri.h"

#include <QCryptographicHash>

namespace vistello {

namespace {

// The bytes a path keeps as they are: letters, digits and "-._~!$&'()*+,;=:@/"
// without ';' (GLib escapes it in paths).
bool keptInPath(unsigned char c)
{
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
        return true;
    switch (c) {
    case '-': case '.': case '_': case '~': case '!': case '$': case '&': case '\'':
    case '(': case ')': case '*': case '+': case ',': case '=': case ':': case '@': case '/':
        return true;
    default: return false;
    }
}

} // namespace

QByteArray fileUri(const QString& absolutePath)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    const QByteArray bytes = absolutePath.toUtf8();
    QByteArray uri("file://");
    uri.reserve(uri.size() + bytes.size() * 3);
    for (const char byte : bytes) {
        const auto c = static_cast<unsigned char>(byte);
        if (keptInPath(c)) {
            uri.append(char(c));
        } else {
            uri.append('%');
            uri.append(kHex[c >> 4]);
            uri.append(kHex[c & 15]);
        }
    }
    return uri;
}

QString sharedThumbnailName(const QByteArray& uri)
{
    return QString::fromLatin1(QCryptographicHash::hash(uri, QCryptographicHash::Md5).toHex())
         + QStringLiteral(".png");
}

} // namespace vistello
