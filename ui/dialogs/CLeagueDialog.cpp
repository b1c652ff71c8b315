#include "ui/dialogs/CLeagueDialog.h"

#include "document/CTournelDoc.h"
#include "model/cLeague.h"
#include "ui/dialogs/CNumberSpinBox.h"
#include "ui/dialogs/DialogFields.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

using F = cLeagueValues;

// Each number field with its range, in the dialog's field order.
struct cNumberField
{
    int field;
    int low;
    int high;
};

constexpr cNumberField kNumberFields[] = {
    {F::kRounds, 1, 999},         {F::kSetsPerGame, 1, 7},       {F::kMatchReduction, 0, 98},
    {F::kMatchesPerDay, 1, 99},   {F::kMinOfficialRating, 1, 9}, {F::kMaxOfficialRating, 1, 9},
    {F::kMinCourtRating, 1, 9},   {F::kMaxCourtRating, 1, 9},    {F::kGameDuration, 1, 1440},
    {F::kLatestStart, 0, 2400},   {F::kRestTeamDays, 0, 365},    {F::kRestTeamHours, 0, 23},
    {F::kRestTeamMinutes, 0, 59}, {F::kRestPairDays, 0, 365},    {F::kRestPairHours, 0, 23},
    {F::kRestPairMinutes, 0, 59},
};

// The number values of a value set by field id.
template <class V> auto& NumberOf(V& values, int field)
{
    switch (field) {
    case F::kRounds:
        return values.rounds;
    case F::kSetsPerGame:
        return values.setsPerGame;
    case F::kMatchReduction:
        return values.matchReduction;
    case F::kMatchesPerDay:
        return values.matchesPerDay;
    case F::kMinOfficialRating:
        return values.minOfficialRating;
    case F::kMaxOfficialRating:
        return values.maxOfficialRating;
    case F::kMinCourtRating:
        return values.minCourtRating;
    case F::kMaxCourtRating:
        return values.maxCourtRating;
    case F::kGameDuration:
        return values.gameDuration;
    case F::kLatestStart:
        return values.latestStart;
    case F::kRestTeamDays:
        return values.restTeamDays;
    case F::kRestTeamHours:
        return values.restTeamHours;
    case F::kRestTeamMinutes:
        return values.restTeamMinutes;
    case F::kRestPairDays:
        return values.restPairDays;
    case F::kRestPairHours:
        return values.restPairHours;
    default:
        return values.restPairMinutes;
    }
}

} // namespace

CLeagueDialog::CLeagueDialog(CTournelDoc& doc, cLeague* editing, QWidget* parent)
    : CPropertyDialog(doc, QStringLiteral("League properties"), parent)
    , m_pEditing(editing)
{
    // Widgets are made in field order, which is also the tab order.
    auto* names = new QGroupBox(QStringLiteral("Names"), this);
    auto* namesForm = new QFormLayout(names);
    m_pShortName = new QLineEdit(names);
    m_pFullName = new QLineEdit(names);
    namesForm->addRow(QStringLiteral("Short name"), m_pShortName);
    namesForm->addRow(QStringLiteral("Full name"), m_pFullName);
    SetField(F::kShortName, m_pShortName);
    SetField(F::kFullName, m_pFullName);

    for (const cNumberField& number : kNumberFields) {
        Spin(number.field) = new CNumberSpinBox(number.low, number.high, this);
        SetField(number.field, Spin(number.field));
    }

    auto* tournament = new QGroupBox(QStringLiteral("Tournament settings"), this);
    auto* tournamentForm = new QFormLayout(tournament);
    tournamentForm->addRow(QStringLiteral("Number of rounds"), Spin(F::kRounds));
    tournamentForm->addRow(QStringLiteral("No. of sets per game (1-7)"), Spin(F::kSetsPerGame));
    tournamentForm->addRow(QStringLiteral("Reduction of the number of matches (for each team)"),
                           Spin(F::kMatchReduction));
    tournamentForm->addRow(QStringLiteral("Max. no. of matches per team each day:"), Spin(F::kMatchesPerDay));

    auto* referee = new QGroupBox(QStringLiteral("Required referee rating (1-9)"), this);
    auto* refereeForm = new QFormLayout(referee);
    refereeForm->addRow(QStringLiteral("Minimum"), Spin(F::kMinOfficialRating));
    refereeForm->addRow(QStringLiteral("Maximum"), Spin(F::kMaxOfficialRating));

    auto* court = new QGroupBox(QStringLiteral("Required court rating (1-9)"), this);
    auto* courtForm = new QFormLayout(court);
    courtForm->addRow(QStringLiteral("Minimum"), Spin(F::kMinCourtRating));
    courtForm->addRow(QStringLiteral("Maximum"), Spin(F::kMaxCourtRating));

    auto* time = new QGroupBox(QStringLiteral("Time parameters"), this);
    auto* timeForm = new QFormLayout(time);
    timeForm->addRow(QStringLiteral("Game duration [minutes]"), Spin(F::kGameDuration));
    timeForm->addRow(QStringLiteral("Latest match start time"), Spin(F::kLatestStart));

    auto* rest =
        new QGroupBox(QStringLiteral("Minimum time (days or hours and minutes) of rest between"), this);
    auto* restGrid = new QGridLayout(rest);
    const auto addRestRow = [&](int row, const QString& label, int daysField) {
        restGrid->addWidget(new QLabel(label, rest), row, 0);
        const QString units[] = {QStringLiteral("days"), QStringLiteral("hours"), QStringLiteral("min")};
        for (int i = 0; i < 3; ++i) {
            restGrid->addWidget(Spin(daysField + i), row, 1 + 2 * i);
            restGrid->addWidget(new QLabel(units[i], rest), row, 2 + 2 * i);
        }
    };
    addRestRow(0, QStringLiteral("- two matches with the same team:"), F::kRestTeamDays);
    addRestRow(1, QStringLiteral("- each time two teams meet each other:"), F::kRestPairDays);

    auto* ratings = new QHBoxLayout;
    ratings->addWidget(referee);
    ratings->addWidget(court);
    auto* content = new QVBoxLayout;
    content->addWidget(names);
    content->addWidget(tournament);
    content->addLayout(ratings);
    content->addWidget(time);
    content->addWidget(rest);
    SetContent(content);
    SetValues(editing != nullptr ? cLeagueValues::FromItem(*editing) : cLeagueValues{});
}

void CLeagueDialog::SetValues(const cLeagueValues& values)
{
    m_pShortName->setText(ToQString(values.shortName));
    m_pFullName->setText(ToQString(values.fullName));
    for (const cNumberField& number : kNumberFields) {
        Spin(number.field)->setValue(NumberOf(values, number.field));
    }
}

cLeagueValues CLeagueDialog::Values()
{
    cLeagueValues values;
    values.shortName = ToStdString(m_pShortName->text());
    values.fullName = ToStdString(m_pFullName->text());
    for (const cNumberField& number : kNumberFields) {
        NumberOf(values, number.field) = ReadSpinBox(*Spin(number.field));
    }
    return values;
}

void CLeagueDialog::accept()
{
    const cLeagueValues values = Values();
    if (Refuse(Validate(values, m_doc, m_pEditing))) {
        return;
    }
    if (m_pEditing != nullptr) {
        // A refused lowering of the rounds is told by the core; the other
        // changes are kept, so the dialog closes.
        ApplyLeague(m_doc, *m_pEditing, values);
        m_pResult = m_pEditing;
    } else {
        m_pResult = &InsertLeague(m_doc, values);
    }
    QDialog::accept();
}
