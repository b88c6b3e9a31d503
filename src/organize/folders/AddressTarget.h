#pragma once
// What Enter in the address field does with the typed text: a folder becomes
// the shown list, a picture opens in its folder, and only an http(s) address
// or an existing regular file that is not executable goes to the desktop's
// "open" action. Never a program, never anything else.
#include <QString>
#include <QUrl>
#include <optional>

namespace vistello {

class PictureFileTypes;

std::optional<QUrl> addressToOpen(const QString& text);

struct AddressAction {
    enum class Kind { Folder, Picture, OpenOutside, Refused };
    Kind kind = Kind::Refused;
    QString path;    // the folder ("/"-terminated) or the picture
    QUrl url;        // for OpenOutside
    QString message; // for Refused: what the user is told
};

AddressAction resolveAddress(const QString& text, const PictureFileTypes& types);

} // namespace vistello
