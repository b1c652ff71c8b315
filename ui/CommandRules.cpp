#include "ui/CommandRules.h"

#include "model/cDatabase.h"
#include "ui/CommandIds.h"

bool CommandRuleHolds(int commandId, const cCommandContext& context)
{
    const cDatabase& db = context.db;
    const cTournelDb* container = context.container;
    const int directory = context.directory;
    const bool hasCurrentRow = context.hasCurrentRow;
    const bool writable = container != nullptr && container->m_bReadOnly == 0;
    const bool hasScheduled = db.HasContainers() && db.Scheduled().GetCount() > 0;

    switch (commandId) {
    case ID_INSERT_ITEM:
        return writable;
    case ID_PROPERTIES:
        return container != nullptr && hasCurrentRow && (writable || directory == kDirResults);
    case ID_DELETE_ITEM:
        return writable && hasCurrentRow;
    case ID_EDIT_REPEAT:
    case ID_DUPLICATE_TIME:
        return directory == kDirCourtTime && hasCurrentRow;
    case ID_EDIT_FIND:
    case ID_EDIT_SELECT_ALL:
        return container != nullptr;
    case ID_FILE_IMPORT:
        return db.HasContainers();
    case ID_SCHEDULE_AUTO:
        return db.HasContainers() && (db.Unscheduled().GetCount() > 0 || db.Unscheduled().m_bUpToDate == 0);
    case ID_SCHEDULE_MANUAL:
        return directory == kDirUnscheduled && hasCurrentRow;
    case ID_SCHEDULE_RENUMBER:
    case ID_REMOVE_AUTO_SCHEDULED:
    case ID_PRINT_SCHEDULE:
    case ID_EXPORT_CALENDAR:
        return hasScheduled;
    case ID_MOVE_MATCH:
    case ID_OFFICIALS_MANUAL:
    case ID_REMOVE_ALL_OFFICIALS:
        return directory == kDirScheduled && hasCurrentRow;
    case ID_REMOVE_OFFICIAL1:
    case ID_REMOVE_OFFICIAL1 + 1:
    case ID_REMOVE_OFFICIAL1 + 2:
    case ID_REMOVE_OFFICIAL1 + 3:
    case ID_REMOVE_OFFICIAL1 + 4:
        return directory == kDirScheduled && hasCurrentRow &&
               db.m_nOfficialsPerGame >= commandId - ID_REMOVE_OFFICIAL1 + 1;
    case ID_REMOVE_SELECTED_MATCHES:
        return container != nullptr && hasCurrentRow && directory == kDirScheduled;
    case ID_INSERT_PLAYOFF:
        return db.HasContainers() && db.CourtTime().GetCount() > 0;
    case ID_OFFICIALS_AUTO:
        return hasScheduled && db.Officials().GetCount() > 0;
    case ID_ENTER_RESULT:
        return directory == kDirScheduled && hasCurrentRow;
    case ID_REMOVE_RESULTS:
        return directory == kDirResults && hasCurrentRow;
    case ID_PRINT_TABLES:
        return db.HasContainers() && db.Results().GetCount() > 0;
    case ID_EDIT_UNDO:
        return context.canUndo;
    case ID_EDIT_REDO:
        return context.canRedo;
    default:
        return true;
    }
}
