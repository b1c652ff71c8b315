#include "ui/print/CTablePrintDialog.h"

#include "document/CTournelDoc.h"
#include "model/Strings.h"
#include "model/cLeague.h"
#include "ui/dialogs/CNumberSpinBox.h"
#include "ui/dialogs/DialogFields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

using V = cTablePrintValues;

// The labels of the column boxes, rank to points, as the dialog has always spelt them.
const char* const kColumns[V::kColumnFields] = {
    "Include rank position",
    "Include games played",
    "Include games won",
    "Include draw games",
    "Include games lost",
    "Include disqualifications",
    "Include score/set differance",
    "Include ball differance (multiset games)",
    "Include victory ratio ",
    "Include points awarded",
};

} // namespace

CTablePrintDialog::CTablePrintDialog(CTournelDoc& doc, QWidget* parent)
    : CPropertyDialog(doc, QStringLiteral("Special table print"), parent)
    , m_chosen(V::FromDatabase(doc))
{
    auto* top = new QFormLayout;
    m_pLeague = new QComboBox(this);
    m_pLeague->addItem(QString::fromUtf8(GetString(IDS_ALL)), -1);
    for (const cLeague& league : doc.Leagues().Items<cLeague>()) {
        m_pLeague->addItem(ToQString(league.m_strShortName), league.m_nIndex);
    }
    top->addRow(QStringLiteral("Select league:"), m_pLeague);

    m_pResults = new QCheckBox(QStringLiteral("Include results from date (d,m,y):"), this);
    auto* date = new QHBoxLayout;
    date->addWidget(m_pResults);
    m_date[0] = new CNumberSpinBox(1, 31, this);
    m_date[1] = new CNumberSpinBox(1, 12, this);
    m_date[2] = new CNumberSpinBox(cPrintDate::kMinYear, cPrintDate::kMaxYear, this);
    for (CNumberSpinBox* field : m_date) {
        date->addWidget(field);
    }

    auto* columns = new QGroupBox(QStringLiteral("Columns"), this);
    auto* columnLayout = new QVBoxLayout(columns);
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        m_columns[i] = new QCheckBox(QString::fromUtf8(kColumns[i]), columns);
        columnLayout->addWidget(m_columns[i]);
        connect(m_columns[i], &QCheckBox::toggled, this, [this] { ShowState(); });
    }

    auto* bottom = new QFormLayout;
    m_pWriteToFile = new QCheckBox(QStringLiteral("Write to file..."), this);
    bottom->addRow(m_pWriteToFile);
    m_pHeading = new QLineEdit(this);
    bottom->addRow(QStringLiteral("Heading:"), m_pHeading);

    auto* previewGroup = new QGroupBox(QStringLiteral("Preview"), this);
    auto* previewLayout = new QVBoxLayout(previewGroup);
    m_pPreview = new QLabel(previewGroup);
    m_pPreview->setTextFormat(Qt::PlainText);
    m_pPreview->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    previewLayout->addWidget(m_pPreview);

    SetField(V::kFieldLeague, m_pLeague);
    SetField(V::kFieldResults, m_pResults);
    for (int i = 0; i < 3; ++i) {
        SetField(V::kFieldDay + i, m_date[static_cast<std::size_t>(i)]);
    }
    for (int i = 0; i < V::kColumnFields; ++i) {
        SetField(V::kFieldRank + i, m_columns[static_cast<std::size_t>(i)]);
    }
    SetField(V::kFieldWriteToFile, m_pWriteToFile);
    SetField(V::kFieldHeading, m_pHeading);

    auto* content = new QVBoxLayout;
    content->addLayout(top);
    content->addLayout(date);
    content->addWidget(columns);
    content->addLayout(bottom);
    content->addWidget(previewGroup);
    SetContent(content);
    SetValues(m_chosen);

    connect(m_pResults, &QCheckBox::toggled, this, [this] { ShowState(); });
    connect(m_pHeading, &QLineEdit::textChanged, this, [this] { ShowState(); });
}

void CTablePrintDialog::SetValues(const cTablePrintValues& values)
{
    SelectData(*m_pLeague, values.league);
    m_pResults->setChecked(values.results);
    m_date[0]->setValue(values.resultsFrom.day);
    m_date[1]->setValue(values.resultsFrom.month);
    m_date[2]->setValue(values.resultsFrom.year);
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        m_columns[i]->setChecked(values.columns[i]);
    }
    m_pWriteToFile->setChecked(values.writeToFile);
    m_pHeading->setText(ToQString(values.heading));
    ShowState();
}

cTablePrintValues CTablePrintDialog::Values()
{
    cTablePrintValues values;
    values.league = SelectedData(*m_pLeague);
    values.results = m_pResults->isChecked();
    values.resultsFrom = {ReadSpinBox(*m_date[0]), ReadSpinBox(*m_date[1]), ReadSpinBox(*m_date[2])};
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        values.columns[i] = m_columns[i]->isChecked();
    }
    values.writeToFile = m_pWriteToFile->isChecked();
    values.heading = ToStdString(m_pHeading->text());
    return values;
}

void CTablePrintDialog::ShowState()
{
    // The date counts only with the results.
    for (CNumberSpinBox* field : m_date) {
        field->setEnabled(m_pResults->isChecked());
    }
    cTablePrintValues values;
    values.results = m_pResults->isChecked();
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        values.columns[i] = m_columns[i]->isChecked();
    }
    values.heading = ToStdString(m_pHeading->text());
    m_pPreview->setText(ToQString(TablePreviewText(values)));
}

void CTablePrintDialog::accept()
{
    const cTablePrintValues values = Values();
    if (Refuse(Validate(values))) {
        return;
    }
    values.ApplyTo(m_doc);
    m_chosen = values;
    QDialog::accept();
}
