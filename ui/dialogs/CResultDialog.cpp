#include "ui/dialogs/CResultDialog.h"

#include "document/CTournelDoc.h"
#include "model/Strings.h"
#include "ui/dialogs/CNumberSpinBox.h"
#include "ui/dialogs/DialogFields.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

using V = cResultValues;

QLabel* NewHeading(const QString& text, Qt::Alignment alignment, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment | Qt::AlignVCenter);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace

CResultDialog::CResultDialog(CTournelDoc& doc, cResult& result, QWidget* parent)
    : CPropertyDialog(doc, QStringLiteral("Enter result"), parent)
    , m_result(result)
    , m_nMaxSets(ResultMaxSets(doc.m_tableSettings))
{
    const cResultValues values = V::FromResult(result, doc);

    // Columns: row label, home score, "-", guest score. The heading spans
    // the label and home columns so that the home team's name ends at the
    // home scores.
    auto* grid = new QGridLayout;
    m_pHomeTeam = NewHeading(ToQString(values.homeTeam), Qt::AlignRight, this);
    m_pGuestTeam = NewHeading(ToQString(values.guestTeam), Qt::AlignLeft, this);
    grid->addWidget(m_pHomeTeam, 0, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("-"), this), 0, 2, Qt::AlignCenter);
    grid->addWidget(m_pGuestTeam, 0, 3);

    // Made in field order, which is also the tab order.
    for (int index = 0; index < cResult::kScores; ++index) {
        const int row = index + 1;
        grid->addWidget(new QLabel(ToQString(GetString(IDS_COL_FINAL_RESULT + index)), this), row, 0);
        const bool enabled = V::IsScoreEnabled(index, m_nMaxSets);
        for (const int field : {V::HomeField(index), V::GuestField(index)}) {
            auto* spin = new CNumberSpinBox(V::kMinScore, V::kMaxScore, this);
            spin->setButtonSymbols(QAbstractSpinBox::NoButtons);
            spin->setAlignment(Qt::AlignRight);
            spin->setEnabled(enabled);
            m_scores[static_cast<std::size_t>(field)] = spin;
            SetField(field, spin);
            grid->addWidget(spin, row, field == V::HomeField(index) ? 1 : 3);
        }
        grid->addWidget(new QLabel(QStringLiteral("-"), this), row, 2, Qt::AlignCenter);
    }

    // Sets counted, none entered, a final result stored: it is shown and kept.
    m_pFinalWithoutSets = new QLabel(ToQString(GetString(IDS_RESULT_FINAL_WITHOUT_SETS)), this);
    m_pFinalWithoutSets->setWordWrap(true);
    m_pFinalWithoutSets->setVisible(values.ShowsFinalWithoutSets(m_nMaxSets));
    grid->addWidget(m_pFinalWithoutSets, cResult::kScores + 2, 0, 1, 4);

    const int boxesRow = cResult::kScores + 1;
    grid->addWidget(new QLabel(QStringLiteral("Disqualified"), this), boxesRow, 0);
    m_pHomeDisqualified = new QCheckBox(QStringLiteral("Hosts"), this);
    m_pGuestDisqualified = new QCheckBox(QStringLiteral("Guests"), this);
    grid->addWidget(m_pHomeDisqualified, boxesRow, 1);
    grid->addWidget(m_pGuestDisqualified, boxesRow, 3);
    SetField(V::kHomeDisqualified, m_pHomeDisqualified);
    SetField(V::kGuestDisqualified, m_pGuestDisqualified);

    SetContent(grid);
    SetValues(values);
}

void CResultDialog::SetValues(const cResultValues& values)
{
    for (int index = 0; index < cResult::kScores; ++index) {
        const auto i = static_cast<std::size_t>(index);
        m_scores[static_cast<std::size_t>(V::HomeField(index))]->setValue(values.home[i]);
        m_scores[static_cast<std::size_t>(V::GuestField(index))]->setValue(values.guest[i]);
    }
    m_pHomeDisqualified->setChecked(values.homeDisqualified);
    m_pGuestDisqualified->setChecked(values.guestDisqualified);
}

cResultValues CResultDialog::Values()
{
    cResultValues values = V::FromResult(m_result, m_doc);
    for (int index = 0; index < cResult::kScores; ++index) {
        const auto i = static_cast<std::size_t>(index);
        values.home[i] = ReadSpinBox(*m_scores[static_cast<std::size_t>(V::HomeField(index))]);
        values.guest[i] = ReadSpinBox(*m_scores[static_cast<std::size_t>(V::GuestField(index))]);
    }
    values.homeDisqualified = m_pHomeDisqualified->isChecked();
    values.guestDisqualified = m_pGuestDisqualified->isChecked();
    return values;
}

void CResultDialog::accept()
{
    const cResultValues values = Values();
    if (LeavesResultAsItIs(m_result, values, m_doc)) {
        // Confirmed unchanged: nothing is checked or stored.
        m_pResult = &m_result;
        QDialog::accept();
        return;
    }
    if (const cValidation error = Validate(values, m_doc.m_tableSettings)) {
        // The enabled fields keep what was typed; the others show what OK made of it.
        SetValues(values.Taken(m_nMaxSets));
        Refuse(error);
        return;
    }
    ApplyResult(m_doc, m_result, values);
    m_pResult = &m_result;
    QDialog::accept();
}
