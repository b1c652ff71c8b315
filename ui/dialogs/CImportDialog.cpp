#include "ui/dialogs/CImportDialog.h"

#include "document/CTournelDoc.h"
#include "document/FileIo.h"
#include "model/Strings.h"
#include "model/cLeague.h"
#include "ui/dialogs/DialogFields.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

CImportDialog::CImportDialog(CTournelDoc& doc, std::function<QString()> browse, QWidget* parent)
    : CPropertyDialog(doc, QStringLiteral("Import from spreadsheet"), parent)
    , m_fnBrowse(std::move(browse))
{
    m_pKind = new QComboBox(this);
    m_pKind->addItems({QStringLiteral("Teams of a league"), QStringLiteral("Officials"),
                       QStringLiteral("Court time"), QStringLiteral("Results")});
    m_pLeague = new QComboBox(this);
    for (const cLeague& league : doc.Leagues().Items<cLeague>()) {
        m_pLeague->addItem(ToQString(league.m_strName));
        m_leagues.push_back(league.m_nIndex);
    }
    m_pFile = new QLineEdit(this);
    m_pFile->setMinimumWidth(320);
    m_pBrowse = new QPushButton(QStringLiteral("&Browse..."), this);
    auto* file = new QHBoxLayout;
    file->addWidget(m_pFile, 1);
    file->addWidget(m_pBrowse);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Import:"), m_pKind);
    form->addRow(QStringLiteral("&League:"), m_pLeague);
    auto* fileLabel = new QLabel(QStringLiteral("&File:"), this);
    fileLabel->setBuddy(m_pFile);
    form->addRow(fileLabel, file);

    m_pSummary = new QLabel(this);
    m_pSummary->setWordWrap(true);
    m_pRows = new QTableWidget(0, 3, this);
    m_pRows->setHorizontalHeaderLabels(
        {QStringLiteral("Line"), QStringLiteral("Row"), QStringLiteral("Import")});
    m_pRows->verticalHeader()->hide();
    m_pRows->verticalHeader()->setDefaultSectionSize(m_pRows->fontMetrics().height() + 6);
    m_pRows->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pRows->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pRows->horizontalHeader()->setStretchLastSection(true);
    m_pRows->setMinimumSize(560, 240);

    auto* content = new QVBoxLayout;
    content->addLayout(form);
    content->addWidget(m_pSummary);
    content->addWidget(m_pRows, 1);
    SetContent(content);
    SetField(cImportValues::kKind, m_pKind);
    SetField(cImportValues::kLeague, m_pLeague);
    SetField(cImportValues::kFile, m_pFile);
    if (auto* buttons = findChild<QDialogButtonBox*>()) {
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok)) {
            ok->setText(QStringLiteral("Import"));
        }
    }

    const auto kindChanged = [this] {
        m_pLeague->setEnabled(m_pKind->currentIndex() == static_cast<int>(eImportKind::kTeams));
        UpdatePreview();
    };
    connect(m_pKind, &QComboBox::currentIndexChanged, this, kindChanged);
    connect(m_pLeague, &QComboBox::currentIndexChanged, this, [this] { UpdatePreview(); });
    connect(m_pFile, &QLineEdit::editingFinished, this, [this] { UpdatePreview(); });
    connect(m_pBrowse, &QPushButton::clicked, this, [this] {
        const QString path = m_fnBrowse ? m_fnBrowse() : QString();
        if (!path.isEmpty()) {
            m_pFile->setText(path);
            UpdatePreview();
        }
    });
    kindChanged();
}

cImportValues CImportDialog::Values() const
{
    cImportValues values;
    values.kind = static_cast<eImportKind>(std::clamp(m_pKind->currentIndex(), 0, kImportKinds - 1));
    const int entry = m_pLeague->currentIndex();
    if (entry >= 0 && static_cast<std::size_t>(entry) < m_leagues.size()) {
        values.league = m_leagues[static_cast<std::size_t>(entry)];
    }
    values.path = ToStdString(m_pFile->text().trimmed());
    return values;
}

void CImportDialog::UpdatePreview()
{
    const cImportValues values = Values();
    m_preview = {};
    m_text.clear();
    m_bReadable = false;
    m_pRows->setRowCount(0);
    if (const cValidation error = Validate(values, m_doc)) {
        m_pSummary->setText(ToQString(error->text));
        return;
    }
    const std::optional<std::string> text = ReadWholeFile(values.path);
    if (!text) {
        m_pSummary->setText(ToQString(GetString(IDS_UNABLE_TO_OPEN_FILE)));
        return;
    }
    m_text = *text;
    m_bReadable = true;
    m_preview = PreviewImport(m_doc, values.kind, values.league, m_text);
    m_pSummary->setText(ToQString(m_preview.Summary()));
    m_pRows->setRowCount(static_cast<int>(m_preview.rows.size()));
    for (std::size_t k = 0; k < m_preview.rows.size(); ++k) {
        const cImportRow& row = m_preview.rows[k];
        const int r = static_cast<int>(k);
        auto* line = new QTableWidgetItem(QString::number(row.line));
        line->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_pRows->setItem(r, 0, line);
        auto* item = new QTableWidgetItem(ToQString(row.item));
        m_pRows->setItem(r, 1, item);
        QString status = row.status == cImportRow::kImported ? QStringLiteral("Yes") : ToQString(row.message);
        if (!row.column.empty()) {
            status = ToQString(row.column) + QStringLiteral(": ") + status;
        }
        auto* answer = new QTableWidgetItem(status);
        answer->setToolTip(status);
        if (row.status == cImportRow::kRefused) {
            answer->setForeground(Qt::darkRed);
        } else if (row.status == cImportRow::kSkipped || row.status == cImportRow::kUnchanged) {
            // Rows left out stand back, so that those imported and refused stand out.
            for (QTableWidgetItem* cell : {line, item, answer}) {
                cell->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
            }
        }
        m_pRows->setItem(r, 2, answer);
    }
    m_pRows->resizeColumnToContents(0);
    m_pRows->resizeColumnToContents(1);
}

void CImportDialog::accept()
{
    const cImportValues values = Values();
    if (Refuse(Validate(values, m_doc))) {
        return;
    }
    // The text imported is the one this preview was made of.
    UpdatePreview();
    if (!m_bReadable) {
        Refuse(IDS_UNABLE_TO_OPEN_FILE, GetString(IDS_UNABLE_TO_OPEN_FILE), cImportValues::kFile);
        return;
    }
    if (!m_preview.error.empty()) {
        Refuse(0, m_preview.error, cImportValues::kFile);
        return;
    }
    if (m_preview.Count(cImportRow::kImported) == 0) {
        Refuse(IDS_CSV_NOTHING_TO_IMPORT, GetString(IDS_CSV_NOTHING_TO_IMPORT), cImportValues::kFile);
        return;
    }
    m_chosen = values;
    QDialog::accept();
}
