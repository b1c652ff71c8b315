#include "TournelVersion.h"
#include "ui/commands/cHelpCommands.h"
#include "ui/dialogs/ItemDialogs.h"
#include "ui/dialogs/cItemDialogRegistry.h"
#include "ui/help/CSplashWnd.h"
#include "ui/help/CTipDialog.h"
#include "ui/help/InstallCheck.h"
#include "ui/print/PrintToPdf.h"
#include "ui/window/CMainFrame.h"
#include "ui/window/Images.h"
#include "ui/window/cDocumentController.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QEventLoop>
#include <QSettings>
#include <QTimer>

#include <cstring>
#include <iostream>

namespace {

// The option given alone or as "option=value".
bool HasOption(int argc, char** argv, const char* wanted)
{
    const std::size_t length = std::strlen(wanted);
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], wanted, length) == 0 &&
            (argv[i][length] == '\0' || argv[i][length] == '=')) {
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    // A print into a file and the check of the installation show no window:
    // they need no display either.
    if ((HasOption(argc, argv, "--print-pdf") || HasOption(argc, argv, "--check-install")) &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tournel"));
    QApplication::setOrganizationName(QStringLiteral("Tournel"));
    QApplication::setApplicationVersion(QString::fromLatin1(kTournelVersion));
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
    const QCommandLineOption printPdf(
        QStringLiteral("print-pdf"), QStringLiteral("Print into the PDF file instead of opening the window."),
        QStringLiteral("OUT.pdf"));
    parser.addOption(printPdf);
    const QCommandLineOption print(QStringLiteral("print"),
                                   QStringLiteral("With --print-pdf: the special print (schedule, tables or "
                                                  "content) with the defaults of its dialog, or the print "
                                                  "of a directory (courts, court-time, leagues, officials, "
                                                  "unscheduled, scheduled or results)."),
                                   QStringLiteral("schedule|tables|content|DIRECTORY"));
    parser.addOption(print);
    const QCommandLineOption checkInstall(
        QStringLiteral("check-install"),
        QStringLiteral("Tell where the web template, the tips and the user guide are found, and quit."));
    parser.addOption(checkInstall);
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("The database (.tnd) to open."),
                                 QStringLiteral("[file]"));
    parser.process(app);
    const bool showSplash = !parser.isSet(noSplash);
    if (parser.isSet(checkInstall)) {
        RegisterItemDialogs(cItemDialogRegistry::Instance());
        return CheckInstall(std::cout);
    }
    if (parser.isSet(printPdf) || parser.isSet(print)) {
        if (!parser.isSet(printPdf) || !parser.isSet(print) || parser.positionalArguments().size() != 1) {
            std::cerr
                << "Usage: tournel --print-pdf OUT.pdf --print schedule|tables|content|DIRECTORY FILE.tnd\n";
            return 2;
        }
        return PrintToPdf(parser.positionalArguments().front(), parser.value(print), parser.value(printPdf),
                          std::cerr);
    }

    RegisterItemDialogs(cItemDialogRegistry::Instance());
    CMainFrame frame;
    frame.show();
    if (showSplash) {
        CSplashWnd::ShowSplashScreen(&frame);
    }
    const QStringList files = parser.positionalArguments();
    if (!files.isEmpty()) {
        frame.Documents().OpenAtStartUp(files.front());
    }
    if (showSplash) {
        // Keep the splash on screen for a moment before anything else appears.
        QEventLoop pause;
        QTimer::singleShot(2500, &pause, &QEventLoop::quit);
        pause.exec();
        if (CTipDialog::ShowAtStartUp(frame.Profile())) {
            frame.Help().OnTipOfTheDay();
        }
    }
    return QApplication::exec();
}
