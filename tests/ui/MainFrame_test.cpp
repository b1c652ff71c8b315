#include "MainFrame_test.h"

#include "Fixture.h"
#include "document/cRolloverValues.h"
#include "model/ItemEdit.h"
#include "model/Strings.h"
#include "model/cUnusedTime.h"
#include "ui/dialogs/CFindDialog.h"
#include "ui/dialogs/CPropertyDialog.h"
#include "ui/dialogs/CViewFilterDialog.h"
#include "ui/dialogs/cItemDialogRegistry.h"
#include "ui/window/CommandIds.h"
#include "ui/window/CommandTable.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFontDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

namespace {

QStringList ChildTexts(const QTreeWidgetItem* node)
{
    QStringList texts;
    for (int i = 0; i < node->childCount(); ++i) {
        texts << node->child(i)->text(0);
    }
    return texts;
}

QList<int> MenuIds(const QMenu& menu)
{
    QList<int> ids;
    for (const QAction* action : menu.actions()) {
        if (!action->isSeparator() && action->menu() == nullptr) {
            ids << action->data().toInt();
        }
    }
    return ids;
}

void SelectRows(cTournelListView& list, std::initializer_list<int> rows)
{
    QItemSelectionModel* selection = list.selectionModel();
    selection->clearSelection();
    for (int row : rows) {
        selection->select(list.Model().index(row, 0),
                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    selection->setCurrentIndex(list.Model().index(*rows.begin(), 0), QItemSelectionModel::NoUpdate);
}

void AddThreeCourts(cFixture& f)
{
    f.AddCourt("Alpha Hall", "AH");
    f.AddCourt("Beta Arena", "BA");
    f.AddCourt("Gamma Court", "GC");
    f.Frame().Views().UpdateAllViews();
}

} // namespace

void tst_MainFrame::cleanup()
{
    cItemDialogRegistry::Instance().Clear();
}

void tst_MainFrame::TreeShowsDirectoriesAndItemNodes()
{
    cFixture f;
    cLeague& league = f.AddLeague("North League", "NL");
    f.AddTeam(league, "Lions");
    f.AddTeam(league, "Bears");
    f.AddOfficial("Olsen");
    f.AddCourt("Hall", "H");
    f.Frame().Views().UpdateAllViews();

    QTreeWidgetItem* root = f.Tree().Root();
    QCOMPARE(root->text(0), QStringLiteral("Untitled"));
    QVERIFY(root->isExpanded());
    QCOMPARE(ChildTexts(root), (QStringList{"Courts", "Unused Time", "Leagues", "Officials",
                                            "Scheduled matches", "Unscheduled matches", "Results"}));
    QCOMPARE(root->child(0)->childCount(), 0); // courts own no directories
    QTreeWidgetItem* leagueNode = CTournelView::NodeOf(&league);
    QVERIFY(leagueNode != nullptr);
    QCOMPARE(leagueNode->parent(), root->child(2));
    QCOMPARE(ChildTexts(leagueNode), (QStringList{"Holidays", "Preferred playing time", "Table", "Teams"}));
    QTreeWidgetItem* teams = CTournelView::NodeOf(&league.Teams());
    QCOMPARE(ChildTexts(teams), (QStringList{"Bears", "Lions"}));
    QCOMPARE(ChildTexts(teams->child(0)),
             (QStringList{"Holidays", "Home grounds", "Preferred playing time", "Team conflicts"}));
    QCOMPARE(ChildTexts(root->child(3)), QStringList{"Olsen"});
    QCOMPARE(ChildTexts(root->child(3)->child(0)),
             (QStringList{"Holidays", "Preferred playing time", "Team conflicts"}));
    QCOMPARE(f.Tree().currentItem(), root);
    QCOMPARE(f.Frame().CurrentDirectory(), int(kDirRoot));
}

void tst_MainFrame::ListShowsColumnsOfTheDirectory()
{
    cFixture f;
    AddThreeCourts(f);
    f.Select(&f.Doc().Courts());

    QCOMPARE(f.Frame().CurrentDirectory(), int(kDirCourts));
    QCOMPARE(f.Frame().DirectoryPane().text(), QStringLiteral("Courts"));
    const CItemListModel& model = f.List().Model();
    QCOMPARE(model.columnCount(), 4);
    QStringList headings;
    for (int c = 0; c < model.columnCount(); ++c) {
        headings << model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    }
    QCOMPARE(headings, (QStringList{"Court name", "Short Name", "Reserved ?", "Rating"}));
    const int a = f.List().fontMetrics().horizontalAdvance(QLatin1Char('A'));
    QCOMPARE(f.List().header()->sectionSize(0), 25 * a + 16);
    QCOMPARE(f.List().header()->sectionSize(2), 12 * a);
    QCOMPARE(model.data(model.index(0, 2), Qt::TextAlignmentRole).value<Qt::Alignment>(),
             Qt::AlignHCenter | Qt::AlignVCenter);
    QCOMPARE(model.data(model.index(0, 0), Qt::TextAlignmentRole).value<Qt::Alignment>(),
             Qt::AlignLeft | Qt::AlignVCenter);
    QCOMPARE(f.Rows(), 3);
    QCOMPARE(f.Cell(0, 0), QStringLiteral("Alpha Hall"));
    QCOMPARE(f.Cell(2, 1), QStringLiteral("GC"));
    QCOMPARE(f.List().CurrentRow(), 0);

    f.Select(nullptr);
    QCOMPARE(model.columnCount(), 0);
    QCOMPARE(f.Rows(), 0);
    QCOMPARE(f.Frame().DirectoryPane().text(), QStringLiteral("Database"));
}

void tst_MainFrame::ItemNodeListsItsDirectories()
{
    cFixture f;
    cLeague& league = f.AddLeague("North League", "NL");
    f.AddTeam(league, "Lions");
    f.Frame().Views().UpdateAllViews();
    f.Select(&league);

    QCOMPARE(f.Frame().CurrentDirectory(), int(kDirItem));
    QVERIFY(f.Frame().CurrentContainer() == nullptr);
    QCOMPARE(f.Frame().DirectoryPane().text(), QStringLiteral("North League"));
    QCOMPARE(f.List().Model().columnCount(), 1);
    QCOMPARE(f.List().Model().headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(),
             QStringLiteral("Name"));
    QCOMPARE(f.Rows(), 4);
    QCOMPARE(f.Cell(3, 0), QStringLiteral("Teams"));

    f.Frame().OnRowActivated(3);
    QCOMPARE(f.Tree().currentItem(), CTournelView::NodeOf(&league.Teams()));
    QVERIFY(f.Frame().CurrentContainer() == &league.Teams());
    QCOMPARE(f.Cell(0, 0), QStringLiteral("Lions"));
}

void tst_MainFrame::DoubleClickOnLeagueMovesIntoItsNode()
{
    cFixture f;
    f.AddLeague("Alpha League", "AL");
    cLeague& second = f.AddLeague("Beta League", "BL");
    f.Frame().Views().UpdateAllViews();
    f.Select(&f.Doc().Leagues());

    f.Frame().OnRowActivated(1);
    QCOMPARE(f.Tree().currentItem(), CTournelView::NodeOf(&second));
    QCOMPARE(f.Rows(), 4);
    QVERIFY(f.m_prompt.m_ids.empty());
}

void tst_MainFrame::EnablingFollowsDirectoryAndRow()
{
    cFixture f;
    cLeague& league = f.AddLeague("North League", "NL");
    AddThreeCourts(f);
    auto enabled = [&f](int id) { return f.Frame().Action(id)->isEnabled(); };

    QVERIFY(!enabled(ID_INSERT_ITEM));
    QVERIFY(!enabled(ID_EDIT_FIND));
    QVERIFY(enabled(ID_FILE_SAVE));
    QVERIFY(enabled(ID_VIEW_FILTER));

    f.Select(&f.Doc().Courts());
    for (int id : {ID_INSERT_ITEM, ID_DELETE_ITEM, ID_PROPERTIES, ID_EDIT_FIND, ID_EDIT_SELECT_ALL}) {
        QVERIFY2(enabled(id), qPrintable(QString::number(id)));
    }
    f.Select(&f.Doc().Officials());
    QVERIFY(enabled(ID_INSERT_ITEM));
    QVERIFY(!enabled(ID_DELETE_ITEM));
    QVERIFY(!enabled(ID_PROPERTIES));

    f.Select(&league.Table());
    QVERIFY(!enabled(ID_INSERT_ITEM));
    QVERIFY(!enabled(ID_DELETE_ITEM));
    QVERIFY(enabled(ID_EDIT_FIND));

    // Commands of engines still to come stay disabled whatever the rule says.
    QVERIFY(!enabled(ID_OFFICIALS_AUTO));
    QVERIFY(enabled(ID_DOCUMENT_INFO));
    QVERIFY(enabled(ID_PRINT_FONT));
}

void tst_MainFrame::EnablingRules_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("directory"); // 0: the root
    QTest::addColumn<bool>("hasRow");
    QTest::addColumn<bool>("expected");

    QTest::newRow("insert in results") << int(ID_INSERT_ITEM) << 6 << true << false;
    QTest::newRow("properties in results") << int(ID_PROPERTIES) << 6 << true << true;
    QTest::newRow("delete in results") << int(ID_DELETE_ITEM) << 6 << true << false;
    QTest::newRow("properties in unscheduled") << int(ID_PROPERTIES) << 8 << true << false;
    QTest::newRow("insert without row") << int(ID_INSERT_ITEM) << 1 << false << true;
    QTest::newRow("delete without row") << int(ID_DELETE_ITEM) << 1 << false << false;
    QTest::newRow("repeat in court time") << int(ID_EDIT_REPEAT) << 2 << true << true;
    QTest::newRow("duplicate in courts") << int(ID_DUPLICATE_TIME) << 1 << true << false;
    QTest::newRow("3rd officials with 2 per game") << int(ID_REMOVE_OFFICIAL1 + 2) << 9 << true << false;
    QTest::newRow("2nd officials with 2 per game") << int(ID_REMOVE_OFFICIAL1 + 1) << 9 << true << true;
    QTest::newRow("remove selected matches") << int(ID_REMOVE_SELECTED_MATCHES) << 9 << true << true;
    QTest::newRow("remove selected matches in courts")
        << int(ID_REMOVE_SELECTED_MATCHES) << 1 << true << false;
    QTest::newRow("find at the root") << int(ID_EDIT_FIND) << 0 << false << false;
    QTest::newRow("manual scheduling") << int(ID_SCHEDULE_MANUAL) << 8 << true << true;
    QTest::newRow("renumber without matches") << int(ID_SCHEDULE_RENUMBER) << 9 << true << false;
    QTest::newRow("playoff without court time") << int(ID_INSERT_PLAYOFF) << 9 << true << false;
    QTest::newRow("save as anywhere") << int(ID_FILE_SAVE_AS) << 0 << false << true;
    QTest::newRow("view filter anywhere") << int(ID_VIEW_FILTER) << 0 << false << true;
}

void tst_MainFrame::EnablingRules()
{
    QFETCH(int, command);
    QFETCH(int, directory);
    QFETCH(bool, hasRow);
    QFETCH(bool, expected);
    cDatabase db;
    int current = kDirRoot;
    const cTournelDb* shown = nullptr;
    for (cTournelDb* container : {static_cast<cTournelDb*>(&db.Courts()), &db.CourtTime(), &db.Scheduled(),
                                  &db.Unscheduled(), &db.Results()}) {
        if (container->m_nDirectoryId == directory) {
            shown = container;
            current = directory;
        }
    }
    QCOMPARE(CommandRuleHolds(command, {db, current, shown, hasRow}), expected);
}

void tst_MainFrame::ContextMenuFitsTheDirectory()
{
    cFixture f;
    cLeague& league = f.AddLeague("North League", "NL");
    AddThreeCourts(f);
    QVERIFY(f.Frame().CreateContextMenu(-1) == nullptr); // the root

    f.Select(&f.Doc().Courts());
    auto onRow = f.Frame().CreateContextMenu(0);
    QCOMPARE(MenuIds(*onRow),
             (QList<int>{ID_INSERT_ITEM, ID_DELETE_ITEM, ID_PROPERTIES, ID_EDIT_FIND, ID_EDIT_SELECT_ALL}));
    QCOMPARE(onRow->actions().front()->text(), QStringLiteral("Insert new item...\tCtrl+I"));
    auto beside = f.Frame().CreateContextMenu(-1);
    QCOMPARE(MenuIds(*beside), (QList<int>{ID_INSERT_ITEM, ID_EDIT_FIND, ID_EDIT_SELECT_ALL}));
    QCOMPARE(beside->actions().front()->text(), QStringLiteral("Insert new item\tCtrl+I"));

    f.Select(&league.Table());
    QVERIFY(f.Frame().CreateContextMenu(0) == nullptr);
    QCOMPARE(MenuIds(*f.Frame().CreateContextMenu(-1)), (QList<int>{ID_EDIT_FIND, ID_EDIT_SELECT_ALL}));

    f.Select(&f.Doc().Scheduled());
    auto matches = f.Frame().CreateContextMenu(0);
    QCOMPARE(MenuIds(*matches),
             (QList<int>{ID_ENTER_RESULT, ID_MOVE_MATCH, ID_INSERT_PLAYOFF, ID_DELETE_ITEM,
                         ID_REMOVE_AUTO_SCHEDULED, ID_OFFICIALS_MANUAL, ID_EDIT_FIND, ID_EDIT_SELECT_ALL}));
    QCOMPARE(matches->actions().at(3)->text(), QStringLiteral("Remove Match\tDel"));

    f.Select(&f.Doc().Results());
    QCOMPARE(MenuIds(*f.Frame().CreateContextMenu(0)),
             (QList<int>{ID_PROPERTIES, ID_REMOVE_RESULTS, ID_EDIT_FIND, ID_EDIT_SELECT_ALL}));
}

void tst_MainFrame::DeleteAnsweredYesDeletesSelectedInContainerOrder()
{
    cFixture f;
    AddThreeCourts(f);
    f.Select(&f.Doc().Courts());
    SelectRows(f.List(), {2, 0});
    f.m_prompt.Answer(true);

    f.Frame().Edit().OnDeleteItem();
    QCOMPARE(f.m_prompt.m_ids, std::vector<int>{IDS_DELETE_QUESTION});
    QCOMPARE(f.m_prompt.m_waits, std::vector<std::string>{"Just a moment!"});
    QCOMPARE(f.Doc().Courts().GetCount(), 1);
    QCOMPARE(f.Rows(), 1);
    QCOMPARE(f.Cell(0, 0), QStringLiteral("Beta Arena"));
    QVERIFY(f.Doc().IsModified());
}

void tst_MainFrame::DeleteAnsweredNoChangesNothing()
{
    cFixture f;
    AddThreeCourts(f);
    f.Select(&f.Doc().Courts());
    SelectRows(f.List(), {0, 1});
    f.m_prompt.Answer(false);

    f.Frame().Edit().OnDeleteItem();
    QCOMPARE(f.Doc().Courts().GetCount(), 3);
    QCOMPARE(f.Rows(), 3);
    QVERIFY(f.m_prompt.m_waits.empty());
    QCOMPARE(f.List().SelectedRows(), (std::vector<int>{0, 1}));
}

void tst_MainFrame::DeleteLeagueRemovesItsBranch()
{
    cFixture f;
    cLeague& first = f.AddLeague("Alpha League", "AL");
    f.AddTeam(first, "Lions");
    cLeague& second = f.AddLeague("Beta League", "BL");
    f.AddOfficial("Olsen");
    f.Frame().Views().UpdateAllViews();
    QTreeWidgetItem* leaguesNode = CTournelView::NodeOf(&f.Doc().Leagues());
    f.Select(&f.Doc().Leagues());
    SelectRows(f.List(), {0});
    f.m_prompt.Answer(true);

    f.Frame().Edit().OnDeleteItem();
    QCOMPARE(f.Doc().Leagues().GetCount(), 1);
    QCOMPARE(ChildTexts(leaguesNode), QStringList{"Beta League"});
    QCOMPARE(CTournelView::NodeOf(&second), leaguesNode->child(0));
    QCOMPARE(f.Tree().currentItem(), leaguesNode);

    f.Select(&f.Doc().Officials());
    SelectRows(f.List(), {0});
    f.m_prompt.Answer(true);
    f.Frame().Edit().OnDeleteItem();
    QCOMPARE(CTournelView::NodeOf(&f.Doc().Officials())->childCount(), 0);
}

void tst_MainFrame::RememberedRowIsClamped()
{
    cFixture f;
    AddThreeCourts(f);
    f.Select(&f.Doc().Courts());
    f.List().SelectOnly(2);
    f.Select(&f.Doc().Leagues());
    f.Select(&f.Doc().Courts());
    QCOMPARE(f.List().CurrentRow(), 2);

    f.Select(nullptr);
    f.Doc().Courts().DeleteItem(*f.Doc().Courts().GetLast(), f.Doc());
    f.Doc().Courts().DeleteItem(*f.Doc().Courts().GetLast(), f.Doc());
    f.Select(&f.Doc().Courts());
    QCOMPARE(f.List().CurrentRow(), 0);
    QCOMPARE(f.List().SelectedRows(), std::vector<int>{0});

    f.Select(nullptr);
    f.Doc().Courts().DeleteItem(*f.Doc().Courts().GetFirst(), f.Doc());
    f.Select(&f.Doc().Courts());
    QCOMPARE(f.List().CurrentRow(), -1);
}

void tst_MainFrame::WaitWindowAboveHundredRows()
{
    for (int count : {100, 101}) {
        cFixture f;
        for (int i = 0; i < count; ++i) {
            f.AddCourt(QStringLiteral("Court %1").arg(i, 3, 10, QLatin1Char('0')).toStdString(), "C", false);
        }
        f.Frame().Views().UpdateAllViews();
        f.Select(&f.Doc().Courts());
        QCOMPARE(f.Rows(), count);
        QCOMPARE(f.m_prompt.m_waits.size(), std::size_t(count > 100 ? 1 : 0));
    }
}

void tst_MainFrame::FindSelectsTheMatchingRow()
{
    cFixture f;
    AddThreeCourts(f);
    f.Select(&f.Doc().Courts());
    QString shownText;
    f.m_fnDialog = [&shownText](QDialog& dialog) {
        auto& find = dynamic_cast<CFindDialog&>(dialog);
        shownText = find.TextField(0)->text();
        find.TextField(0)->setText(QStringLiteral("  gam "));
        find.m_pAny->setChecked(true);
        return int(QDialog::Accepted);
    };

    f.Frame().Edit().OnFind();
    QCOMPARE(f.List().CurrentRow(), 2);
    QCOMPARE(f.List().SelectedRows(), std::vector<int>{2});
    QCOMPARE(f.Frame().Edit().FindTexts()[0], std::string("gam"));
    QVERIFY(f.m_prompt.m_ids.empty());

    f.List().SelectOnly(0);
    f.Frame().Edit().OnFind();
    QCOMPARE(shownText, QStringLiteral("gam")); // the texts are kept
    QCOMPARE(f.List().CurrentRow(), 2);
}

void tst_MainFrame::FindReportsEmptyAndMissing()
{
    cFixture f;
    AddThreeCourts(f);
    f.Select(&f.Doc().Officials());
    f.Frame().Edit().OnFind();
    QCOMPARE(f.m_prompt.m_ids, std::vector<int>{IDS_DIRECTORY_EMPTY});
    QCOMPARE(f.m_nDialogs, 0);

    f.m_prompt.m_ids.clear();
    f.Select(&f.Doc().Courts());
    f.m_fnDialog = [](QDialog&) { return int(QDialog::Accepted); }; // three empty texts
    f.Frame().Edit().OnFind();
    QCOMPARE(f.m_prompt.m_ids, std::vector<int>{IDS_CANNOT_FIND_ITEM});

    // Forward from the last row finds nothing unless the search starts at the beginning.
    f.m_prompt.m_ids.clear();
    f.List().SelectOnly(2);
    bool fromBeginning = false;
    f.m_fnDialog = [&fromBeginning](QDialog& dialog) {
        auto& find = dynamic_cast<CFindDialog&>(dialog);
        find.TextField(0)->setText(QStringLiteral("Alpha"));
        find.m_pFromEnd->setChecked(fromBeginning);
        return int(QDialog::Accepted);
    };
    f.Frame().Edit().OnFind();
    QCOMPARE(f.m_prompt.m_ids, std::vector<int>{IDS_CANNOT_FIND_ITEM});
    fromBeginning = true;
    f.Frame().Edit().OnFind();
    QCOMPARE(f.List().CurrentRow(), 0);
}

void tst_MainFrame::ViewFilterHidesOtherCourts()
{
    cFixture f;
    cCourt& alpha = f.AddCourt("Alpha Hall", "AH");
    cCourt& beta = f.AddCourt("Beta Arena", "BA");
    const TimePoint day = MakeTimePoint(2026, 3, 2, 18, 0);
    for (const auto& [court, hours] :
         {std::pair{alpha.m_nIndex, 0}, std::pair{beta.m_nIndex, 24}, std::pair{alpha.m_nIndex, 48}}) {
        const TimePoint start = day + hours * 3600;
        f.Doc().CourtTime().AddItem(std::make_unique<cUnusedTime>(court, start, start + 7200), true);
    }
    f.Frame().Views().UpdateAllViews();
    f.Select(&f.Doc().CourtTime());
    QCOMPARE(f.Rows(), 3);

    int choice = alpha.m_nIndex;
    QStringList courts;
    f.m_fnDialog = [&](QDialog& dialog) {
        auto& filter = dynamic_cast<CViewFilterDialog&>(dialog);
        courts.clear();
        for (int i = 0; i < filter.m_pCourts->count(); ++i) {
            courts << filter.m_pCourts->itemText(i);
        }
        filter.m_pCourts->setCurrentIndex(filter.m_pCourts->findData(choice));
        return int(QDialog::Accepted);
    };
    f.Frame().Edit().OnViewFilter();
    QCOMPARE(courts, (QStringList{"<All>", "AH", "BA"}));
    QCOMPARE(f.Doc().m_nCourtFilter, alpha.m_nIndex);
    QCOMPARE(f.Doc().m_nLeagueFilter, -1);
    QCOMPARE(f.Rows(), 2);
    QCOMPARE(f.Doc().CourtTime().GetCount(), 3);

    choice = -1;
    f.Frame().Edit().OnViewFilter();
    QCOMPARE(f.Rows(), 3);
}

void tst_MainFrame::InsertAndPropertiesUseTheRegistry()
{
    cFixture f;
    AddThreeCourts(f);
    int edits = 0;
    cItemDialogRegistry::cEntry courts;
    courts.create = [](CTournelDoc&, cTournelDb&, QWidget*) {
        auto court = std::make_unique<cCourt>();
        court->m_strName = "Delta Dome";
        court->m_strShortName = "DD";
        return std::unique_ptr<cDbItem>(std::move(court));
    };
    courts.edit = [&edits](CTournelDoc& doc, cDbItem& item, QWidget*) {
        ++edits;
        auto& court = static_cast<cCourt&>(item);
        std::unique_ptr<cDbItem> taken = doc.Courts().RemoveItem(court);
        court.m_strName = "Aardvark Hall";
        std::unique_ptr<cIndexedDbItem> back(static_cast<cIndexedDbItem*>(taken.release()));
        doc.Courts().AddIndexedItem(std::move(back), true, court.m_nIndex);
        return true;
    };
    cItemDialogRegistry::Instance().Register(kDirCourts, courts);
    cItemDialogRegistry::cEntry leagues;
    leagues.create = [](CTournelDoc&, cTournelDb&, QWidget*) {
        auto league = std::make_unique<cLeague>();
        league->m_strName = "Zeta League";
        return std::unique_ptr<cDbItem>(std::move(league));
    };
    cItemDialogRegistry::Instance().Register(kDirLeagues, leagues);

    f.Select(&f.Doc().Courts());
    f.Frame().Edit().OnInsertItem();
    QCOMPARE(f.Doc().Courts().GetCount(), 4);
    QCOMPARE(f.Rows(), 4);
    QCOMPARE(f.Cell(2, 0), QStringLiteral("Delta Dome"));
    QVERIFY(f.Doc().IsModified());

    f.List().SelectOnly(2);
    f.Frame().Edit().OnProperties();
    QCOMPARE(edits, 1);
    QCOMPARE(f.Cell(0, 0), QStringLiteral("Aardvark Hall")); // relisted in its new place

    f.Frame().OnRowActivated(1); // a court opens its dialog
    QCOMPARE(edits, 2);

    f.Select(&f.Doc().Leagues());
    f.Frame().Edit().OnInsertItem();
    QCOMPARE(ChildTexts(CTournelView::NodeOf(&f.Doc().Leagues())), QStringList{"Zeta League"});
    QCOMPARE(f.Cell(0, 0), QStringLiteral("Zeta League"));

    // No dialog registered: Insert is disabled, and nothing happens and nothing is said.
    cItemDialogRegistry::Instance().Unregister(kDirOfficials);
    f.Select(&f.Doc().Officials());
    QVERIFY(!f.Frame().Action(ID_INSERT_ITEM)->isEnabled());
    f.Frame().Edit().OnInsertItem();
    QCOMPARE(f.Doc().Officials().GetCount(), 0);
    QVERIFY(f.m_prompt.m_ids.empty());
}

void tst_MainFrame::ToolbarInsertSwitchesDirectory()
{
    cFixture f;
    int opened = 0;
    cItemDialogRegistry::cEntry courts;
    courts.create = [&opened, &f](CTournelDoc&, cTournelDb&, QWidget*) {
        ++opened;
        // The directory changed before the dialog opens.
        if (f.Frame().CurrentDirectory() != kDirCourts) {
            QTest::qFail("the courts directory was not current", __FILE__, __LINE__);
        }
        return std::unique_ptr<cDbItem>(); // cancelled
    };
    cItemDialogRegistry::Instance().Register(kDirCourts, courts);
    f.Select(&f.Doc().Officials());

    f.Frame().Action(ID_INSERT_COURT)->trigger();
    QCOMPARE(opened, 1);
    QVERIFY(f.Frame().CurrentContainer() == &f.Doc().Courts());
    QCOMPARE(f.Tree().currentItem(), CTournelView::NodeOf(&f.Doc().Courts()));
    QCOMPARE(f.Frame().DirectoryPane().text(), QStringLiteral("Courts"));
    QCOMPARE(f.Frame().Action(ID_INSERT_COURT)->toolTip(), QStringLiteral("Insert court"));
    QCOMPARE(f.Frame().Action(ID_INSERT_TIME)->statusTip(),
             QStringLiteral("Insert more available time on some court"));

    f.Frame().Action(ID_INSERT_LEAGUE)->trigger();
    QVERIFY(f.Frame().CurrentContainer() == &f.Doc().Leagues());
}

void tst_MainFrame::SelectAllSelectsEveryRow()
{
    cFixture f;
    AddThreeCourts(f);
    f.Select(&f.Doc().Courts());
    f.Frame().Action(ID_EDIT_SELECT_ALL)->trigger();
    QCOMPARE(f.List().SelectedRows(), (std::vector<int>{0, 1, 2}));
    f.Frame().Views().MarkSelected();
    int marked = 0;
    for (const cDbItem& item : f.Doc().Courts().Items<cDbItem>()) {
        marked += item.m_bMarked;
    }
    QCOMPARE(marked, 3);
    f.Frame().Views().ClearMarks();
    QCOMPARE(f.Doc().Courts().GetFirst()->m_bMarked, 0);
}

void tst_MainFrame::PrintFontStoresPoints()
{
    cFixture f;
    f.m_fnDialog = [](QDialog& dialog) {
        auto& fonts = dynamic_cast<QFontDialog&>(dialog);
        QFont chosen(QStringLiteral("Courier New"));
        chosen.setPointSize(12);
        chosen.setItalic(true);
        fonts.setCurrentFont(chosen);
        return int(QDialog::Accepted);
    };
    f.Frame().Settings().OnPrintFont();
    QCOMPARE(f.Doc().m_lfPrintFont.lfHeight, -12);
    QCOMPARE(f.Doc().m_lfPrintFont.lfItalic, std::uint8_t(1));
    QCOMPARE(f.Doc().m_crPrintColor, std::uint32_t(9));
    QVERIFY(f.Doc().IsModified());

    f.Doc().SetModifiedFlag(false);
    f.m_fnDialog = nullptr; // cancelled
    f.Frame().Settings().OnPrintFont();
    QCOMPARE(f.Doc().m_lfPrintFont.lfHeight, -12);
    QVERIFY(!f.Doc().IsModified());
}

void tst_MainFrame::RecentFilesKeepFourInTheProfile()
{
    cFixture f;
    QStringList paths;
    for (int i = 1; i <= 5; ++i) {
        paths << f.m_dir.filePath(QStringLiteral("season%1.tnd").arg(i));
        f.Frame().Documents().AddRecentFile(paths.back());
    }
    QCOMPARE(f.Frame().Documents().RecentFiles(), (QStringList{paths[4], paths[3], paths[2], paths[1]}));
    f.Frame().Documents().AddRecentFile(paths[2]);
    QCOMPARE(f.Frame().Documents().RecentFiles(), (QStringList{paths[2], paths[4], paths[3], paths[1]}));
    QCOMPARE(f.m_pProfile->value(QStringLiteral("Recent File List/File1")).toString(), paths[2]);
    QVERIFY(f.Frame().Action(ID_FILE_MRU_FILE1)->isVisible());
    QVERIFY(f.Frame().Action(ID_FILE_MRU_FILE1)->text().startsWith(QStringLiteral("&1 ")));

    CMainFrame again(f.m_pProfile.get());
    QCOMPARE(again.Documents().RecentFiles(), f.Frame().Documents().RecentFiles());
}

void tst_MainFrame::DroppedDatabaseIsOpened()
{
    cFixture f;
    QSignalSpy opening(&f.Frame(), &CMainFrame::OpeningFile);
    const QString path = f.m_dir.filePath(QStringLiteral("dropped.tnd"));

    // Only a local file can be opened; its name does not matter (opening decides).
    QMimeData remote;
    remote.setUrls({QUrl(QStringLiteral("https://example.org/season.tnd"))});
    QDragEnterEvent refused(QPoint(5, 5), Qt::CopyAction, &remote, Qt::LeftButton, Qt::NoModifier);
    refused.setAccepted(false);
    QApplication::sendEvent(&f.Frame(), &refused);
    QVERIFY(!refused.isAccepted());

    QMimeData database;
    database.setUrls({QUrl::fromLocalFile(path)});
    QMimeData other;
    other.setUrls({QUrl::fromLocalFile(f.m_dir.filePath(QStringLiteral("season.TND.bak")))});
    QDragEnterEvent otherEnter(QPoint(5, 5), Qt::CopyAction, &other, Qt::LeftButton, Qt::NoModifier);
    otherEnter.setAccepted(false);
    QApplication::sendEvent(&f.Frame(), &otherEnter);
    QVERIFY(otherEnter.isAccepted());
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &database, Qt::LeftButton, Qt::NoModifier);
    enter.setAccepted(false);
    QApplication::sendEvent(&f.Frame(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &database, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&f.Frame(), &drop);
    QCOMPARE(opening.count(), 1);
    QCOMPARE(opening.at(0).at(0).toString(), path);
}

void tst_MainFrame::CloseAsksToSaveChanges()
{
    cFixture f;
    f.Doc().SetModifiedFlag();
    f.m_saveAnswer = QMessageBox::Cancel;
    QVERIFY(!f.Frame().close());
    QCOMPARE(f.m_strSaveQuestion, QStringLiteral("Save changes to Untitled?"));
    f.m_saveAnswer = QMessageBox::No;
    QVERIFY(f.Frame().close());
}

void tst_MainFrame::NewDocumentRebuildsTheTree()
{
    cFixture f;
    AddThreeCourts(f);
    f.Select(&f.Doc().Courts());
    f.Doc().SetModifiedFlag();
    f.Frame().Action(ID_FILE_NEW)->trigger();
    QCOMPARE(f.m_strSaveQuestion, QStringLiteral("Save changes to Untitled?"));
    QCOMPARE(f.Doc().Courts().GetCount(), 0);
    QCOMPARE(f.Tree().currentItem(), f.Tree().Root());
    QCOMPARE(f.Frame().DirectoryPane().text(), QStringLiteral("Database"));
    QCOMPARE(f.List().Model().columnCount(), 0);
}

// The dialog refuses weeks out of range and stays open; the save question
// comes next, and Cancel there keeps the season; then the new season stands
// unsaved in its place, with no step to undo.
void tst_MainFrame::NewSeasonTakesThePlaceOfTheSeason()
{
    cFixture f;
    QVERIFY(f.Frame().Documents().OpenDocumentFile(QStringLiteral(TOURNEL_EXAMPLE_SEASON)));
    f.Frame().Action(ID_SCHEDULE_AUTO)->trigger();
    const int scheduled = f.Doc().Scheduled().GetCount();
    QVERIFY(scheduled > 0);
    QVERIFY(f.Frame().Documents().History().CanUndo());
    const int courts = f.Doc().Courts().GetCount();
    std::vector<bool> refusedFirst;
    f.m_fnDialog = [&](QDialog& dialog) {
        auto& season = dynamic_cast<CPropertyDialog&>(dialog);
        auto* weeks = qobject_cast<QSpinBox*>(season.FieldWidget(cRolloverValues::kWeeks));
        weeks->setValue(0);
        dialog.accept();
        refusedFirst.push_back(dialog.result() != QDialog::Accepted);
        weeks->setValue(53);
        dialog.accept();
        return dialog.result();
    };
    for (const QMessageBox::StandardButton answer : {QMessageBox::Cancel, QMessageBox::No}) {
        f.m_saveAnswer = answer;
        f.m_strSaveQuestion.clear();
        f.Frame().Action(ID_FILE_NEW_SEASON)->trigger();
        QCOMPARE(f.m_strSaveQuestion, QStringLiteral("Save changes to %1?").arg(TOURNEL_EXAMPLE_SEASON));
    }
    QCOMPARE(refusedFirst, (std::vector<bool>{true, true}));
    QCOMPARE(f.Doc().GetTitle(), std::string("Untitled"));
    QVERIFY(f.Doc().IsModified());
    QCOMPARE(f.Doc().Scheduled().GetCount(), 0);
    QCOMPARE(f.Doc().Courts().GetCount(), courts);
    QVERIFY(!f.Frame().Documents().History().CanUndo());
    QCOMPARE(f.Tree().Root()->text(0), QStringLiteral("Untitled"));
}

void tst_MainFrame::OpenAndSaveRoundTrip()
{
    cFixture f;
    AddThreeCourts(f);
    const QString path = f.m_dir.filePath(QStringLiteral("season.tnd"));
    QVERIFY(f.Frame().Documents().DoSave(path));
    QCOMPARE(f.Frame().Documents().RecentFiles().front(), path);
    QVERIFY(!f.Doc().IsModified());
    f.Frame().Documents().OnFileNew();
    QCOMPARE(f.Doc().Courts().GetCount(), 0);
    QVERIFY(f.Frame().Documents().OpenDocumentFile(path));
    QCOMPARE(f.Doc().Courts().GetCount(), 3);
    QCOMPARE(f.Tree().Root()->text(0), path);
}

void tst_MainFrame::ScheduleAutomaticallyPlansTheExampleSeason()
{
    cFixture f;
    QVERIFY(f.Frame().Documents().OpenDocumentFile(QStringLiteral(TOURNEL_EXAMPLE_SEASON)));
    f.Select(&f.Doc().Scheduled());
    QCOMPARE(f.Rows(), 0);
    QVERIFY(f.Frame().Action(ID_SCHEDULE_AUTO)->isEnabled());

    f.Frame().Action(ID_SCHEDULE_AUTO)->trigger();
    // The final message, and the shown list rebuilt with the placed matches.
    QVERIFY(!f.m_prompt.m_ids.empty());
    QCOMPARE(f.m_prompt.m_ids.back(), 0);
    QVERIFY(f.Rows() > 100);
    QCOMPARE(f.Rows(), f.Doc().Scheduled().GetCount());
    QCOMPARE(f.Doc().Results().GetCount(), f.Doc().Scheduled().GetCount());
    QVERIFY(f.Doc().IsModified());
}

namespace {

// Texts of a menu's entries, sub-menus by their titles, with the shortcuts as shown.
QStringList EntryTexts(const QMenu& menu)
{
    QStringList texts;
    for (const QAction* action : menu.actions()) {
        if (action->isSeparator() || !action->isVisible()) {
            continue;
        }
        QString text = action->text();
        if (!action->shortcut().isEmpty()) {
            text += QLatin1Char('\t') + action->shortcut().toString();
        }
        texts << text;
    }
    return texts;
}

QMenu* TopMenu(CMainFrame& frame, int position)
{
    return frame.menuBar()->actions().at(position)->menu();
}

} // namespace

void tst_MainFrame::MenusStandInTheirOrder()
{
    cFixture f;
    QStringList titles;
    for (const QAction* action : f.Frame().menuBar()->actions()) {
        titles << action->text();
    }
    QCOMPARE(titles, (QStringList{"&File", "&Edit", "&View", "&Schedule", "&Assign Officials", "Se&ttings",
                                  "&Help"}));
    QCOMPARE(EntryTexts(*TopMenu(f.Frame(), 0)),
             (QStringList{"&New\tCtrl+N", "New S&eason from This...", "&Open...\tCtrl+O", "&Save\tCtrl+S",
                          "Save &As...", "&Print...\tCtrl+P", "Print Pre&view...", "P&rint Setup...",
                          "&Write to File...\tCtrl+W", "Print Spe&cial...", "Export Ca&lendar...",
                          "Publish &Website...", "&Import...", "Co&mpare with File...", "E&xit\tAlt+F4"}));
    QCOMPARE(EntryTexts(*TopMenu(f.Frame(), 1)),
             (QStringList{"&Undo\tCtrl+Z", "&Redo\tCtrl+Shift+Z", "&Insert New Item...\tCtrl+I",
                          "&Delete Item\tDel", "&Properties...\tAlt+Enter", "D&uplicate Time...\tCtrl+D",
                          "&Repeat Time...\tCtrl+R", "C&lose Courts...", "Re&move Results",
                          "&Find Item...\tCtrl+F", "&Select All\tCtrl+A"}));
    QCOMPARE(EntryTexts(*TopMenu(f.Frame(), 2)), (QStringList{"&Toolbar", "&Status Bar", "&View Filter...",
                                                              "&Conflicts", "Schedule &Report..."}));
    QCOMPARE(EntryTexts(*TopMenu(f.Frame(), 3)),
             (QStringList{"&Automatically...\tF2", "&Manually...\tF3", "Impro&ve Schedule", "&Check Schedule",
                          "&Insert Playoff Match", "&Remove Automatically Scheduled Matches",
                          "Remove &Selected Matches\tDel", "M&ove Match", "Re-&plan Conflicts...",
                          "R&enumber Matches...\tF8"}));
    QCOMPARE(EntryTexts(*TopMenu(f.Frame(), 4)),
             (QStringList{"&Automatically ...\tF4", "Manually...\tF5", "&Remove Officials"}));
    QCOMPARE(EntryTexts(*TopMenu(f.Frame(), 5)),
             (QStringList{"&Schedule...", "&Official Assignments...", "&Tables...", "&Web Templates...",
                          "&Print Font...", "&Document Info..."}));
    QCOMPARE(EntryTexts(*TopMenu(f.Frame(), 6)).front(), QStringLiteral("Ti&p of the Day..."));
    QCOMPARE(EntryTexts(*TopMenu(f.Frame(), 6)).back(), QStringLiteral("&About Tournel..."));
    QCOMPARE(f.Frame().Action(ID_REMOVE_OFFICIAL1 + 4)->shortcut().toString(), QStringLiteral("Ctrl+5"));
    QCOMPARE(f.Frame().Action(ID_REMOVE_ALL_OFFICIALS)->shortcut().toString(), QStringLiteral("F7"));
    QCOMPARE(f.Frame().Action(ID_DELETE_ITEM)->statusTip(), QStringLiteral("Delete the selected item(s)"));
    QCOMPARE(f.Frame().Action(ID_PRINT_FONT)->statusTip(),
             QStringLiteral("Select the font to be used during printing."));
}

void tst_MainFrame::BarsCanBeHidden()
{
    cFixture f;
    f.Frame().show();
    QVERIFY(f.Frame().ToolBar().isVisible());
    f.Frame().Action(ID_VIEW_TOOLBAR)->trigger();
    QVERIFY(!f.Frame().ToolBar().isVisible());
    f.Frame().Action(ID_VIEW_STATUS_BAR)->trigger();
    QVERIFY(!f.Frame().statusBar()->isVisible());
    // The tree shows a team's deepest directory name whole.
    const int deepest = 5 * f.Tree().indentation() +
                        f.Tree().fontMetrics().horizontalAdvance(QStringLiteral("Preferred playing time"));
    QVERIFY(f.Frame().Splitter().sizes().front() >= std::max(int(CMainFrame::kTreeWidth), deepest));
}

void tst_MainFrame::EditRenamesAndSortsTheNode()
{
    cFixture f;
    f.AddOfficial("Anna Berg");
    cReferee& lars = f.AddOfficial("Lars Olsen");
    f.Frame().Views().UpdateAllViews();
    cItemDialogRegistry::cEntry officials;
    officials.edit = [](CTournelDoc& doc, cDbItem& item, QWidget*) {
        EditItemInPlace(doc, static_cast<cReferee&>(item), [](cReferee& r) { r.m_strName = "Aaron Lund"; });
        return true;
    };
    cItemDialogRegistry::Instance().Register(kDirOfficials, officials);
    f.Select(&f.Doc().Officials());
    f.List().SelectOnly(1);
    f.Frame().Edit().OnProperties();
    QCOMPARE(ChildTexts(CTournelView::NodeOf(&f.Doc().Officials())),
             (QStringList{"Aaron Lund", "Anna Berg"}));
    QCOMPARE(CTournelView::NodeOf(&lars)->text(0), QStringLiteral("Aaron Lund"));
}

void tst_MainFrame::InsertTeamRebuildsItsBranch()
{
    cFixture f;
    cLeague& league = f.AddLeague("North League", "NL");
    f.AddTeam(league, "Lions");
    f.Frame().Views().UpdateAllViews();
    cItemDialogRegistry::cEntry teams;
    teams.create = [](CTournelDoc&, cTournelDb&, QWidget*) {
        auto team = std::make_unique<cTeam>();
        team->SetName("Bears");
        return std::unique_ptr<cDbItem>(std::move(team));
    };
    cItemDialogRegistry::Instance().Register(kDirTeams, teams);
    f.Select(&league.Teams());
    league.Table().m_bUpToDate = 1;
    f.Frame().Edit().OnInsertItem();
    QCOMPARE(ChildTexts(CTournelView::NodeOf(&league.Teams())), (QStringList{"Bears", "Lions"}));
    QCOMPARE(f.Rows(), 2);
    QCOMPARE(league.Table().m_bUpToDate, 0);
    QCOMPARE(f.Tree().currentItem(), CTournelView::NodeOf(&league.Teams()));
}

void tst_MainFrame::RecentEntryOpensItsFile()
{
    cFixture f;
    const QString path = f.m_dir.filePath(QStringLiteral("recent.tnd"));
    f.Frame().Documents().AddRecentFile(path);
    QSignalSpy opening(&f.Frame(), &CMainFrame::OpeningFile);
    f.Frame().Action(ID_FILE_MRU_FILE1)->trigger();
    QCOMPARE(opening.count(), 1);
    QCOMPARE(opening.at(0).at(0).toString(), path);
}

void tst_MainFrame::RefusedFileLeavesTheSeasonAsItWas_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes"); // the file's contents; a null array: no file
    QTest::addColumn<int>("message");

