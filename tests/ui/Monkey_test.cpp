// The command monkey: thousands of random steps through the main window, each
// picking a directory, selecting rows and triggering an enabled command, with
// random answers to every question and random values in every dialog. After
// each step the views are painted and the document must keep its invariants:
// a table shown is the one its results count, a command not about results
// leaves every entered result as it was, and saving and opening keep the
// court time and the results.
//
// TOURNEL_MONKEY_SEED picks the seed (default 1) and TOURNEL_MONKEY_STEPS the
// number of steps (default 400). Undo and Redo are among the commands: each
// must bring back the very bytes the database had before (after) its step. A failure names the seed and the
// step, so that the run can be replayed. A long run also wants QTEST_FUNCTION_TIMEOUT (milliseconds) above
// its duration.

#include "Fixture.h"
#include "RandomSteps.h"
#include "SaveOpenSave.h"
#include "ShownTable.h"
#include "cSeasonInvariants.h"
#include "document/CTournelDoc.h"
#include "document/RepairCourtTime.h"
#include "model/Strings.h"
#include "model/cLeague.h"
#include "model/cResult.h"
#include "model/cTableItem.h"
#include "model/cUserPrompt.h"
#include "standings/Standings.h"
#include "ui/dialogs/CImportDialog.h"
#include "ui/dialogs/CNumberSpinBox.h"
#include "ui/dialogs/CResultDialog.h"
#include "ui/dialogs/ItemDialogs.h"
#include "ui/help/CHelpWindow.h"
#include "ui/window/CommandIds.h"
#include "ui/window/CommandTable.h"
#include "ui/window/cConflictPanel.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include <algorithm>
#include <cstdio>

namespace {

// Answers at random and lets the test look at the window while a box is open.
class cMonkeyPrompt : public cUserPrompt
{
public:
    explicit cMonkeyPrompt(cRandomEngine& rng)
        : m_rng(rng)
    {
    }
    using cUserPrompt::AskYesNo;
    using cUserPrompt::ShowMessage;
    void ShowMessage(int, std::string_view) override
    {
        ++m_nTold;
        WhileShown();
    }
    bool AskYesNo(int messageId, std::string_view) override
    {
        ++m_nTold;
        WhileShown();
        const bool yes = Pick(m_rng, 2) == 0;
        // Entered results may go only after a Yes to the question naming them.
        m_bResultsMayGo =
            m_bResultsMayGo ||
            (yes && (messageId == IDS_DELETE_ENTERED_RESULTS || messageId == IDS_DELETE_CASCADE_RESULTS));
        return yes;
    }
    void BeginProgress(std::string_view) override {}
    void SetProgress(int) override {}
    bool PollCancel() override { return Pick(m_rng, 40) == 0; }
    void EndProgress() override {}

