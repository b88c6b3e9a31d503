// vistello-cli check [-b DIR] FILE...|FOLDER: the picture check. Decodes
// each picture (a folder: its pictures, sorted) strictly and prints the
// error-list line of every broken one (path, then ' , "' and the decoder's
// message '"'); writes them to "Errorlist.txt" in the personal folder (-b)
// and exits 1 when any picture is broken.
#include "app/cli/CliArguments.h"
#include "app/cli/CliCommands.h"
#include "app/cli/PersonalFolderOption.h"
#include "core/filetypes/FolderScan.h"
#include "core/filetypes/PictureFileTypes.h"
#include "core/lists/PathCollation.h"
#include "imaging/decode/BuiltInFormats.h"
#include "organize/search/PictureCheck.h"

#include <QFileInfo>

namespace vistello::cli {

int runCheck(const QStringList& args)
{
    const CliArguments parsed = parseArguments("check", args, {{"-b", true}});
    if (parsed.exitNow)
        return *parsed.exitNow;
    if (parsed.plain.isEmpty())
        return usageError("check", QStringLiteral("no file or folder given"));
    registerBuiltInFormats(PictureFileTypes::instance(), false, nullptr);

    QStringList pictures;
    if (parsed.plain.size() == 1 && QFileInfo(parsed.plain.first()).isDir()) {
        pictures = scanPictures(QFileInfo(parsed.plain.first()).absoluteFilePath(), false);
        sortPaths(pictures);
    } else {
        for (const QString& file : parsed.plain)
            pictures.append(QFileInfo(file).absoluteFilePath());
    }
    QString lines;
    for (const QString& picture : pictures)
        if (const std::optional<QString> message = checkPicture(picture))
            lines += errorListLine(picture, *message);
    if (lines.isEmpty())
        return Success;
    QString shown = lines;
    out(shown.replace(QLatin1String("\r\n"), QLatin1String("\n")));
    const QString listPath = errorListPath(personalFolderFrom(parsed));
    if (!writeErrorList(listPath, lines))
        err(QStringLiteral("vistello-cli check: cannot write \"%1\"\n").arg(listPath));
    return Failure;
}

} // namespace vistello::cli
