#include "support/SaveOpenSave.h"

#include "document/CTournelDoc.h"
#include "document/DatabaseFile.h"
#include "model/cUserPrompt.h"

std::string SaveToBytes(const cDatabase& db)
{
    return WriteDatabase(db);
}

std::unique_ptr<CTournelDoc> OpenFromBytes(std::string_view bytes)
{
    cSilentPrompt prompt;
    cDatabase loaded;
    if (ReadDatabase(bytes, loaded, prompt) != eReadStatus::kOk) {
        return nullptr;
    }
    auto doc = std::make_unique<CTournelDoc>();
    doc->TakeContentsFrom(loaded);
    doc->SetModifiedFlag(false);
    return doc;
}

cSaveOpenSave SaveOpenSave(const cDatabase& db)
{
    cSaveOpenSave out;
    out.saved = SaveToBytes(db);
    const std::unique_ptr<CTournelDoc> doc = OpenFromBytes(out.saved);
    if (!doc) {
        return out;
    }
    out.opened = true;
    doc->CourtTime().m_bUpToDate = db.CourtTime().m_bUpToDate;
    doc->Unscheduled().m_bUpToDate = db.Unscheduled().m_bUpToDate;
    doc->Scheduled().m_bUpToDate = db.Scheduled().m_bUpToDate;
    doc->Results().m_bUpToDate = db.Results().m_bUpToDate;
    out.resaved = SaveToBytes(*doc);
    return out;
}
