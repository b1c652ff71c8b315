#include "ui/dialogs/COfficialDialog.h"

#include "document/CTournelDoc.h"
#include "model/cReferee.h"
#include "ui/dialogs/CNumberSpinBox.h"
#include "ui/dialogs/DialogFields.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

COfficialDialog::COfficialDialog(CTournelDoc& doc, cReferee* editing, QWidget* parent)
    : CPropertyDialog(doc, QStringLiteral("Official properties"), parent)
    , m_pEditing(editing)
{
    using F = cOfficialValues;
    m_pName = new QLineEdit(this);
    m_pClub = new QLineEdit(this);
    auto* namesForm = new QFormLayout;
    namesForm->addRow(QStringLiteral("Name"), m_pName);
    namesForm->addRow(QStringLiteral("Club"), m_pClub);

    auto* daysOff = new QGroupBox(QStringLiteral("Permanent days off"), this);
    auto* daysOffForm = new QFormLayout(daysOff);
    m_pFirstDayOff = new QComboBox(daysOff);
    m_pSecondDayOff = new QComboBox(daysOff);
    AddWeekdays(*m_pFirstDayOff, true);
    AddWeekdays(*m_pSecondDayOff, true);
    daysOffForm->addRow(QStringLiteral("First weekday"), m_pFirstDayOff);
    daysOffForm->addRow(QStringLiteral("Second weekday"), m_pSecondDayOff);

    m_pRating = new CNumberSpinBox(1, 9, this);
    m_pMaxGames = new CNumberSpinBox(1, 99, this);
    m_pMaxSubsequent = new CNumberSpinBox(1, 9, this);
    auto* numbersForm = new QFormLayout;
    numbersForm->addRow(QStringLiteral("Rating (1-9)"), m_pRating);
    numbersForm->addRow(QStringLiteral("Max. no. of games"), m_pMaxGames);
    numbersForm->addRow(QStringLiteral("Max. subseq. games"), m_pMaxSubsequent);

    SetField(F::kName, m_pName);
    SetField(F::kClub, m_pClub);
    SetField(F::kFirstDayOff, m_pFirstDayOff);
    SetField(F::kSecondDayOff, m_pSecondDayOff);
    SetField(F::kRating, m_pRating);
    SetField(F::kMaxGames, m_pMaxGames);
    SetField(F::kMaxSubsequent, m_pMaxSubsequent);

    auto* content = new QVBoxLayout;
    content->addLayout(namesForm);
    content->addWidget(daysOff);
    content->addLayout(numbersForm);
    SetContent(content);
    SetValues(editing != nullptr ? cOfficialValues::FromItem(*editing) : cOfficialValues{});
}

void COfficialDialog::SetValues(const cOfficialValues& values)
{
    m_pName->setText(ToQString(values.name));
    m_pClub->setText(ToQString(values.club));
    SelectData(*m_pFirstDayOff, values.firstDayOff);
    SelectData(*m_pSecondDayOff, values.secondDayOff);
    m_pRating->setValue(values.rating);
    m_pMaxGames->setValue(values.maxGames);
    m_pMaxSubsequent->setValue(values.maxSubsequent);
}

cOfficialValues COfficialDialog::Values()
{
    cOfficialValues values;
    values.name = ToStdString(m_pName->text());
    values.club = ToStdString(m_pClub->text());
    values.firstDayOff = SelectedData(*m_pFirstDayOff);
    values.secondDayOff = SelectedData(*m_pSecondDayOff);
    values.rating = ReadSpinBox(*m_pRating);
    values.maxGames = ReadSpinBox(*m_pMaxGames);
    values.maxSubsequent = ReadSpinBox(*m_pMaxSubsequent);
    return values;
}

void COfficialDialog::accept()
{
    const cOfficialValues values = Values();
    if (Refuse(Validate(values, m_doc, m_pEditing))) {
        return;
    }
    if (m_pEditing != nullptr) {
        ApplyOfficial(m_doc, *m_pEditing, values);
        m_pResult = m_pEditing;
    } else {
        m_pResult = &InsertOfficial(m_doc, values);
    }
    QDialog::accept();
}
