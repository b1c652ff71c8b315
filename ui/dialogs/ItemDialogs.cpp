#include "ui/dialogs/ItemDialogs.h"

#include "document/CTournelDoc.h"
#include "model/CourtTime.h"
#include "model/cCourt.h"
#include "model/cHomeGround.h"
#include "model/cIllDate.h"
#include "model/cIllTeam.h"
#include "model/cLeague.h"
#include "model/cMatch.h"
#include "model/cPlayoffMatch.h"
#include "model/cPreferredTime.h"
#include "model/cReferee.h"
#include "model/cResult.h"
#include "model/cTeam.h"
#include "model/cUnusedTime.h"
#include "model/cUserPrompt.h"
#include "ui/dialogs/CAutoAssignDialog.h"
#include "ui/dialogs/CCalendarExportDialog.h"
#include "ui/dialogs/CCloseCourtsDialog.h"
#include "ui/dialogs/CCourtDialog.h"
#include "ui/dialogs/CCourtTimeDialog.h"
#include "ui/dialogs/CCriteriaDialog.h"
#include "ui/dialogs/CDuplicateCourtTimeDialog.h"
#include "ui/dialogs/CHolidayDialog.h"
#include "ui/dialogs/CHomeGroundDialog.h"
#include "ui/dialogs/CImportDialog.h"
#include "ui/dialogs/CLeagueDialog.h"
#include "ui/dialogs/CManualAssignDialog.h"
#include "ui/dialogs/CManualScheduleDialog.h"
#include "ui/dialogs/COfficialDialog.h"
#include "ui/dialogs/COfficialSettingsDialog.h"
#include "ui/dialogs/CPlayoffMatchDialog.h"
#include "ui/dialogs/CPreferredTimeDialog.h"
#include "ui/dialogs/CRepeatCourtTimeDialog.h"
#include "ui/dialogs/CReplanConflictsDialog.h"
#include "ui/dialogs/CResultDialog.h"
#include "ui/dialogs/CResultSettingsDialog.h"
#include "ui/dialogs/CScheduleSettingsDialog.h"
#include "ui/dialogs/CTeamConflictDialog.h"
#include "ui/dialogs/CTeamDialog.h"
#include "ui/dialogs/CWebTemplatesDialog.h"
#include "ui/dialogs/cItemDialogRegistry.h"
#include "ui/print/CContentPrintDialog.h"
#include "ui/print/CSchedulePrintDialog.h"
#include "ui/print/CTablePrintDialog.h"

#include <memory>

namespace {

DialogRunner& Runner()
{
    static DialogRunner runner;
    return runner;
}

bool RunDialog(QDialog& dialog)
{
    const DialogRunner& runner = Runner();
    return (runner ? runner(dialog) : dialog.exec()) == QDialog::Accepted;
}

// What `create` answers for an item its dialog has already inserted. It owns
// nothing: the container owns the item.
class cInsertedItem : public cDbItem
{
public:
    explicit cInsertedItem(cDbItem& item)
        : m_pItem(&item)
    {
    }
    std::string_view GetRuntimeClass() const override { return "cInsertedItem"; }

