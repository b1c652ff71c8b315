// Undo and Redo in the window: random commands on the example season, each
// step undone and redone to the very bytes it stood at, the menu's names, the
// modified flag across Save and the directory kept.

#include "Fixture.h"
#include "RandomSteps.h"
#include "ShownTable.h"
#include "document/DatabaseFile.h"
#include "model/cIllDate.h"
#include "model/cLeague.h"
#include "model/cMatch.h"
#include "model/cResult.h"
#include "model/cTeam.h"
#include "ui/dialogs/CCloseCourtsDialog.h"
#include "ui/dialogs/CCourtDialog.h"
#include "ui/dialogs/CNumberSpinBox.h"
#include "ui/dialogs/CResultDialog.h"
#include "ui/window/CommandIds.h"
#include "ui/window/CommandTable.h"
#include "ui/window/cConflictPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDockWidget>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTest>
#include <QTreeWidget>

namespace {

// Answers every question at random.
class cRandomPrompt : public cUserPrompt
{
public:
    explicit cRandomPrompt(cRandomEngine& rng)
        : m_rng(rng)
    {
    }
    using cUserPrompt::AskYesNo;
    using cUserPrompt::ShowMessage;
    void ShowMessage(int, std::string_view) override {}
    bool AskYesNo(int, std::string_view) override { return Pick(m_rng, 3) != 0; }
    void BeginProgress(std::string_view) override {}
    void SetProgress(int) override {}
    bool PollCancel() override { return false; }
    void EndProgress() override {}

private:
    cRandomEngine& m_rng;
};

// A dialog with some numbers, choices and boxes changed, then OK (or Cancel,
// or OK refused and cancelled).
int RunDialogRandomly(QDialog& dialog, cRandomEngine& rng)
{
    for (QWidget* widget : dialog.findChildren<QWidget*>()) {
        if (!widget->isEnabled() || Pick(rng, 3) != 0) {
            continue;
        }
        if (auto* spin = qobject_cast<QSpinBox*>(widget)) {
            // A number field's own range, not the wider one it takes typed.
            const auto* number = qobject_cast<CNumberSpinBox*>(spin);
            const int low = number != nullptr ? number->Low() : spin->minimum();
            const int high = number != nullptr ? number->High() : spin->maximum();
            spin->setValue(low + Pick(rng, std::min(high - low + 1, 50)));
        } else if (auto* combo = qobject_cast<QComboBox*>(widget); combo != nullptr && combo->count() > 0) {
            combo->setCurrentIndex(Pick(rng, combo->count()));
        } else if (auto* check = qobject_cast<QCheckBox*>(widget)) {
            check->setChecked(!check->isChecked());
        }
    }
    if (Pick(rng, 6) != 0) {
        dialog.accept();
        if (dialog.result() == QDialog::Accepted) {
            return QDialog::Accepted;
        }
    }
    dialog.reject();
    return QDialog::Rejected;
}

// The commands that may change the database, but those that print or write files.
const std::vector<int>& ChangingCommands()
{
    static const std::vector<int> ids =
        CommandIds([](const cCommandRow& row) { return row.makesStep && !row.output; });
    return ids;
}

QString UndoText(cFixture& f)
{
    return f.Frame().Action(ID_EDIT_UNDO)->text();
}

QString RedoText(cFixture& f)
{
    return f.Frame().Action(ID_EDIT_REDO)->text();
}

void Trigger(cFixture& f, int command)
{
    f.Frame().UpdateCommands();
    QVERIFY2(f.Frame().Action(command)->isEnabled(), qPrintable(QString::number(command)));
    f.Frame().Action(command)->trigger();
}

cTeam* FirstTeam(cLeague& league)
{
    for (cTeam& team : league.Teams().AllItems<cTeam>()) {
        return &team;
    }
    return nullptr;
}

cLeague* LeagueWithTeams(cDatabase& db)
{
    for (cLeague& league : db.Leagues().AllItems<cLeague>()) {
        if (league.Teams().GetCount() > 1) {
            return &league;
        }
    }
    return nullptr;
}

} // namespace