    std::function<void()> m_fnWhileShown;
    int m_nTold = 0;
    bool m_bResultsMayGo = false; // since the step began

private:
    void WhileShown()
    {
        if (m_fnWhileShown) {
            m_fnWhileShown();
        }
    }
    cRandomEngine& m_rng;
};

QString RandomText(cRandomEngine& rng, const QString& current)
{
    switch (Pick(rng, 10)) {
    case 0:
        return {};
    case 1: {
        // The value as it stands with one digit changed: often still valid.
        QString text = current;
        for (int tries = 0; tries < 8 && !text.isEmpty(); ++tries) {
            const int at = Pick(rng, static_cast<int>(text.size()));
            if (text[at].isDigit()) {
                text[at] = QChar('0' + Pick(rng, 10));
                break;
            }
        }
        return text;
    }
    case 2:
        return QString::number(Pick(rng, 3000) - 500);
    case 3:
        return QStringLiteral("%1.%2.%3")
            .arg(1 + Pick(rng, 31))
            .arg(1 + Pick(rng, 12))
            .arg(2026 + Pick(rng, 3));
    case 4:
        return QStringLiteral("%1:%2").arg(Pick(rng, 26)).arg(Pick(rng, 61), 2, 10, QLatin1Char('0'));
    case 5:
        return QStringLiteral("Åsa <Øberg> & \"Co\" Ω");
    case 6:
        return QString(60 + Pick(rng, 40), QLatin1Char('x'));
    case 7:
        return QStringLiteral("Team %1").arg(Pick(rng, 100));
    default:
        return current;
    }
}

// Fills a dialog with random values (kept, slightly changed, or garbage) and
// presses OK or Cancel.
int RunDialogRandomly(QDialog& dialog, cRandomEngine& rng)
{
    std::vector<QWidget*> fields;
    for (QWidget* widget : dialog.findChildren<QWidget*>()) {
        if (!widget->isEnabled()) {
            continue;
        }
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            if (edit->isReadOnly() || qobject_cast<QAbstractSpinBox*>(edit->parentWidget()) != nullptr ||
                qobject_cast<QComboBox*>(edit->parentWidget()) != nullptr) {
                continue;
            }
            fields.push_back(widget);
        } else if (qobject_cast<QSpinBox*>(widget) || qobject_cast<QComboBox*>(widget) ||
                   qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget) ||
                   qobject_cast<QPlainTextEdit*>(widget)) {
            fields.push_back(widget);
        }
    }
    const int mode = Pick(rng, 3); // as filled in, one field changed, every field changed
    const int only = Pick(rng, static_cast<int>(fields.size()));
    for (int i = 0; i < static_cast<int>(fields.size()); ++i) {
        if (mode == 0 || (mode == 1 && i != only)) {
            continue;
        }
        QWidget* widget = fields[static_cast<std::size_t>(i)];
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            edit->setText(RandomText(rng, edit->text()));
        } else if (auto* spin = qobject_cast<QSpinBox*>(widget)) {
            // A number field takes any number: mostly one of its range, at times one just outside.
            const auto* number = qobject_cast<CNumberSpinBox*>(spin);
            const int low = number != nullptr ? number->Low() - 1 : spin->minimum();
            const int high = number != nullptr ? number->High() + 1 : spin->maximum();
            spin->setValue(low + Pick(rng, high - low + 1));
        } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            if (combo->count() > 0) {
                combo->setCurrentIndex(Pick(rng, combo->count()));
            }
        } else if (auto* check = qobject_cast<QCheckBox*>(widget)) {
            check->setChecked(Pick(rng, 2) == 0);
        } else if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
            if (Pick(rng, 2) == 0) {
                radio->setChecked(true);
            }
        } else if (auto* text = qobject_cast<QPlainTextEdit*>(widget)) {
            text->setPlainText(RandomText(rng, text->toPlainText()));
        }
    }
    if (Pick(rng, 5) != 0) {
        // OK: a refused value keeps the dialog open, which then is cancelled.
        dialog.accept();
        if (dialog.result() == QDialog::Accepted) {
            return QDialog::Accepted;
        }
    }
    dialog.reject();
    return QDialog::Rejected;
}

// What a command can visibly do; two snapshots that differ mean it did something.
struct cSnapshot
{
    std::string bytes;
    bool modified = false;
    std::vector<int> selected;
    bool toolbar = false;
    bool statusBar = false;
    bool conflicts = false;
    int directory = 0;
    std::string path;

    bool operator==(const cSnapshot&) const = default;
};

cSnapshot Take(cFixture& f)
{
    return {SaveToBytes(f.Doc()),
            f.Doc().IsModified(),
            f.List().SelectedRows(),
            f.Frame().ToolBar().isVisibleTo(&f.Frame()),
            f.Frame().statusBar()->isVisibleTo(&f.Frame()),
            f.Frame().Conflicts().IsShown(),
            f.Frame().CurrentDirectory(),
            f.Doc().GetPathName()};
}

// Commands that change the court time entered (closing courts takes some
// away), or replace the document.
bool MayChangeCourtTime(int command, int directory)
{
    switch (command) {
    case ID_FILE_NEW:
    case ID_FILE_NEW_SEASON:
    case ID_FILE_OPEN:
    case ID_FILE_IMPORT:
    case ID_EDIT_REPEAT:
    case ID_DUPLICATE_TIME:
    case ID_CLOSE_COURTS:
    case ID_INSERT_TIME:
    case ID_EDIT_UNDO:
    case ID_EDIT_REDO:
        return true;
    case ID_INSERT_ITEM:
    case ID_DELETE_ITEM:
    case ID_PROPERTIES:
        return directory == kDirCourtTime || directory == kDirCourts;
    default:
        return command >= ID_FILE_MRU_FILE1 && command < ID_FILE_MRU_FILE1 + CMainFrame::kRecentFiles;
    }
}

