// The print and file commands of the main window: what they refuse, what
// they ask, and that the pages reach the printer the hook chose (a PDF file).

#include "Fixture.h"
#include "model/Strings.h"
#include "model/cMatch.h"
#include "model/cResult.h"
#include "output/AllDirectories.h"
#include "output/Csv.h"
#include "output/Export.h"
#include "scheduling/AutoScheduler.h"
#include "scheduling/MatchGeneration.h"
#include "standings/Standings.h"
#include "tools/seasongen/PlainSchedule.h"
#include "tools/seasongen/SeasonGenerator.h"
#include "ui/dialogs/CCalendarExportDialog.h"
#include "ui/dialogs/CChangesDialog.h"
#include "ui/dialogs/CImportDialog.h"
#include "ui/dialogs/CNumberSpinBox.h"
#include "ui/dialogs/CViewFilterDialog.h"
#include "ui/dialogs/CWebsiteDialog.h"
#include "ui/dialogs/DialogFields.h"
#include "ui/print/CSchedulePrintDialog.h"
#include "ui/print/CTablePrintDialog.h"
#include "ui/print/PrintPages.h"
#include "ui/window/CommandIds.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTest>

namespace {

// Prints of the frame go to PDF files in the fixture's folder, counted.
struct cPrintFixture : cFixture
{
    cPrintFixture()
    {
        Frame().m_fnChoosePrinter = [this](QPrinter& printer) {
            ++m_nPrinted;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(Pdf());
            return true;
        };
        Frame().m_fnAskFileName = [this](bool save, const QString& suggested) {
            m_asked << suggested;
            return save ? m_strAnswer : QString();
        };
    }

    QString Pdf() const { return m_dir.filePath(QStringLiteral("print.pdf")); }
    bool PdfWritten() const
    {
        QFile file(Pdf());
        return file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-";
    }
    void Run(int command)
    {
        m_prompt.m_ids.clear();
        Frame().UpdateCommands();
        QVERIFY2(Frame().Action(command)->isEnabled(), qPrintable(QString::number(command)));
        Frame().Action(command)->trigger();
    }

    cMatch& AddMatch(cLeague& league, cCourt& court, TimePoint start)
    {
        auto added = std::make_unique<cMatch>();
        added->m_nLeague = league.m_nIndex;
        added->m_nHomeTeam = 0;
        added->m_nGuestTeam = 1;
        added->m_nCourt = court.m_nIndex;
        added->m_tStart = start;
        added->m_tEnd = start + 3600;
        auto& match = static_cast<cMatch&>(Doc().Scheduled().AddItem(std::move(added), true));
        auto result = std::make_unique<cResult>();
        result->CopyPairing(match);
        cResult::Link(*result, match);
        Doc().Results().AddItem(std::move(result), true);
        return match;
    }

    // A league of two teams with one match on 1 May 2027.
    void AddSeason()
    {
        cCourt& court = AddCourt("Main Hall", "MH");
        cLeague& league = AddLeague("Premier", "PL");
        AddTeam(league, "Lions");
        AddTeam(league, "Tigers");
        AddMatch(league, court, MakeTimePoint(2027, 5, 1, 19, 30));
        Doc().SetModifiedFlag(false);
        Frame().Views().UpdateAllViews();
    }

    int m_nPrinted = 0;
    QStringList m_asked;
    QString m_strAnswer;
};

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool HavePdfToText()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

// The text of a PDF as `pdftotext -layout` reads it, ligatures ("ﬃ") back
// as their letters; empty when it cannot be read.
QString PdfText(const QString& pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!process.waitForFinished(120000) || process.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput()).normalized(QString::NormalizationForm_KC);
}

// The column headings of a directory's spreadsheet file: its header row.
QStringList CsvHeadings(const cTournelDb& directory)
{
    const std::string csv = DirectoryCsv(directory);
    QStringList headings;
    for (const QString& cell : ToQString(csv.substr(0, csv.find('\n'))).split(QLatin1Char(','))) {
        headings << ToQString(CsvCellText(ToStdString(cell)));
    }
    return headings;
}