class tst_Undo : public QObject
{
    Q_OBJECT

private slots:
    void RandomCommandsAreUndoneAndRedoneToTheSameBytes_data();
    void RandomCommandsAreUndoneAndRedoneToTheSameBytes();
    void TheMenuNamesTheCommand_data();
    void TheMenuNamesTheCommand();
    void UndoAndRedoStandAtTheTopOfTheEditMenu();
    void TheModifiedFlagFollowsTheSavedState();
    void TheDirectoryShownIsKept();
    void ACancelledCommandLeavesNoStep();
    void NewAndOpenClearTheSteps();
    void AHundredStepsAreKept();
    void TheTableShownFollowsUndoAndRedo();
    void TheConflictsFollowEveryStep();
    void ClosingCourtsAndReplanningAreOneStepEach();
};

void tst_Undo::RandomCommandsAreUndoneAndRedoneToTheSameBytes_data()
{
    QTest::addColumn<int>("seed");
    for (int seed : {1, 2, 3, 4}) {
        QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
    }
}

void tst_Undo::RandomCommandsAreUndoneAndRedoneToTheSameBytes()
{
    QFETCH(int, seed);
    cRandomEngine rng(static_cast<unsigned>(seed));
    cFixture f;
    cRandomPrompt prompt(rng);
    f.Doc().SetFixedSeed(static_cast<unsigned>(seed));
    f.Doc().SetPrompt(&prompt);
    f.m_fnDialog = [&rng](QDialog& dialog) { return RunDialogRandomly(dialog, rng); };
    QVERIFY(f.Frame().Documents().OpenDocumentFile(QStringLiteral(TOURNEL_EXAMPLE_SEASON)));

    // The bytes before each step, and the step's name; the first schedules the season.
    std::vector<std::string> before = {WriteDatabase(f.Doc())};
    std::vector<QString> names = {QStringLiteral("Schedule Automatically")};
    Trigger(f, ID_SCHEDULE_AUTO);
    QCOMPARE(f.Frame().Documents().History().UndoCount(), std::size_t{1});
    const std::size_t wanted = 30;
    for (int tries = 0; tries < 600 && before.size() < wanted; ++tries) {
        const std::vector<QTreeWidgetItem*> nodes = AllNodes(f.Tree());
        f.Tree().SelectNode(nodes[static_cast<std::size_t>(Pick(rng, static_cast<int>(nodes.size())))]);
        if (const int rows = f.Rows(); rows > 0) {
            f.List().SelectOnly(Pick(rng, rows));
            if (Pick(rng, 3) == 0) {
                f.List().selectAll();
            }
        }
        f.Frame().UpdateCommands();
        std::vector<int> enabled;
        for (int id : ChangingCommands()) {
            if (f.Frame().Action(id)->isEnabled()) {
                enabled.push_back(id);
            }
        }
        if (enabled.empty()) {
            continue;
        }
        const int command = enabled[static_cast<std::size_t>(Pick(rng, static_cast<int>(enabled.size())))];
        const std::string bytes = WriteDatabase(f.Doc());
        const long long state = f.Frame().Documents().History().CurrentState();
        f.Frame().Action(command)->trigger();
        if (f.Frame().Documents().History().CurrentState() != state) {
            QVERIFY(WriteDatabase(f.Doc()) != bytes);
            before.push_back(bytes);
            names.push_back(CommandName(command));
            QCOMPARE(UndoText(f), QStringLiteral("&Undo ") + names.back());
            QVERIFY(f.Doc().IsModified());
        } else {
            // Nothing changed, or nothing but what a backup stamps.
            QCOMPARE(f.Frame().Documents().History().UndoCount(), before.size());
        }
    }
    QCOMPARE(before.size(), wanted);
    QCOMPARE(f.Frame().Documents().History().UndoCount(), wanted);

    // Back step by step to the bytes before each command, then forward again.
    std::vector<std::string> after(wanted);
    for (std::size_t i = wanted; i-- > 0;) {
        after[i] = WriteDatabase(f.Doc());
        QCOMPARE(UndoText(f), QStringLiteral("&Undo ") + names[i]);
        Trigger(f, ID_EDIT_UNDO);
        QVERIFY2(WriteDatabase(f.Doc()) == before[i], qPrintable(QStringLiteral("undo of step %1").arg(i)));
        QCOMPARE(RedoText(f), QStringLiteral("&Redo ") + names[i]);
        f.PaintViews();
    }
    QVERIFY(!f.Frame().Action(ID_EDIT_UNDO)->isEnabled());
    QCOMPARE(UndoText(f), QStringLiteral("&Undo"));
    for (std::size_t i = 0; i < wanted; ++i) {
        Trigger(f, ID_EDIT_REDO);
        QVERIFY2(WriteDatabase(f.Doc()) == after[i], qPrintable(QStringLiteral("redo of step %1").arg(i)));
        f.PaintViews();
    }
    QVERIFY(!f.Frame().Action(ID_EDIT_REDO)->isEnabled());
    QCOMPARE(RedoText(f), QStringLiteral("&Redo"));
    f.Doc().SetPrompt(&f.m_prompt);
}

