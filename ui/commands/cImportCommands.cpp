#include "ui/commands/cImportCommands.h"

#include "output/Export.h"
#include "ui/dialogs/CImportDialog.h"
#include "ui/window/cViewSync.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStatusBar>

void cImportCommands::OnImport()
{
    const auto browse = [this]() -> QString {
        if (m_frame.m_fnAskFileName) {
            return m_frame.m_fnAskFileName(false, {});
        }
        const QString folder = m_doc.GetPathName().empty()
                                   ? QString()
                                   : QFileInfo(QString::fromStdString(m_doc.GetPathName())).absolutePath();
        return QFileDialog::getOpenFileName(&m_frame, QStringLiteral("Import"), folder,
                                            QStringLiteral("Spreadsheet file (*.csv);;All files (*)"));
    };
    cImportValues values;
    std::string text;
    if (!RunImportDialog(m_doc, &m_frame, browse, values, text)) {
        return;
    }
    m_doc.BackupIfDue();
    const cImportReport report = ImportCsv(m_doc, values.kind, values.league, text);
    m_frame.Views().BringViewsUpToDate();
    m_frame.Views().RefreshList();
    m_frame.UpdateTitle();
    m_frame.UpdateCommands();
    m_frame.statusBar()->showMessage(
        QStringLiteral("%1 rows imported.").arg(report.Count(cImportRow::kImported)), 5000);
}
