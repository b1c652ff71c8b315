// Feeds arbitrary bytes to the database reader. Whatever it accepts must
// write and read back to the same bytes, and any database it builds must be
// safe to list and rebuild. Its free court time, repaired as opening a file
// repairs it, needs no second repair.

#include "document/DatabaseFile.h"
#include "document/RepairCourtTime.h"
#include "model/cDatabase.h"
#include "model/cUserPrompt.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

// Answers Yes, so that older versions are read too.
class cYesPrompt : public cSilentPrompt
{
public:
    using cUserPrompt::AskYesNo;
    bool AskYesNo(int, std::string_view) override { return true; }
};

void Touch(cTournelDb& container)
{
    container.Refresh();
    for (cDbItem& item : container.AllItems<cDbItem>()) {
        for (int column = 0; column < 16; ++column) {
            (void)item.GetColumnText(column);
        }
        for (int slot = 0; slot < cDbItem::kChildSlots; ++slot) {
            if (cTournelDb* child = item.GetChild(slot)) {
                Touch(*child);
            }
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    cYesPrompt prompt;
    cDatabase db;
    db.m_fnClock = [] { return TimePoint{0}; };
    if (ReadDatabase(bytes, db, prompt) != eReadStatus::kOk) {
        return 0;
    }
    const std::string written = WriteDatabase(db);
    cDatabase again;
    if (ReadDatabase(written, again, prompt) != eReadStatus::kOk || WriteDatabase(again) != written) {
        std::abort();
    }
    for (cTournelDb* container :
         {static_cast<cTournelDb*>(&db.Courts()), &db.CourtTime(), static_cast<cTournelDb*>(&db.Leagues()),
          static_cast<cTournelDb*>(&db.Officials()), &db.Unscheduled(), &db.Scheduled(), &db.Results()}) {
        Touch(*container);
    }
    RepairCourtTime(db);
    if (RepairCourtTime(db) != 0) {
        std::abort();
    }
    return 0;
}
