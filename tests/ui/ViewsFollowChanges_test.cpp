#include "ViewsFollowChanges_test.h"

#include "Fixture.h"
#include "model/CourtTime.h"
#include "model/MatchHeading.h"
#include "model/cCourt.h"
#include "model/cDuplicateCourtTimeValues.h"
#include "model/cLeague.h"
#include "model/cMatch.h"
#include "model/cPlayoffMatch.h"
#include "model/cReferee.h"
#include "model/cRepeatCourtTimeValues.h"
#include "model/cResult.h"
#include "model/cTableItem.h"
#include "model/cTeam.h"
#include "model/cUnscheduledMatch.h"
#include "model/cUnusedTime.h"
#include "scheduling/Placement.h"
#include "support/cSeasonInvariants.h"
#include "ui/dialogs/CManualScheduleDialog.h"
#include "ui/dialogs/CNumberSpinBox.h"
#include "ui/dialogs/CPlayoffMatchDialog.h"
#include "ui/dialogs/CResultDialog.h"
#include "ui/dialogs/DialogFields.h"
#include "ui/window/CommandIds.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QSplitter>
#include <QTest>

#include <functional>
#include <map>
#include <tuple>

namespace {

// Once the views had their turn, every node and row stands for a live object
// of the current directory.
void CheckViewsSettled(cFixture& f, bool waitForTheWindow = true)
{
    if (waitForTheWindow) {
        // The window brings its views up to date on its own once back in the event loop.
        QTest::qWait(250);
    } else {
        QCoreApplication::processEvents();
        f.Frame().Views().BringViewsUpToDate();
    }
    f.PaintViews();
    std::vector<QTreeWidgetItem*> pending{f.Tree().Root()};
    while (!pending.empty()) {
        QTreeWidgetItem* node = pending.back();
        pending.pop_back();
        QVERIFY(node != nullptr);
        if (const cTournelObject* object = CTournelView::ObjectOf(node)) {
            QVERIFY(!object->GetRuntimeClass().empty());
            QCOMPARE(CTournelView::NodeOf(object), node);
        }
        for (int i = 0; i < node->childCount(); ++i) {
            pending.push_back(node->child(i));
        }
    }
    const CItemListModel& model = f.List().Model();
    for (int row = 0; row < model.rowCount(); ++row) {
        if (const cDbItem* item = model.ItemAt(row)) {
            QCOMPARE(item->GetOwner(), f.Frame().CurrentContainer());
        }
    }
    if (f.Frame().CurrentContainer() != nullptr) {
        QCOMPARE(CTournelView::ObjectOf(f.Tree().currentItem()),
                 static_cast<cTournelObject*>(f.Frame().CurrentContainer()));
    }
}

cLeague& FirstLeague(cFixture& f)
{
    return *f.Doc().Leagues().Items<cLeague>().begin();
}

cTeam& FirstTeam(cFixture& f)
{
    return *FirstLeague(f).Teams().Items<cTeam>().begin();
}

cReferee& FirstOfficial(cFixture& f)
{
    return *f.Doc().Officials().Items<cReferee>().begin();
}

// The directories shown: the root, the top level, and one league, team and
// official with theirs.
using cDirectoryPick = std::function<cTournelObject*(cFixture&)>;

std::vector<std::pair<QString, cDirectoryPick>> Directories()
{
    std::vector<std::pair<QString, cDirectoryPick>> picks = {
        {QStringLiteral("root"), [](cFixture&) -> cTournelObject* { return nullptr; }},
        {QStringLiteral("courts"), [](cFixture& f) -> cTournelObject* { return &f.Doc().Courts(); }},
        {QStringLiteral("court time"), [](cFixture& f) -> cTournelObject* { return &f.Doc().CourtTime(); }},
        {QStringLiteral("leagues"), [](cFixture& f) -> cTournelObject* { return &f.Doc().Leagues(); }},
        {QStringLiteral("officials"), [](cFixture& f) -> cTournelObject* { return &f.Doc().Officials(); }},
        {QStringLiteral("scheduled"), [](cFixture& f) -> cTournelObject* { return &f.Doc().Scheduled(); }},
        {QStringLiteral("unscheduled"),
         [](cFixture& f) -> cTournelObject* { return &f.Doc().Unscheduled(); }},
        {QStringLiteral("results"), [](cFixture& f) -> cTournelObject* { return &f.Doc().Results(); }},
        {QStringLiteral("league"), [](cFixture& f) -> cTournelObject* { return &FirstLeague(f); }},
        {QStringLiteral("team"), [](cFixture& f) -> cTournelObject* { return &FirstTeam(f); }},
        {QStringLiteral("official"), [](cFixture& f) -> cTournelObject* { return &FirstOfficial(f); }},
    };
    for (int slot = 0; slot < cDbItem::kChildSlots; ++slot) {
        const QString n = QString::number(slot);
        picks.emplace_back(QStringLiteral("league child ") + n,
                           [slot](cFixture& f) -> cTournelObject* { return FirstLeague(f).GetChild(slot); });
        picks.emplace_back(QStringLiteral("team child ") + n,
                           [slot](cFixture& f) -> cTournelObject* { return FirstTeam(f).GetChild(slot); });
        picks.emplace_back(QStringLiteral("official child ") + n, [slot](cFixture& f) -> cTournelObject* {
            return FirstOfficial(f).GetChild(slot);
        });
    }
    return picks;
}

template <class T> T* FirstOf(cTournelDb& container)
{
    for (T& item : container.Items<T>()) {
        return &item;
    }
    return nullptr;
}

// A match of the first league's first team, so that deleting the league or the team takes matches along.
const cMatch* MatchOfFirstTeam(cFixture& f)
{
    const cTeam& team = FirstTeam(f);
    for (const cMatch& match : f.Doc().Scheduled().Items<cMatch>()) {
        if (match.m_nLeague == FirstLeague(f).m_nIndex &&
            (match.m_nHomeTeam == team.m_nIndex || match.m_nGuestTeam == team.m_nIndex)) {
            return &match;
        }
    }
    return nullptr;
}

using cChange = std::function<void(cFixture&)>;

std::vector<std::pair<QString, cChange>> Changes()
{
    return {
        {QStringLiteral("schedule automatically"),
         [](cFixture& f) { f.Frame().Action(ID_SCHEDULE_AUTO)->trigger(); }},
        {QStringLiteral("delete court with matches"),
         [](cFixture& f) {
             cMatch* match = FirstOf<cMatch>(f.Doc().Scheduled());
             QVERIFY(match != nullptr);
             cCourt* court = f.Doc().GetCourt(match->m_nCourt);
             QVERIFY(f.Doc().Courts().DeleteItem(*court, f.Doc()));
         }},
        {QStringLiteral("delete league with matches"),
         [](cFixture& f) {
             QVERIFY(MatchOfFirstTeam(f) != nullptr);
             QVERIFY(f.Doc().Leagues().DeleteItem(FirstLeague(f), f.Doc()));
         }},
        {QStringLiteral("delete team with matches"),
         [](cFixture& f) {
             QVERIFY(MatchOfFirstTeam(f) != nullptr);
             QVERIFY(FirstLeague(f).Teams().DeleteItem(FirstTeam(f), f.Doc()));
         }},
        {QStringLiteral("delete match"),
         [](cFixture& f) {
             cMatch* match = FirstOf<cMatch>(f.Doc().Scheduled());
             QVERIFY(match != nullptr);
             QVERIFY(f.Doc().Scheduled().DeleteItem(*match, f.Doc()));
         }},
        {QStringLiteral("repeat time"),
         [](cFixture& f) {
             cUnusedTime* period = FirstOf<cUnusedTime>(f.Doc().CourtTime());
             QVERIFY(period != nullptr);
             cRepeatCourtTimeValues values;
             values.weeks = 52;
             ApplyRepeatCourtTime(f.Doc(), *period, values);
         }},
        {QStringLiteral("duplicate time"),
         [](cFixture& f) {
             cUnusedTime* period = FirstOf<cUnusedTime>(f.Doc().CourtTime());
             QVERIFY(period != nullptr);
             cDuplicateCourtTimeValues values;
             for (const cCourt& court : f.Doc().Courts().Items<cCourt>()) {
                 if (court.m_nIndex != period->m_nCourt) {
                     values.court = court.m_nIndex;
                 }
             }
             ApplyDuplicateCourtTime(f.Doc(), *period, values);
         }},
        {QStringLiteral("new"), [](cFixture& f) { f.Frame().Action(ID_FILE_NEW)->trigger(); }},
        {QStringLiteral("open"),
         [](cFixture& f) {
             QVERIFY(f.Frame().Documents().OpenDocumentFile(QStringLiteral(TOURNEL_EXAMPLE_SEASON)));
         }},
    };
}

// The example season with its matches scheduled, so that every list has
// rows; scheduled once and kept aside for the cases that follow.
void OpenScheduledSeason(cFixture& f)
{
    static QTemporaryDir aside;
    const QString scheduled = aside.filePath(QStringLiteral("scheduled.tnd"));
    if (!QFile::exists(scheduled)) {
        f.Doc().SetFixedSeed(7);
        QVERIFY(f.Frame().Documents().OpenDocumentFile(QStringLiteral(TOURNEL_EXAMPLE_SEASON)));
        f.Frame().Action(ID_SCHEDULE_AUTO)->trigger();
        QVERIFY(f.Frame().Documents().DoSave(scheduled));
    }
    QVERIFY(f.Frame().Documents().OpenDocumentFile(scheduled));
    f.Doc().SetModifiedFlag(false);
    f.m_prompt.m_ids.clear();
}

} // namespace

