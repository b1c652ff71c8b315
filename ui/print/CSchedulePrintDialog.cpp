#include "ui/print/CSchedulePrintDialog.h"

#include "document/CTournelDoc.h"
#include "model/Strings.h"
#include "model/cLeague.h"
#include "model/cReferee.h"
#include "ui/dialogs/CNumberSpinBox.h"
#include "ui/dialogs/DialogFields.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

using V = cSchedulePrintValues;

const char* const kSortings[V::kSortings] = {
    "Traditional schedule print, sorted by date, court and time.",
    "Sort by courts, on separate pages.",
    "Sort by leagues, on separate pages.",
    "Sort by teams, on separate pages.",
    "Sort by officials, on separate pages.",
};
const char* const kLayouts[V::kLayouts] = {"Ungrouped", "Grouped by date", "Grouped by date and court"};

QComboBox* NewSelector(QWidget* parent)
{
    auto* combo = new QComboBox(parent);
    combo->addItem(QString::fromUtf8(GetString(IDS_ALL)), -1);
    return combo;
}

} // namespace

CSchedulePrintDialog::CSchedulePrintDialog(CTournelDoc& doc, QWidget* parent)
    : CPropertyDialog(doc, QStringLiteral("Special schedule print"), parent)
    , m_chosen(V::FromDatabase(doc))
{
    auto* sorting = new QGroupBox(QStringLiteral("Sorting"), this);
    auto* sortingLayout = new QVBoxLayout(sorting);
    m_pSortings = new QButtonGroup(this);
    for (int mode = 0; mode < V::kSortings; ++mode) {
        auto* radio = new QRadioButton(QString::fromUtf8(kSortings[mode]), sorting);
        m_pSortings->addButton(radio, mode);
        sortingLayout->addWidget(radio);
    }

    auto* selectors = new QFormLayout;
    m_pCourt = NewSelector(this);
    AddCourts(*m_pCourt, doc);
    m_pLeague = NewSelector(this);
    for (const cLeague& league : doc.Leagues().Items<cLeague>()) {
        m_pLeague->addItem(ToQString(league.m_strShortName), league.m_nIndex);
    }
    m_pTeam = NewSelector(this);
    m_pOfficial = NewSelector(this);
    for (const cReferee& official : doc.Officials().Items<cReferee>()) {
        m_pOfficial->addItem(ToQString(official.m_strName), official.m_nIndex);
    }
    selectors->addRow(QStringLiteral("Select court:"), m_pCourt);
    selectors->addRow(QStringLiteral("Select league:"), m_pLeague);
    selectors->addRow(QStringLiteral("Select team:"), m_pTeam);
    selectors->addRow(QStringLiteral("Select official:"), m_pOfficial);

    auto* layoutGroup = new QGroupBox(QStringLiteral("Layout"), this);
    auto* layoutLayout = new QVBoxLayout(layoutGroup);
    m_pLayouts = new QButtonGroup(this);
    for (int layout = 0; layout < V::kLayouts; ++layout) {
        auto* radio = new QRadioButton(QString::fromUtf8(kLayouts[layout]), layoutGroup);
        m_pLayouts->addButton(radio, layout);
        layoutLayout->addWidget(radio);
    }

    auto* dates = new QHBoxLayout;
    dates->addWidget(NewPrintDateGroup(QStringLiteral("Start date"), &m_dates[0], this));
    dates->addWidget(NewPrintDateGroup(QStringLiteral("Final date"), &m_dates[3], this));

    auto* number = new QGroupBox(QStringLiteral("Include match number"), this);
    auto* numberLayout = new QVBoxLayout(number);
    m_pNumberBefore = new QCheckBox(QStringLiteral("in front of date and time"), number);
    m_pNumberAfter = new QCheckBox(QStringLiteral("after date and time"), number);
    numberLayout->addWidget(m_pNumberBefore);
    numberLayout->addWidget(m_pNumberAfter);

    auto* form = new QFormLayout;
    m_pLanguage = new QComboBox(this);
    for (int language = 0; language < kLanguageCount; ++language) {
        m_pLanguage->addItem(ToQString(WeekdayName(7, language)), language);
    }
    form->addRow(QStringLiteral("Language:"), m_pLanguage);
    m_pWriteToFile = new QCheckBox(QStringLiteral("Write to file..."), this);
    form->addRow(m_pWriteToFile);
    m_pHeading = new QLineEdit(this);
    form->addRow(QStringLiteral("Heading:"), m_pHeading);

    auto* previewGroup = new QGroupBox(QStringLiteral("Preview"), this);
    auto* previewLayout = new QVBoxLayout(previewGroup);
    m_pPreview = new QLabel(previewGroup);
    m_pPreview->setTextFormat(Qt::PlainText);
    m_pPreview->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    previewLayout->addWidget(m_pPreview);

    SetField(V::kFieldSorting, m_pSortings->button(0));
    SetField(V::kFieldCourt, m_pCourt);
    SetField(V::kFieldLeague, m_pLeague);
    SetField(V::kFieldTeam, m_pTeam);
    SetField(V::kFieldOfficial, m_pOfficial);
    SetField(V::kFieldLayout, m_pLayouts->button(0));
    for (int i = 0; i < 6; ++i) {
        SetField(V::kFieldStartDay + i, m_dates[static_cast<std::size_t>(i)]);
    }
    SetField(V::kFieldNumberBefore, m_pNumberBefore);
    SetField(V::kFieldNumberAfter, m_pNumberAfter);
    SetField(V::kFieldLanguage, m_pLanguage);
    SetField(V::kFieldWriteToFile, m_pWriteToFile);
    SetField(V::kFieldHeading, m_pHeading);

    auto* left = new QVBoxLayout;
    left->addWidget(sorting);
    left->addLayout(selectors);
    left->addWidget(layoutGroup);
    auto* right = new QVBoxLayout;
    right->addLayout(dates);
    right->addWidget(number);
    right->addLayout(form);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);
    auto* content = new QVBoxLayout;
    content->addLayout(columns);
    content->addWidget(previewGroup);
    SetContent(content);
    SetValues(m_chosen);

    connect(m_pSortings, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) {
            OnSorting(id);
        }
    });
    connect(m_pLayouts, &QButtonGroup::idToggled, this, [this] { ShowState(); });
    connect(m_pLeague, &QComboBox::currentIndexChanged, this, [this] { OnLeague(); });
    for (QCheckBox* box : {m_pNumberBefore, m_pNumberAfter}) {
        connect(box, &QCheckBox::toggled, this, [this] { ShowState(); });
    }
    connect(m_pLanguage, &QComboBox::currentIndexChanged, this, [this] { ShowState(); });
    connect(m_pHeading, &QLineEdit::textChanged, this, [this] { ShowState(); });
}

