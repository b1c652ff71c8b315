#pragma once

// What the tests that drive the window through random steps share: the
// random engine, a pick among `count`, and every node of the directory tree.

#include "ui/window/CTournelView.h"

#include <QTreeWidgetItem>

#include <random>
#include <vector>

using cRandomEngine = std::mt19937;

// 0 ... count - 1; 0 when there is nothing to pick from.
inline int Pick(cRandomEngine& rng, int count)
{
    return count <= 0 ? 0 : static_cast<int>(rng() % static_cast<unsigned>(count));
}

inline std::vector<QTreeWidgetItem*> AllNodes(CTournelView& tree)
{
    std::vector<QTreeWidgetItem*> nodes;
    std::vector<QTreeWidgetItem*> pending;
    if (tree.Root() != nullptr) {
        pending.push_back(tree.Root());
    }
    while (!pending.empty()) {
        QTreeWidgetItem* node = pending.back();
        pending.pop_back();
        nodes.push_back(node);
        for (int i = 0; i < node->childCount(); ++i) {
            pending.push_back(node->child(i));
        }
    }
    return nodes;
}
