#include "app/window/actionlist/ActionListRules.h"

#include "app/window/frame/CommandIds.h"
#include <QHash>
#include <algorithm>

namespace vistello::actionlist {

namespace {

constexpr Action kActions[] = {
    {u"Create picture index", command::PictureIndex},
    {u"Rename pictures", command::Rename},
    {u"Create a HTML page", command::HtmlPage},
    {u"Resize picture(s)", command::Resize},
    {u"Convert picture format", command::ConvertFormat},
    {u"Copy pictures", command::CopyPictures},
    {u"Rotate right", command::RotateRight},
    {u"Rotate left", command::RotateLeft},
    {u"Auto rotate", command::AutoRotate},
    {u"Mirror vertical", command::MirrorVertical},
    {u"Greyscale", command::Greyscale},
    {u"Delete pictures", command::DeletePictures},
};
static_assert(std::size(kActions) == kDeletePictures + 1);

} // namespace

std::span<const Action> actions()
{
    return kActions;
}

int validAction(int position)
{
    return position >= 0 && position < int(std::size(kActions)) ? position : 0;
}

bool quantityAvailable(int action)
{
    return action == kCreateIndex;
}

std::optional<int> parseQuantity(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < kMinQuantity || value > kMaxQuantity)
        return std::nullopt;
    return value;
}

QList<Entry> entriesFor(const QStringList& marked, const QList<Entry>& previous)
{
    QHash<QString, int> quantities;
    for (const Entry& entry : previous)
        quantities.insert(entry.path, entry.quantity);
    QList<Entry> entries;
    entries.reserve(marked.size());
    for (const QString& path : marked)
        entries.append({path, quantities.value(path, 1)});
    return entries;
}

QStringList collectionFor(int action, const QList<Entry>& entries)
{
    const bool repeat = quantityAvailable(action);
    QStringList pictures;
    for (const Entry& entry : entries) {
        const int times = repeat ? std::clamp(entry.quantity, kMinQuantity, kMaxQuantity) : 1;
        for (int i = 0; i < times; ++i)
            pictures.append(entry.path);
    }
    return pictures;
}

int quantityPreset(const QList<Entry>& entries, const QList<int>& selectedRows)
{
    if (selectedRows.size() == 1 && selectedRows.front() >= 0 && selectedRows.front() < entries.size())
        return entries.at(selectedRows.front()).quantity;
    return 1;
}

QString countLine(int count)
{
    if (count <= 0)
        return QStringLiteral("No selected pictures");
    if (count == 1)
        return QStringLiteral("One selected picture");
    return QStringLiteral("%1 selected pictures").arg(count);
}

} // namespace vistello::actionlist
