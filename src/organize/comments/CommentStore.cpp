#include "organize/comments/CommentStore.h"

#include "core/lists/ListFileComments.h"

namespace vistello {

CommentStore& CommentStore::instance()
{
    static CommentStore store;
    return store;
}

QString CommentStore::get(const QString& path) const
{
    return ListFileComments::instance().get(path);
}

} // namespace vistello
