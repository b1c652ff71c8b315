#include "ui/help/InstallCheck.h"

#include "ui/commands/cHelpCommands.h"
#include "ui/help/CHelpWindow.h"
#include "ui/help/CTipDialog.h"
#include "ui/window/CMainFrame.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTreeWidget>

#include <ostream>

namespace {

bool Report(std::ostream& out, const char* what, bool found, const QString& path)
{
    out << what << (found ? ": " : " missing: ") << path.toStdString() << '\n';
    return found;
}

} // namespace

int CheckInstall(std::ostream& out)
{
    // A profile of its own: the check leaves the user's recent files and window alone.
    QTemporaryDir folder;
    QSettings profile(QDir(folder.path()).filePath(QStringLiteral("profile.ini")), QSettings::IniFormat);
    CMainFrame frame(&profile);
    bool found = true;

    // A new document names the template beside the program.
    const QString templatePath = QString::fromStdString(frame.Document().Settings().m_strScheduleTemplate);
    found &= Report(out, "template", QFileInfo(templatePath).isFile(), templatePath);

    const QString tips = CTipDialog::FindTipsFile();
    found &= Report(out, "tips", QFileInfo(tips).isFile(), tips);

    frame.Help().ShowHelp(QStringLiteral("index.html"));
    const CHelpWindow* help = frame.Help().HelpWindow();
    if (help == nullptr || help->GuideFolder().isEmpty()) {
        found &= Report(out, "guide", false, CHelpWindow::GuideFolders().join(QStringLiteral(", ")));
    } else {
        const QString index = QDir(help->GuideFolder()).filePath(QStringLiteral("index.html"));
        const bool shown =
            !help->Browser().documentTitle().isEmpty() && help->Contents().topLevelItemCount() > 0;
        found &= Report(out, "guide", shown, index);
    }
    return found ? 0 : 1;
}
