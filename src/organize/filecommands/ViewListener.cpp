#include "organize/filecommands/ViewListener.h"

#include <map>
#include <vector>

namespace vistello {

namespace {

struct Registry {
    std::map<int, ViewListener*> listeners;
    int nextId = 1;
};

Registry& registry()
{
    static Registry r;
    return r;
}

} // namespace

ViewListener::ViewListener()
    : id_(registry().nextId++)
{
    registry().listeners.emplace(id_, this);
}

ViewListener::~ViewListener()
{
    registry().listeners.erase(id_);
}

void broadcastToViews(const std::function<void(ViewListener&)>& operation)
{
    std::vector<int> ids;
    for (const auto& [id, listener] : registry().listeners)
        ids.push_back(id);
    for (int id : ids) {
        const auto it = registry().listeners.find(id);
        if (it != registry().listeners.end())
            operation(*it->second);
    }
}

} // namespace vistello
