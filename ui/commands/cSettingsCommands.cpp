#include "ui/commands/cSettingsCommands.h"

#include "ui/dialogs/CDocumentInfoDialog.h"
#include "ui/dialogs/COfficialSettingsDialog.h"
#include "ui/dialogs/CWebTemplatesDialog.h"
#include "ui/dialogs/ItemDialogs.h"
#include "ui/print/PrintFont.h"
#include "ui/window/cViewSync.h"

#include <QFontDialog>
#include <QGuiApplication>
#include <QScreen>

void cSettingsCommands::OnPrintFont()
{
    m_doc.BackupIfDue();
    const QScreen* screen = m_frame.screen() != nullptr ? m_frame.screen() : QGuiApplication::primaryScreen();
    const int dpi = screen != nullptr ? qRound(screen->logicalDotsPerInchY()) : 96;
    QFontDialog dialog(PrintFontToQFont(m_doc.m_lfPrintFont, dpi), &m_frame);
    dialog.setWindowTitle(QStringLiteral("Print Font"));
    if (m_frame.RunDialog(dialog) != QDialog::Accepted) {
        return;
    }
    // The colour stays as it was: the font dialog offers none.
    m_doc.m_lfPrintFont = QFontToPrintFont(dialog.currentFont(), dpi, m_doc.m_lfPrintFont);
    m_doc.SetModifiedFlag();
    m_frame.UpdateTitle();
}

void cSettingsCommands::OnTableSettings(bool (*run)(CTournelDoc& doc, QWidget* parent))
{
    m_doc.BackupIfDue();
    if (!run(m_doc, &m_frame)) {
        return;
    }
    // Every table is out of date now; results show their set columns anew.
    if (m_frame.CurrentDirectory() == kDirTable || m_frame.CurrentDirectory() == kDirResults) {
        m_frame.Views().RefreshList();
    }
    m_frame.UpdateTitle();
}

void cSettingsCommands::OnOfficialSettings()
{
    m_doc.BackupIfDue();
    if (RunOfficialSettingsDialog(m_doc, &m_frame)) {
        m_frame.UpdateTitle();
        // The number of officials per game decides which slot commands work.
        m_frame.UpdateCommands();
    }
}

void cSettingsCommands::OnScheduleSettings()
{
    m_doc.BackupIfDue();
    if (RunScheduleSettings(m_doc, &m_frame)) {
        m_frame.UpdateTitle();
    }
}

void cSettingsCommands::OnDocumentInfo()
{
    m_doc.BackupIfDue();
    CDocumentInfoDialog dialog(m_doc, &m_frame);
    if (m_frame.RunDialog(dialog) != QDialog::Accepted) {
        return;
    }
    // Dates and weekday names appear in their new forms at once.
    m_frame.Views().RefreshList();
    m_frame.UpdateTitle();
}

void cSettingsCommands::OnWebTemplates()
{
    if (RunWebTemplatesDialog(m_doc, &m_frame)) {
        m_frame.UpdateTitle();
    }
}
