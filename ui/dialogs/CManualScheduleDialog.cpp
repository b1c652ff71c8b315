#include "ui/dialogs/CManualScheduleDialog.h"

#include "document/CTournelDoc.h"
#include "ui/dialogs/CNumberSpinBox.h"
#include "ui/dialogs/DialogFields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QVBoxLayout>

CManualScheduleDialog::CManualScheduleDialog(CTournelDoc& doc, const cUnscheduledMatch* match, int duration,
                                             QWidget* parent, const cMatch* moving)
    : CPropertyDialog(doc, QStringLiteral("Manual match scheduling"), parent)
    , m_values(cManualScheduleValues::Open(doc, match, duration, moving))
{
    using F = cManualScheduleValues;
    m_pHeading = new QLabel(ToQString(m_values.heading), this);
    m_pHeading->setTextFormat(Qt::PlainText);
    m_pCourtTimes = new QComboBox(this);
    m_pCourtTimes->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_pStart = new CNumberSpinBox(0, 2359, this);
    m_pStart->setSingleStep(100);
    m_pOnlyLegal = new QCheckBox(QStringLiteral("Show only legal playing times"), this);

    auto* content = new QVBoxLayout;
    content->addWidget(m_pHeading);
    auto* courtLabel = new QLabel(QStringLiteral("Select playing date and court:"), this);
    courtLabel->setBuddy(m_pCourtTimes);
    auto* startLabel = new QLabel(QStringLiteral("Specify the exact start time"), this);
    startLabel->setBuddy(m_pStart);
    content->addWidget(courtLabel);
    content->addWidget(m_pCourtTimes);
    content->addWidget(startLabel);
    content->addWidget(m_pStart);
    content->addWidget(m_pOnlyLegal);
    SetField(F::kCourtTime, m_pCourtTimes);
    SetField(F::kStart, m_pStart);
    SetContent(content);

    connect(m_pCourtTimes, &QComboBox::currentIndexChanged, this, &CManualScheduleDialog::OnCourtTimeChosen);
    connect(m_pOnlyLegal, &QCheckBox::toggled, this, &CManualScheduleDialog::OnOnlyLegalToggled);
    ShowValues();
}

void CManualScheduleDialog::ShowValues()
{
    m_bShowing = true;
    m_pCourtTimes->clear();
    for (const std::string& text : m_values.texts) {
        m_pCourtTimes->addItem(ToQString(text));
    }
    m_pCourtTimes->setCurrentIndex(m_values.selected);
    m_pOnlyLegal->setChecked(m_values.onlyLegal);
    m_pStart->SetLimits(m_values.spinLow, m_values.spinHigh);
    m_pStart->setValue(m_values.start);
    m_bShowing = false;
}

void CManualScheduleDialog::OnCourtTimeChosen(int index)
{
    if (m_bShowing) {
        return;
    }
    m_values.Select(index);
    m_pStart->SetLimits(m_values.spinLow, m_values.spinHigh);
    m_pStart->setValue(m_values.start);
}

void CManualScheduleDialog::OnOnlyLegalToggled(bool checked)
{
    if (m_bShowing) {
        return;
    }
    m_values.selected = m_pCourtTimes->currentIndex();
    m_values.Fill(m_doc, checked);
    ShowValues();
}

cManualScheduleValues CManualScheduleDialog::Values()
{
    m_values.selected = m_pCourtTimes->currentIndex();
    m_values.start = ReadSpinBox(*m_pStart);
    return m_values;
}

void CManualScheduleDialog::accept()
{
    const cManualScheduleValues values = Values();
    if (const cValidation error = CheckManualPlacement(values, m_placement)) {
        Refuse(error);
        return;
    }
    if (!ConfirmManualPlacement(m_doc, values, m_placement)) {
        return;
    }
    QDialog::accept();
}