// Every directory of `db` with something to print (with `firstOnly` the first
// league's, team's and official's lists only) printed into a PDF file as
// File > Print prints it on an A4 page: its heading and every column heading
// of its spreadsheet file are in the text read back.
void ExpectEveryColumnPrinted(cDatabase& db, bool firstOnly, const QString& folder)
{
    int printed = 0;
    for (cTournelDb* directory : AllDirectories(db, firstOnly)) {
        directory->Refresh();
        if (DirectoryPrintRefusal(directory) != 0) {
            continue;
        }
        const QString name = ToQString(DirectoryHeading(*directory));
        const QString pdf = QStringLiteral("%1/directory-%2.pdf").arg(folder).arg(printed++);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setOutputFileName(pdf);
        QVERIFY2(PrintPages(
                     printer, db,
                     [directory](const cPrintSizing& sizing) { return DirectoryPages(*directory, sizing); }),
                 qPrintable(name));
        const QString text = PdfText(pdf);
        QVERIFY2(text.contains(name), qPrintable(name + QStringLiteral(": no heading in ") + text.left(300)));
        for (const QString& heading : CsvHeadings(*directory)) {
            QVERIFY2(text.contains(heading), qPrintable(name + QStringLiteral(": \"") + heading +
                                                        QStringLiteral("\" is not printed")));
        }
    }
    QVERIFY(printed > 5);
}

} // namespace

class tst_PrintCommands : public QObject
{
    Q_OBJECT

private slots:
    void DirectoryPrintNeedsAShownDirectoryWithItems();
    void PreviewOffersSavingAsPdf();
    void WriteToFileAsksWithTheDirectorysName();
    void SchedulePrintGoesToTheFileOrThePrinter();
    void TablesAndContentPrint();
    void SetupAndTemplatesGoThroughTheDialogRunner();
    void CalendarHoldsTheChosenMatches();
    void WebsiteIsPublishedIntoTheRememberedFolder();
    void ImportPreviewsThenImportsTheAcceptedRows();
    void CompareWithFileShowsTheChangesOnly();
    void EveryColumnOfTheExampleSeasonIsPrinted();
    void EveryColumnOfAGeneratedSeasonIsPrinted();
    void PrintAndWriteToFileFollowTheViewFilter();
};

void tst_PrintCommands::DirectoryPrintNeedsAShownDirectoryWithItems()
{
    cPrintFixture f;
    f.Run(ID_FILE_PRINT);
    QCOMPARE(f.m_prompt.m_ids, std::vector<int>{IDS_NO_DIRECTORY_TO_PRINT});
    f.Select(&f.Doc().Courts());
    f.Run(ID_FILE_PRINT);
    QCOMPARE(f.m_prompt.m_ids, std::vector<int>{IDS_NOTHING_TO_PRINT});
    QCOMPARE(f.m_nPrinted, 0);

    f.AddCourt("Main Hall", "MH");
    f.Doc().SetModifiedFlag(false);
    f.Select(&f.Doc().Courts());
    f.Run(ID_FILE_PRINT);
    QVERIFY(f.m_prompt.m_ids.empty());
    QCOMPARE(f.m_nPrinted, 1);
    QVERIFY(f.PdfWritten());
    // Printing changes nothing.
    QVERIFY(!f.Doc().IsModified());
}

