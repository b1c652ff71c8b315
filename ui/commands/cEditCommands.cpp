#include "ui/commands/cEditCommands.h"

#include "model/Strings.h"
#include "model/cCloseCourtsValues.h"
#include "model/cIndexedDb.h"
#include "model/cLeague.h"
#include "model/cUnusedTime.h"
#include "scheduling/CourtClosure.h"
#include "scheduling/ScheduleEditing.h"
#include "ui/commands/cScheduleCommands.h"
#include "ui/dialogs/CCloseCourtsDialog.h"
#include "ui/dialogs/CFindDialog.h"
#include "ui/dialogs/CViewFilterDialog.h"
#include "ui/dialogs/ItemDialogs.h"
#include "ui/dialogs/cItemDialogRegistry.h"
#include "ui/window/CTournelView.h"
#include "ui/window/cTournelListView.h"
#include "ui/window/cViewSync.h"

#include <new>

void cEditCommands::EditItem(cDbItem& item, int row)
{
    const cItemDialogRegistry::cEntry* entry =
        cItemDialogRegistry::Instance().Find(m_frame.CurrentDirectory());
    if (entry == nullptr || !entry->edit) {
        return;
    }
    if (!entry->edit(m_doc, item, &m_frame)) {
        return;
    }
    m_frame.Tree().UpdateItemNode(item);
    cTournelDb* container = item.GetOwner();
    if (m_frame.Views().IsStale() || (container != nullptr && container->m_bRelistOnEdit != 0)) {
        m_frame.Views().RefreshList();
    } else {
        m_frame.List().Model().RowChanged(row);
    }
    m_frame.UpdateTitle();
}

void cEditCommands::OnInsertItem()
{
    try {
        InsertItem();
    } catch (const std::bad_alloc&) {
        // Whatever was created is released on the way out.
        m_doc.Prompt().ShowMessage(IDS_OUT_OF_MEMORY);
        m_frame.Views().RefreshList();
    }
}

void cEditCommands::InsertItem()
{
    m_doc.BackupIfDue();
    cTournelDb* container = m_frame.CurrentContainer();
    if (container == nullptr || container->m_bReadOnly != 0) {
        m_doc.Prompt().ShowMessage(IDS_UNEXPECTED_ERROR);
        return;
    }
    const cItemDialogRegistry::cEntry* entry =
        cItemDialogRegistry::Instance().Find(m_frame.CurrentDirectory());
    if (entry == nullptr || !entry->create) {
        return;
    }
    std::unique_ptr<cDbItem> item = entry->create(m_doc, *container, &m_frame);
    if (!item) {
        return;
    }
    cDbItem* added = nullptr;
    if (entry->add) {
        added = entry->add(m_doc, *container, std::move(item));
    } else if (auto* indexed = dynamic_cast<cIndexedDb*>(container);
               indexed != nullptr && dynamic_cast<cIndexedDbItem*>(item.get()) != nullptr) {
        std::unique_ptr<cIndexedDbItem> indexedItem(static_cast<cIndexedDbItem*>(item.release()));
        added = &indexed->AddIndexedItem(std::move(indexedItem), true, -1);
    } else {
        added = &container->AddItem(std::move(item), true);
    }
    if (added == nullptr) {
        return;
    }
    m_doc.SetModifiedFlag();
    switch (m_frame.CurrentDirectory()) {
    case kDirLeagues:
    case kDirOfficials:
        m_frame.Tree().RebuildBranch(*container);
        break;
    case kDirTeams:
        m_frame.Tree().RebuildBranch(*container);
        // The league's table gains a team and the matches to play change.
        if (cDbItem* league = container->GetOwnerItem()) {
            if (cTournelDb* table = league->GetChild(cLeague::kTable)) {
                table->m_bUpToDate = 0;
            }
        }
        m_doc.Unscheduled().m_bUpToDate = 0;
        break;
    default:
        break;
    }
    m_frame.Views().FillList(*container);
    if (m_frame.CurrentDirectory() == kDirScheduled) {
        // The new playoff match is where the user looks next.
        if (const int row = m_frame.List().Model().RowOf(added); row >= 0) {
            m_frame.List().SelectOnly(row);
        }
    }
    m_frame.UpdateTitle();
}

void cEditCommands::OnInsertInto(cTournelDb& container)
{
    m_frame.Views().SelectDirectory(&container, true, true);
    OnInsertItem();
}

void cEditCommands::OnProperties()
{
    m_doc.BackupIfDue();
    const int row = m_frame.List().CurrentRow();
    if (cDbItem* item = m_frame.List().Model().ItemAt(row)) {
        EditItem(*item, row);
    }
}

void cEditCommands::OnDeleteItem()
{
    m_doc.BackupIfDue();
    DeleteSelected();
}

