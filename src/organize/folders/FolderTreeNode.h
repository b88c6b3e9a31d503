#pragma once
// One row of the folder tree: its kind, label and folder, and the children
// read so far. Shared by the model's reading and editing halves only.
#include "organize/folders/FolderTreeModel.h"

#include <QString>
#include <memory>
#include <vector>

namespace vistello {

struct FolderTreeModel::Node {
    Node(ItemKind k, QString l, QString p, Node* up) : kind(k), label(std::move(l)), path(std::move(p)), parent(up) {}

    ItemKind kind;
    QString label;
    QString path; // folders: with "/"
    Node* parent = nullptr;
    std::vector<std::unique_ptr<Node>> children;
    bool listed = false; // folders: children read from disk

    int row() const
    {
        const auto& siblings = parent->children;
        for (size_t i = 0; i < siblings.size(); ++i)
            if (siblings[i].get() == this)
                return int(i);
        return -1;
    }
};

} // namespace vistello