void tst_Undo::TheMenuNamesTheCommand_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("name");
    QTest::newRow("move") << int(ID_MOVE_MATCH) << QStringLiteral("Move Match");
    QTest::newRow("insert") << int(ID_INSERT_ITEM) << QStringLiteral("Insert New Item");
    QTest::newRow("keys after a tab")
        << int(ID_REMOVE_SELECTED_MATCHES) << QStringLiteral("Remove Selected Matches");
    QTest::newRow("renumber") << int(ID_SCHEDULE_RENUMBER) << QStringLiteral("Renumber Matches");
    QTest::newRow("schedule F2") << int(ID_SCHEDULE_AUTO) << QStringLiteral("Schedule Automatically");
    QTest::newRow("assign F4") << int(ID_OFFICIALS_AUTO) << QStringLiteral("Assign Officials Automatically");
    QTest::newRow("2nd officials") << int(ID_REMOVE_OFFICIAL1 + 1) << QStringLiteral("Remove 2. Officials");
    QTest::newRow("results settings")
        << int(ID_SETTINGS_RESULTS) << QStringLiteral("Results and Point Awards");
}

void tst_Undo::TheMenuNamesTheCommand()
{
    QFETCH(int, command);
    QFETCH(QString, name);
    cFixture f;
    QCOMPARE(CommandName(command), name);
}

