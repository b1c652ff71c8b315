#include "ui/dialogs/CPlayoffMatchDialog.h"

#include "document/CTournelDoc.h"
#include "model/cPlayoffMatch.h"
#include "model/cValidation.h"
#include "ui/dialogs/CNumberSpinBox.h"
#include "ui/dialogs/DialogFields.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

CPlayoffMatchDialog::CPlayoffMatchDialog(CTournelDoc& doc, cPlayoffMatch* match, QWidget* parent)
    : CPropertyDialog(doc,
                      match == nullptr ? QStringLiteral("Playoff match data")
                                       : QStringLiteral("Modify playoff match data"),
                      parent)
    , m_pMatch(match)
    , m_values(match == nullptr ? cPlayoffMatchValues::Defaults(doc) : cPlayoffMatchValues::FromMatch(*match))
{
    using F = cPlayoffMatchValues;
    auto* form = new QFormLayout;
    if (match == nullptr) {
        m_pCourtTimes = new QComboBox(this);
        m_pCourtTimes->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        for (const std::string& text : m_values.texts) {
            m_pCourtTimes->addItem(ToQString(text));
        }
        m_pCourtTimes->setCurrentIndex(m_values.selected);
        m_pStart = new CNumberSpinBox(0, 2400, this);
        m_pStart->setSingleStep(100);
        m_pStart->setValue(m_values.start);
        // A new court time brings its start along.
        connect(m_pCourtTimes, &QComboBox::currentIndexChanged, this, [this](int index) {
            m_values.Select(index);
            m_pStart->setValue(m_values.start);
        });
        form->addRow(QStringLiteral("Court time:"), m_pCourtTimes);
        form->addRow(QStringLiteral("Start time:"), m_pStart);
        SetField(F::kCourtTime, m_pCourtTimes);
        SetField(F::kStart, m_pStart);
    }
    m_pDuration = new CNumberSpinBox(1, 1440, this);
    m_pDuration->setSingleStep(match == nullptr ? 1 : 15);
    m_pDuration->setValue(m_values.duration);
    m_pNumber = new QLineEdit(ToQString(m_values.number), this);
    m_pHomeTeam = new QLineEdit(ToQString(m_values.homeTeam), this);
    m_pGuestTeam = new QLineEdit(ToQString(m_values.guestTeam), this);
    for (QLineEdit* edit : {m_pNumber, m_pHomeTeam, m_pGuestTeam}) {
        edit->setMaxLength(kNameLimit);
    }
    form->addRow(QStringLiteral("Duration [min]:"), m_pDuration);
    form->addRow(QStringLiteral("Match number:"), m_pNumber);
    form->addRow(QStringLiteral("Home team:"), m_pHomeTeam);
    form->addRow(QStringLiteral("Guest team:"), m_pGuestTeam);
    SetField(F::kDuration, m_pDuration);
    SetField(F::kNumber, m_pNumber);
    SetField(F::kHomeTeam, m_pHomeTeam);
    SetField(F::kGuestTeam, m_pGuestTeam);

    auto* group = new QGroupBox(QStringLiteral("Match information"), this);
    group->setLayout(form);
    auto* content = new QVBoxLayout;
    content->addWidget(group);
    SetContent(content);
}

cPlayoffMatchValues CPlayoffMatchDialog::Values()
{
    if (m_pCourtTimes != nullptr) {
        m_values.selected = m_pCourtTimes->currentIndex();
        m_values.start = ReadSpinBox(*m_pStart);
    }
    m_values.duration = ReadSpinBox(*m_pDuration);
    m_values.number = ToStdString(m_pNumber->text());
    m_values.homeTeam = ToStdString(m_pHomeTeam->text());
    m_values.guestTeam = ToStdString(m_pGuestTeam->text());
    return m_values;
}

void CPlayoffMatchDialog::accept()
{
    const cPlayoffMatchValues values = Values();
    if (m_pMatch == nullptr) {
        cManualPlacement placement;
        if (Refuse(CheckNewPlayoffMatch(values, placement))) {
            return;
        }
        m_pResult = &InsertPlayoffMatch(m_doc, values, placement);
    } else {
        if (Refuse(CheckPlayoffChange(m_doc, *m_pMatch, values))) {
            return;
        }
        ApplyPlayoffChange(m_doc, *m_pMatch, values);
        m_pResult = m_pMatch;
    }
    QDialog::accept();
}
