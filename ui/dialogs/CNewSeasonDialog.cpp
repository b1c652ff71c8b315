#include "ui/dialogs/CNewSeasonDialog.h"

#include "document/CTournelDoc.h"
#include "ui/dialogs/CNumberSpinBox.h"
#include "ui/dialogs/DialogFields.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

CNewSeasonDialog::CNewSeasonDialog(CTournelDoc& doc, QWidget* parent)
    : CPropertyDialog(doc, QStringLiteral("New season"), parent)
{
    m_pWeeks = new CNumberSpinBox(cRolloverValues::kMinWeeks, cRolloverValues::kMaxWeeks, this);
    m_pKeepCourtTime =
        new QCheckBox(QStringLiteral("Keep the court time as entered, moved with the dates"), this);
    auto* weeks = new QHBoxLayout;
    weeks->addWidget(new QLabel(QStringLiteral("Move every date"), this));
    weeks->addWidget(m_pWeeks);
    weeks->addWidget(new QLabel(QStringLiteral("weeks on."), this));
    auto* content = new QVBoxLayout;
    content->addWidget(
        new QLabel(QStringLiteral("The courts, leagues, teams and officials are kept; matches, "
                                  "results and tables start afresh."),
                   this));
    content->addLayout(weeks);
    content->addWidget(m_pKeepCourtTime);
    SetField(cRolloverValues::kWeeks, m_pWeeks);
    SetField(cRolloverValues::kKeepCourtTime, m_pKeepCourtTime);
    SetContent(content);
    SetValues(cRolloverValues{});
}

void CNewSeasonDialog::SetValues(const cRolloverValues& values)
{
    m_pWeeks->setValue(values.weeks);
    m_pKeepCourtTime->setChecked(values.keepCourtTime);
}

cRolloverValues CNewSeasonDialog::Values()
{
    cRolloverValues values;
    values.weeks = ReadSpinBox(*m_pWeeks);
    values.keepCourtTime = m_pKeepCourtTime->isChecked();
    return values;
}

void CNewSeasonDialog::accept()
{
    if (Refuse(Validate(Values(), m_doc))) {
        return;
    }
    QDialog::accept();
}
