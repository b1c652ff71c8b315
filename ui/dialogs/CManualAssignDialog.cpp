#include "ui/dialogs/CManualAssignDialog.h"

#include "document/CTournelDoc.h"
#include "model/cMatch.h"
#include "ui/dialogs/DialogFields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

CManualAssignDialog::CManualAssignDialog(CTournelDoc& doc, cMatch& match, QWidget* parent)
    : CPropertyDialog(doc, QStringLiteral("Assign officials manually"), parent)
    , m_match(match)
    , m_values(cManualAssignValues::FromMatch(doc, match))
{
    auto* grid = new QGridLayout;
    m_pHeading = new QLabel(ToQString(m_values.heading), this);
    m_pHeading->setTextFormat(Qt::PlainText);
    grid->addWidget(m_pHeading, 0, 0, 1, 3);
    for (int slot = 0; slot < cMatch::kOfficialPositions; ++slot) {
        cRowWidgets& row = m_rows[static_cast<std::size_t>(slot)];
        row.label = new QLabel(QStringLiteral("%1.official").arg(slot + 1), this);
        row.choices = new QComboBox(this);
        row.choices->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        row.onlyLegal = new QCheckBox(QStringLiteral("Show only legal choices"), this);
        row.label->setBuddy(row.choices);
        grid->addWidget(row.label, slot + 1, 0);
        grid->addWidget(row.choices, slot + 1, 1);
        grid->addWidget(row.onlyLegal, slot + 1, 2);
        SetField(slot, row.choices);
        // Only a click refills: ShowRow sets the box without one.
        connect(row.onlyLegal, &QCheckBox::clicked, this,
                [this, slot](bool checked) { RefillRow(slot, checked); });
        ShowRow(slot);
    }
    SetContent(grid);
}

void CManualAssignDialog::ShowRow(int slot)
{
    const cManualAssignRow& values = m_values.rows[static_cast<std::size_t>(slot)];
    const cRowWidgets& row = m_rows[static_cast<std::size_t>(slot)];
    row.choices->clear();
    for (const cOfficialChoice& choice : values.choices) {
        row.choices->addItem(ToQString(choice.text), choice.official);
    }
    row.choices->setCurrentIndex(values.selected);
    row.onlyLegal->setChecked(values.onlyLegal);
    for (QWidget* widget : {static_cast<QWidget*>(row.label), static_cast<QWidget*>(row.choices),
                            static_cast<QWidget*>(row.onlyLegal)}) {
        widget->setEnabled(values.enabled);
    }
}

void CManualAssignDialog::RefillRow(int slot, bool onlyLegal)
{
    m_values.Refill(m_doc, m_match, slot, onlyLegal);
    ShowRow(slot);
}

cManualAssignValues CManualAssignDialog::Values()
{
    for (std::size_t slot = 0; slot < m_rows.size(); ++slot) {
        cManualAssignRow& row = m_values.rows[slot];
        if (row.enabled) {
            row.selected = m_rows[slot].choices->currentIndex();
        }
    }
    return m_values;
}

void CManualAssignDialog::accept()
{
    const cManualAssignValues values = Values();
    if (Refuse(Validate(values, m_match))) {
        return;
    }
    ApplyManualAssignment(m_doc, m_match, values);
    QDialog::accept();
}
