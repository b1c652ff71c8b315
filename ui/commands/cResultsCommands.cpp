#include "ui/commands/cResultsCommands.h"

#include "model/cMatch.h"
#include "model/cResult.h"
#include "standings/Standings.h"
#include "ui/dialogs/CResultDialog.h"
#include "ui/window/cTournelListView.h"
#include "ui/window/cViewSync.h"

void cResultsCommands::OnEnterResult()
{
    auto* match = dynamic_cast<cMatch*>(m_frame.Views().GetCurrentItem());
    if (m_frame.CurrentDirectory() != kDirScheduled || match == nullptr || match->GetResult() == nullptr) {
        return;
    }
    if (RunResultDialog(m_doc, *match->GetResult(), &m_frame)) {
        m_frame.UpdateTitle();
    }
}

void cResultsCommands::OnRemoveResults()
{
    if (m_frame.CurrentDirectory() != kDirResults) {
        return;
    }
    std::vector<cResult*> results;
    for (const int row : m_frame.List().SelectedRows()) {
        if (auto* result = dynamic_cast<cResult*>(m_frame.List().Model().ItemAt(row))) {
            results.push_back(result);
        }
    }
    if (results.empty()) {
        return;
    }
    RemoveResults(m_doc, results);
    m_frame.List().ShowItems(*m_frame.CurrentContainer());
    m_frame.UpdateTitle();
}
