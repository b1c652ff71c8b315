// The item list on its own: its columns are at least as wide as their
// directory says, widen to fit their texts and stop at a cap, and a long
// directory is measured by its first rows only.

#include "model/cDatabase.h"
#include "model/cLeague.h"
#include "model/cTeam.h"
#include "support/TestBuilders.h"
#include "ui/window/cTournelListView.h"

#include <QHeaderView>
#include <QtTest>

#include <memory>
#include <string>

namespace {

// Teams in the order given, without sorting, so that a long list builds fast.
void AddTeams(cLeague& league, int count, const std::string& prefix)
{
    for (int i = 0; i < count; ++i) {
        auto team = std::make_unique<cTeam>();
        team->SetName(prefix + std::to_string(100000 + i));
        league.Teams().AddIndexedItem(std::move(team), false, -1);
    }
}

} // namespace

class ListViewTest : public QObject
{
    Q_OBJECT

private slots:
    void longTeamNameWidensItsColumn()
    {
        cDatabase db;
        cLeague& league = BuildLeague(db, "Division One", "D1");
        BuildTeam(league, "Ajax");
        BuildTeam(league, "Blues");
        cTournelListView list;
        list.resize(900, 400);
        list.FillList(league.Teams());
        const int fixed = list.PixelWidth(25, true); // "Team name" is 25 characters
        QCOMPARE(list.header()->sectionSize(0), fixed);

        const std::string longName = "Sporting Club Wanderers of the Northern Hills";
        BuildTeam(league, longName);
        list.FillList(league.Teams());
        const int width = list.header()->sectionSize(0);
        QVERIFY2(width > fixed, qPrintable(QString::number(width)));
        QVERIFY(width >= list.fontMetrics().horizontalAdvance(QString::fromStdString(longName)));
        QVERIFY(width <= list.PixelWidth(60, true));

        // Back to short names: back to the directory's width.
        cLeague& other = BuildLeague(db, "Division Two", "D2");
        BuildTeam(other, "Cobras");
        list.FillList(other.Teams());
        QCOMPARE(list.header()->sectionSize(0), fixed);
    }

    void manyRowsKeepTheCap()
    {
        cDatabase db;
        cLeague& league = BuildLeague(db, "Division One", "D1");
        AddTeams(league, 20000, std::string(100, 'W'));
        cTournelListView list;
        list.resize(900, 400);
        list.FillList(league.Teams());
        QCOMPARE(list.Model().rowCount(), 20000);
        QCOMPARE(list.header()->sectionSize(0), list.PixelWidth(60, true));
    }

    void rowsFarDownAreNotMeasured()
    {
        cDatabase db;
        cLeague& league = BuildLeague(db, "Division One", "D1");
        AddTeams(league, 20000, "T");
        auto team = std::make_unique<cTeam>();
        team->SetName(std::string(100, 'W'));
        league.Teams().AddIndexedItem(std::move(team), false, -1);
        cTournelListView list;
        list.resize(900, 400);
        list.FillList(league.Teams());
        QCOMPARE(list.Model().rowCount(), 20001);
        QCOMPARE(list.header()->sectionSize(0), list.PixelWidth(25, true));
    }
};

QTEST_MAIN(ListViewTest)
#include "ListView_test.moc"
