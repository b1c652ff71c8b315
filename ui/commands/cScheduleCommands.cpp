#include "ui/commands/cScheduleCommands.h"

#include "model/Strings.h"
#include "model/cLeague.h"
#include "model/cMatch.h"
#include "model/cPlayoffMatch.h"
#include "model/cUnscheduledMatch.h"
#include "scheduling/AutoScheduler.h"
#include "scheduling/CheckPlacements.h"
#include "scheduling/ConflictReplanning.h"
#include "scheduling/Improvement.h"
#include "scheduling/ManualScheduling.h"
#include "scheduling/ScheduleEditing.h"
#include "ui/commands/cEditCommands.h"
#include "ui/dialogs/CManualScheduleDialog.h"
#include "ui/dialogs/CPlayoffMatchDialog.h"
#include "ui/dialogs/CReplanConflictsDialog.h"
#include "ui/window/CommandIds.h"
#include "ui/window/cConflictPanel.h"
#include "ui/window/cTournelListView.h"
#include "ui/window/cViewSync.h"

#include <QAction>

#include <string>

void cScheduleCommands::OnRemoveSelectedMatches()
{
    if (m_frame.CurrentDirectory() == kDirScheduled) {
        m_frame.Edit().DeleteSelected();
    }
}

void cScheduleCommands::OnScheduleAutomatically()
{
    m_doc.BackupIfDue();
    ScheduleAutomatically(m_doc);
    ShowScheduleChanged();
}

void cScheduleCommands::OnImproveSchedule()
{
    m_doc.BackupIfDue();
    ImproveSchedule(m_doc);
    ShowScheduleChanged();
}

void cScheduleCommands::ShowScheduleChanged()
{
    switch (m_frame.CurrentDirectory()) {
    case kDirScheduled:
    case kDirUnscheduled:
    case kDirCourtTime:
    case kDirResults:
        m_frame.Views().RefreshList();
        break;
    default:
        m_frame.Views().BringViewsUpToDate();
        break;
    }
    m_frame.UpdateTitle();
    m_frame.UpdateCommands();
}

void cScheduleCommands::OnRenumberMatches()
{
    m_doc.BackupIfDue();
    if (!RenumberMatches(m_doc)) {
        return;
    }
    if (m_frame.CurrentDirectory() == kDirScheduled || m_frame.CurrentDirectory() == kDirResults) {
        m_frame.Views().RefreshList();
    }
    m_frame.UpdateTitle();
}

void cScheduleCommands::ShowPlacedMatch(cMatch* match)
{
    m_frame.Views().RefreshList();
    if (match != nullptr && m_frame.CurrentDirectory() == kDirScheduled) {
        const int row = m_frame.List().Model().RowOf(match);
        if (row >= 0) {
            m_frame.List().SelectOnly(row);
        }
    }
    m_frame.UpdateTitle();
    m_frame.UpdateCommands();
}

void cScheduleCommands::OnScheduleManually()
{
    auto* match = dynamic_cast<cUnscheduledMatch*>(m_frame.Views().GetCurrentItem());
    if (m_frame.CurrentDirectory() != kDirUnscheduled || match == nullptr) {
        return;
    }
    m_doc.BackupIfDue();
    const cLeague* league = m_doc.GetLeague(match->GetLeague());
    if (league == nullptr) {
        m_doc.Prompt().ShowMessage(IDS_UNEXPECTED_ERROR);
        return;
    }
    cManualPlacement placement;
    if (!RunManualScheduleDialog(m_doc, match, league->m_nGameDuration, &m_frame, placement)) {
        return;
    }
    ScheduleMatch(m_doc, *placement.courtTime, placement.start, placement.end, *match, true);
    ShowPlacedMatch(nullptr);
}

void cScheduleCommands::OnMoveMatch()
{
    auto* match = dynamic_cast<cMatch*>(m_frame.Views().GetCurrentItem());
    if (m_frame.CurrentDirectory() != kDirScheduled || match == nullptr) {
        return;
    }
    m_doc.BackupIfDue();
    cMatch* placed = nullptr;
    {
        cMatchMove move(m_doc, *match);
        cManualPlacement placement;
        if (!RunManualScheduleDialog(m_doc, move.Pairing(), move.Duration(), &m_frame, placement,
                                     &move.Moving())) {
            return; // the move puts everything back
        }
        placed = move.Commit(placement);
    }
    ShowPlacedMatch(placed);
}

void cScheduleCommands::OnInsertPlayoff()
{
    m_doc.BackupIfDue();
    if (cPlayoffMatch* placed = RunInsertPlayoffDialog(m_doc, &m_frame)) {
        ShowPlacedMatch(placed);
    }
}

void cScheduleCommands::OnRemoveAutoScheduled()
{
    m_doc.BackupIfDue();
    if (RemoveAutoScheduledMatches(m_doc).removed == 0) {
        return;
    }
    if (m_frame.CurrentDirectory() == kDirScheduled || m_frame.CurrentDirectory() == kDirUnscheduled) {
        m_frame.Views().RefreshList();
    } else {
        m_frame.Views().BringViewsUpToDate();
    }
    m_frame.UpdateTitle();
    m_frame.UpdateCommands();
}

void cScheduleCommands::OnCheckSchedule()
{
    m_frame.Action(ID_VIEW_CONFLICTS)->setChecked(true);
    const int conflicts = m_frame.Conflicts().ShowChecked();
    if (conflicts == 0) {
        m_doc.Prompt().ShowMessage(IDS_CHECK_NO_CONFLICTS);
    } else if (conflicts == 1) {
        m_doc.Prompt().ShowMessage(IDS_CHECK_ONE_CONFLICT);
    } else {
        m_doc.Prompt().ShowMessage(IDS_CHECK_CONFLICTS,
                                   FormatString(IDS_CHECK_CONFLICTS, {std::to_string(conflicts)}));
    }
}

void cScheduleCommands::OnReplanConflicts()
{
    m_doc.BackupIfDue();
    const int conflicts = static_cast<int>(CheckPlacements(m_doc).size());
    if (conflicts == 0) {
        m_doc.Prompt().ShowMessage(IDS_REPLAN_NOTHING);
        return;
    }
    bool allConflicts = false;
    if (!RunReplanConflictsDialog(m_doc, conflicts, &m_frame, allConflicts)) {
        return;
    }
    ReplanConflicts(m_doc, allConflicts);
    ShowScheduleChanged();
}