void CSchedulePrintDialog::SetValues(const cSchedulePrintValues& values)
{
    m_bFilling = true;
    if (QAbstractButton* button = m_pSortings->button(values.sorting)) {
        button->setChecked(true);
    }
    if (QAbstractButton* button = m_pLayouts->button(values.layout)) {
        button->setChecked(true);
    }
    SelectData(*m_pCourt, values.court);
    SelectData(*m_pLeague, values.league);
    FillTeams(values.league, values.team);
    SelectData(*m_pOfficial, values.official);
    const int dates[6] = {values.start.day, values.start.month, values.start.year,
                          values.final.day, values.final.month, values.final.year};
    for (std::size_t i = 0; i < m_dates.size(); ++i) {
        m_dates[i]->setValue(dates[i]);
    }
    m_pNumberBefore->setChecked(values.numberBefore);
    m_pNumberAfter->setChecked(values.numberAfter);
    SelectData(*m_pLanguage, values.language);
    m_pWriteToFile->setChecked(values.writeToFile);
    m_pHeading->setText(ToQString(values.heading));
    m_bFilling = false;
    ShowState();
}

cSchedulePrintValues CSchedulePrintDialog::Values()
{
    cSchedulePrintValues values;
    values.sorting = std::max(0, m_pSortings->checkedId());
    values.layout = std::max(0, m_pLayouts->checkedId());
    values.court = SelectedData(*m_pCourt);
    values.league = SelectedData(*m_pLeague);
    values.team = SelectedData(*m_pTeam);
    values.official = SelectedData(*m_pOfficial);
    int dates[6] = {};
    for (std::size_t i = 0; i < m_dates.size(); ++i) {
        dates[i] = ReadSpinBox(*m_dates[i]);
    }
    values.start = {dates[0], dates[1], dates[2]};
    values.final = {dates[3], dates[4], dates[5]};
    values.numberBefore = m_pNumberBefore->isChecked();
    values.numberAfter = m_pNumberAfter->isChecked();
    values.language = std::max(0, SelectedData(*m_pLanguage));
    values.writeToFile = m_pWriteToFile->isChecked();
    values.heading = ToStdString(m_pHeading->text());
    return values;
}

void CSchedulePrintDialog::OnSorting(int mode)
{
    if (m_bFilling) {
        return;
    }
    cSchedulePrintValues values = Values();
    values.ChooseSorting(mode);
    SetValues(values);
}

void CSchedulePrintDialog::OnLeague()
{
    if (m_bFilling) {
        return;
    }
    m_bFilling = true;
    FillTeams(SelectedData(*m_pLeague), -1);
    m_bFilling = false;
    ShowState();
}

void CSchedulePrintDialog::FillTeams(int league, int team)
{
    m_pTeam->clear();
    m_pTeam->addItem(QString::fromUtf8(GetString(IDS_ALL)), -1);
    if (const cLeague* owner = m_doc.GetLeague(league)) {
        AddTeams(*m_pTeam, *owner);
    }
    SelectData(*m_pTeam, team);
    if (m_pTeam->currentIndex() < 0) {
        m_pTeam->setCurrentIndex(0);
    }
}

void CSchedulePrintDialog::ShowState()
{
    if (m_bFilling) {
        return;
    }
    // The choices without the dates: reading a spin box would take over what is being typed.
    cSchedulePrintValues values;
    values.sorting = std::max(0, m_pSortings->checkedId());
    values.layout = std::max(0, m_pLayouts->checkedId());
    values.numberBefore = m_pNumberBefore->isChecked();
    values.numberAfter = m_pNumberAfter->isChecked();
    values.language = std::max(0, SelectedData(*m_pLanguage));
    values.heading = ToStdString(m_pHeading->text());
    m_pCourt->setEnabled(values.IsEnabled(V::kFieldCourt));
    m_pLeague->setEnabled(values.IsEnabled(V::kFieldLeague));
    m_pTeam->setEnabled(values.IsEnabled(V::kFieldTeam));
    m_pOfficial->setEnabled(values.IsEnabled(V::kFieldOfficial));
    for (QAbstractButton* button : m_pLayouts->buttons()) {
        button->setEnabled(values.IsEnabled(V::kFieldLayout));
    }
    m_pPreview->setText(ToQString(SchedulePreviewText(values, m_doc)));
}

void CSchedulePrintDialog::accept()
{
    const cSchedulePrintValues values = Values();
    if (Refuse(Validate(values))) {
        return;
    }
    values.ApplyTo(m_doc);
    m_chosen = values;
    QDialog::accept();
}
