#pragma once

// The commands of the Edit menu on the list's items (insert, delete,
// properties, find, select all, the court time's duplicate and repeat) and
// View > View Filter.

#include "ui/commands/cCommandHandler.h"

#include <array>
#include <string>

class cDbItem;
class cTournelDb;

class cEditCommands : public cCommandHandler
{
public:
    using cCommandHandler::cCommandHandler;

    void OnInsertItem();
    // Shows `container` and inserts into it (the toolbar's insert buttons).
    void OnInsertInto(cTournelDb& container);
    void OnProperties();
    // Edits `item`, shown in `row` of the list, with the dialog of the directory.
    void EditItem(cDbItem& item, int row);
    void OnDeleteItem();
    // Deletes the selected items of the shown container, after asking.
    void DeleteSelected();
    void OnFind();
    void OnSelectAll();
    void OnDuplicateTime();
    void OnCloseCourts();
    void OnRepeatTime();
    void OnViewFilter();

    const std::array<std::string, 3>& FindTexts() const { return m_findTexts; }

private:
    void InsertItem();

    std::array<std::string, 3> m_findTexts; // the texts of the last Find, kept until the program ends
};
