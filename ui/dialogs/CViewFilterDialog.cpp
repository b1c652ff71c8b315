#include "ui/dialogs/CViewFilterDialog.h"

#include "model/Calendar.h"
#include "model/Strings.h"
#include "model/Text.h"
#include "model/cDatabase.h"
#include "model/cIndexedDbItem.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

namespace {

// "<All>" first, then the short names in the name order, preselecting `current`.
void FillList(QComboBox& list, const cIndexedDb& container, int current)
{
    std::vector<const cIndexedDbItem*> items;
    for (const cIndexedDbItem& item : container.Items<cIndexedDbItem>()) {
        items.push_back(&item);
    }
    std::stable_sort(items.begin(), items.end(), [](const cIndexedDbItem* a, const cIndexedDbItem* b) {
        return CompareText(a->m_strShortName, b->m_strShortName, true) < 0;
    });
    list.addItem(QString::fromUtf8(GetString(IDS_ALL)), -1);
    for (const cIndexedDbItem* item : items) {
        list.addItem(QString::fromStdString(item->m_strShortName), item->m_nIndex);
    }
    const int at = list.findData(current);
    list.setCurrentIndex(at >= 0 ? at : 0);
}

} // namespace

CViewFilterDialog::CViewFilterDialog(const cDatabase& db, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Directory view filter"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    m_pCourts = new QComboBox(this);
    m_pLeagues = new QComboBox(this);
    FillList(*m_pCourts, db.Courts(), db.m_nCourtFilter);
    FillList(*m_pLeagues, db.Leagues(), db.m_nLeagueFilter);
    form->addRow(QStringLiteral("Select court:"), m_pCourts);
    form->addRow(QStringLiteral("Select league:"), m_pLeagues);
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

int CViewFilterDialog::CourtFilter() const
{
    return m_pCourts->currentData().toInt();
}

int CViewFilterDialog::LeagueFilter() const
{
    return m_pLeagues->currentData().toInt();
}
