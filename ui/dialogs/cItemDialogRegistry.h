#pragma once

// Which property dialog belongs to which directory. The dialogs register
// themselves here; Insert and Properties (and a double-click on an item row)
// only look them up, so the frame never names a dialog class.

#include <functional>
#include <map>
#include <memory>

class CTournelDoc;
class QWidget;
class cDbItem;
class cTournelDb;

class cItemDialogRegistry
{
public:
    struct cEntry
    {
        // Runs the dialog for a new item of `container` and answers it, or
        // null when the user cancelled. Null function: Insert does nothing.
        std::function<std::unique_ptr<cDbItem>(CTournelDoc& doc, cTournelDb& container, QWidget* parent)>
            create;
        // Adds the new item; answers the item as it now stands in the
        // container, or null when it was refused (the function tells the user).
        // Null function: AddIndexedItem with a new number for indexed
        // containers, AddItem otherwise, both sorted.
        std::function<cDbItem*(CTournelDoc& doc, cTournelDb& container, std::unique_ptr<cDbItem> item)> add;
        // Runs the dialog on an existing item; true when the item changed.
        // Null function: Properties opens nothing for this directory.
        std::function<bool(CTournelDoc& doc, cDbItem& item, QWidget* parent)> edit;
    };

    // The registry the application uses.
    static cItemDialogRegistry& Instance();

    void Register(int directoryId, cEntry entry) { m_entries[directoryId] = std::move(entry); }
    void Unregister(int directoryId) { m_entries.erase(directoryId); }
    void Clear() { m_entries.clear(); }
    // Null when no dialog is registered for the directory.
    const cEntry* Find(int directoryId) const;

private:
    std::map<int, cEntry> m_entries;
};