// Commands that are about results (they may enter or remove one), or replace the document.
bool MayChangeResults(int command, int directory, bool resultsImported)
{
    switch (command) {
    case ID_FILE_NEW:
    case ID_FILE_NEW_SEASON:
    case ID_FILE_OPEN:
    case ID_ENTER_RESULT:
    case ID_REMOVE_RESULTS:
    case ID_EDIT_UNDO:
    case ID_EDIT_REDO:
        return true;
    case ID_FILE_IMPORT:
        return resultsImported;
    case ID_PROPERTIES:
        return directory == kDirResults;
    default:
        return command >= ID_FILE_MRU_FILE1 && command < ID_FILE_MRU_FILE1 + CMainFrame::kRecentFiles;
    }
}

// Every command the window offers, but those that leave the program or wait
// for a click elsewhere (exit, What's This).
std::vector<int> Commands()
{
    return CommandIds([](const cCommandRow& row) { return row.random; });
}

// Commands whose file question names a file to write the output to, not a database.
bool WritesOutput(int command)
{
    switch (command) {
    case ID_WRITE_TO_FILE:
    case ID_PRINT_SCHEDULE:
    case ID_PRINT_TABLES:
    case ID_PRINT_CONTENT:
    case ID_EXPORT_CALENDAR:
    case ID_FILE_PRINT_PREVIEW:
        return true;
    default:
        return false;
    }
}

QString WriteSpreadsheet(const QTemporaryDir& dir, const char* name, const char* text)
{
    const QString path = dir.filePath(QString::fromUtf8(name));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(text);
    }
    return path;
}

int EnvNumber(const char* name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

} // namespace

class tst_Monkey : public QObject
{
    Q_OBJECT

private slots:
    void RandomCommandsKeepTheDocumentSound();
};