void cEditCommands::DeleteSelected()
{
    cTournelDb* container = m_frame.CurrentContainer();
    if (container == nullptr || container->m_bReadOnly != 0 || m_frame.List().SelectedRows().empty()) {
        return;
    }
    if (!m_doc.Prompt().AskYesNo(IDS_DELETE_QUESTION)) {
        return;
    }
    // Deleting a played match deletes its result, and so does deleting the
    // court, league or team it belongs to: that is said first.
    std::vector<const cDbItem*> items;
    for (const int row : m_frame.List().SelectedRows()) {
        if (const cDbItem* item = m_frame.List().Model().ItemAt(row)) {
            items.push_back(item);
        }
    }
    if (!ConfirmDeletingItems(m_doc, items)) {
        return;
    }
    m_doc.Prompt().BeginWait(GetString(IDS_JUST_A_MOMENT));
    m_frame.Views().MarkSelected();
    m_frame.List().StoreCursor();
    cDbItem* item = container->GetFirst();
    while (item != nullptr) {
        cDbItem* next = cTournelDb::GetNext(*item);
        if (item->m_bMarked != 0) {
            item->m_bMarked = 0;
            if (QTreeWidgetItem* node = CTournelView::NodeOf(item)) {
                // The node goes first: afterwards its object would no longer exist.
                m_frame.Tree().DeleteNode(node);
            }
            container->DeleteItem(*item, m_doc);
        }
        item = next;
    }
    m_doc.Prompt().EndWait();
    m_frame.Views().RefreshList();
    m_frame.UpdateTitle();
}

void cEditCommands::OnFind()
{
    cTournelDb* container = m_frame.CurrentContainer();
    if (container == nullptr) {
        return;
    }
    if (container->GetFirst() == nullptr) {
        m_doc.Prompt().ShowMessage(IDS_DIRECTORY_EMPTY);
        return;
    }
    const cDbItem* start = m_frame.Views().GetCurrentItem();
    const bool hadRow = start != nullptr;
    if (!hadRow) {
        start = container->GetFirst();
    }
    CFindDialog::cValues values;
    values.texts = m_findTexts;
    CFindDialog dialog(values, &m_frame);
    if (m_frame.RunDialog(dialog) != QDialog::Accepted) {
        return;
    }
    values = dialog.Values();
    m_findTexts = values.texts;
    if (!hadRow && !values.forward) {
        start = container->GetLast();
    }
    const std::string texts[3] = {values.texts[0], values.texts[1], values.texts[2]};
    const cDbItem* found =
        container->FindItem(texts, start, values.forward, values.fromEnd, values.wholeWord, values.all);
    if (found == nullptr) {
        m_doc.Prompt().ShowMessage(IDS_CANNOT_FIND_ITEM);
        return;
    }
    m_frame.List().setFocus();
    m_frame.List().SelectOnly(m_frame.List().Model().RowOf(found));
    m_frame.UpdateCommands();
}

void cEditCommands::OnSelectAll()
{
    m_doc.BackupIfDue();
    m_frame.List().setFocus();
    m_frame.List().selectAll();
    m_frame.UpdateCommands();
}

void cEditCommands::OnViewFilter()
{
    m_doc.BackupIfDue();
    CViewFilterDialog dialog(m_doc, &m_frame);
    if (m_frame.RunDialog(dialog) != QDialog::Accepted) {
        return;
    }
    m_doc.m_nCourtFilter = dialog.CourtFilter();
    m_doc.m_nLeagueFilter = dialog.LeagueFilter();
    for (cTournelDb* container :
         {&m_doc.Scheduled(), &m_doc.Unscheduled(), &m_doc.Results(), &m_doc.CourtTime()}) {
        container->m_bUpToDate = 0;
    }
    switch (m_frame.CurrentDirectory()) {
    case kDirScheduled:
    case kDirUnscheduled:
    case kDirResults:
    case kDirCourtTime:
        m_frame.Views().FillList(*m_frame.CurrentContainer());
        break;
    default:
        break;
    }
}

void cEditCommands::OnRepeatTime()
{
    m_doc.BackupIfDue();
    auto* period = dynamic_cast<cUnusedTime*>(m_frame.Views().GetCurrentItem());
    if (period != nullptr && RunRepeatCourtTime(m_doc, *period, &m_frame)) {
        m_frame.Views().RefreshList();
        m_frame.UpdateTitle();
    }
}

void cEditCommands::OnDuplicateTime()
{
    m_doc.BackupIfDue();
    auto* period = dynamic_cast<cUnusedTime*>(m_frame.Views().GetCurrentItem());
    if (period != nullptr && RunDuplicateCourtTime(m_doc, *period, &m_frame)) {
        m_frame.Views().RefreshList();
        m_frame.UpdateTitle();
    }
}

void cEditCommands::OnCloseCourts()
{
    if (const cValidation refused = CanCloseCourts(m_doc)) {
        m_doc.Prompt().ShowMessage(refused->messageId, refused->text);
        return;
    }
    m_doc.BackupIfDue();
    cCloseCourtsValues chosen;
    if (!RunCloseCourtsDialog(m_doc, &m_frame, chosen)) {
        return;
    }
    CloseCourts(m_doc, chosen);
    m_frame.Schedule().ShowScheduleChanged();
}
