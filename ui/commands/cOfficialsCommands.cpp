#include "ui/commands/cOfficialsCommands.h"

#include "model/cMatch.h"
#include "officials/AutoAssign.h"
#include "officials/RemoveOfficials.h"
#include "officials/cAutoAssignValues.h"
#include "ui/dialogs/CAutoAssignDialog.h"
#include "ui/dialogs/CManualAssignDialog.h"
#include "ui/window/cTournelListView.h"
#include "ui/window/cViewSync.h"

void cOfficialsCommands::RedrawAfterOfficialsChanged()
{
    if (m_frame.CurrentDirectory() == kDirOfficials || m_frame.CurrentDirectory() == kDirScheduled) {
        m_frame.Views().RefreshList();
    }
    m_frame.UpdateTitle();
    m_frame.UpdateCommands();
}

void cOfficialsCommands::OnAssignAutomatically()
{
    m_doc.BackupIfDue();
    cAutoAssignValues chosen;
    if (!RunAutoAssignDialog(m_doc, &m_frame, chosen)) {
        return;
    }
    AssignOfficialsAutomatically(m_doc, chosen.EndLimit(), chosen.officials);
    RedrawAfterOfficialsChanged();
}

void cOfficialsCommands::OnAssignManually()
{
    auto* match = dynamic_cast<cMatch*>(m_frame.Views().GetCurrentItem());
    if (m_frame.CurrentDirectory() != kDirScheduled || match == nullptr) {
        return;
    }
    m_doc.BackupIfDue();
    if (RunManualAssignDialog(m_doc, *match, &m_frame)) {
        RedrawAfterOfficialsChanged();
    }
}

void cOfficialsCommands::OnRemoveOfficials(int slot)
{
    if (m_frame.CurrentDirectory() != kDirScheduled) {
        return;
    }
    if (slot >= 0) {
        m_doc.BackupIfDue();
    }
    std::vector<cMatch*> matches;
    for (const int row : m_frame.List().SelectedRows()) {
        if (auto* match = dynamic_cast<cMatch*>(m_frame.List().Model().ItemAt(row))) {
            matches.push_back(match);
        }
    }
    if (RemoveOfficials(m_doc, matches, slot)) {
        RedrawAfterOfficialsChanged();
    }
}
