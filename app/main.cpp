#include "ui/CMainFrame.h"
#include "ui/CSplashWnd.h"
#include "ui/CTipDialog.h"
#include "ui/Images.h"
#include "ui/ItemDialogs.h"
#include "ui/cItemDialogRegistry.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QEventLoop>
#include <QSettings>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tournel"));
    QApplication::setOrganizationName(QStringLiteral("Tournel"));
    QApplication::setApplicationVersion(QStringLiteral("2.6"));
    QApplication::setWindowIcon(QIcon(ProgramPicture()));
    QSettings::setDefaultFormat(QSettings::IniFormat);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Plans the season of sports leagues."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption noSplash(
        QStringList{QStringLiteral("nosplash"), QStringLiteral("nologo")},
        QStringLiteral("Start without the splash screen and the tip of the day."));
    parser.addOption(noSplash);
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("The database (.tnd) to open."),
                                 QStringLiteral("[file]"));
    parser.process(app);
    const bool showSplash = !parser.isSet(noSplash);

    RegisterItemDialogs(cItemDialogRegistry::Instance());
    CMainFrame frame;
    frame.show();
    if (showSplash) {
        CSplashWnd::ShowSplashScreen(&frame);
    }
    const QStringList files = parser.positionalArguments();
    if (!files.isEmpty()) {
        frame.OpenAtStartUp(files.front());
    }
    if (showSplash) {
        // Keep the splash on screen for a moment before anything else appears.
        QEventLoop pause;
        QTimer::singleShot(2500, &pause, &QEventLoop::quit);
        pause.exec();
        if (CTipDialog::ShowAtStartUp(frame.Profile())) {
            frame.OnTipOfTheDay();
        }
    }
    return QApplication::exec();
}
