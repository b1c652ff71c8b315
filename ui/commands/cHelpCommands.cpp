#include "ui/commands/cHelpCommands.h"

#include "ui/help/CAboutDialog.h"
#include "ui/help/CHelpWindow.h"
#include "ui/help/CTipDialog.h"

#include <QApplication>

void cHelpCommands::OnTipOfTheDay()
{
    CTipDialog dialog(CTipDialog::FindTipsFile(), m_frame.Profile(), &m_frame);
    m_frame.RunDialog(dialog);
}

void cHelpCommands::OnAbout()
{
    CAboutDialog dialog(&m_frame);
    m_frame.RunDialog(dialog);
}

void cHelpCommands::ShowHelp(const QString& page, const QString& anchor)
{
    if (m_pHelpWindow == nullptr) {
        m_pHelpWindow = new CHelpWindow(&m_frame);
    }
    m_pHelpWindow->ShowHelp(page, anchor);
    m_pHelpWindow->show();
    m_pHelpWindow->raise();
    m_pHelpWindow->activateWindow();
}

bool cHelpCommands::OpenGuideLink(const QString& href)
{
    QString page;
    QString anchor;
    if (!CHelpWindow::ParseGuideLink(href, page, anchor)) {
        return false;
    }
    // A modal dialog blocks every window but its own: the guide opened from
    // one is a window of that dialog and closes with it.
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && modal != &m_frame) {
        auto* help = new CHelpWindow(modal);
        help->setAttribute(Qt::WA_DeleteOnClose);
        help->ShowHelp(page, anchor);
        help->show();
    } else {
        ShowHelp(page, anchor);
    }
    return true;
}