void tst_ViewsFollowChanges::EveryDirectoryUnderEveryChange_data()
{
    QTest::addColumn<int>("directory");
    QTest::addColumn<int>("change");
    const auto directories = Directories();
    const auto changes = Changes();
    for (std::size_t d = 0; d < directories.size(); ++d) {
        for (std::size_t c = 0; c < changes.size(); ++c) {
            const QString name = directories[d].first + QStringLiteral(" / ") + changes[c].first;
            QTest::newRow(name.toUtf8().constData()) << int(d) << int(c);
        }
    }
}

void tst_ViewsFollowChanges::EveryDirectoryUnderEveryChange()
{
    QFETCH(int, directory);
    QFETCH(int, change);
    cFixture f;
    f.Frame().resize(1000, 700);
    f.Frame().show();
    OpenScheduledSeason(f);
    // The example season's scheduled matches leave some unscheduled, so F2 has work to do again.
    if (change == 0) {
        for (int i = 0; i < 20; ++i) {
            if (cMatch* match = FirstOf<cMatch>(f.Doc().Scheduled())) {
                f.Doc().Scheduled().DeleteItem(*match, f.Doc());
            }
        }
    }
    cTournelObject* shown = Directories()[static_cast<std::size_t>(directory)].second(f);
    f.Select(shown);
    f.Frame().Views().RefreshList();
    QVERIFY(shown == nullptr || f.Rows() >= 0);
    f.m_prompt.m_fnWhileShown = [&f] { f.PaintViews(); };

    Changes()[static_cast<std::size_t>(change)].second(f);
    f.PaintViews();
    CheckViewsSettled(f, false);
    f.m_prompt.m_fnWhileShown = nullptr;
}

