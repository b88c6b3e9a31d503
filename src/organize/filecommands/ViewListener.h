#pragma once
// How the file commands tell the views about changes. Every view that shows
// pictures or picture data derives from ViewListener: it joins the
// process-wide registry when it is constructed and leaves it when destroyed.
// A broadcast calls one operation on every registered view; each does
// nothing unless the view overrides it. User-interface thread only.
#include <QString>
#include <functional>

namespace vistello {

class ViewListener {
public:
    ViewListener();
    virtual ~ViewListener();
    ViewListener(const ViewListener&) = delete;
    ViewListener& operator=(const ViewListener&) = delete;

    int listenerId() const { return id_; }

    virtual void refreshAll() {}
    virtual void pictureChanged(const QString& /*path*/) {}         // contents or date changed
    virtual void pictureRemoved(const QString& /*path*/, int /*index*/) {} // entry removed from the current list
    virtual void deleteBegins() {}                                   // a confirmed delete starts removing files
    virtual void pictureAdded(const QString& /*path*/, int /*index*/) {}   // entry appended to the current list
    virtual void pictureReplaced(const QString& /*path*/, int /*index*/) {} // the entry now names another file
    virtual void renameBegins() {}
    virtual void renameEnds() {}
    virtual void moveBegins() {}
    virtual void moveEnds() {}
    // A folder was renamed: paths inside oldFolder now lie in newFolder.
    virtual void folderRenamed(const QString& /*oldFolder*/, const QString& /*newFolder*/) {}

private:
    int id_;
};

// Calls the operation on every registered view, in the order they joined.
// A view may leave (be destroyed) during a broadcast; it is not called then.
void broadcastToViews(const std::function<void(ViewListener&)>& operation);

} // namespace vistello
