#include "app/window/taskpane/TaskItems.h"

#include "app/window/frame/CommandIds.h"

namespace vistello {

namespace {

constexpr TaskItem kTaskItems[] = {
    {u"Execute action for marked pictures (F8)", 0, command::ActionList},
    {u"Delete (Del)", 11, command::DeletePictures},
    {u"Change picture comment (F4)", 16, command::ChangeComment},
    {u"Change settings (F9)", 4, command::Options},
    {u"Start auto show (Ctrl+S)", 12, command::AutoShow},
    {u"Search pictures (F3)", 7, command::Search},
    {u"Create picture index", 5, command::PictureIndex},
    {u"Remove red eyes", 6, command::RedEye},
    {u"Set picture as background image", 10, command::SetWallpaper},
    {u"Rename pictures (F2)", 3, command::Rename},
    {u"Show/hide picture data (F10)", 9, command::PictureData},
    {u"Create a HTML page", 1, command::HtmlPage},
    {u"Resize picture(s) (Ctrl+R)", 13, command::Resize},
    {u"Convert picture format (Ctrl+F)", 14, command::ConvertFormat},
    {u"Copy pictures (Ctrl+K)", 15, command::CopyPictures},
    {u"Picture check", 17, command::PictureCheck},
    {u"Information about Vistello LE (F1)", 8, command::Information},
};

constexpr TaskItem kPictureTasks[] = {
    {u"Rotate right (Alt+2)", 18, command::RotateRight},
    {u"Rotate left (Alt+1)", 19, command::RotateLeft},
    {u"Auto rotate (Alt+3)", 20, command::AutoRotate},
    {u"Mirror vertical", 21, command::MirrorVertical},
    {u"Greyscale", 22, command::Greyscale},
};

constexpr TaskItem kAdvancedTasks[] = {
    {u"Save the list as a picture list (Ctrl+L)", 23, command::ExportList},
    {u"Restore original picture", 24, command::RestoreOriginal},
    {u"Set the file date to the EXIF date (Ctrl+X)", 25, command::FileDateFromExif},
    {u"Split panorama", 26, command::SplitPanorama},
};

} // namespace

std::span<const TaskItem> taskItems()
{
    return kTaskItems;
}

std::span<const TaskItem> pictureTaskItems()
{
    return kPictureTasks;
}

std::span<const TaskItem> advancedTaskItems()
{
    return kAdvancedTasks;
}

bool taskItemEnabled(const TaskItem& item, const CommandContext& context)
{
    return commandEnabled(item.command, context);
}

const TaskItem* findTaskItem(std::span<const TaskItem> items, const QString& prefix)
{
    for (const TaskItem& item : items)
        if (QString::fromUtf16(item.text).startsWith(prefix))
            return &item;
    return nullptr;
}

} // namespace vistello
