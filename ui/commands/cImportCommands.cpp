#include "ui/commands/cImportCommands.h"

#include "model/Strings.h"
#include "output/Export.h"
#include "output/SeasonChanges.h"
#include "ui/commands/cPrintCommands.h"
#include "ui/dialogs/CChangesDialog.h"
#include "ui/dialogs/CImportDialog.h"
#include "ui/dialogs/DialogFields.h"
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

void cImportCommands::OnCompareWithFile()
{
    QString path;
    if (m_frame.m_fnAskFileName) {
        path = m_frame.m_fnAskFileName(false, {});
    } else {
        const QString folder = m_doc.GetPathName().empty()
                                   ? QString()
                                   : QFileInfo(QString::fromStdString(m_doc.GetPathName())).absolutePath();
        path = QFileDialog::getOpenFileName(&m_frame, QStringLiteral("Compare with File"), folder,
                                            QStringLiteral("Tournel Database (*.tnd);;All files (*)"));
    }
    if (path.isEmpty()) {
        return;
    }
    // Read aside by the reader File > Open uses: a refused file tells why
    // through the window's prompt and nothing else happens.
    CTournelDoc older;
    older.m_fnClock = m_doc.m_fnClock;
    older.SetPrompt(&m_doc.Prompt());
    if (!older.OnOpenDocument(ToStdString(path))) {
        return;
    }
    const cSeasonChanges changes = CompareSeasons(older, m_doc);
    if (changes.refusal != 0) {
        m_doc.Prompt().ShowMessage(changes.refusal, changes.refusalText);
        return;
    }
    const QString title =
        ToQString(FormatString(IDS_CHANGES_SINCE, {ToStdString(QFileInfo(path).fileName())}));
    const auto save = [this, &changes] {
        QString target = m_frame.Print().AskOutputName(
            QStringLiteral("Changes"), QStringLiteral("Text file (*.txt);;Spreadsheet file (*.csv)"),
            QStringLiteral("txt"));
        if (target.isEmpty()) {
            return;
        }
        if (QFileInfo(target).suffix().isEmpty()) {
            target += QStringLiteral(".txt");
        }
        WriteChangesFile(changes, m_doc, ToStdString(target));
    };
    CChangesDialog dialog(title, ToQString(ChangesText(changes, m_doc)), save, &m_frame);
    m_frame.RunDialog(dialog);
}