void tst_ViewsFollowChanges::ScheduleWhileUnscheduledShownKeepsTheRows()
{
    cFixture f;
    QVERIFY(f.Frame().Documents().OpenDocumentFile(QStringLiteral(TOURNEL_EXAMPLE_SEASON)));
    f.Select(&f.Doc().Unscheduled());
    QVERIFY(f.Rows() > 0);
    int rowsUnderMessage = -1;
    f.m_prompt.m_fnWhileShown = [&] {
        f.PaintViews();
        rowsUnderMessage = f.Rows();
    };
    f.Frame().Action(ID_SCHEDULE_AUTO)->trigger();
    // Under the final message the list already shows what is left.
    QCOMPARE(rowsUnderMessage, f.Doc().Unscheduled().GetCount());
    QCOMPARE(f.Rows(), f.Doc().Unscheduled().GetCount());
}

void tst_ViewsFollowChanges::TreeFollowsRemovedLeague()
{
    cFixture f;
    cLeague& alpha = f.AddLeague("alpha", "A");
    cLeague& beta = f.AddLeague("Beta", "B");
    f.AddTeam(beta, "b1");
    f.Frame().Views().UpdateAllViews();
    // Showing a directory of the league that goes away.
    f.Select(&beta.Teams());
    QCOMPARE(f.Rows(), 1);
    QVERIFY(f.Doc().Leagues().DeleteItem(beta, f.Doc()));
    f.PaintViews();
    QVERIFY(f.Frame().CurrentContainer() == nullptr);
    CheckViewsSettled(f);
    QTreeWidgetItem* leagues = CTournelView::NodeOf(&f.Doc().Leagues());
    QCOMPARE(leagues->childCount(), 1);
    QCOMPARE(CTournelView::ObjectOf(leagues->child(0)), static_cast<cTournelObject*>(&alpha));

    // A league added by the core gets its node, in the program's name order
    // (which ignores case) like the list.
    f.AddLeague("Gamma", "G");
    f.AddLeague("beta", "b");
    CheckViewsSettled(f);
    QCOMPARE(leagues->childCount(), 3);
    QCOMPARE(leagues->child(0)->text(0), QStringLiteral("alpha"));
    QCOMPARE(leagues->child(1)->text(0), QStringLiteral("beta"));
    QCOMPARE(leagues->child(2)->text(0), QStringLiteral("Gamma"));
}

