#include "ui/dialogs/CTeamDialog.h"

#include "document/CTournelDoc.h"
#include "model/cTeam.h"
#include "ui/dialogs/CNumberSpinBox.h"
#include "ui/dialogs/DialogFields.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QSpinBox>

CTeamDialog::CTeamDialog(CTournelDoc& doc, cLeague& league, cTeam* editing, QWidget* parent)
    : CPropertyDialog(doc, QStringLiteral("Team properties"), parent)
    , m_league(league)
    , m_pEditing(editing)
{
    using F = cTeamValues;
    m_pName = new QLineEdit(this);
    m_pDayOff = new QComboBox(this);
    AddWeekdays(*m_pDayOff, true);
    m_pBonusPoints = new CNumberSpinBox(-999, 999, this);
    auto* content = new QFormLayout;
    content->addRow(QStringLiteral("Name"), m_pName);
    content->addRow(QStringLiteral("Permanent day off"), m_pDayOff);
    content->addRow(QStringLiteral("Bonus point award"), m_pBonusPoints);
    SetField(F::kName, m_pName);
    SetField(F::kDayOff, m_pDayOff);
    SetField(F::kBonusPoints, m_pBonusPoints);
    SetContent(content);
    SetValues(editing != nullptr ? cTeamValues::FromItem(*editing) : cTeamValues{});
}

void CTeamDialog::SetValues(const cTeamValues& values)
{
    m_pName->setText(ToQString(values.name));
    SelectData(*m_pDayOff, values.dayOff);
    m_pBonusPoints->setValue(values.bonusPoints);
}

cTeamValues CTeamDialog::Values()
{
    cTeamValues values;
    values.name = ToStdString(m_pName->text());
    values.dayOff = SelectedData(*m_pDayOff);
    values.bonusPoints = ReadSpinBox(*m_pBonusPoints);
    return values;
}

void CTeamDialog::accept()
{
    const cTeamValues values = Values();
    if (Refuse(Validate(values, m_league, m_pEditing))) {
        return;
    }
    if (m_pEditing != nullptr) {
        ApplyTeam(m_doc, *m_pEditing, values);
        m_pResult = m_pEditing;
    } else {
        m_pResult = &InsertTeam(m_doc, m_league, values);
    }
    QDialog::accept();
}