void tst_Monkey::RandomCommandsKeepTheDocumentSound()
{
    const int seed = EnvNumber("TOURNEL_MONKEY_SEED", 1);
    const int steps = EnvNumber("TOURNEL_MONKEY_STEPS", 400);
    cRandomEngine rng(static_cast<unsigned>(seed));
    cFixture f;
    // Backups of an unsaved document land in the current folder.
    const QString previousFolder = QDir::currentPath();
    QDir::setCurrent(f.m_dir.path());
    cMonkeyPrompt prompt(rng);
    f.Doc().SetPrompt(&prompt);
    TimePoint now = 1'800'000'000;
    f.Doc().m_fnClock = [&now] { return now; };
    f.Doc().SetFixedSeed(static_cast<unsigned>(seed));

    // Spreadsheets to import: rows of every kind, good and bad, and a file that is no CSV.
    const QStringList spreadsheets = {
        WriteSpreadsheet(
            f.m_dir, "teams.csv",
            "Team name,Day off,Bonus points\nNew Town,Monday,2\nNew Town,,0\n,Sunday,1\nLate,Someday,x\n"),
        WriteSpreadsheet(
            f.m_dir, "officials.csv",
            "Official name,Club,Rating,Max. no. of games,First day off\nZoe Ray,East,5,10,Friday\n"
            "Yan Li,,12,3,\n\"Quote, \"\"Q\"\"\",West,2,99,Sat\n"),
        WriteSpreadsheet(
            f.m_dir, "court-time.csv",
            "Date,Court,Opening time,Closing time\n2027-05-03,EG,18:00,22:00\n2027-01-11,NH,00:00,24:00\n"
            "2027-05-04,ZZ,10:00,11:00\n2027-05-05,RA,21:00,01:00\n2027-13-01,EG,10:00,11:00\n"),
        WriteSpreadsheet(
            f.m_dir, "results.csv",
            "Match no.,Final result,Set 1,Set 2,Set 3\nM1-1,3 - 1,25 - 20,25 - 20,20 - 25\n"
            "U16-1,D 0 - 3,,,\nW1-1,2:2,,,\nVET-1,,,,\nXX-9,1 - 0,,,\nM1-2,3 - 0 D,25-1,25-1,25-1\n"),
        WriteSpreadsheet(f.m_dir, "broken.csv", "Team name\n\"never closed\n"),
        f.m_dir.filePath(QStringLiteral("missing.csv"))};
    int dialogs = 0;
    int imports = 0;
    bool resultsImported = false; // the step's import dialog was set to results
    auto runDialog = [&](QDialog& dialog) {
        ++dialogs;
        if (auto* import = qobject_cast<CImportDialog*>(&dialog); import != nullptr && Pick(rng, 4) != 0) {
            import->Kind().setCurrentIndex(Pick(rng, kImportKinds));
            resultsImported = resultsImported || import->Values().kind == eImportKind::kResults;
            if (import->League().count() > 0) {
                import->League().setCurrentIndex(Pick(rng, import->League().count()));
            }
            import->File().setText(spreadsheets[Pick(rng, static_cast<int>(spreadsheets.size()))]);
            import->UpdatePreview();
            import->accept();
            if (import->result() == QDialog::Accepted) {
                ++imports;
                return int(QDialog::Accepted);
            }
            import->reject();
            return int(QDialog::Rejected);
        }
        if (auto* entry = qobject_cast<CResultDialog*>(&dialog); entry != nullptr && Pick(rng, 4) != 0) {
            // A score as played, so that results pile up and the tables have something to count.
            for (QSpinBox* score : entry->findChildren<QSpinBox*>()) {
                if (score->isEnabled()) {
                    score->setValue(Pick(rng, 26));
                }
            }
            entry->accept();
            if (entry->result() == QDialog::Accepted) {
                return int(QDialog::Accepted);
            }
            entry->reject();
            return int(QDialog::Rejected);
        }
        return RunDialogRandomly(dialog, rng);
    };
    f.m_fnDialog = runDialog;
    int fileQuestions = 0;
    // A copy of the example season: Save writes to the file that was opened.
    const QString season = f.m_dir.filePath(QStringLiteral("season.tnd"));
    QVERIFY(QFile::copy(QStringLiteral(TOURNEL_EXAMPLE_SEASON), season));
    const QStringList openable = {
        season, f.m_dir.filePath(QStringLiteral("a.tnd")), f.m_dir.filePath(QStringLiteral("b.tnd")),
        f.m_dir.filePath(QStringLiteral("missing.tnd")), f.m_dir.filePath(QStringLiteral("garbage.tnd"))};
    {
        QFile garbage(openable.back());
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write("not a season at all");
    }
    // Outputs: with and without extension, web page or text, and one that cannot be created.
    const QStringList outputs = {
        f.m_dir.filePath(QStringLiteral("out.txt")), f.m_dir.filePath(QStringLiteral("out.htm")),
        f.m_dir.filePath(QStringLiteral("out")), f.m_dir.filePath(QStringLiteral("no/such/folder/out.txt"))};
    int command = 0;
    f.Frame().m_fnAskFileName = [&](bool save, const QString&) -> QString {
        ++fileQuestions;
        if (Pick(rng, 6) == 0) {
            return {};
        }
        if (save && WritesOutput(command)) {
            return outputs[Pick(rng, static_cast<int>(outputs.size()))];
        }
        return save ? openable[1 + Pick(rng, 2)] : openable[Pick(rng, static_cast<int>(openable.size()))];
    };
    // Prints go into a PDF file of the test's folder, or are cancelled.
    int printed = 0;
    f.Frame().m_fnChoosePrinter = [&](QPrinter& printer) {
        ++printed;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(f.m_dir.filePath(QStringLiteral("monkey.pdf")));
        return Pick(rng, 4) != 0;
    };
    f.Frame().m_fnAskSaveChanges = [&](const QString&) {
        ++fileQuestions;
        const QMessageBox::StandardButton answers[] = {QMessageBox::Yes, QMessageBox::No,
                                                       QMessageBox::Cancel};
        return answers[Pick(rng, 3)];
    };
    QSignalSpy opening(&f.Frame(), &CMainFrame::OpeningFile);
    prompt.m_fnWhileShown = [&f] { f.PaintViews(); };

    QVERIFY(f.Frame().Documents().OpenDocumentFile(season));
    const std::vector<int> commands = Commands();
    // The bytes each step of the window's history goes back (forward) to, as seen here.
    std::vector<std::string> undoBytes;
    std::vector<std::string> redoBytes;
    int undone = 0;
    int redone = 0;
    for (int step = 1; step <= steps; ++step) {
        now += 61;
        if (step % 5000 == 0) {
            std::fprintf(stderr, "monkey: seed %d, step %d\n", seed, step);
        }
        const QString where = QStringLiteral("seed %1, step %2").arg(seed).arg(step);

        // A directory, then some of its rows. Now and then the directory
        // stays, as a user works on in one: what the last step left shown
        // (a table after Undo, say) is then what the next one works on.
        if (Pick(rng, 4) != 0 || f.Tree().currentItem() == nullptr) {
            std::vector<QTreeWidgetItem*> nodes = AllNodes(f.Tree());
            if (Pick(rng, 2) == 0) {
                // The season's own directories and the tables, which the many
                // directories of teams and officials would otherwise crowd out.
                std::erase_if(nodes, [&f](QTreeWidgetItem* node) {
                    const auto* directory = dynamic_cast<const cTournelDb*>(CTournelView::ObjectOf(node));
                    return directory == nullptr ||
                           (node->parent() != f.Tree().Root() && directory->m_nDirectoryId != kDirTable);
                });
            }
            if (nodes.empty()) {
                nodes = AllNodes(f.Tree());
            }
            f.Tree().SelectNode(nodes[static_cast<std::size_t>(Pick(rng, static_cast<int>(nodes.size())))]);
        }
        const int rows = f.Rows();
        if (rows > 0) {
            switch (Pick(rng, 4)) {
            case 0:
                f.List().SelectOnly(-1);
                break;
            case 1:
                f.List().SelectOnly(Pick(rng, rows));
                break;
            case 2:
                f.List().SelectOnly(Pick(rng, rows));
                for (int i = Pick(rng, 4); i > 0; --i) {
                    f.List().selectionModel()->select(f.List().Model().index(Pick(rng, rows), 0),
                                                      QItemSelectionModel::Select |
                                                          QItemSelectionModel::Rows);
                }
                break;
            default:
                f.List().selectAll();
                break;
            }
        }
        f.Frame().UpdateCommands();
        std::vector<int> enabled;
        for (int id : commands) {
            if (QAction* action = f.Frame().Action(id);
                action != nullptr && action->isEnabled() && action->isVisible()) {
                enabled.push_back(id);
            }
        }
        QVERIFY2(!enabled.empty(), qPrintable(where));
        command = enabled[static_cast<std::size_t>(Pick(rng, static_cast<int>(enabled.size())))];
        // Results entered more often than their share, so that there are
        // results to keep and tables to count.
        const bool inResults = f.Frame().CurrentDirectory() == kDirResults;
        for (int id : {ID_ENTER_RESULT, ID_PROPERTIES}) {
            if ((id == ID_ENTER_RESULT || inResults) && Pick(rng, 3) == 0 &&
                std::find(enabled.begin(), enabled.end(), id) != enabled.end()) {
                command = id;
            }
        }
        // Undo and Redo more often than their share, so that long walks back and forth happen.
        std::vector<int> stepping;
        for (int id : {ID_EDIT_UNDO, ID_EDIT_REDO}) {
            if (std::find(enabled.begin(), enabled.end(), id) != enabled.end()) {
                stepping.push_back(id);
            }
        }
        if (!stepping.empty() && Pick(rng, 5) == 0) {
            command = stepping[static_cast<std::size_t>(Pick(rng, static_cast<int>(stepping.size())))];
        }
        const QString what =
            where +
            QStringLiteral(", command %1 in directory %2").arg(command).arg(f.Frame().CurrentDirectory());
        const int directory = f.Frame().CurrentDirectory();
        const auto occupied = OccupiedCourtTime(f.Doc());
        const auto minutes = CourtMinutes(f.Doc());
        const auto played = PlayedResults(f.Doc());
        resultsImported = false;
        const cSnapshot before = Take(f);
        const int dialogsBefore = dialogs;
        const int toldBefore = prompt.m_nTold;
        prompt.m_bResultsMayGo = false;
        const int fileQuestionsBefore = fileQuestions;
        const int printedBefore = printed;
        const qsizetype openedBefore = opening.count();
        const cUndoHistory& history = f.Frame().Documents().History();
        const long long stateBefore = history.CurrentState();
        const std::size_t undoCountBefore = history.UndoCount();
        const std::size_t redoCountBefore = history.RedoCount();

        // Remove Results on results none of which was played leaves them as they are.
        bool nonePlayed = true;
        for (const int row : f.List().SelectedRows()) {
            if (const auto* result = dynamic_cast<const cResult*>(f.List().Model().ItemAt(row))) {
                nonePlayed = nonePlayed && !result->IsPlayed();
            }
        }
        const bool removesNoResult = command == ID_REMOVE_RESULTS && nonePlayed && f.Doc().IsModified();

        f.Frame().Action(command)->trigger();

        f.PaintViews();
        f.Frame().Views().BringViewsUpToDate();
        f.PaintViews();
        // Every node stands for a live object, every row for an item of the current directory.
        for (QTreeWidgetItem* node : AllNodes(f.Tree())) {
            if (const cTournelObject* object = CTournelView::ObjectOf(node)) {
                QVERIFY2(!object->GetRuntimeClass().empty() && CTournelView::NodeOf(object) == node,
                         qPrintable(what));
            }
        }
        for (int row = 0; row < f.Rows(); ++row) {
            if (const cDbItem* item = f.List().Model().ItemAt(row)) {
                QVERIFY2(item->GetOwner() == f.Frame().CurrentContainer(), qPrintable(what));
            }
        }
        const std::vector<std::string> broken = CheckInvariants(f.Doc());
        if (!broken.empty()) {
            QFAIL(qPrintable(what + QStringLiteral(": ") + QString::fromStdString(broken.front())));
        }
        // A table taken for up to date counts what the results say.
        for (const cLeague& league : f.Doc().Leagues().AllItems<cLeague>()) {
            if (league.Table().m_bUpToDate == 0) {
                continue;
            }
            for (const cDbItem& item : league.Table().AllItems<cDbItem>()) {
                const auto& row = static_cast<const cTableItem&>(item);
                cTableItem recount(row.m_nTeam);
                Recalculate(recount, f.Doc(), league.m_nIndex);
                QVERIFY2(recount.Wins() == row.Wins() && recount.Draws() == row.Draws() &&
                             recount.Losses() == row.Losses() &&
                             recount.Disqualifications() == row.Disqualifications() &&
                             recount.Scored() == row.Scored() && recount.Conceded() == row.Conceded(),
                         qPrintable(what + QStringLiteral(": a table out of step with the results")));
            }
        }
        // The table the list shows is the one the results count.
        if (const std::string table = ShownTableDifference(f.List().Model(), f.Doc()); !table.empty()) {
            QFAIL(qPrintable(what + QStringLiteral(": the table shown is stale: ") +
                             QString::fromStdString(table)));
        }
        if (!MayChangeCourtTime(command, directory) && opening.count() == openedBefore) {
            QVERIFY2(OccupiedCourtTime(f.Doc()) == occupied,
                     qPrintable(what + QStringLiteral(": the court time entered changed")));
            QVERIFY2(CourtMinutes(f.Doc()) == minutes,
                     qPrintable(what + QStringLiteral(": the minutes of free time and matches changed")));
        }
        // A command not about results leaves every entered result as it was;
        // deleting matches after the question takes theirs along, no more.
        if (!MayChangeResults(command, directory, resultsImported) && opening.count() == openedBefore) {
            const std::vector<std::string> changes =
                ResultChanges(played, PlayedResults(f.Doc()), prompt.m_bResultsMayGo);
            if (!changes.empty()) {
                QFAIL(qPrintable(what + QStringLiteral(": ") + QString::fromStdString(changes.front())));
            }
        }
        // Undo and Redo go to the bytes the step was taken from (left at).
        if (command == ID_EDIT_UNDO) {
            QVERIFY2(!undoBytes.empty() && history.UndoCount() + 1 == undoCountBefore, qPrintable(what));
            QVERIFY2(SaveToBytes(f.Doc()) == undoBytes.back(),
                     qPrintable(what + QStringLiteral(": undo did not restore the bytes before the step")));
            undoBytes.pop_back();
            redoBytes.push_back(before.bytes);
            ++undone;
        } else if (command == ID_EDIT_REDO) {
            QVERIFY2(!redoBytes.empty() && history.RedoCount() + 1 == redoCountBefore, qPrintable(what));
            QVERIFY2(SaveToBytes(f.Doc()) == redoBytes.back(),
                     qPrintable(what + QStringLiteral(": redo did not restore the bytes of the step")));
            redoBytes.pop_back();
            undoBytes.push_back(before.bytes);
            ++redone;
        } else if (history.CurrentState() != stateBefore) {
            if (history.UndoCount() == 0) {
                undoBytes.clear(); // a document made or opened
            } else {
                undoBytes.push_back(before.bytes);
            }
            redoBytes.clear();
        }
        // The oldest steps beyond the history's depth are gone.
        if (undoBytes.size() > history.UndoCount()) {
            undoBytes.erase(undoBytes.begin(),
                            undoBytes.begin() +
                                static_cast<std::ptrdiff_t>(undoBytes.size() - history.UndoCount()));
        }
        QVERIFY2(undoBytes.size() == history.UndoCount() && redoBytes.size() == history.RedoCount(),
                 qPrintable(what + QStringLiteral(": the steps do not add up")));
        // The title's modified mark follows the document.
        QVERIFY2(f.Frame().isWindowModified() == f.Doc().IsModified(), qPrintable(what));
        const cSaveOpenSave reopened = SaveOpenSave(f.Doc());
        QVERIFY2(reopened.Same(), qPrintable(what + QStringLiteral(": save and open differ")));
        // What the commands leave is never taken for damage when the file is opened again.
        const std::unique_ptr<CTournelDoc> copy = OpenFromBytes(reopened.saved);
        QVERIFY2(copy != nullptr, qPrintable(what + QStringLiteral(": the saved season does not open")));
        // Saving and opening keep every court's time and every entered result.
        QVERIFY2(CourtMinutes(*copy) == CourtMinutes(f.Doc()) &&
                     OccupiedCourtTime(*copy) == OccupiedCourtTime(f.Doc()),
                 qPrintable(what + QStringLiteral(": saving and opening changed the court time")));
        QVERIFY2(PlayedResults(*copy) == PlayedResults(f.Doc()),
                 qPrintable(what + QStringLiteral(": saving and opening changed the results")));
        QVERIFY2(RepairCourtTime(*copy) == 0,
                 qPrintable(what + QStringLiteral(": the saved court time needs repair")));
        // Select All with every row selected already has done its work.
        const bool allSelected =
            command == ID_EDIT_SELECT_ALL && static_cast<int>(f.List().SelectedRows().size()) == f.Rows();
        // The guide's window stands open (it changes nothing in the document).
        const bool helpShown = command == ID_HELP_FINDER && f.Frame().Help().HelpWindow() != nullptr &&
                               f.Frame().Help().HelpWindow()->isVisible();
        const bool stepped = history.UndoCount() != undoCountBefore || history.RedoCount() != redoCountBefore;
        const bool didSomething = allSelected || removesNoResult || helpShown || stepped ||
                                  dialogs != dialogsBefore || prompt.m_nTold != toldBefore ||
                                  fileQuestions != fileQuestionsBefore || printed != printedBefore ||
                                  opening.count() != openedBefore || !(Take(f) == before);
        QVERIFY2(didSomething, qPrintable(what + QStringLiteral(": an enabled command did nothing")));
    }
    std::fprintf(stderr, "monkey: seed %d, %d steps, %d undone, %d redone, %d spreadsheet imports\n", seed,
                 steps, undone, redone, imports);
    prompt.m_fnWhileShown = nullptr;
    f.Doc().SetPrompt(nullptr);
    QDir::setCurrent(previousFolder);
}

QTEST_MAIN(tst_Monkey)
#include "Monkey_test.moc"
