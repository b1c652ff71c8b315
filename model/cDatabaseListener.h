#pragma once

// Who shows the database (the window's tree and list) hears of every change
// to the items of a container before the change returns to its caller, so
// that a view never paints or hands out an item that is gone.

class cDbItem;
class cTournelDb;

class cDatabaseListener
{
public:
    virtual ~cDatabaseListener() = default;

    // Items were added to or taken out of `container`. `removed` is the item
    // taken out (null for an addition); it still exists during the call and
    // may come back (an edit takes an item out and adds it again sorted).
    virtual void ItemsChanged(const cTournelDb& container, const cDbItem* removed) = 0;

    // Every container is about to be destroyed or replaced (New, Open).
    virtual void ContainersReplaced() = 0;

    // The user is about to be told or asked something (`waitsForUser`), or a
    // long run reports progress and lets window events be handled.
    virtual void BeforePrompt(bool waitsForUser) = 0;
};