void tst_PrintCommands::PreviewOffersSavingAsPdf()
{
    cPrintFixture f;
    f.AddOfficial("Smith");
    f.Select(&f.Doc().Officials());
    const QString saved = f.m_dir.filePath(QStringLiteral("preview"));
    f.m_strAnswer = saved;
    int previews = 0;
    bool paintedPages = false;
    f.m_fnDialog = [&](QDialog& dialog) {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(&dialog);
        if (preview == nullptr) {
            return int(QDialog::Rejected);
        }
        ++previews;
        // Shown, the preview asks for its pages.
        QSignalSpy painted(preview, &QPrintPreviewDialog::paintRequested);
        preview->show();
        paintedPages = QTest::qWaitFor([&painted] { return painted.count() > 0; });
        for (QAction* action : preview->findChildren<QAction*>()) {
            if (action->text() == QStringLiteral("Save as PDF...")) {
                action->trigger();
            }
        }
        preview->reject();
        return int(QDialog::Rejected);
    };
    f.Run(ID_FILE_PRINT_PREVIEW);
    QCOMPARE(previews, 1);
    QVERIFY(paintedPages);
    QCOMPARE(f.m_asked, QStringList{QStringLiteral("Officials")});
    QVERIFY(ReadAll(saved + QStringLiteral(".pdf")).startsWith("%PDF-"));
    QCOMPARE(f.m_nPrinted, 0);
}

void tst_PrintCommands::WriteToFileAsksWithTheDirectorysName()
{
    cPrintFixture f;
    f.AddOfficial("Smith");
    f.AddOfficial("Jones");
    f.Select(&f.Doc().Officials());
    f.Run(ID_WRITE_TO_FILE); // cancelled
    QCOMPARE(f.m_asked, QStringList{QStringLiteral("Officials")});
    QVERIFY(f.m_prompt.m_ids.empty());

    f.m_strAnswer = f.m_dir.filePath(QStringLiteral("officials"));
    f.Run(ID_WRITE_TO_FILE);
    const QByteArray text = ReadAll(f.m_strAnswer + QStringLiteral(".txt"));
    QVERIFY(text.startsWith("Officials\r\n\r\n"));
    QVERIFY(text.contains("Jones"));

    f.Select(&f.Doc().Courts());
    f.m_asked.clear();
    f.Run(ID_WRITE_TO_FILE);
    QCOMPARE(f.m_prompt.m_ids, std::vector<int>{IDS_NOTHING_TO_PRINT});
    QVERIFY(f.m_asked.isEmpty());
}

void tst_PrintCommands::SchedulePrintGoesToTheFileOrThePrinter()
{
    cPrintFixture f;
    f.Frame().UpdateCommands();
    QVERIFY(!f.Frame().Action(ID_PRINT_SCHEDULE)->isEnabled());
    f.AddSeason();
    bool toFile = true;
    f.m_fnDialog = [&](QDialog& dialog) {
        auto* schedule = dynamic_cast<CSchedulePrintDialog*>(&dialog);
        if (schedule == nullptr) {
            return int(QDialog::Rejected);
        }
        schedule->SetValues([&] {
            cSchedulePrintValues values = schedule->Values();
            values.start = {1, 1, 2027};
            values.ChooseSorting(cScheduleExport::kByCourt);
            values.writeToFile = toFile;
            return values;
        }());
        schedule->accept();
        return schedule->result();
    };
    f.m_strAnswer = f.m_dir.filePath(QStringLiteral("schedule.txt"));
    f.Run(ID_PRINT_SCHEDULE);
    QCOMPARE(f.m_asked, QStringList{QStringLiteral("Schedule")});
    QVERIFY(ReadAll(f.m_strAnswer).contains("Schedule for Main Hall"));
    QVERIFY(f.Doc().IsModified());
    QCOMPARE(f.Doc().m_nScheduleSorting, int(cScheduleExport::kByCourt));
    QCOMPARE(f.m_nPrinted, 0);

    toFile = false;
    f.Run(ID_PRINT_SCHEDULE);
    QCOMPARE(f.m_nPrinted, 1);
    QVERIFY(f.PdfWritten());
    QVERIFY(f.m_prompt.m_ids.empty());
}