    cDbItem* m_pItem;
};

std::unique_ptr<cDbItem> Inserted(const CPropertyDialog& dialog)
{
    if (dialog.Result() == nullptr) {
        return nullptr;
    }
    return std::make_unique<cInsertedItem>(*dialog.Result());
}

// The stand-in's item; any other item is added the default way.
cDbItem* AddInserted(CTournelDoc& doc, cTournelDb& container, std::unique_ptr<cDbItem> item)
{
    if (!item) {
        return nullptr;
    }
    if (const auto* inserted = dynamic_cast<const cInsertedItem*>(item.get())) {
        return inserted->m_pItem;
    }
    if (auto* period = dynamic_cast<cUnusedTime*>(item.get());
        period != nullptr && &container == &doc.CourtTime()) {
        item.release();
        std::unique_ptr<cUnusedTime> owned(period);
        if (AddCourtTime(doc, std::move(owned)) == eAddCourtTime::Conflict) {
            doc.Prompt().ShowMessage(IDS_COURT_TIME_CONFLICT);
            return nullptr;
        }
        return period;
    }
    auto* indexedContainer = dynamic_cast<cIndexedDb*>(&container);
    if (auto* indexed = dynamic_cast<cIndexedDbItem*>(item.get()); indexed != nullptr && indexedContainer) {
        item.release();
        return &indexedContainer->AddIndexedItem(std::unique_ptr<cIndexedDbItem>(indexed), true, -1);
    }
    return &container.AddItem(std::move(item), true);
}

// The entry of a directory: `makeNew` makes the dialog of a new item of a
// container, `makeEdit` the one of an existing item; either answers null
// when the dialog must not open (it has told the user why, if needed).
template <class Item, class MakeNew, class MakeEdit>
cItemDialogRegistry::cEntry Entry(MakeNew makeNew, MakeEdit makeEdit)
{
    cItemDialogRegistry::cEntry entry;
    entry.create = [makeNew](CTournelDoc& doc, cTournelDb& container,
                             QWidget* parent) -> std::unique_ptr<cDbItem> {
        std::unique_ptr<CPropertyDialog> dialog = makeNew(doc, container, parent);
        if (!dialog || !RunDialog(*dialog)) {
            return nullptr;
        }
        return Inserted(*dialog);
    };
    entry.add = AddInserted;
    entry.edit = [makeEdit](CTournelDoc& doc, cDbItem& item, QWidget* parent) {
        // Only an item in its container can be changed: it is taken out and put back sorted.
        auto* typed = dynamic_cast<Item*>(&item);
        if (typed == nullptr || item.GetOwner() == nullptr) {
            return false;
        }
        std::unique_ptr<CPropertyDialog> dialog = makeEdit(doc, *typed, parent);
        return dialog && RunDialog(*dialog);
    };
    return entry;
}

// The container of an item being edited (Entry makes sure it has one); the
// dialogs of child items need it.
cTournelDb& OwnerOf(cDbItem& item)
{
    return *item.GetOwner();
}

} // namespace

DialogRunner SetDialogRunner(DialogRunner runner)
{
    DialogRunner previous = std::move(Runner());
    Runner() = std::move(runner);
    return previous;
}