namespace {

// A copy of the golden file of a version newer than ours, which is refused.
QString CopyOfNewerFile(cFixture& f)
{
    const QString path = f.m_dir.filePath(QStringLiteral("newer.tnd"));
    QFile::remove(path);
    QFile::copy(QStringLiteral(TOURNEL_TEST_DATA "/format/newer/database.tnd"), path);
    return path;
}

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

void tst_ViewsFollowChanges::RefusedFileKeepsTheSeasonAndItsFile()
{
    cFixture f;
    const QString own = f.m_dir.filePath(QStringLiteral("own.tnd"));
    QVERIFY(f.Frame().Documents().DoSave(own));
    const QString refused = CopyOfNewerFile(f);
    QVERIFY(QFile::exists(refused));
    f.AddCourt("Main Hall", "MH");
    f.Doc().SetModifiedFlag();
    QVERIFY(!f.Frame().Documents().OpenDocumentFile(refused));
    QCOMPARE(f.Doc().Courts().GetCount(), 1);
    QCOMPARE(f.Doc().GetPathName(), own.toStdString());
    // "Yes" to saving writes the season to its own file, without asking for a name.
    f.Frame().m_fnAskFileName = [](bool, const QString&) {
        QTest::qFail("a name was asked for", __FILE__, __LINE__);
        return QString();
    };
    f.m_saveAnswer = QMessageBox::Yes;
    QVERIFY(f.Frame().close());
    QVERIFY(!f.Doc().IsModified());
    CTournelDoc saved;
    QVERIFY(saved.OnOpenDocument(own.toStdString()));
    QCOMPARE(saved.Courts().GetCount(), 1);
}

void tst_ViewsFollowChanges::RefusedFileItselfIsNotWrittenOver()
{
    cFixture f;
    const QString refused = CopyOfNewerFile(f);
    const QByteArray before = Bytes(refused);
    QVERIFY(!before.isEmpty());
    QVERIFY(!f.Frame().Documents().OpenDocumentFile(refused));
    f.AddCourt("Main Hall", "MH");
    f.Doc().SetModifiedFlag();
    // The untitled season is saved under the name it is given, never under the refused file's.
    const QString other = f.m_dir.filePath(QStringLiteral("entered.tnd"));
    QStringList suggested;
    f.Frame().m_fnAskFileName = [&](bool save, const QString& name) {
        suggested << name;
        return save ? other : QString();
    };
    f.m_saveAnswer = QMessageBox::Yes;
    f.m_prompt.m_ids.clear();
    QVERIFY(f.Frame().close());
    QCOMPARE(suggested, QStringList{QStringLiteral("Untitled")});
    QVERIFY(f.m_prompt.m_ids.empty());
    QCOMPARE(Bytes(refused), before);
    QVERIFY(QFile::exists(other));
    QVERIFY(!f.Doc().IsModified());
}

void tst_ViewsFollowChanges::RefusedFileAtStartUpKeepsTheWindow_data()
{
    QTest::addColumn<bool>("missing");
    QTest::addColumn<int>("message");
    QTest::newRow("newer version") << false << int(IDS_NEWER_VERSION);
    QTest::newRow("missing") << true << int(IDS_FILE_NOT_FOUND);
}

void tst_ViewsFollowChanges::RefusedFileAtStartUpKeepsTheWindow()
{
    QFETCH(bool, missing);
    QFETCH(int, message);
    cFixture f;
    const QString refused = missing ? f.m_dir.filePath(QStringLiteral("missing.tnd")) : CopyOfNewerFile(f);
    bool shownUnderMessage = false;
    f.m_prompt.m_fnWhileShown = [&] { shownUnderMessage = f.Frame().isVisible(); };
    f.Frame().Documents().OpenAtStartUp(refused);
    QCOMPARE(f.m_prompt.m_ids, std::vector<int>{message});
    if (missing) {
        QCOMPARE(f.m_prompt.m_texts.back(),
                 QStringLiteral("File not found: \"%1\"").arg(refused).toStdString());
    }
    QVERIFY(shownUnderMessage);
    QVERIFY(f.Frame().isVisible());
    QCOMPARE(f.Doc().GetTitle(), std::string("Untitled"));
    QCOMPARE(f.Doc().Courts().GetCount(), 0);
    QVERIFY(f.Frame().Documents().RecentFiles().isEmpty());
    // The window works on: a court can be entered at once, and the season saved.
    f.Select(&f.Doc().Courts());
    QVERIFY(f.Frame().Action(ID_INSERT_ITEM)->isEnabled());
    QVERIFY(f.Frame().Action(ID_FILE_SAVE)->isEnabled());
    f.m_prompt.m_fnWhileShown = nullptr;
}

void tst_ViewsFollowChanges::EnabledCommandsHaveSomethingToDo()
{
    cFixture f;
    OpenScheduledSeason(f);
    // A scheduled league match has no property dialog (its result has); the
    // results take no new item, the schedule a playoff match while there is
    // free court time.
    QVERIFY(f.Doc().CourtTime().GetCount() > 0);
    for (cTournelDb* container : {&f.Doc().Scheduled(), &f.Doc().Results()}) {
        f.Select(container);
        QVERIFY(f.Rows() > 0);
        f.List().SelectOnly(0);
        f.Frame().UpdateCommands();
        QCOMPARE(f.Frame().Action(ID_PROPERTIES)->isEnabled(), container == &f.Doc().Results());
        QCOMPARE(f.Frame().Action(ID_ENTER_RESULT)->isEnabled(), container == &f.Doc().Scheduled());
        QCOMPARE(f.Frame().Action(ID_INSERT_ITEM)->isEnabled(), container == &f.Doc().Scheduled());
    }
    // In the schedule, Remove Selected Matches removes what Edit > Delete removes.
    f.Select(&f.Doc().Scheduled());
    f.List().SelectOnly(0);
    f.Frame().UpdateCommands();
    QVERIFY(f.Frame().Action(ID_DELETE_ITEM)->isEnabled());
    QVERIFY(f.Frame().Action(ID_REMOVE_SELECTED_MATCHES)->isEnabled());
    const int before = f.Doc().Scheduled().GetCount();
    f.m_prompt.Answer(true);
    f.Frame().Action(ID_REMOVE_SELECTED_MATCHES)->trigger();
    QCOMPARE(f.Doc().Scheduled().GetCount(), before - 1);
    QCOMPARE(f.m_prompt.m_ids.back(), int(IDS_DELETE_QUESTION));

    // A submenu whose entries are all disabled is disabled itself.
    for (QMenu* menu : f.Frame().menuBar()->findChildren<QMenu*>()) {
        emit menu->aboutToShow();
        for (const QAction* action : menu->actions()) {
            if (QMenu* sub = action->menu()) {
                bool any = false;
                for (const QAction* entry : sub->actions()) {
                    any = any || (!entry->isSeparator() && entry->isEnabled());
                }
                QCOMPARE(action->isEnabled(), any);
            }
        }
    }
}

void tst_ViewsFollowChanges::FilterPaneNamesTheFilter()
{
    cFixture f;
    cCourt& court = f.AddCourt("Main Hall", "MH");
    cLeague& league = f.AddLeague("Ladies", "L");
    f.Frame().Views().UpdateAllViews();
    QVERIFY(f.Frame().FilterPane().text().isEmpty());
    f.Doc().m_nCourtFilter = court.m_nIndex;
    f.Frame().UpdateCommands();
    QCOMPARE(f.Frame().FilterPane().text(), QStringLiteral("Filter: court Main Hall"));
    f.Doc().m_nLeagueFilter = league.m_nIndex;
    f.Frame().UpdateCommands();
    QCOMPARE(f.Frame().FilterPane().text(), QStringLiteral("Filter: court Main Hall, league Ladies"));
    f.Doc().m_nCourtFilter = -1;
    f.Doc().m_nLeagueFilter = -1;
    f.Frame().UpdateCommands();
    QVERIFY(f.Frame().FilterPane().text().isEmpty());
}

void tst_ViewsFollowChanges::WindowStateIsRemembered()
{
    QTemporaryDir dir;
    QSettings profile(dir.filePath(QStringLiteral("profile.ini")), QSettings::IniFormat);
    QList<int> sizes;
    {
        CMainFrame frame(&profile);
        // The first start fits a 1366 x 768 screen.
        QVERIFY(frame.width() <= 1366 && frame.height() <= 768 - 60);
        frame.resize(777, 555);
        frame.Splitter().setSizes({300, 477});
        sizes = frame.Splitter().sizes();
        frame.show();
        QVERIFY(frame.close());
    }
    CMainFrame again(&profile);
    QCOMPARE(again.size(), QSize(777, 555));
    QCOMPARE(again.Splitter().sizes(), sizes);
}

void tst_ViewsFollowChanges::RecentEntryOpensAfterSavingFirst()
{
    cFixture f;
    const QString season = QStringLiteral(TOURNEL_EXAMPLE_SEASON);
    QVERIFY(f.Frame().Documents().OpenDocumentFile(season));
    QCOMPARE(f.Frame().Documents().RecentFiles().front(), QFileInfo(season).absoluteFilePath());
    // Saving under a new name first puts that name at the top of the list the
    // entry was taken from; the file of the entry is opened all the same.
    f.Frame().Documents().OnFileNew();
    f.AddCourt("Main Hall", "MH");
    f.Doc().SetModifiedFlag();
    const QString saved = f.m_dir.filePath(QStringLiteral("first.tnd"));
    f.Frame().m_fnAskFileName = [&](bool, const QString&) { return saved; };
    f.m_saveAnswer = QMessageBox::Yes;
    QSignalSpy opening(&f.Frame(), &CMainFrame::OpeningFile);
    f.Frame().Action(ID_FILE_MRU_FILE1)->trigger();
    QVERIFY(QFile::exists(saved));
    QCOMPARE(opening.count(), 1);
    QCOMPARE(QFileInfo(opening.at(0).at(0).toString()).absoluteFilePath(),
             QFileInfo(season).absoluteFilePath());
    QCOMPARE(f.Doc().GetPathName(), QFileInfo(season).absoluteFilePath().toStdString());
}

void tst_ViewsFollowChanges::AResultEnteredAndRemovedShowsInTheTable()
{
    cFixture f;
    OpenScheduledSeason(f);
    auto& match = static_cast<cMatch&>(*f.Doc().Scheduled().GetFirst());
    cLeague& league = *f.Doc().GetLeague(match.m_nLeague);
    const auto playedBy = [&](int team) {
        // As the user sees it: the league's table directory, brought up to date when shown.
        f.Select(&league.Table());
        for (int row = 0; row < f.Rows(); ++row) {
            const auto& item = static_cast<const cTableItem&>(*f.List().Model().ItemAt(row));
            if (item.m_nTeam == team) {
                return item.Played();
            }
        }
        return -1;
    };
    QCOMPARE(playedBy(match.m_nHomeTeam), 0);

    // From the scheduled match: 3-1 for the hosts.
    int dialogs = 0;
    f.m_fnDialog = [&](QDialog& dialog) {
        ++dialogs;
        auto& entry = dynamic_cast<CResultDialog&>(dialog);
        cResultValues values = entry.Values();
        values.home[0] = 3;
        values.guest[0] = 1;
        entry.SetValues(values);
        entry.accept();
        return entry.result();
    };
    f.Select(&f.Doc().Scheduled());
    f.List().SelectOnly(0);
    f.Frame().UpdateCommands();
    f.Frame().Action(ID_ENTER_RESULT)->trigger();
    QCOMPARE(dialogs, 1);
    QVERIFY(match.GetResult()->IsPlayed());
    QVERIFY(f.Doc().IsModified());
    QCOMPARE(playedBy(match.m_nHomeTeam), 1);
    QCOMPARE(playedBy(match.m_nGuestTeam), 1);

    // Removed from the results directory: the table forgets it, the scores stay stored.
    f.Select(&f.Doc().Results());
    int row = 0;
    while (f.List().Model().ItemAt(row) != match.GetResult()) {
        ++row;
    }
    f.List().SelectOnly(row);
    f.Frame().UpdateCommands();
    f.Frame().Action(ID_REMOVE_RESULTS)->trigger();
    QVERIFY(!match.GetResult()->IsPlayed());
    QCOMPARE(match.GetResult()->m_nHomeScore[0], 3);
    QCOMPARE(f.List().Model().data(f.List().Model().index(row, 6), Qt::DisplayRole).toString(),
             QStringLiteral("Not played"));
    QCOMPARE(playedBy(match.m_nHomeTeam), 0);
}

void tst_ViewsFollowChanges::OfficialsAssignedAndRemovedKeepTheGameCounts()
{
    cFixture f;
    OpenScheduledSeason(f);
    const auto slotsHeld = [&f] {
        int held = 0;
        for (const cMatch& match : f.Doc().Scheduled().AllItems<cMatch>()) {
            held += match.GetOfficialCount();
        }
        return held;
    };
    const auto gamesCounted = [&f] {
        int games = 0;
        for (const cReferee& official : f.Doc().Officials().AllItems<cReferee>()) {
            games += official.m_nGames;
        }
        return games;
    };
    QCOMPARE(slotsHeld(), 0);

    // F4 with the dialog's own values: every match up to the last one.
    int dialogs = 0;
    f.m_fnDialog = [&dialogs](QDialog& dialog) {
        ++dialogs;
        dialog.accept();
        return dialog.result();
    };
    f.Select(&f.Doc().Scheduled());
    f.List().SelectOnly(0);
    f.Frame().UpdateCommands();
    QVERIFY(f.Frame().Action(ID_OFFICIALS_AUTO)->isEnabled());
    f.Frame().Action(ID_OFFICIALS_AUTO)->trigger();
    QCOMPARE(dialogs, 1);
    QVERIFY(!f.m_prompt.m_ids.empty());
    QVERIFY(slotsHeld() > 0);
    QCOMPARE(gamesCounted(), slotsHeld());
    QVERIFY(f.Doc().IsModified());

    // Ctrl+2 on every match, then F7: the counts follow the slots down to none.
    f.Frame().Action(ID_EDIT_SELECT_ALL)->trigger();
    f.Frame().UpdateCommands();
    QVERIFY(f.Frame().Action(ID_REMOVE_OFFICIAL1 + 1)->isEnabled());
    QVERIFY(!f.Frame().Action(ID_REMOVE_OFFICIAL1 + 2)->isEnabled()); // two officials per game
    f.m_prompt.Answer(true);
    f.Frame().Action(ID_REMOVE_OFFICIAL1 + 1)->trigger();
    for (const cMatch& match : f.Doc().Scheduled().AllItems<cMatch>()) {
        QCOMPARE(match.GetOfficial(1), -1);
    }
    QCOMPARE(gamesCounted(), slotsHeld());
    f.Frame().Action(ID_EDIT_SELECT_ALL)->trigger();
    f.m_prompt.Answer(true);
    f.Frame().Action(ID_REMOVE_ALL_OFFICIALS)->trigger();
    QCOMPARE(slotsHeld(), 0);
    QCOMPARE(gamesCounted(), 0);
}

namespace {

// What a move must leave as it was: every free period and every match's place.
std::vector<std::string> ScheduleAndCourtTime(const cDatabase& db)
{
    std::vector<std::string> lines;
    for (const cUnusedTime& period : db.CourtTime().AllItems<cUnusedTime>()) {
        lines.push_back(CourtTimeEntry(period));
    }
    for (const cMatch& match : db.Scheduled().AllItems<cMatch>()) {
        lines.push_back(match.GetLabel() + " " + match.GetColumnText(1) + " " + match.GetColumnText(2) + " " +
                        match.GetColumnText(3) + (match.m_bHidden != 0 ? " hidden" : ""));
    }
    return lines;
}

// Runs "Manual match scheduling" on entry `entry` of its list (-1 the last)
// at the first start the rules accept. Without a legal court time it takes
// one of all the free court time and answers Yes to the rule's question.
std::function<int(QDialog&)> PlaceAtLegalStart(const cDatabase& db, cQtScriptedPrompt& prompt, int entry)
{
    return [&db, &prompt, entry](QDialog& dialog) {
        auto* manual = qobject_cast<CManualScheduleDialog*>(&dialog);
        if (manual == nullptr) {
            dialog.reject();
            return dialog.result();
        }
        int chosen = entry < 0 ? manual->CourtTimes()->count() - 1 : entry;
        if (manual->CourtTimes()->count() == 0) {
            manual->OnlyLegal()->setChecked(false);
            prompt.Answer(true);
            // The first (or with -1 the last) court time long enough for the match.
            const cManualScheduleValues all = manual->Values();
            const int count = static_cast<int>(all.courtTimes.size());
            for (int i = 0; i < count; ++i) {
                chosen = entry < 0 ? count - 1 - i : i;
                const cUnusedTime& period = *all.courtTimes[static_cast<std::size_t>(chosen)];
                if (period.m_tEnd - period.m_tStart >= static_cast<TimePoint>(all.duration) * 60) {
                    break;
                }
            }
        }
        manual->CourtTimes()->setCurrentIndex(chosen);
        const cManualScheduleValues values = manual->Values();
        const cUnusedTime& period = *values.SelectedCourtTime();
        const TimePoint step = static_cast<TimePoint>(values.duration) * 60;
        for (TimePoint start = period.m_tStart; start + step <= period.m_tEnd; start += step) {
            if (CheckPlacement(db, *values.match, period, start, start + step, ePass::kAnyTime) == 0) {
                manual->Start()->setValue(TimeOfDay(start));
                break;
            }
        }
        dialog.accept();
        return dialog.result();
    };
}

const cMatch* FindMatch(const cDatabase& db, int league, int number)
{
    for (const cMatch& match : db.Scheduled().AllItems<cMatch>()) {
        if (!match.IsPlayoff() && match.m_nLeague == league && match.m_nNumber == number) {
            return &match;
        }
    }
    return nullptr;
}

} // namespace

void tst_ViewsFollowChanges::MatchPlacedAndMovedByHand()
{
    cFixture f;
    OpenScheduledSeason(f);
    f.Select(&f.Doc().Unscheduled());
    QVERIFY(f.Rows() > 0);
    f.List().SelectOnly(0);
    const auto* waiting = dynamic_cast<const cUnscheduledMatch*>(f.List().Model().ItemAt(0));
    QVERIFY(waiting != nullptr);
    const int league = waiting->GetLeague();
    const int home = waiting->GetHomeTeam();
    const int guest = waiting->GetGuestTeam();
    const int scheduledBefore = f.Doc().Scheduled().GetCount();
    const int unscheduledBefore = f.Doc().Unscheduled().GetCount();

    // F3 on the first match, in the first legal court time.
    f.m_fnDialog = PlaceAtLegalStart(f.Doc(), f.m_prompt, 0);
    f.Frame().UpdateCommands();
    QVERIFY(f.Frame().Action(ID_SCHEDULE_MANUAL)->isEnabled());
    f.Frame().Action(ID_SCHEDULE_MANUAL)->trigger();
    QCOMPARE(f.Doc().Scheduled().GetCount(), scheduledBefore + 1);
    QCOMPARE(f.Doc().Unscheduled().GetCount(), unscheduledBefore - 1);
    QCOMPARE(f.Rows(), unscheduledBefore - 1);
    const cMatch* placed = nullptr;
    for (const cMatch& match : f.Doc().Scheduled().AllItems<cMatch>()) {
        if (match.m_nLeague == league && match.m_nHomeTeam == home && match.m_nGuestTeam == guest &&
            match.m_bByHand == 1) {
            placed = &match;
        }
    }
    QVERIFY(placed != nullptr && placed->GetResult() != nullptr);
    QCOMPARE(CheckInvariants(f.Doc()), std::vector<std::string>{});
    const int number = placed->m_nNumber;

    // Move Match cancelled: not a trace, not even the modified flag.
    f.Select(&f.Doc().Scheduled());
    f.List().SelectOnly(f.List().Model().RowOf(placed));
    f.Frame().UpdateCommands();
    QVERIFY(f.Frame().Action(ID_MOVE_MATCH)->isEnabled());
    f.Doc().SetModifiedFlag(false);
    const std::vector<std::string> before = ScheduleAndCourtTime(f.Doc());
    QString heading;
    f.m_fnDialog = [&heading](QDialog& dialog) {
        if (auto* manual = qobject_cast<CManualScheduleDialog*>(&dialog)) {
            heading = manual->Heading()->text();
        }
        dialog.reject();
        return dialog.result();
    };
    f.Frame().Action(ID_MOVE_MATCH)->trigger();
    // The dialog names the match it moves.
    QCOMPARE(heading, ToQString(MatchHeading(f.Doc(), *placed)));
    QCOMPARE(ScheduleAndCourtTime(f.Doc()), before);
    QVERIFY(!f.Doc().IsModified());

    // Accepted: the match keeps its number and is the selected row at its new place.
    f.m_fnDialog = PlaceAtLegalStart(f.Doc(), f.m_prompt, -1);
    f.Frame().Action(ID_MOVE_MATCH)->trigger();
    const cMatch* moved = FindMatch(f.Doc(), league, number);
    QVERIFY(moved != nullptr);
    QVERIFY(ScheduleAndCourtTime(f.Doc()) != before);
    QCOMPARE(f.List().Model().ItemAt(f.List().CurrentRow()), static_cast<const cDbItem*>(moved));
    QCOMPARE(moved->m_bByHand, 1);
    QVERIFY(f.Doc().IsModified());
    QCOMPARE(CheckInvariants(f.Doc()), std::vector<std::string>{});
}

void tst_ViewsFollowChanges::RemovedMatchesKeepTheirNumbersAndPlayedOnesStay()
{
    // Opened from a file, the unscheduled matches are derived afresh when
    // next shown; the matches taken out of the schedule keep their numbers.
    cFixture f;
    OpenScheduledSeason(f);
    using cPairing = std::tuple<int, int, int, int>;
    std::map<cPairing, int> numbers;
    cMatch* played = nullptr;
    for (cMatch& match : f.Doc().Scheduled().AllItems<cMatch>()) {
        if (match.m_bByHand != 0 || match.IsPlayoff()) {
            continue;
        }
        if (played == nullptr) {
            played = &match;
            continue;
        }
        numbers[{match.m_nLeague, match.m_nHomeTeam, match.m_nGuestTeam, match.m_nRound}] = match.m_nNumber;
    }
    QVERIFY(played != nullptr && !numbers.empty());
    played->GetResult()->m_bPlayed = 1;
    played->GetResult()->m_nHomeScore[0] = 2;
    const int playedNumber = played->m_nNumber;
    const int playedLeague = played->m_nLeague;

    f.Select(&f.Doc().Scheduled());
    f.Frame().UpdateCommands();
    QVERIFY(f.Frame().Action(ID_REMOVE_AUTO_SCHEDULED)->isEnabled());
    f.m_prompt.Answer(true);
    f.Frame().Action(ID_REMOVE_AUTO_SCHEDULED)->trigger();
    QCOMPARE(f.m_prompt.m_ids, (std::vector<int>{IDS_REMOVE_AUTO_SCHEDULED, IDS_PLAYED_MATCHES_STAYED}));
    played = const_cast<cMatch*>(FindMatch(f.Doc(), playedLeague, playedNumber));
    QVERIFY(played != nullptr && played->GetResult() != nullptr && played->GetResult()->IsPlayed());
    QCOMPARE(played->GetResult()->m_nHomeScore[0], 2);
    QCOMPARE(CheckInvariants(f.Doc()), std::vector<std::string>{});

    f.Select(&f.Doc().Unscheduled());
    std::size_t found = 0;
    for (int row = 0; row < f.Rows(); ++row) {
        const auto* waiting = dynamic_cast<const cUnscheduledMatch*>(f.List().Model().ItemAt(row));
        QVERIFY(waiting != nullptr);
        const auto it = numbers.find(
            {waiting->GetLeague(), waiting->GetHomeTeam(), waiting->GetGuestTeam(), waiting->GetRound()});
        if (it != numbers.end()) {
            QCOMPARE(waiting->GetNumber(), it->second);
            ++found;
        }
    }
    QCOMPARE(found, numbers.size());

    // Remove Selected Matches on the played match says its result goes too; No keeps it.
    f.Select(&f.Doc().Scheduled());
    f.List().SelectOnly(f.List().Model().RowOf(played));
    f.m_prompt.m_ids.clear();
    f.Frame().UpdateCommands();
    QVERIFY(f.Frame().Action(ID_REMOVE_SELECTED_MATCHES)->isEnabled());
    f.m_prompt.Answer(true);
    f.m_prompt.Answer(false);
    f.Frame().Action(ID_REMOVE_SELECTED_MATCHES)->trigger();
    QCOMPARE(f.m_prompt.m_ids, (std::vector<int>{IDS_DELETE_QUESTION, IDS_DELETE_ENTERED_RESULTS}));
    QCOMPARE(FindMatch(f.Doc(), playedLeague, playedNumber), static_cast<const cMatch*>(played));
    QVERIFY(played->GetResult()->IsPlayed());
    f.Frame().UpdateCommands();
    QVERIFY(f.Frame().Action(ID_DELETE_ITEM)->isEnabled());
    f.m_prompt.Answer(true);
    f.m_prompt.Answer(true);
    f.Frame().Action(ID_DELETE_ITEM)->trigger();
    QVERIFY(FindMatch(f.Doc(), playedLeague, playedNumber) == nullptr);
    QCOMPARE(CheckInvariants(f.Doc()), std::vector<std::string>{});
}

void tst_ViewsFollowChanges::DeletingWhatAPlayedMatchBelongsToNamesItsResult_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("court") << 0;
    QTest::newRow("league") << 1;
    QTest::newRow("team") << 2;
}