void tst_PrintCommands::TablesAndContentPrint()
{
    cPrintFixture f;
    f.Frame().UpdateCommands();
    QVERIFY(!f.Frame().Action(ID_PRINT_TABLES)->isEnabled());
    f.AddSeason();
    int dialogs = 0;
    f.m_fnDialog = [&](QDialog& dialog) {
        ++dialogs;
        dialog.accept();
        return dialog.result();
    };
    f.Run(ID_PRINT_TABLES);
    QCOMPARE(f.m_nPrinted, 1);
    QVERIFY(f.PdfWritten());
    QVERIFY(f.Doc().IsModified()); // the dialog's OK stores its choices

    QFile::remove(f.Pdf());
    f.Run(ID_PRINT_CONTENT);
    QCOMPARE(f.m_nPrinted, 2);
    QVERIFY(f.PdfWritten());

    // Written as text, the content is named after the command.
    f.m_fnDialog = [&](QDialog& dialog) {
        ++dialogs;
        for (QCheckBox* box : dialog.findChildren<QCheckBox*>()) {
            if (box->text() == QStringLiteral("Write to text file...")) {
                box->setChecked(true);
            }
        }
        dialog.accept();
        return dialog.result();
    };
    f.m_strAnswer = f.m_dir.filePath(QStringLiteral("content"));
    f.Run(ID_PRINT_CONTENT);
    QCOMPARE(f.m_asked, QStringList{QStringLiteral("Content")});
    QVERIFY(ReadAll(f.m_strAnswer + QStringLiteral(".txt")).contains("- 1 leagues including 2 teams"));
    QCOMPARE(dialogs, 3);
}

void tst_PrintCommands::SetupAndTemplatesGoThroughTheDialogRunner()
{
    cPrintFixture f;
    QStringList shown;
    f.m_fnDialog = [&](QDialog& dialog) {
        shown << dialog.windowTitle();
        if (qobject_cast<QPageSetupDialog*>(&dialog) != nullptr) {
            return int(QDialog::Rejected);
        }
        dialog.accept();
        return dialog.result();
    };
    f.Run(ID_FILE_PRINT_SETUP);
    f.Run(ID_SETTINGS_WEB_TEMPLATES);
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown.back(), QStringLiteral("Web document templates"));
    QVERIFY(f.Doc().IsModified());
    QVERIFY(f.Frame().isWindowModified());
}

void tst_PrintCommands::CalendarHoldsTheChosenMatches()
{
    cPrintFixture f;
    f.Frame().UpdateCommands();
    QVERIFY(!f.Frame().Action(ID_EXPORT_CALENDAR)->isEnabled()); // nothing scheduled
    f.AddSeason();
    cLeague& league = *f.Doc().GetLeague(0);
    cCourt& other = f.AddCourt("Side Hall", "SH");
    f.AddMatch(league, other, MakeTimePoint(2027, 6, 1, 18, 0));
    f.Doc().SetModifiedFlag(false);
    QString matchesOf;
    cPrintDate final{31, 5, 2027};
    f.m_fnDialog = [&](QDialog& dialog) {
        auto* calendar = dynamic_cast<CCalendarExportDialog*>(&dialog);
        if (calendar == nullptr) {
            return int(QDialog::Rejected);
        }
        calendar->MatchesOf().setCurrentIndex(calendar->MatchesOf().findText(matchesOf));
        const std::size_t finalDay =
            cCalendarExportValues::kFieldFinalDay - cCalendarExportValues::kFieldStartDay;
        const int values[3] = {final.day, final.month, final.year};
        for (std::size_t i = 0; i < 3; ++i) {
            dialog.findChildren<CNumberSpinBox*>()
                .at(static_cast<qsizetype>(finalDay + i))
                ->setValue(values[i]);
        }
        calendar->accept();
        return calendar->result();
    };
    const auto events = [&f] {
        return ReadAll(f.m_strAnswer + QStringLiteral(".ics")).count("BEGIN:VEVENT");
    };

    // The period ends before the second match: one event of both.
    matchesOf = QStringLiteral("All matches");
    f.m_strAnswer = f.m_dir.filePath(QStringLiteral("season"));
    f.Run(ID_EXPORT_CALENDAR);
    QCOMPARE(f.m_asked, QStringList{QStringLiteral("Schedule")});
    QCOMPARE(events(), 1);
    QVERIFY(ReadAll(f.m_strAnswer + QStringLiteral(".ics")).contains("SUMMARY:Lions - Tigers"));

    // The whole season on the side court: its one match.
    final = {30, 6, 2027};
    matchesOf = QStringLiteral("Court: Side Hall");
    f.m_strAnswer = f.m_dir.filePath(QStringLiteral("side"));
    f.Run(ID_EXPORT_CALENDAR);
    QCOMPARE(events(), 1);
    QVERIFY(ReadAll(f.m_strAnswer + QStringLiteral(".ics")).contains("LOCATION:Side Hall"));

    // A final date before the start is refused and writes nothing.
    final = {1, 1, 2027};
    f.m_strAnswer = f.m_dir.filePath(QStringLiteral("refused"));
    f.Run(ID_EXPORT_CALENDAR);
    QVERIFY(!QFile::exists(f.m_strAnswer + QStringLiteral(".ics")));
    QVERIFY(!f.Doc().IsModified()); // a calendar changes nothing in the season
}

