// The user guide and its help window: Help > Contents and Index shows the
// guide's index, every link of every page leads to a page and anchor that
// exist, every picture is there, and a What's This link opens its page, also
// from a modal dialog.

#include "Fixture.h"
#include "ui/dialogs/CScheduleSettingsDialog.h"
#include "ui/dialogs/DialogWhatsThis.h"
#include "ui/help/CHelpWindow.h"
#include "ui/window/CommandIds.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QWhatsThisClickedEvent>

#include <map>
#include <set>

namespace {

const QString kGuide = QStringLiteral(TOURNEL_GUIDE_SOURCE_DIR);

QString ReadText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList Captures(const QString& text, const QString& pattern)
{
    QStringList found;
    QRegularExpressionMatchIterator it = QRegularExpression(pattern).globalMatch(text);
    while (it.hasNext()) {
        found << it.next().captured(1);
    }
    return found;
}

// The pages of the guide with the anchors each defines (name= and id=).
std::map<QString, std::set<QString>> Pages()
{
    std::map<QString, std::set<QString>> pages;
    for (const QString& name : QDir(kGuide).entryList({QStringLiteral("*.html")}, QDir::Files)) {
        const QString text = ReadText(QDir(kGuide).filePath(name));
        std::set<QString>& anchors = pages[name];
        for (const QString& anchor : Captures(text, QStringLiteral("\\b(?:name|id)=\"([^\"]+)\""))) {
            anchors.insert(anchor);
        }
    }
    return pages;
}

// Empty when `link` ("page.html#anchor", "#anchor" within `from`) leads
// somewhere; else what is wrong with it.
QString Broken(const std::map<QString, std::set<QString>>& pages, const QString& from, const QString& link)
{
    const qsizetype hash = link.indexOf(QLatin1Char('#'));
    const QString page = hash < 0 ? link : link.left(hash);
    const QString anchor = hash < 0 ? QString() : link.mid(hash + 1);
    const auto target = pages.find(page.isEmpty() ? from : page);
    if (target == pages.end()) {
        return QStringLiteral("%1: no page for the link %2").arg(from, link);
    }
    if (!anchor.isEmpty() && target->second.count(anchor) == 0) {
        return QStringLiteral("%1: no anchor for the link %2").arg(from, link);
    }
    return {};
}

QString FileOf(const QTextBrowser& browser)
{
    return QFileInfo(browser.source().toLocalFile()).fileName();
}

} // namespace

class HelpWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void ContentsAndIndexShowsTheGuide()
    {
        cFixture f;
        f.Frame().UpdateCommands();
        QAction* command = f.Frame().Action(ID_HELP_FINDER);
        QVERIFY(command->isEnabled());
        QCOMPARE(command->shortcut(), QKeySequence(Qt::Key_F1));
        command->trigger();

        CHelpWindow* help = f.Frame().Help().HelpWindow();
        QVERIFY(help != nullptr);
        QVERIFY(help->isVisible());
        QCOMPARE(help->windowTitle(), QStringLiteral("Tournel Help"));
        QVERIFY(!help->GuideFolder().isEmpty());
        QCOMPARE(FileOf(help->Browser()), QStringLiteral("index.html"));
        QCOMPARE(help->Browser().documentTitle(), QStringLiteral("Tournel user guide"));
        // The contents pane: the chapters of the index page, with their sections.
        QTreeWidget& contents = help->Contents();
        QVERIFY(contents.topLevelItemCount() >= 8);
        QTreeWidgetItem* scheduling = nullptr;
        for (int i = 0; i < contents.topLevelItemCount(); ++i) {
            if (contents.topLevelItem(i)->text(0) == QStringLiteral("Scheduling the season")) {
                scheduling = contents.topLevelItem(i);
            }
        }
        QVERIFY(scheduling != nullptr && scheduling->childCount() > 0);
        emit contents.itemClicked(scheduling, 0);
        QCOMPARE(FileOf(help->Browser()), QStringLiteral("scheduling.html"));
        QVERIFY(help->BackButton().isEnabled());
        help->BackButton().click();
        QCOMPARE(FileOf(help->Browser()), QStringLiteral("index.html"));
        QVERIFY(help->ForwardButton().isEnabled());

        // The command again shows the same window.
        command->trigger();
        QCOMPARE(f.Frame().Help().HelpWindow(), help);
    }

    // A link or picture that leads nowhere is a fault of the guide; so is a
    // page no link leads to, or a picture too heavy for the package.
    void EveryLinkAndPictureOfTheGuideExists()
    {
        const auto pages = Pages();
        QVERIFY(pages.count(QStringLiteral("index.html")) == 1);
        QVERIFY(pages.size() >= 9);
        std::set<QString> linkedPages = {QStringLiteral("index.html")};
        std::set<QString> usedPictures;
        QStringList broken;
        for (const auto& [page, anchors] : pages) {
            const QString text = ReadText(QDir(kGuide).filePath(page));
            QVERIFY2(text.contains(QStringLiteral("<title>")), qPrintable(page));
            for (const QString& link : Captures(text, QStringLiteral("\\bhref=\"([^\"]*)\""))) {
                if (link.startsWith(QStringLiteral("http://")) ||
                    link.startsWith(QStringLiteral("https://"))) {
                    continue;
                }
                if (link.endsWith(QStringLiteral(".css"))) {
                    if (!QFileInfo::exists(QDir(kGuide).filePath(link))) {
                        broken << QStringLiteral("%1: no style sheet %2").arg(page, link);
                    }
                    continue;
                }
                if (const QString problem = Broken(pages, page, link); !problem.isEmpty()) {
                    broken << problem;
                }
                linkedPages.insert(link.section(QLatin1Char('#'), 0, 0));
            }
            for (const QString& source : Captures(text, QStringLiteral("\\bsrc=\"([^\"]*)\""))) {
                const QString path = QDir(kGuide).filePath(source);
                if (QImage(path).isNull()) {
                    broken << QStringLiteral("%1: no picture %2").arg(page, source);
                } else if (QFileInfo(path).size() > 120 * 1024) {
                    broken << QStringLiteral("%1: the picture %2 is too large").arg(page, source);
                }
                usedPictures.insert(QFileInfo(path).fileName());
            }
        }
        for (const auto& [page, anchors] : pages) {
            if (linkedPages.count(page) == 0) {
                broken << QStringLiteral("no link leads to %1").arg(page);
            }
        }
        for (const QString& picture : QDir(kGuide + QStringLiteral("/images")).entryList(QDir::Files)) {
            if (usedPictures.count(picture) == 0) {
                broken << QStringLiteral("the picture %1 is not shown").arg(picture);
            }
        }
        QVERIFY2(broken.isEmpty(), qPrintable(broken.join(QLatin1Char('\n'))));
    }

    // The What's This texts of the window and the dialogs link to pages and
    // anchors that exist, and name dialogs that exist.
    void WhatsThisLinksLeadIntoTheGuide()
    {
        const auto pages = Pages();
        cFixture f;
        QStringList texts = {f.Tree().whatsThis(), f.List().whatsThis()};
        QString sources;
        for (QDirIterator it(QStringLiteral(TOURNEL_SOURCE_DIR "/ui"), {QStringLiteral("*.cpp")}, QDir::Files,
                             QDirIterator::Subdirectories);
             it.hasNext();) {
            sources += ReadText(it.next());
        }
        for (const QString& title : DialogWhatsThisTitles()) {
            QVERIFY2(sources.contains(QStringLiteral("QStringLiteral(\"%1\")").arg(title)),
                     qPrintable(title));
            texts << DialogWhatsThis(title);
        }
        CScheduleSettingsDialog settings(f.Doc(), &f.Frame());
        QCOMPARE(settings.whatsThis(), DialogWhatsThis(QStringLiteral("Schedule Settings")));
        QStringList broken;
        for (const QString& text : texts) {
            const QStringList links = Captures(text, QStringLiteral("href=\"([^\"]*)\""));
            QVERIFY2(links.size() == 1, qPrintable(text));
            QString page;
            QString anchor;
            QVERIFY2(CHelpWindow::ParseGuideLink(links.front(), page, anchor), qPrintable(links.front()));
            if (const QString problem = Broken(pages, {}, page + QLatin1Char('#') + anchor);
                !problem.isEmpty()) {
                broken << problem;
            }
        }
        QVERIFY2(broken.isEmpty(), qPrintable(broken.join(QLatin1Char('\n'))));
    }

    void WhatsThisLinkOpensItsPage()
    {
        cFixture f;
        QWhatsThisClickedEvent click(QStringLiteral("guide:scheduling.html#manual"));
        QCoreApplication::sendEvent(&f.List(), &click);
        CHelpWindow* help = f.Frame().Help().HelpWindow();
        QVERIFY(help != nullptr && help->isVisible());
        QCOMPARE(FileOf(help->Browser()), QStringLiteral("scheduling.html"));
        QCOMPARE(help->Browser().source().fragment(), QStringLiteral("manual"));

        // Any other link is left to whoever wants it.
        QWhatsThisClickedEvent other(QStringLiteral("https://example.invalid/"));
        QCoreApplication::sendEvent(&f.List(), &other);
        QCOMPARE(FileOf(help->Browser()), QStringLiteral("scheduling.html"));
    }

    // A modal dialog blocks the main window's help window: the guide opens
    // in a window of the dialog's own.
    void WhatsThisLinkInAModalDialogOpensAWindowOfTheDialog()
    {
        cFixture f;
        CScheduleSettingsDialog dialog(f.Doc(), &f.Frame());
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.show();
        QCOMPARE(QApplication::activeModalWidget(), &dialog);
        QWhatsThisClickedEvent click(QStringLiteral("guide:scheduling.html#rules"));
        QCoreApplication::sendEvent(&dialog, &click);
        QVERIFY(f.Frame().Help().HelpWindow() == nullptr);
        const auto windows = dialog.findChildren<CHelpWindow*>();
        QCOMPARE(windows.size(), 1);
        QVERIFY(windows.front()->isVisible());
        QCOMPARE(FileOf(windows.front()->Browser()), QStringLiteral("scheduling.html"));
        QCOMPARE(windows.front()->Browser().source().fragment(), QStringLiteral("rules"));
        dialog.close();
    }

    void WithoutAGuideTheWindowSaysWhereItLooked()
    {
        QTemporaryDir dir;
        const QStringList folders = {dir.filePath(QStringLiteral("guide")),
                                     dir.filePath(QStringLiteral("other"))};
        CHelpWindow help(nullptr, folders);
        help.ShowHelp(QStringLiteral("scheduling.html"), QStringLiteral("manual"));
        QVERIFY(help.GuideFolder().isEmpty());
        const QString text = help.Browser().toPlainText();
        QVERIFY2(text.contains(QStringLiteral("not found")), qPrintable(text));
        for (const QString& folder : folders) {
            QVERIFY2(text.contains(QDir(folder).filePath(QStringLiteral("index.html"))), qPrintable(text));
        }
        QVERIFY(!help.HomeButton().isEnabled());

        // A folder with the index page is found, the first of several.
        QVERIFY(QDir().mkpath(folders[1]));
        QFile index(QDir(folders[1]).filePath(QStringLiteral("index.html")));
        QVERIFY(index.open(QIODevice::WriteOnly));
        index.close();
        QCOMPARE(CHelpWindow::FindGuide(folders), QDir(folders[1]).absolutePath());
    }
};

QTEST_MAIN(HelpWindowTest)
#include "HelpWindow_test.moc"