void RegisterItemDialogs(cItemDialogRegistry& registry)
{
    registry.Register(kDirCourts, Entry<cCourt>(
                                      [](CTournelDoc& doc, cTournelDb&, QWidget* parent) {
                                          return std::make_unique<CCourtDialog>(doc, nullptr, parent);
                                      },
                                      [](CTournelDoc& doc, cCourt& court, QWidget* parent) {
                                          return std::make_unique<CCourtDialog>(doc, &court, parent);
                                      }));

    registry.Register(kDirCourtTime, Entry<cUnusedTime>(
                                         [](CTournelDoc& doc, cTournelDb&,
                                            QWidget* parent) -> std::unique_ptr<CPropertyDialog> {
                                             if (const auto refused = CanInsertCourtTime(doc)) {
                                                 doc.Prompt().ShowMessage(refused->messageId, refused->text);
                                                 return nullptr;
                                             }
                                             return std::make_unique<CCourtTimeDialog>(doc, nullptr, parent);
                                         },
                                         [](CTournelDoc& doc, cUnusedTime& period, QWidget* parent) {
                                             return std::make_unique<CCourtTimeDialog>(doc, &period, parent);
                                         }));

    registry.Register(kDirLeagues, Entry<cLeague>(
                                       [](CTournelDoc& doc, cTournelDb&, QWidget* parent) {
                                           return std::make_unique<CLeagueDialog>(doc, nullptr, parent);
                                       },
                                       [](CTournelDoc& doc, cLeague& league, QWidget* parent) {
                                           return std::make_unique<CLeagueDialog>(doc, &league, parent);
                                       }));

    registry.Register(kDirOfficials, Entry<cReferee>(
                                         [](CTournelDoc& doc, cTournelDb&, QWidget* parent) {
                                             return std::make_unique<COfficialDialog>(doc, nullptr, parent);
                                         },
                                         [](CTournelDoc& doc, cReferee& official, QWidget* parent) {
                                             return std::make_unique<COfficialDialog>(doc, &official, parent);
                                         }));

    registry.Register(
        kDirTeams,
        Entry<cTeam>(
            [](CTournelDoc& doc, cTournelDb& teams, QWidget* parent) -> std::unique_ptr<CPropertyDialog> {
                auto* league = dynamic_cast<cLeague*>(teams.GetOwnerItem());
                if (league == nullptr) {
                    return nullptr;
                }
                return std::make_unique<CTeamDialog>(doc, *league, nullptr, parent);
            },
            [](CTournelDoc& doc, cTeam& team, QWidget* parent) -> std::unique_ptr<CPropertyDialog> {
                cLeague* league = team.GetLeague();
                if (league == nullptr) {
                    return nullptr;
                }
                return std::make_unique<CTeamDialog>(doc, *league, &team, parent);
            }));

    registry.Register(kDirHomeGrounds,
                      Entry<cHomeGround>(
                          [](CTournelDoc& doc, cTournelDb& grounds, QWidget* parent) {
                              return std::make_unique<CHomeGroundDialog>(doc, grounds, nullptr, parent);
                          },
                          [](CTournelDoc& doc, cHomeGround& ground, QWidget* parent) {
                              return std::make_unique<CHomeGroundDialog>(doc, OwnerOf(ground), &ground,
                                                                         parent);
                          }));

    registry.Register(kDirHolidays, Entry<cIllDate>(
                                        [](CTournelDoc& doc, cTournelDb& holidays, QWidget* parent) {
                                            return std::make_unique<CHolidayDialog>(doc, holidays, nullptr,
                                                                                    parent);
                                        },
                                        [](CTournelDoc& doc, cIllDate& holiday, QWidget* parent) {
                                            return std::make_unique<CHolidayDialog>(doc, OwnerOf(holiday),
                                                                                    &holiday, parent);
                                        }));

    registry.Register(kDirTeamConflicts,
                      Entry<cIllTeam>(
                          [](CTournelDoc& doc, cTournelDb& conflicts, QWidget* parent) {
                              return std::make_unique<CTeamConflictDialog>(doc, conflicts, nullptr, parent);
                          },
                          [](CTournelDoc& doc, cIllTeam& conflict, QWidget* parent) {
                              return std::make_unique<CTeamConflictDialog>(doc, OwnerOf(conflict), &conflict,
                                                                           parent);
                          }));

    registry.Register(kDirPreferredTimes,
                      Entry<cPreferredTime>(
                          [](CTournelDoc& doc, cTournelDb& times, QWidget* parent) {
                              return std::make_unique<CPreferredTimeDialog>(doc, times, nullptr, parent);
                          },
                          [](CTournelDoc& doc, cPreferredTime& time, QWidget* parent) {
                              return std::make_unique<CPreferredTimeDialog>(doc, OwnerOf(time), &time,
                                                                            parent);
                          }));

    // Results are only entered: the directory is read-only, so no insert. The
    // result keeps its place in the list, so it is changed where it stands.
    cItemDialogRegistry::cEntry results;
    results.edit = [](CTournelDoc& doc, cDbItem& item, QWidget* parent) {
        auto* result = dynamic_cast<cResult*>(&item);
        return result != nullptr && RunResultDialog(doc, *result, parent);
    };
    registry.Register(kDirResults, std::move(results));

    // Inserting into the schedule makes a playoff match, when there is free
    // court time to put it in; only playoff matches have properties.
    registry.Register(
        kDirScheduled,
        Entry<cMatch>(
            [](CTournelDoc& doc, cTournelDb&, QWidget* parent) -> std::unique_ptr<CPropertyDialog> {
                if (doc.CourtTime().GetCount() == 0) {
                    return nullptr;
                }
                return std::make_unique<CPlayoffMatchDialog>(doc, nullptr, parent);
            },
            [](CTournelDoc& doc, cMatch& match, QWidget* parent) -> std::unique_ptr<CPropertyDialog> {
                auto* playoff = dynamic_cast<cPlayoffMatch*>(&match);
                if (playoff == nullptr) {
                    return nullptr;
                }
                return std::make_unique<CPlayoffMatchDialog>(doc, playoff, parent);
            }));
}

bool RunRepeatCourtTime(CTournelDoc& doc, cUnusedTime& period, QWidget* parent)
{
    CRepeatCourtTimeDialog dialog(doc, period, parent);
    return RunDialog(dialog);
}

bool RunDuplicateCourtTime(CTournelDoc& doc, cUnusedTime& period, QWidget* parent)
{
    CDuplicateCourtTimeDialog dialog(doc, period, parent);
    return RunDialog(dialog);
}

bool RunScheduleSettings(CTournelDoc& doc, QWidget* parent)
{
    CScheduleSettingsDialog dialog(doc, parent);
    return RunDialog(dialog);
}

