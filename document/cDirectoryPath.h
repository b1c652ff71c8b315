#pragma once

// Where a directory of the tree stands, in numbers that outlive the objects:
// the top-level container's directory id, then for each item with
// directories on the way its index number and the directory id of the child
// container. A database read again from the same bytes (Undo) finds the
// directory again by it.

#include <vector>

class cDatabase;
class cTournelObject;

class cDirectoryPath
{
public:
    // `object`: a container, an item with directories of its own (a league,
    // team or official: its folder), or null for the root.
    static cDirectoryPath Of(const cTournelObject* object);

    // The object in `db` the path leads to; where a step no longer exists,
    // the last object found before it (its parent directory), null for the root.
    cTournelObject* Find(cDatabase& db) const;

    bool IsRoot() const { return m_steps.empty(); }
    bool operator==(const cDirectoryPath&) const = default;

private:
    struct cStep
    {
        bool item;  // an item: `number` is its index number (an indexed container) or place in the list
        int number; // a container: its directory id

        bool operator==(const cStep&) const = default;
    };

    std::vector<cStep> m_steps; // from the root down
};