// File > Publish Website writes the site into the folder chosen (Browse...
// included), says how many files it wrote, offers that folder again next
// time, writes nothing that did not change and leaves the season as it was.
void tst_PrintCommands::WebsiteIsPublishedIntoTheRememberedFolder()
{
    cPrintFixture f;
    f.AddSeason();
    const QString site = f.m_dir.filePath(QStringLiteral("site"));
    QString offered;
    QString title = QStringLiteral("Spring <Cup>");
    bool browse = true;
    f.m_fnDialog = [&](QDialog& dialog) {
        auto* website = dynamic_cast<CWebsiteDialog*>(&dialog);
        if (website == nullptr) {
            return int(QDialog::Rejected);
        }
        offered = website->Folder().text();
        website->Title().setText(title);
        if (browse) {
            f.m_strAnswer = site;
            website->Browse().click();
        }
        website->accept();
        if (website->result() != QDialog::Accepted) {
            website->reject();
        }
        return website->result();
    };
    f.Run(ID_PUBLISH_WEBSITE);
    QVERIFY(offered.isEmpty()); // an untitled season has no folder to offer
    QVERIFY(ReadAll(site + QStringLiteral("/index.html")).contains("<h1>Spring &lt;Cup&gt;</h1>"));
    QVERIFY(QFile::exists(site + QStringLiteral("/teams/pl/lions.ics")));
    QCOMPARE(f.m_prompt.m_ids, std::vector<int>{IDS_SITE_WRITTEN});
    const QString written = ToQString(f.m_prompt.m_texts.back());
    QVERIFY2(written.endsWith(QStringLiteral(" files written, 0 unchanged.")), qPrintable(written));

    browse = false;
    f.Run(ID_PUBLISH_WEBSITE);
    QCOMPARE(offered, site);
    QCOMPARE(ToQString(f.m_prompt.m_texts.back()),
             QStringLiteral("0 files written, %1 unchanged.").arg(written.split(QLatin1Char(' ')).front()));

    // A blank title is refused and nothing is written.
    title = QStringLiteral(" ");
    QFile::remove(site + QStringLiteral("/index.html"));
    f.Run(ID_PUBLISH_WEBSITE);
    QCOMPARE(f.m_prompt.m_ids, std::vector<int>{IDS_SITE_NO_TITLE});
    QVERIFY(!QFile::exists(site + QStringLiteral("/index.html")));
    QVERIFY(!f.Doc().IsModified());
}