// Delete on a court, a league or a team takes its matches along: with a
// result entered for one of them, a second question says so, and No keeps
// everything; Yes deletes it with its result.
void tst_ViewsFollowChanges::DeletingWhatAPlayedMatchBelongsToNamesItsResult()
{
    QFETCH(int, kind);
    cFixture f;
    OpenScheduledSeason(f);
    cMatch* played = nullptr;
    for (cMatch& match : f.Doc().Scheduled().AllItems<cMatch>()) {
        if (played == nullptr && !match.IsPlayoff()) {
            played = &match;
        }
        if (match.GetResult() != nullptr) {
            match.GetResult()->m_bPlayed = 0;
        }
    }
    QVERIFY(played != nullptr && played->GetResult() != nullptr);
    played->GetResult()->m_bPlayed = 1;
    const int league = played->m_nLeague;
    const int number = played->m_nNumber;
    cLeague* owner = f.Doc().GetLeague(league);
    QVERIFY(owner != nullptr);
    cTournelDb* container = kind == 0   ? static_cast<cTournelDb*>(&f.Doc().Courts())
                            : kind == 1 ? static_cast<cTournelDb*>(&f.Doc().Leagues())
                                        : static_cast<cTournelDb*>(&owner->Teams());
    cDbItem* item = kind == 0   ? static_cast<cDbItem*>(f.Doc().GetCourt(played->m_nCourt))
                    : kind == 1 ? static_cast<cDbItem*>(owner)
                                : static_cast<cDbItem*>(owner->GetTeam(played->m_nHomeTeam));
    QVERIFY(item != nullptr);
    const int count = container->GetCount();

    for (const bool yes : {false, true}) {
        f.Select(container);
        f.List().SelectOnly(f.List().Model().RowOf(item));
        f.Frame().UpdateCommands();
        QVERIFY(f.Frame().Action(ID_DELETE_ITEM)->isEnabled());
        f.m_prompt.m_ids.clear();
        f.m_prompt.m_texts.clear();
        f.m_prompt.Answer(true);
        f.m_prompt.Answer(yes);
        f.Frame().Action(ID_DELETE_ITEM)->trigger();
        QCOMPARE(f.m_prompt.m_ids, (std::vector<int>{IDS_DELETE_QUESTION, IDS_DELETE_CASCADE_RESULTS}));
        QCOMPARE(f.m_prompt.m_texts.back(),
                 std::string("1 results entered will be deleted with them.\nDelete anyway?"));
        if (!yes) {
            QCOMPARE(container->GetCount(), count);
            QCOMPARE(FindMatch(f.Doc(), league, number), static_cast<const cMatch*>(played));
            QVERIFY(played->GetResult()->IsPlayed());
        }
    }
    QCOMPARE(container->GetCount(), count - 1);
    QVERIFY(FindMatch(f.Doc(), league, number) == nullptr);
    for (const cResult& result : f.Doc().Results().AllItems<cResult>()) {
        QVERIFY(!result.IsPlayed());
    }
    QCOMPARE(CheckInvariants(f.Doc()), std::vector<std::string>{});
}