void tst_Undo::UndoAndRedoStandAtTheTopOfTheEditMenu()
{
    cFixture f;
    QMenu* edit = nullptr;
    for (QAction* entry : f.Frame().menuBar()->actions()) {
        if (entry->text() == QStringLiteral("&Edit")) {
            edit = entry->menu();
        }
    }
    QVERIFY(edit != nullptr);
    QCOMPARE(edit->actions().at(0), f.Frame().Action(ID_EDIT_UNDO));
    QCOMPARE(edit->actions().at(1), f.Frame().Action(ID_EDIT_REDO));
    QVERIFY(edit->actions().at(2)->isSeparator());
    QCOMPARE(f.Frame().Action(ID_EDIT_UNDO)->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
    const QList<QKeySequence> redo = f.Frame().Action(ID_EDIT_REDO)->shortcuts();
    QVERIFY(redo.contains(QKeySequence(QStringLiteral("Ctrl+Shift+Z"))));
    QVERIFY(redo.contains(QKeySequence(QStringLiteral("Ctrl+Y"))));
    f.Frame().UpdateCommands();
    QVERIFY(!f.Frame().Action(ID_EDIT_UNDO)->isEnabled());
    QVERIFY(!f.Frame().Action(ID_EDIT_REDO)->isEnabled());
}

void tst_Undo::TheModifiedFlagFollowsTheSavedState()
{
    cFixture f;
    QVERIFY(f.Frame().Documents().OpenDocumentFile(QStringLiteral(TOURNEL_EXAMPLE_SEASON)));
    const QString file = f.m_dir.filePath(QStringLiteral("season.tnd"));
    QVERIFY(f.Frame().Documents().DoSave(file));
    QVERIFY(!f.Frame().isWindowModified());

    // Saved, changed, undone: as saved, to the byte.
    f.Select(&f.Doc().Courts());
    f.List().SelectOnly(0);
    f.m_prompt.Answer(true);
    Trigger(f, ID_DELETE_ITEM);
    QVERIFY(f.Doc().IsModified());
    QVERIFY(f.Frame().isWindowModified());
    QCOMPARE(UndoText(f), QStringLiteral("&Undo Delete Item"));
    Trigger(f, ID_EDIT_UNDO);
    QVERIFY(!f.Doc().IsModified());
    QVERIFY(!f.Frame().isWindowModified());
    QFile saved(file);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QVERIFY(saved.readAll().toStdString() == WriteDatabase(f.Doc()));

    // Redone, saved, undone: the file holds the change, the window does not.
    Trigger(f, ID_EDIT_REDO);
    QVERIFY(f.Frame().isWindowModified());
    QVERIFY(f.Frame().Documents().DoSave(file));
    QVERIFY(!f.Frame().isWindowModified());
    Trigger(f, ID_EDIT_UNDO);
    QVERIFY(f.Frame().isWindowModified());
    Trigger(f, ID_EDIT_REDO);
    QVERIFY(!f.Frame().isWindowModified());
}

void tst_Undo::TheDirectoryShownIsKept()
{
    cFixture f;
    QVERIFY(f.Frame().Documents().OpenDocumentFile(QStringLiteral(TOURNEL_EXAMPLE_SEASON)));
    cLeague* league = LeagueWithTeams(f.Doc());
    QVERIFY(league != nullptr);
    const int leagueIndex = league->m_nIndex;
    const int teams = league->Teams().GetCount();

    // A team deleted from its league's teams and undone: the same directory, the row kept.
    f.Select(&league->Teams());
    f.List().SelectOnly(1);
    f.m_prompt.Answer(true);
    Trigger(f, ID_DELETE_ITEM);
    QCOMPARE(f.Rows(), teams - 1);
    Trigger(f, ID_EDIT_UNDO);
    league = f.Doc().GetLeague(leagueIndex);
    QVERIFY(league != nullptr);
    QCOMPARE(f.Frame().CurrentContainer(), &league->Teams());
    QCOMPARE(f.Rows(), teams);
    QCOMPARE(f.List().CurrentRow(), 1);
    QCOMPARE(CTournelView::ObjectOf(f.Tree().currentItem()), static_cast<cTournelObject*>(&league->Teams()));

    // The league deleted, undone, its team's folder opened, the deletion
    // redone: the folder is gone, the leagues are shown.
    f.Select(&f.Doc().Leagues());
    f.List().SelectOnly(f.List().Model().RowOf(league));
    f.m_prompt.Answer(true);
    Trigger(f, ID_DELETE_ITEM);
    QVERIFY(f.Doc().GetLeague(leagueIndex) == nullptr);
    Trigger(f, ID_EDIT_UNDO);
    QCOMPARE(f.Frame().CurrentContainer(), static_cast<cTournelDb*>(&f.Doc().Leagues()));
    league = f.Doc().GetLeague(leagueIndex);
    QVERIFY(league != nullptr);
    cTeam* team = FirstTeam(*league);
    f.Select(team);
    QCOMPARE(f.Frame().CurrentDirectory(), int(kDirItem));
    Trigger(f, ID_EDIT_REDO);
    QVERIFY(f.Doc().GetLeague(leagueIndex) == nullptr);
    QCOMPARE(f.Frame().CurrentContainer(), static_cast<cTournelDb*>(&f.Doc().Leagues()));
    f.PaintViews();

    // Undone again from there: the team's folder is back, so is its node.
    Trigger(f, ID_EDIT_UNDO);
    QCOMPARE(f.Frame().CurrentContainer(), static_cast<cTournelDb*>(&f.Doc().Leagues()));
    f.PaintViews();
}

void tst_Undo::ACancelledCommandLeavesNoStep()
{
    cFixture f;
    QVERIFY(f.Frame().Documents().OpenDocumentFile(QStringLiteral(TOURNEL_EXAMPLE_SEASON)));
    f.Select(&f.Doc().Courts());
    f.List().SelectOnly(0);
    f.m_prompt.Answer(false);
    Trigger(f, ID_DELETE_ITEM);
    QVERIFY(!f.Doc().IsModified());
    // A dialog confirmed as it was filled in changes nothing either.
    f.m_fnDialog = [](QDialog& dialog) {
        dialog.accept();
        return dialog.result();
    };
    Trigger(f, ID_PROPERTIES);
    Trigger(f, ID_SETTINGS_SCHEDULE);
    QCOMPARE(f.Frame().Documents().History().UndoCount(), std::size_t{0});
    f.Frame().UpdateCommands();
    QVERIFY(!f.Frame().Action(ID_EDIT_UNDO)->isEnabled());
}

void tst_Undo::NewAndOpenClearTheSteps()
{
    cFixture f;
    QVERIFY(f.Frame().Documents().OpenDocumentFile(QStringLiteral(TOURNEL_EXAMPLE_SEASON)));
    f.m_prompt.Answer(true);
    f.Select(&f.Doc().Courts());
    f.List().SelectOnly(0);
    Trigger(f, ID_DELETE_ITEM);
    QVERIFY(f.Frame().Documents().History().CanUndo());
    Trigger(f, ID_FILE_NEW); // the fixture answers No to saving
    QVERIFY(!f.Frame().Documents().History().CanUndo());
    f.Frame().UpdateCommands();
    QVERIFY(!f.Frame().Action(ID_EDIT_UNDO)->isEnabled());

    QVERIFY(f.Frame().Documents().OpenDocumentFile(QStringLiteral(TOURNEL_EXAMPLE_SEASON)));
    f.Select(&f.Doc().Courts());
    f.List().SelectOnly(0);
    f.m_prompt.Answer(true);
    Trigger(f, ID_DELETE_ITEM);
    Trigger(f, ID_EDIT_UNDO);
    QVERIFY(f.Frame().Documents().History().CanRedo());
    QVERIFY(f.Frame().Documents().OpenDocumentFile(QStringLiteral(TOURNEL_EXAMPLE_SEASON)));
    QVERIFY(!f.Frame().Documents().History().CanRedo());
    QVERIFY(!f.Doc().IsModified());
}

void tst_Undo::AHundredStepsAreKept()
{
    cFixture f;
    QVERIFY(f.Frame().Documents().OpenDocumentFile(QStringLiteral(TOURNEL_EXAMPLE_SEASON)));
    // Each step writes its own comment into the document information.
    int step = 0;
    f.m_fnDialog = [&step](QDialog& dialog) {
        dialog.findChild<QPlainTextEdit*>()->setPlainText(QStringLiteral("step %1").arg(step));
        dialog.accept();
        return dialog.result();
    };
    std::string first;
    for (step = 0; step < 110; ++step) {
        Trigger(f, ID_DOCUMENT_INFO);
        if (step == 9) {
            first = WriteDatabase(f.Doc());
        }
    }
    QCOMPARE(f.Frame().Documents().History().UndoCount(), cUndoHistory::kDefaultSteps);
    for (int i = 0; i < 100; ++i) {
        Trigger(f, ID_EDIT_UNDO);
    }
    f.Frame().UpdateCommands();
    QVERIFY(!f.Frame().Action(ID_EDIT_UNDO)->isEnabled());
    QVERIFY(WriteDatabase(f.Doc()) == first);
    QCOMPARE(f.Doc().m_strComments, std::string("step 9"));
}

// Results entered while no table is shown leave the tables to be counted;
// the table then shown, and every step undone and redone under it, shows
// what the results of that step count.
void tst_Undo::TheTableShownFollowsUndoAndRedo()
{
    cFixture f;
    QVERIFY(f.Frame().Documents().OpenDocumentFile(QStringLiteral(TOURNEL_EXAMPLE_SEASON)));
    Trigger(f, ID_SCHEDULE_AUTO);
    cLeague* league = LeagueWithTeams(f.Doc());
    QVERIFY(league != nullptr);
    const int leagueIndex = league->m_nIndex;
    // Each entry: the home side wins its first set, and 3 - 1 where only the final counts.
    f.m_fnDialog = [](QDialog& dialog) {
        auto* entry = qobject_cast<CResultDialog*>(&dialog);
        if (entry == nullptr) {
            return int(QDialog::Rejected);
        }
        cResultValues values = entry->Values();
        values.home[0] = 3;
        values.guest[0] = 1;
        values.home[1] = 25;
        values.guest[1] = 20;
        entry->SetValues(values);
        dialog.accept();
        return dialog.result();
    };
    f.Select(&f.Doc().Results());
    int entered = 0;
    for (int row = 0; row < f.Rows() && entered < 3; ++row) {
        const auto* result = dynamic_cast<const cResult*>(f.List().Model().ItemAt(row));
        if (result != nullptr && result->m_nLeague == leagueIndex) {
            f.List().SelectOnly(row);
            Trigger(f, ID_PROPERTIES);
            ++entered;
        }
    }
    QCOMPARE(entered, 3);

    league = f.Doc().GetLeague(leagueIndex);
    f.Select(&league->Table());
    f.PaintViews();
    QCOMPARE(ShownTableDifference(f.List().Model(), f.Doc()), std::string());
    for (int step = 0; step < 3; ++step) {
        Trigger(f, ID_EDIT_UNDO);
        f.PaintViews();
        QCOMPARE(f.Frame().CurrentDirectory(), int(kDirTable));
        QCOMPARE(ShownTableDifference(f.List().Model(), f.Doc()), std::string());
    }
    for (int step = 0; step < 3; ++step) {
        Trigger(f, ID_EDIT_REDO);
        f.PaintViews();
        QCOMPARE(ShownTableDifference(f.List().Model(), f.Doc()), std::string());
    }
    // Three games counted in the table shown.
    int played = 0;
    for (int row = 0; row < f.Rows(); ++row) {
        played += f.Cell(row, 2).toInt();
    }
    QCOMPARE(played, 6);

    // A change of the table settings while the table is shown, undone and redone.
    f.m_fnDialog = [](QDialog& dialog) {
        for (QSpinBox* spin : dialog.findChildren<QSpinBox*>()) {
            spin->setValue(spin->value() == 7 ? 6 : 7);
            break;
        }
        dialog.accept();
        return dialog.result();
    };
    Trigger(f, ID_SETTINGS_RESULTS);
    f.PaintViews();
    QCOMPARE(ShownTableDifference(f.List().Model(), f.Doc()), std::string());
    Trigger(f, ID_EDIT_UNDO);
    f.PaintViews();
    QCOMPARE(ShownTableDifference(f.List().Model(), f.Doc()), std::string());
    Trigger(f, ID_EDIT_REDO);
    f.PaintViews();
    QCOMPARE(ShownTableDifference(f.List().Model(), f.Doc()), std::string());
}

// A court's rating lowered to 1 after scheduling: the Conflicts panel lists
// the court's matches of leagues asking more under "court-rating" and the
// list marks their rows; Undo takes them away, Redo brings them back.
void tst_Undo::TheConflictsFollowEveryStep()
{
    cFixture f;
    QVERIFY(f.Frame().Documents().OpenDocumentFile(QStringLiteral(TOURNEL_EXAMPLE_SEASON)));
    Trigger(f, ID_SCHEDULE_AUTO);
    f.m_prompt.m_ids.clear();
    Trigger(f, ID_CHECK_SCHEDULE);
    QVERIFY(f.m_prompt.m_ids == std::vector<int>{IDS_CHECK_NO_CONFLICTS});
    QTreeWidget& table = f.Frame().Conflicts().Table();
    QVERIFY(f.Frame().Conflicts().IsShown());
    QVERIFY(f.Frame().Action(ID_VIEW_CONFLICTS)->isChecked());
    QCOMPARE(table.topLevelItemCount(), 0);

    // The court of the first match of a league that asks for more than rating 1.
    int court = -1;
    for (const cMatch& match : f.Doc().Scheduled().Items<cMatch>()) {
        const cLeague* league = f.Doc().GetLeague(match.m_nLeague);
        if (court < 0 && league != nullptr && league->m_nMinCourtRating > 1) {
            court = match.m_nCourt;
        }
    }
    QVERIFY(court >= 0);
    int onCourt = 0;
    for (const cMatch& match : f.Doc().Scheduled().Items<cMatch>()) {
        const cLeague* league = f.Doc().GetLeague(match.m_nLeague);
        onCourt += match.m_nCourt == court && league != nullptr && league->m_nMinCourtRating > 1 ? 1 : 0;
    }
    f.Select(&f.Doc().Courts());
    f.List().SelectOnly(f.List().Model().RowOf(f.Doc().GetCourt(court)));
    f.m_fnDialog = [](QDialog& dialog) {
        auto* edit = qobject_cast<CCourtDialog*>(&dialog);
        if (edit == nullptr) {
            return int(QDialog::Rejected);
        }
        cCourtValues values = edit->Values();
        values.rating = 1;
        edit->SetValues(values);
        dialog.accept();
        return dialog.result();
    };
    Trigger(f, ID_PROPERTIES);
    f.m_fnDialog = nullptr;
    QCOMPARE(f.Doc().GetCourt(court)->m_nRating, 1);
    QVERIFY(onCourt > 0);
    QCOMPARE(table.topLevelItemCount(), onCourt);
    for (int row = 0; row < table.topLevelItemCount(); ++row) {
        QCOMPARE(table.topLevelItem(row)->text(3), QStringLiteral("court-rating"));
    }
    // Double-clicking a conflict selects its match in the scheduled matches list, marked.
    emit table.itemActivated(table.topLevelItem(0), 0);
    QCOMPARE(f.Frame().CurrentDirectory(), int(kDirScheduled));
    const int row = f.List().CurrentRow();
    QVERIFY(row >= 0);
    QCOMPARE(QString::fromStdString(f.List().Model().ItemAt(row)->GetColumnText(0)),
             table.topLevelItem(0)->text(0));
    QVERIFY(f.List().Model().data(f.List().Model().index(row, 0), Qt::BackgroundRole).isValid());

    Trigger(f, ID_EDIT_UNDO);
    QCOMPARE(table.topLevelItemCount(), 0);
    QVERIFY(!f.List().Model().data(f.List().Model().index(0, 0), Qt::BackgroundRole).isValid());
    Trigger(f, ID_EDIT_REDO);
    QCOMPARE(table.topLevelItemCount(), onCourt);

    // Hidden, the panel marks nothing.
    f.Frame().Action(ID_VIEW_CONFLICTS)->trigger();
    QVERIFY(!f.Frame().Conflicts().IsShown());
    f.Select(&f.Doc().Scheduled());
    for (int r = 0; r < f.Rows(); ++r) {
        QVERIFY(!f.List().Model().data(f.List().Model().index(r, 0), Qt::BackgroundRole).isValid());
    }
}

// Closing court time and re-planning conflicts each change many lists (the
// schedule, the unscheduled matches, the court time, the results, the
// officials' counts) and are undone as one step to the very bytes before.
void tst_Undo::ClosingCourtsAndReplanningAreOneStepEach()
{
    cFixture f;
    f.Doc().SetFixedSeed(3);
    QVERIFY(f.Frame().Documents().OpenDocumentFile(QStringLiteral(TOURNEL_EXAMPLE_SEASON)));
    Trigger(f, ID_SCHEDULE_AUTO);
    const std::string scheduled = WriteDatabase(f.Doc());

    f.m_fnDialog = [](QDialog& dialog) {
        if (auto* close = qobject_cast<CCloseCourtsDialog*>(&dialog)) {
            cCloseCourtsValues values;
            values.fromDay = 6, values.fromMonth = 2, values.fromYear = 2027, values.fromTime = 0;
            values.toDay = 8, values.toMonth = 2, values.toYear = 2027, values.toTime = 0;
            close->SetValues(values);
        }
        dialog.accept();
        return dialog.result();
    };
    Trigger(f, ID_CLOSE_COURTS);
    const std::string closed = WriteDatabase(f.Doc());
    QVERIFY(closed != scheduled);
    QCOMPARE(f.Frame().Documents().History().UndoCount(), std::size_t{2});
    QCOMPARE(UndoText(f), QStringLiteral("&Undo Close Courts"));
    Trigger(f, ID_EDIT_UNDO);
    QVERIFY(WriteDatabase(f.Doc()) == scheduled);
    Trigger(f, ID_EDIT_REDO);
    QVERIFY(WriteDatabase(f.Doc()) == closed);

    // A holiday of every league on 2027-02-13 puts that day's matches in conflict.
    for (cLeague& league : f.Doc().Leagues().AllItems<cLeague>()) {
        auto holiday = std::make_unique<cIllDate>();
        holiday->m_tStart = MakeTimePoint(2027, 2, 13);
        holiday->m_tEnd = MakeTimePoint(2027, 2, 13, 23, 59);
        league.Holidays().AddItem(std::move(holiday), true);
    }
    const std::string withHoliday = WriteDatabase(f.Doc());
    Trigger(f, ID_REPLAN_CONFLICTS);
    QCOMPARE(f.Frame().Documents().History().UndoCount(), std::size_t{3});
    const std::string replanned = WriteDatabase(f.Doc());
    QVERIFY(replanned != withHoliday);
    Trigger(f, ID_EDIT_UNDO);
    QVERIFY(WriteDatabase(f.Doc()) == withHoliday);
    Trigger(f, ID_EDIT_REDO);
    QVERIFY(WriteDatabase(f.Doc()) == replanned);
}

QTEST_MAIN(tst_Undo)
#include "Undo_test.moc"