    const auto read = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray season = read(QStringLiteral(TOURNEL_EXAMPLE_SEASON));
    QTest::newRow("newer version") << "newer.tnd"
                                   << read(QStringLiteral(TOURNEL_TEST_DATA "/format/newer/database.tnd"))
                                   << int(IDS_NEWER_VERSION);
    QTest::newRow("conversion declined")
        << "old.tnd" << read(QStringLiteral(TOURNEL_TEST_DATA "/format/v2.2/database.tnd"))
        << int(IDS_CONVERT_OLD_VERSION);
    QTest::newRow("damaged") << "damaged.tnd" << season.left(season.size() / 2)
                             << int(IDS_UNEXPECTED_FILE_FORMAT);
    QTest::newRow("not a database") << "notes.txt" << QByteArray("Bring the balls.\n")
                                    << int(IDS_UNEXPECTED_FILE_FORMAT);
    QTest::newRow("missing") << "missing.tnd" << QByteArray() << int(IDS_FILE_NOT_FOUND);
}

void tst_MainFrame::RefusedFileLeavesTheSeasonAsItWas()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(int, message);
    cFixture f;
    // A saved season, then a change by a command that can be undone.
    AddThreeCourts(f);
    const QString path = f.m_dir.filePath(QStringLiteral("season.tnd"));
    QVERIFY(f.Frame().Documents().DoSave(path));
    f.Select(&f.Doc().Courts());
    SelectRows(f.List(), {0});
    f.m_prompt.Answer(true);
    f.Frame().Action(ID_DELETE_ITEM)->trigger();
    QCOMPARE(f.Doc().Courts().GetCount(), 2);
    QVERIFY(f.Doc().IsModified());
    f.List().SelectOnly(1);
    const std::string before = f.Doc().Snapshot();
    const QString title = f.Frame().windowTitle();
    const QString undo = f.Frame().Action(ID_EDIT_UNDO)->text();

    // File > Open with the name typed in, and "No" to saving the change first.
    const QString refused = f.m_dir.filePath(name);
    if (!bytes.isNull()) {
        QFile file(refused);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    if (message == IDS_CONVERT_OLD_VERSION) {
        f.m_prompt.Answer(false);
    }
    f.Frame().m_fnAskFileName = [&](bool save, const QString&) { return save ? QString() : refused; };
    f.m_saveAnswer = QMessageBox::No;
    f.m_prompt.m_ids.clear();
    f.Frame().Action(ID_FILE_OPEN)->trigger();
    QCOMPARE(f.m_prompt.m_ids, std::vector<int>{message});
    if (bytes.isNull()) {
        QCOMPARE(f.m_prompt.m_texts.back(),
                 QStringLiteral("File not found: \"%1\"").arg(refused).toStdString());
    }

    // The season, its file, its modified mark, the views and the undo history as they were.
    QVERIFY(f.Doc().Snapshot() == before);
    QCOMPARE(f.Doc().GetPathName(), path.toStdString());
    QVERIFY(f.Doc().IsModified());
    QCOMPARE(f.Frame().windowTitle(), title);
    QCOMPARE(f.Frame().CurrentDirectory(), int(kDirCourts));
    QCOMPARE(f.Tree().currentItem(), CTournelView::NodeOf(&f.Doc().Courts()));
    QCOMPARE(f.Tree().Root()->text(0), path);
    QCOMPARE(f.Rows(), 2);
    QCOMPARE(f.List().SelectedRows(), std::vector<int>{1});
    QCOMPARE(f.Frame().Documents().RecentFiles(), QStringList{path});
    QVERIFY(f.Frame().Action(ID_FILE_SAVE)->isEnabled());
    QCOMPARE(f.Frame().Action(ID_EDIT_UNDO)->text(), undo);
    f.Frame().Action(ID_EDIT_UNDO)->trigger();
    QCOMPARE(f.Doc().Courts().GetCount(), 3);
    QVERIFY(!f.Doc().IsModified());
    if (!bytes.isNull()) {
        QFile file(refused);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), bytes);
    }
}

