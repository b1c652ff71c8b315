#pragma once

// Small builders of the dialogs' fields: texts between the core's UTF-8 and
// Qt, reading number fields, and the lists of courts, weekdays,
// leagues and teams whose item data is the index number or Weekday.

#include <QString>

#include <string>
#include <string_view>

class CNumberSpinBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QSpinBox;
class QWidget;
class cDatabase;
class cLeague;

QString ToQString(std::string_view text);
std::string ToStdString(const QString& text);

// The value including text typed but not yet taken over. Number fields are
// CNumberSpinBox, so that a number typed outside the range reaches the
// dialog's check as typed.
int ReadSpinBox(QSpinBox& spin);

// A label that shows the weekday, in `language`, of the date typed into the
// three spin boxes, following every keystroke; empty while the date is not
// one the dialog would take at `hhmm` (TypedDateWeekday). It is as wide as
// the language's longest weekday name, so the dialog keeps its size.
QLabel* NewWeekdayLabel(QSpinBox& day, QSpinBox& month, QSpinBox& year, int language, QWidget* parent,
                        int hhmm = 0);

// Day, month and year of a print dialog's date (years cPrintDate allows) in a
// group of its own; the three boxes go to fields[0 ... 2].
QGroupBox* NewPrintDateGroup(const QString& title, CNumberSpinBox** fields, QWidget* parent);

// Courts by short name in the order of the courts directory.
void AddCourts(QComboBox& combo, const cDatabase& db);
// The weekdays Sunday ... Saturday in English, after "<None>" (-1) when the
// weekday is optional.
void AddWeekdays(QComboBox& combo, bool withNone);
// Leagues and teams by name, in the order of their directories.
void AddLeagues(QComboBox& combo, const cDatabase& db);
void AddTeams(QComboBox& combo, const cLeague& league);

// Selects the entry whose data is `value`; none when no entry has it.
void SelectData(QComboBox& combo, int value);
// The data of the selected entry, -1 when none is selected.
int SelectedData(const QComboBox& combo);