bool RunResultDialog(CTournelDoc& doc, cResult& result, QWidget* parent)
{
    CResultDialog dialog(doc, result, parent);
    return RunDialog(dialog);
}

bool RunResultSettingsDialog(CTournelDoc& doc, QWidget* parent)
{
    CResultSettingsDialog dialog(doc, parent);
    return RunDialog(dialog);
}

bool RunCriteriaDialog(CTournelDoc& doc, QWidget* parent)
{
    CCriteriaDialog dialog(doc, parent);
    return RunDialog(dialog);
}

bool RunOfficialSettingsDialog(CTournelDoc& doc, QWidget* parent)
{
    COfficialSettingsDialog dialog(doc, parent);
    return RunDialog(dialog);
}

bool RunAutoAssignDialog(CTournelDoc& doc, QWidget* parent, cAutoAssignValues& chosen)
{
    CAutoAssignDialog dialog(doc, parent);
    if (!RunDialog(dialog)) {
        return false;
    }
    chosen = dialog.Chosen();
    return true;
}

bool RunManualAssignDialog(CTournelDoc& doc, cMatch& match, QWidget* parent)
{
    CManualAssignDialog dialog(doc, match, parent);
    return RunDialog(dialog);
}

bool RunManualScheduleDialog(CTournelDoc& doc, const cUnscheduledMatch* match, int duration, QWidget* parent,
                             cManualPlacement& placement, const cMatch* moving)
{
    CManualScheduleDialog dialog(doc, match, duration, parent, moving);
    if (!RunDialog(dialog)) {
        return false;
    }
    placement = dialog.Placement();
    return true;
}

cPlayoffMatch* RunInsertPlayoffDialog(CTournelDoc& doc, QWidget* parent)
{
    if (doc.CourtTime().GetCount() == 0) {
        return nullptr;
    }
    CPlayoffMatchDialog dialog(doc, nullptr, parent);
    if (!RunDialog(dialog)) {
        return nullptr;
    }
    return static_cast<cPlayoffMatch*>(dialog.Result());
}

bool RunSchedulePrintDialog(CTournelDoc& doc, QWidget* parent, cSchedulePrintValues& chosen)
{
    CSchedulePrintDialog dialog(doc, parent);
    if (!RunDialog(dialog)) {
        return false;
    }
    chosen = dialog.Chosen();
    return true;
}

bool RunTablePrintDialog(CTournelDoc& doc, QWidget* parent, cTablePrintValues& chosen)
{
    CTablePrintDialog dialog(doc, parent);
    if (!RunDialog(dialog)) {
        return false;
    }
    chosen = dialog.Chosen();
    return true;
}

bool RunContentPrintDialog(CTournelDoc& doc, QWidget* parent, cContentPrintValues& chosen)
{
    CContentPrintDialog dialog(doc, parent);
    if (!RunDialog(dialog)) {
        return false;
    }
    chosen = dialog.Chosen();
    return true;
}

bool RunCalendarExportDialog(CTournelDoc& doc, QWidget* parent, cCalendarExportValues& chosen)
{
    CCalendarExportDialog dialog(doc, parent);
    if (!RunDialog(dialog)) {
        return false;
    }
    chosen = dialog.Chosen();
    return true;
}

bool RunImportDialog(CTournelDoc& doc, QWidget* parent, std::function<QString()> browse,
                     cImportValues& chosen, std::string& text)
{
    CImportDialog dialog(doc, std::move(browse), parent);
    if (!RunDialog(dialog)) {
        return false;
    }
    chosen = dialog.Chosen();
    text = dialog.ChosenText();
    return true;
}

bool RunWebTemplatesDialog(CTournelDoc& doc, QWidget* parent)
{
    CWebTemplatesDialog dialog(doc, parent);
    return RunDialog(dialog);
}

bool RunCloseCourtsDialog(CTournelDoc& doc, QWidget* parent, cCloseCourtsValues& chosen)
{
    CCloseCourtsDialog dialog(doc, parent);
    if (!RunDialog(dialog)) {
        return false;
    }
    chosen = dialog.Chosen();
    return true;
}

bool RunReplanConflictsDialog(CTournelDoc& doc, int conflicts, QWidget* parent, bool& allConflicts)
{
    CReplanConflictsDialog dialog(doc, conflicts, parent);
    if (!RunDialog(dialog)) {
        return false;
    }
    allConflicts = dialog.AllConflicts();
    return true;
}