// File > Import shows every row with what importing it would do, imports the
// accepted rows on OK, and is refused while no row would be imported. Write
// to File with a .csv name writes the directory as a spreadsheet.
void tst_PrintCommands::ImportPreviewsThenImportsTheAcceptedRows()
{
    cPrintFixture f;
    f.AddSeason();
    const QString good = f.m_dir.filePath(QStringLiteral("officials.csv"));
    const QString bad = f.m_dir.filePath(QStringLiteral("bad.csv"));
    for (const auto& [path, text] :
         {std::pair{good, QByteArray("Official name,Club,Rating\r\nAnna,North,8\r\n,South,3\r\nBen,,x\r\n"
                                     "Carl,West,2\r\n")},
          std::pair{bad, QByteArray("Official name,Rating\nAnna,12\n")}}) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    QString chosen;
    QStringList summaries;
    std::vector<int> previewed;
    QStringList shownRows;
    f.m_fnDialog = [&](QDialog& dialog) {
        auto* import = dynamic_cast<CImportDialog*>(&dialog);
        if (import == nullptr) {
            return int(QDialog::Rejected);
        }
        import->Kind().setCurrentIndex(static_cast<int>(eImportKind::kOfficials));
        import->File().setText(chosen);
        import->UpdatePreview();
        summaries << import->Summary().text();
        previewed.push_back(import->Rows().rowCount());
        shownRows.clear();
        for (int row = 0; row < import->Rows().rowCount(); ++row) {
            shownRows << import->Rows().item(row, 2)->text();
        }
        import->accept();
        if (import->result() != QDialog::Accepted) {
            import->reject();
        }
        return import->result();
    };

    // Nothing importable: OK is refused and the season stays as it was.
    chosen = bad;
    f.Run(ID_FILE_IMPORT);
    QCOMPARE(summaries.back(), QStringLiteral("0 rows to import, 1 refused, 0 without a result."));
    QCOMPARE(f.m_prompt.m_ids, std::vector<int>{IDS_CSV_NOTHING_TO_IMPORT});
    QCOMPARE(f.Doc().Officials().GetCount(), 0);
    QVERIFY(!f.Doc().IsModified());

    // Two of four rows are accepted and imported; the list shows them.
    chosen = good;
    f.Run(ID_FILE_IMPORT);
    QCOMPARE(previewed.back(), 4);
    QCOMPARE(shownRows, (QStringList{"Yes", "Official name: The official must have a name!",
                                     "Rating: Please enter an integer.", "Yes"}));
    QCOMPARE(summaries.back(), QStringLiteral("2 rows to import, 2 refused, 0 without a result."));
    QCOMPARE(f.Doc().Officials().GetCount(), 2);
    QVERIFY(f.Doc().IsModified());
    QVERIFY(f.Frame().isWindowModified());

    f.Select(&f.Doc().Officials());
    QCOMPARE(f.Rows(), 2);
    f.m_strAnswer = f.m_dir.filePath(QStringLiteral("written.csv"));
    f.Run(ID_WRITE_TO_FILE);
    QVERIFY(ReadAll(f.m_strAnswer).startsWith("Official name,Club,Rating,"));
    QVERIFY(ReadAll(f.m_strAnswer).contains("\r\nAnna,North,8,"));
}

