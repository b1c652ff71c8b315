#include "ui/dialogs/CTeamConflictDialog.h"

#include "document/CTournelDoc.h"
#include "model/cIllTeam.h"
#include "model/cLeague.h"
#include "ui/dialogs/DialogFields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>

CTeamConflictDialog::CTeamConflictDialog(CTournelDoc& doc, cTournelDb& conflicts, cIllTeam* editing,
                                         QWidget* parent)
    : CPropertyDialog(doc, QStringLiteral("Team conflict"), parent)
    , m_conflicts(conflicts)
    , m_pEditing(editing)
{
    using F = cTeamConflictValues;
    m_pLeague = new QComboBox(this);
    AddLeagues(*m_pLeague, doc);
    m_pTeam = new QComboBox(this);
    // The team list is empty until it gets the focus: both lists are wide
    // enough for a name from the start.
    for (QComboBox* combo : {m_pLeague, m_pTeam}) {
        combo->setMinimumContentsLength(24);
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    }
    m_pTwinTeam = new QCheckBox(QStringLiteral("Twin team   "), this);
    auto* content = new QFormLayout;
    content->addRow(QStringLiteral("League"), m_pLeague);
    content->addRow(QStringLiteral("Team name"), m_pTeam);
    content->addRow(m_pTwinTeam);
    SetField(F::kLeague, m_pLeague);
    SetField(F::kTeam, m_pTeam);
    SetField(F::kTwinTeam, m_pTwinTeam);
    SetContent(content);

    connect(m_pLeague, &QComboBox::currentIndexChanged, m_pTeam, &QComboBox::clear);
    // A click opens the list on the press that also gives the focus; both
    // fill it.
    m_pTeam->installEventFilter(this);
    SetValues(editing != nullptr ? cTeamConflictValues::FromItem(*editing) : cTeamConflictValues{});
}

void CTeamConflictDialog::SetValues(const cTeamConflictValues& values)
{
    SelectData(*m_pLeague, values.league);
    m_pTeam->clear();
    FillTeams();
    SelectData(*m_pTeam, values.team);
    m_pTwinTeam->setChecked(values.twinTeam);
}

cTeamConflictValues CTeamConflictDialog::Values() const
{
    cTeamConflictValues values;
    values.league = SelectedData(*m_pLeague);
    values.team = SelectedData(*m_pTeam);
    values.twinTeam = m_pTwinTeam->isChecked();
    return values;
}

void CTeamConflictDialog::FillTeams()
{
    if (m_pTeam->count() != 0) {
        return;
    }
    if (const cLeague* league = m_doc.GetLeague(SelectedData(*m_pLeague))) {
        AddTeams(*m_pTeam, *league);
    }
}

bool CTeamConflictDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pTeam &&
        (event->type() == QEvent::FocusIn || event->type() == QEvent::MouseButtonPress)) {
        FillTeams();
    }
    return CPropertyDialog::eventFilter(watched, event);
}

void CTeamConflictDialog::accept()
{
    const cTeamConflictValues values = Values();
    if (Refuse(Validate(values, m_doc, m_conflicts, m_pEditing))) {
        return;
    }
    if (m_pEditing != nullptr) {
        ApplyTeamConflict(m_doc, *m_pEditing, values);
        m_pResult = m_pEditing;
    } else {
        m_pResult = &InsertTeamConflict(m_doc, m_conflicts, values);
    }
    QDialog::accept();
}
