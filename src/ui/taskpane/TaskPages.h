#pragma once
// The pages of the task pane's slot by their mode: one line per page, so a
// new page is one file of its own and one entry here.
class QWidget;

namespace vistello {

class CommandPage;
struct TaskPageContext;

// The page of mode, or null for modes whose page the controller makes
// itself (the wallpaper page) or that do not exist.
CommandPage* makeTaskPage(int mode, const TaskPageContext& context, QWidget* parent);

} // namespace vistello
