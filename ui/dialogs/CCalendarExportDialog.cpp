#include "ui/dialogs/CCalendarExportDialog.h"

#include "document/CTournelDoc.h"
#include "model/cCourt.h"
#include "model/cLeague.h"
#include "model/cReferee.h"
#include "model/cTeam.h"
#include "ui/dialogs/CNumberSpinBox.h"
#include "ui/dialogs/DialogFields.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

CCalendarExportDialog::CCalendarExportDialog(CTournelDoc& doc, QWidget* parent)
    : CPropertyDialog(doc, QStringLiteral("Export calendar"), parent)
    , m_chosen(cCalendarExportValues::FromDatabase(doc))
{
    // One list of everybody whose matches a calendar can hold.
    m_pMatchesOf = new QComboBox(this);
    const auto add = [this](const QString& text, const cCalendarExport& selection) {
        m_pMatchesOf->addItem(text);
        m_selections.push_back(selection);
    };
    add(QStringLiteral("All matches"), {});
    for (const cLeague& league : doc.Leagues().Items<cLeague>()) {
        add(QStringLiteral("League: ") + ToQString(league.m_strName), {.league = league.m_nIndex});
    }
    for (const cLeague& league : doc.Leagues().Items<cLeague>()) {
        for (const cTeam& team : league.Teams().Items<cTeam>()) {
            add(QStringLiteral("Team: ") + ToQString(league.m_strShortName + ": " + team.m_strName),
                {.league = league.m_nIndex, .team = team.m_nIndex});
        }
    }
    for (const cCourt& court : doc.Courts().Items<cCourt>()) {
        add(QStringLiteral("Court: ") + ToQString(court.m_strName), {.court = court.m_nIndex});
    }
    for (const cReferee& official : doc.Officials().Items<cReferee>()) {
        add(QStringLiteral("Official: ") + ToQString(official.m_strName), {.official = official.m_nIndex});
    }
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Matches of:"), m_pMatchesOf);

    auto* dates = new QHBoxLayout;
    dates->addWidget(NewPrintDateGroup(QStringLiteral("Start date"), &m_dates[0], this));
    dates->addWidget(NewPrintDateGroup(QStringLiteral("Final date"), &m_dates[3], this));
    const int values[6] = {m_chosen.start.day, m_chosen.start.month, m_chosen.start.year,
                           m_chosen.final.day, m_chosen.final.month, m_chosen.final.year};
    for (std::size_t i = 0; i < m_dates.size(); ++i) {
        m_dates[i]->setValue(values[i]);
        SetField(cCalendarExportValues::kFieldStartDay + static_cast<int>(i), m_dates[i]);
    }
    SetField(cCalendarExportValues::kFieldMatchesOf, m_pMatchesOf);

    auto* content = new QVBoxLayout;
    content->addLayout(form);
    content->addLayout(dates);
    SetContent(content);
}

cCalendarExportValues CCalendarExportDialog::Values() const
{
    cCalendarExportValues values;
    const int entry = m_pMatchesOf->currentIndex();
    if (entry >= 0 && static_cast<std::size_t>(entry) < m_selections.size()) {
        values.matchesOf = m_selections[static_cast<std::size_t>(entry)];
    }
    int dates[6] = {};
    for (std::size_t i = 0; i < m_dates.size(); ++i) {
        dates[i] = ReadSpinBox(*m_dates[i]);
    }
    values.start = {dates[0], dates[1], dates[2]};
    values.final = {dates[3], dates[4], dates[5]};
    return values;
}

void CCalendarExportDialog::accept()
{
    const cCalendarExportValues values = Values();
    if (Refuse(Validate(values))) {
        return;
    }
    m_chosen = values;
    QDialog::accept();
}