// File > Compare with File reads the other file aside and shows what changed
// since; the document, its modified mark and its undo steps stay as they were.
void tst_PrintCommands::CompareWithFileShowsTheChangesOnly()
{
    cPrintFixture f;
    f.AddSeason();
    const QString old = f.m_dir.filePath(QStringLiteral("old.tnd"));
    QVERIFY(f.Doc().OnSaveDocument(ToStdString(old)));
    for (cMatch& match : f.Doc().Scheduled().AllItems<cMatch>()) {
        match.m_tStart += 3600;
        match.m_tEnd += 3600;
    }
    const QString garbage = f.m_dir.filePath(QStringLiteral("garbage.tnd"));
    {
        QFile file(garbage);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a season");
    }
    const QString other = f.m_dir.filePath(QStringLiteral("other.tnd"));
    {
        CTournelDoc season;
        season.OnNewDocument();
        season.m_tCreated = f.Doc().m_tCreated + 1;
        QVERIFY(season.OnSaveDocument(ToStdString(other)));
    }
    const QString saved = f.m_dir.filePath(QStringLiteral("changes.csv"));
    QString opened;
    f.Frame().m_fnAskFileName = [&](bool save, const QString&) { return save ? saved : opened; };
    QString shown;
    f.m_fnDialog = [&](QDialog& dialog) {
        auto* changes = dynamic_cast<CChangesDialog*>(&dialog);
        if (changes != nullptr) {
            shown = changes->Text().toPlainText();
            changes->SaveButton().click();
        }
        return int(QDialog::Rejected);
    };
    const std::string bytes = f.Doc().Snapshot();
    const bool modified = f.Doc().IsModified();
    const bool canUndo = f.Frame().Action(ID_EDIT_UNDO)->isEnabled();

    opened = old;
    f.Run(ID_FILE_COMPARE);
    QVERIFY2(shown.startsWith(QStringLiteral("Teams\n\nPremier, Lions\n  PL-0 Lions - Tigers: Moved: ")),
             qPrintable(shown));
    QCOMPARE(shown.count(QStringLiteral("Moved: ")), 2);
    QVERIFY(ReadAll(saved).startsWith("League name,Team name,Official name,Change,"));
    QCOMPARE(ReadAll(saved).count("\r\nPremier,"), 2);
    QVERIFY(f.m_prompt.m_ids.empty());

    // A damaged file and another season's file are refused with their messages, without a dialog.
    const int dialogs = f.m_nDialogs;
    for (const auto& [path, message] :
         {std::pair{garbage, IDS_UNEXPECTED_FILE_FORMAT}, std::pair{other, IDS_CHANGES_OTHER_SEASON}}) {
        opened = path;
        f.Run(ID_FILE_COMPARE);
        QCOMPARE(f.m_prompt.m_ids, std::vector<int>{message});
    }
    QCOMPARE(f.m_nDialogs, dialogs);
    QVERIFY(f.Doc().Snapshot() == bytes);
    QCOMPARE(f.Doc().IsModified(), modified);
    f.Frame().UpdateCommands();
    QCOMPARE(f.Frame().Action(ID_EDIT_UNDO)->isEnabled(), canUndo);
}

