#include "ui/dialogs/CHomeGroundDialog.h"

#include "document/CTournelDoc.h"
#include "model/cHomeGround.h"
#include "ui/dialogs/CNumberSpinBox.h"
#include "ui/dialogs/DialogFields.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QSpinBox>
#include <QVBoxLayout>

CHomeGroundDialog::CHomeGroundDialog(CTournelDoc& doc, cTournelDb& grounds, cHomeGround* editing,
                                     QWidget* parent)
    : CPropertyDialog(doc, QStringLiteral("Home ground properties"), parent)
    , m_grounds(grounds)
    , m_pEditing(editing)
{
    using F = cHomeGroundValues;
    m_pCourt = new QComboBox(this);
    AddCourts(*m_pCourt, doc);
    auto* courtForm = new QFormLayout;
    courtForm->addRow(QStringLiteral("Court"), m_pCourt);

    auto* limitation = new QGroupBox(QStringLiteral("Limitation of court availability"), this);
    auto* limitationForm = new QFormLayout(limitation);
    m_pWeekday = new QComboBox(limitation);
    AddWeekdays(*m_pWeekday, true);
    m_pStart = new CNumberSpinBox(0, 2400, limitation);
    m_pEnd = new CNumberSpinBox(0, 2400, limitation);
    limitationForm->addRow(QStringLiteral("Weekday"), m_pWeekday);
    limitationForm->addRow(QStringLiteral("Start time"), m_pStart);
    limitationForm->addRow(QStringLiteral("Final time"), m_pEnd);

    SetField(F::kCourt, m_pCourt);
    SetField(F::kWeekday, m_pWeekday);
    SetField(F::kStart, m_pStart);
    SetField(F::kEnd, m_pEnd);

    auto* content = new QVBoxLayout;
    content->addLayout(courtForm);
    content->addWidget(limitation);
    SetContent(content);
    SetValues(editing != nullptr ? cHomeGroundValues::FromItem(*editing) : cHomeGroundValues{});
}

void CHomeGroundDialog::SetValues(const cHomeGroundValues& values)
{
    SelectData(*m_pCourt, values.court);
    SelectData(*m_pWeekday, values.weekday);
    m_pStart->setValue(values.start);
    m_pEnd->setValue(values.end);
}

cHomeGroundValues CHomeGroundDialog::Values()
{
    cHomeGroundValues values;
    values.court = SelectedData(*m_pCourt);
    values.weekday = SelectedData(*m_pWeekday);
    values.start = ReadSpinBox(*m_pStart);
    values.end = ReadSpinBox(*m_pEnd);
    return values;
}

void CHomeGroundDialog::accept()
{
    const cHomeGroundValues values = Values();
    if (Refuse(Validate(values, m_doc))) {
        return;
    }
    if (m_pEditing != nullptr) {
        ApplyHomeGround(m_doc, *m_pEditing, values);
        m_pResult = m_pEditing;
    } else {
        m_pResult = &InsertHomeGround(m_doc, m_grounds, values);
    }
    QDialog::accept();
}
