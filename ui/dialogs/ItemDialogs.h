#pragma once

// The property dialogs of the item directories, registered for Insert and
// Properties, and the dialogs of the commands Repeat Time, Duplicate Time and
// Settings > Schedule.
//
// A registered `create` runs the dialog, and on OK the dialog inserts the new
// item through the core (which also does the follow-ups: a team's standings
// row, a league's rating bands, the merging of court time). `create` then
// answers a stand-in that owns nothing and that only the registered `add`
// understands: `add` answers the item as it stands in the container. So the
// frame must not repeat those follow-ups; it rebuilds the tree and the list.

#include <QtGlobal>

#include <functional>

class CTournelDoc;
class QDialog;
class QWidget;
class cItemDialogRegistry;
class cUnusedTime;

// Registers courts, court time, leagues, officials, teams, home grounds,
// holidays, team conflicts and preferred playing times.
void RegisterItemDialogs(cItemDialogRegistry& registry);

// "Repeat Time" and "Duplicate Time" on the selected free period, and
// "Settings > Schedule...". Each answers true when it changed the database.
bool RunRepeatCourtTime(CTournelDoc& doc, cUnusedTime& period, QWidget* parent);
bool RunDuplicateCourtTime(CTournelDoc& doc, cUnusedTime& period, QWidget* parent);
bool RunScheduleSettings(CTournelDoc& doc, QWidget* parent);

// How the functions above and the registered ones run a dialog; answers its
// result code. QDialog::exec() unless replaced: tests put a function here
// that fills the fields and calls accept() or reject(), so that no modal loop
// ever starts. An empty function restores exec(); answers the one replaced.
using DialogRunner = std::function<int(QDialog& dialog)>;
DialogRunner SetDialogRunner(DialogRunner runner);