void tst_PrintCommands::EveryColumnOfTheExampleSeasonIsPrinted()
{
    if (!HavePdfToText()) {
        QSKIP("pdftotext (poppler-utils) is not installed");
    }
    cQtScriptedPrompt prompt;
    CTournelDoc doc;
    doc.SetPrompt(&prompt);
    doc.SetFixedSeed(7);
    QVERIFY(doc.OnOpenDocument(TOURNEL_EXAMPLE_SEASON));
    ScheduleAutomatically(doc);
    RebuildUnscheduled(doc);
    doc.m_nOfficialsPerGame = 5;
    // Some results, so that the tables hold numbers of every width.
    int i = 0;
    for (cResult& result : doc.Results().AllItems<cResult>()) {
        if (i++ % 3 != 1) {
            result.m_bPlayed = 1;
            result.m_nHomeScore[0] = i % 4;
            result.m_nGuestScore[0] = (i + 1) % 3;
        }
    }
    doc.InvalidateTables();
    BringTablesUpToDate(doc);
    QTemporaryDir folder;
    ExpectEveryColumnPrinted(doc, false, folder.path());

    // TOURNEL_DOCS_DIR: the first league's table as File > Print prints it,
    // as the picture print-league-table.png there.
    const QString docs = qEnvironmentVariable("TOURNEL_DOCS_DIR");
    if (!docs.isEmpty()) {
        cTournelDb& table = doc.Leagues().Items<cLeague>().begin()->Table();
        const QString pdf = folder.filePath(QStringLiteral("table.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setOutputFileName(pdf);
        QVERIFY(PrintPages(printer, doc,
                           [&table](const cPrintSizing& sizing) { return DirectoryPages(table, sizing); }));
        // The top of the page, where the table stands.
        QCOMPARE(
            QProcess::execute(QStringLiteral("pdftoppm"),
                              {QStringLiteral("-r"), QStringLiteral("60"), QStringLiteral("-png"),
                               QStringLiteral("-singlefile"), QStringLiteral("-f"), QStringLiteral("1"),
                               QStringLiteral("-l"), QStringLiteral("1"), QStringLiteral("-H"),
                               QStringLiteral("160"), pdf, docs + QStringLiteral("/print-league-table")}),
            0);
    }
    doc.SetPrompt(nullptr);
}

void tst_PrintCommands::EveryColumnOfAGeneratedSeasonIsPrinted()
{
    if (!HavePdfToText()) {
        QSKIP("pdftotext (poppler-utils) is not installed");
    }
    cQtScriptedPrompt prompt;
    CTournelDoc doc;
    doc.SetPrompt(&prompt);
    doc.SetFixedSeed(1);
    doc.OnNewDocument();
    GenerateSeason(doc, cSeasonShape::Large());
    AddOfficials(doc, LayOutPlainly(doc));
    RebuildUnscheduled(doc);
    doc.m_nOfficialsPerGame = 5;
    QTemporaryDir folder;
    ExpectEveryColumnPrinted(doc, true, folder.path());
    doc.SetPrompt(nullptr);
}

// With the league filter on, the scheduled matches are printed and written
// as the list shows them: the other league's matches are left out.
void tst_PrintCommands::PrintAndWriteToFileFollowTheViewFilter()
{
    cPrintFixture f;
    f.AddSeason();
    cLeague& other = f.AddLeague("Second", "SL");
    f.AddTeam(other, "Wolves");
    f.AddTeam(other, "Bears");
    cCourt& court = *f.Doc().GetCourt(0);
    for (int day = 2; day <= 4; ++day) {
        f.AddMatch(other, court, MakeTimePoint(2027, 5, day, 19, 30));
    }
    f.Doc().SetModifiedFlag(false);
    f.Frame().Views().UpdateAllViews();
    f.m_fnDialog = [](QDialog& dialog) {
        auto* filter = dynamic_cast<CViewFilterDialog*>(&dialog);
        if (filter == nullptr) {
            return int(QDialog::Rejected);
        }
        filter->m_pLeagues->setCurrentIndex(filter->m_pLeagues->findText(QStringLiteral("PL")));
        filter->accept();
        return filter->result();
    };
    f.Select(&f.Doc().Scheduled());
    QCOMPARE(f.Rows(), 4);
    f.Run(ID_VIEW_FILTER);
    QCOMPARE(f.Rows(), 1);

    f.m_strAnswer = f.m_dir.filePath(QStringLiteral("filtered.txt"));
    f.Run(ID_WRITE_TO_FILE);
    const QByteArray text = ReadAll(f.m_strAnswer);
    QCOMPARE(text.count("\r\n"), 3 + 1);
    QVERIFY(text.contains("Lions"));
    QVERIFY(!text.contains("Wolves"));
    f.m_strAnswer = f.m_dir.filePath(QStringLiteral("filtered.csv"));
    f.Run(ID_WRITE_TO_FILE);
    QCOMPARE(ReadAll(f.m_strAnswer).count("\r\n"), 1 + 1);

    f.Run(ID_FILE_PRINT);
    QVERIFY(f.PdfWritten());
    if (HavePdfToText()) {
        const QString printed = PdfText(f.Pdf());
        QVERIFY(printed.contains(QStringLiteral("Lions")));
        QVERIFY(!printed.contains(QStringLiteral("Wolves")));
    }
}

QTEST_MAIN(tst_PrintCommands)
#include "PrintCommands_test.moc"