void tst_MainFrame::RecentFileThatVanishedIsNamedAndDropped()
{
    cFixture f;
    AddThreeCourts(f);
    const QString gone = f.m_dir.filePath(QStringLiteral("gone.tnd"));
    const QString kept = f.m_dir.filePath(QStringLiteral("kept.tnd"));
    QVERIFY(f.Frame().Documents().DoSave(gone));
    QVERIFY(f.Frame().Documents().DoSave(kept));
    QCOMPARE(f.Frame().Documents().RecentFiles(), (QStringList{kept, gone}));
    QVERIFY(QFile::remove(gone));
    const std::string before = f.Doc().Snapshot();

    f.Frame().Action(ID_FILE_MRU_FILE1 + 1)->trigger();
    QCOMPARE(f.m_prompt.m_ids, std::vector<int>{IDS_FILE_NOT_FOUND});
    QCOMPARE(f.m_prompt.m_texts.back(), QStringLiteral("File not found: \"%1\"").arg(gone).toStdString());
    QVERIFY(f.Doc().Snapshot() == before);
    QCOMPARE(f.Doc().GetPathName(), kept.toStdString());
    // The entry is gone from the menu and from the profile.
    QCOMPARE(f.Frame().Documents().RecentFiles(), QStringList{kept});
    QVERIFY(!f.Frame().Action(ID_FILE_MRU_FILE1 + 1)->isVisible());
    QCOMPARE(f.m_pProfile->value(QStringLiteral("Recent File List/File1")).toString(), kept);
    QVERIFY(!f.m_pProfile->contains(QStringLiteral("Recent File List/File2")));
    CMainFrame again(f.m_pProfile.get());
    QCOMPARE(again.Documents().RecentFiles(), QStringList{kept});
}