void tst_ViewsFollowChanges::PlayoffMatchInsertedAndModified()
{
    cFixture f;
    OpenScheduledSeason(f);
    const int counter = f.Doc().m_nPlayoffCounter;
    f.Select(&f.Doc().Scheduled());
    f.List().SelectOnly(0);
    f.Frame().UpdateCommands();
    QVERIFY(f.Frame().Action(ID_INSERT_ITEM)->isEnabled());
    QVERIFY(!f.Frame().Action(ID_PROPERTIES)->isEnabled()); // a league match

    // Insert in the schedule is Insert Playoff Match: the first free court time at its start.
    f.m_fnDialog = [](QDialog& dialog) {
        auto* playoff = qobject_cast<CPlayoffMatchDialog*>(&dialog);
        if (playoff == nullptr || playoff->CourtTimes() == nullptr) {
            dialog.reject();
            return dialog.result();
        }
        playoff->Duration()->setValue(60);
        playoff->Number()->setText(QStringLiteral("F1"));
        playoff->HomeTeam()->setText(QStringLiteral("Winner A"));
        playoff->GuestTeam()->setText(QStringLiteral("Winner B"));
        dialog.accept();
        return dialog.result();
    };
    f.Frame().Action(ID_INSERT_ITEM)->trigger();
    QCOMPARE(f.m_prompt.m_ids, std::vector<int>{});
    auto* inserted = dynamic_cast<cPlayoffMatch*>(f.List().Model().ItemAt(f.List().CurrentRow()));
    QVERIFY(inserted != nullptr);
    QCOMPARE(inserted->m_strHomeTeam, std::string("Winner A"));
    QCOMPARE(inserted->m_nRound, counter + 1);
    QCOMPARE(inserted->GetDuration(), 60);
    QVERIFY(inserted->GetResult() != nullptr);
    QCOMPARE(CheckInvariants(f.Doc()), std::vector<std::string>{});

    // Properties of a playoff match: shorter by 15 minutes, the time given back.
    f.Frame().UpdateCommands();
    QVERIFY(f.Frame().Action(ID_PROPERTIES)->isEnabled());
    const TimePoint end = inserted->m_tEnd;
    f.m_fnDialog = [](QDialog& dialog) {
        auto* playoff = qobject_cast<CPlayoffMatchDialog*>(&dialog);
        if (playoff == nullptr || playoff->CourtTimes() != nullptr) {
            dialog.reject();
            return dialog.result();
        }
        playoff->Duration()->setValue(45);
        playoff->GuestTeam()->setText(QStringLiteral("Winner C"));
        dialog.accept();
        return dialog.result();
    };
    f.Frame().Action(ID_PROPERTIES)->trigger();
    QCOMPARE(inserted->m_strGuestTeam, std::string("Winner C"));
    QCOMPARE(inserted->m_tEnd, end - 15 * 60);
    QCOMPARE(CheckInvariants(f.Doc()), std::vector<std::string>{});
}
