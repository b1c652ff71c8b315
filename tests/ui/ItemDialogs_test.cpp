// The registered dialogs as Insert and Properties use them, and the
// court-time and schedule commands, run through a scripted dialog runner.

#include "DialogTestSupport.h"
#include "model/CourtTime.h"
#include "model/cCourtTimeValues.h"
#include "model/cCourtValues.h"
#include "model/cHomeGroundValues.h"
#include "model/cIllTeam.h"
#include "model/cLeagueValues.h"
#include "model/cOfficialValues.h"
#include "model/cPreferredTime.h"
#include "model/cPreferredTimeValues.h"
#include "model/cRepeatCourtTimeValues.h"
#include "model/cTeamConflictValues.h"
#include "model/cTeamValues.h"
#include "model/cUnusedTime.h"
#include "scheduling/cScheduleSettings.h"
#include "ui/dialogs/ItemDialogs.h"
#include "ui/dialogs/cItemDialogRegistry.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QSpinBox>

#include <functional>

namespace {

void SetText(CPropertyDialog& dialog, int field, const char* text)
{
    Field<QLineEdit>(dialog, field)->setText(QString::fromUtf8(text));
}

void SetNumber(CPropertyDialog& dialog, int field, int value)
{
    Field<QSpinBox>(dialog, field)->setValue(value);
}

// Insert as the frame runs it: create, then add.
cDbItem* Insert(const cItemDialogRegistry& registry, int directory, cDialogDoc& d, cTournelDb& container)
{
    const cItemDialogRegistry::cEntry* entry = registry.Find(directory);
    if (entry == nullptr || !entry->create || !entry->add) {
        qFatal("directory %d has no insert", directory);
    }
    std::unique_ptr<cDbItem> created = entry->create(d.m_doc, container, nullptr);
    if (!created) {
        return nullptr;
    }
    return entry->add(d.m_doc, container, std::move(created));
}

} // namespace

class ItemDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_registry.Clear();
        RegisterItemDialogs(m_registry);
    }

    void everyItemDirectoryHasItsDialog()
    {
        for (int directory : {kDirCourts, kDirCourtTime, kDirLeagues, kDirOfficials, kDirTeams,
                              kDirHomeGrounds, kDirHolidays, kDirTeamConflicts, kDirPreferredTimes}) {
            const cItemDialogRegistry::cEntry* entry = m_registry.Find(directory);
            QVERIFY2(entry != nullptr, qPrintable(QString::number(directory)));
            QVERIFY(entry->create && entry->add && entry->edit);
        }
        // A result is entered, never inserted.
        const cItemDialogRegistry::cEntry* results = m_registry.Find(kDirResults);
        QVERIFY(results != nullptr && results->edit && !results->create);
        // Inserting into the schedule makes a playoff match; only those have properties.
        const cItemDialogRegistry::cEntry* scheduled = m_registry.Find(kDirScheduled);
        QVERIFY(scheduled != nullptr && scheduled->create && scheduled->edit);
        for (int directory : {kDirTable, kDirUnscheduled, kDirRoot}) {
            QVERIFY(m_registry.Find(directory) == nullptr);
        }
    }

    void newCourtIsInsertedOnce()
    {
        cDialogDoc d;
        cScriptedRunner runner([](CPropertyDialog& dialog) {
            SetText(dialog, cCourtValues::kShortName, "MH");
            SetText(dialog, cCourtValues::kFullName, "Main Hall");
        });
        cDbItem* added = Insert(m_registry, kDirCourts, d, d.m_doc.Courts());
        QCOMPARE(runner.m_runs, 1);
        QVERIFY(added != nullptr);
        QCOMPARE(added, d.m_doc.GetCourt(0));
        QCOMPARE(d.m_doc.Courts().GetCount(), 1);
    }

    void cancelledOrRefusedInsertAddsNothing()
    {
        cDialogDoc d;
        {
            cScriptedRunner cancel(
                [](CPropertyDialog& dialog) { SetText(dialog, cCourtValues::kShortName, "MH"); }, false);
            QVERIFY(Insert(m_registry, kDirCourts, d, d.m_doc.Courts()) == nullptr);
        }
        {
            cScriptedRunner refused([](CPropertyDialog&) {});
            QVERIFY(Insert(m_registry, kDirCourts, d, d.m_doc.Courts()) == nullptr);
            QCOMPARE(refused.m_refused, 1);
        }
        QCOMPARE(d.TakeShown(), std::vector<int>{IDS_COURT_NEEDS_FULL_NAME});
        QCOMPARE(d.m_doc.Courts().GetCount(), 0);
        QVERIFY(!d.m_doc.IsModified());
    }

    void courtTimeNeedsACourtBeforeTheDialogOpens()
    {
        cDialogDoc d;
        cScriptedRunner runner([](CPropertyDialog&) {});
        QVERIFY(Insert(m_registry, kDirCourtTime, d, d.m_doc.CourtTime()) == nullptr);
        QCOMPARE(runner.m_runs, 0);
        QCOMPARE(d.m_prompt.m_shown.size(), 1u);
        QCOMPARE(d.m_prompt.m_shown[0].id, int(IDS_NO_COURTS_FOR_TIME));
        QCOMPARE(d.m_prompt.m_shown[0].text,
                 std::string("You cannot add time in the database without any courts available!"));
    }

    void newCourtTimeAnswersTheMergedPeriod()
    {
        cDialogDoc d;
        const int court = d.Court("Main Hall", "MH").m_nIndex;
        AddCourtTime(d.m_doc, std::make_unique<cUnusedTime>(court, MakeTimePoint(2024, 3, 15, 18, 0, 0),
                                                            MakeTimePoint(2024, 3, 15, 20, 0, 0)));
        cScriptedRunner runner([](CPropertyDialog& dialog) {
            SetNumber(dialog, cCourtTimeValues::kStart, 2000);
            SetNumber(dialog, cCourtTimeValues::kEnd, 2130);
        });
        auto* added = dynamic_cast<cUnusedTime*>(Insert(m_registry, kDirCourtTime, d, d.m_doc.CourtTime()));
        QVERIFY(added != nullptr);
        QCOMPARE(d.m_doc.CourtTime().GetCount(), 1);
        QCOMPARE(added, d.m_doc.CourtTime().GetFirst());
        QCOMPARE(added->m_tStart, MakeTimePoint(2024, 3, 15, 18, 0, 0));
        QCOMPARE(added->m_tEnd, MakeTimePoint(2024, 3, 15, 21, 30, 0));
    }

    void newTeamOfTheContainersLeagueGetsOneTableRow()
    {
        cDialogDoc d;
        d.League("Amateur League", "AL");
        cLeague& league = d.League("Division One", "D1");
        cScriptedRunner runner([](CPropertyDialog& dialog) { SetText(dialog, cTeamValues::kName, "Lions"); });
        auto* added = dynamic_cast<cTeam*>(Insert(m_registry, kDirTeams, d, league.Teams()));
        QVERIFY(added != nullptr);
        QCOMPARE(added->GetLeague(), &league);
        QCOMPARE(league.Teams().GetCount(), 1);
        QCOMPARE(league.Table().GetCount(), 1);
        QCOMPARE(d.m_doc.Unscheduled().m_bUpToDate, 0);
    }

    void newTeamConflictOfAnOfficial()
    {
        cDialogDoc d;
        cLeague& league = d.League("Division One", "D1");
        d.Team(league, "Lions");
        cReferee& official = d.Official("Smith");
        cScriptedRunner runner([&](CPropertyDialog& dialog) {
            Field<QComboBox>(dialog, cTeamConflictValues::kLeague)->setCurrentIndex(0);
            auto* teams = Field<QComboBox>(dialog, cTeamConflictValues::kTeam);
            QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
            QCoreApplication::sendEvent(teams, &focus);
            teams->setCurrentIndex(0);
        });
        auto* added =
            dynamic_cast<cIllTeam*>(Insert(m_registry, kDirTeamConflicts, d, official.TeamConflicts()));
        QVERIFY(added != nullptr);
        QCOMPARE(added->GetOwner(), &official.TeamConflicts());
        QCOMPARE(added->m_nLeague, league.m_nIndex);
        QCOMPARE(added->m_nTeam, 0);
    }

    void newChildItemsGoToTheGivenContainer()
    {
        cDialogDoc d;
        d.Court("Main Hall", "MH");
        cTeam& team = d.Team(d.League("Division One", "D1"), "Lions");
        {
            cScriptedRunner runner([](CPropertyDialog& dialog) {
                Field<QComboBox>(dialog, cHomeGroundValues::kCourt)->setCurrentIndex(0);
            });
            QVERIFY(Insert(m_registry, kDirHomeGrounds, d, team.HomeGrounds()) != nullptr);
        }
        {
            cScriptedRunner runner([](CPropertyDialog&) {});
            QVERIFY(Insert(m_registry, kDirHolidays, d, team.Holidays()) != nullptr);
        }
        {
            cScriptedRunner runner([](CPropertyDialog& dialog) {
                Field<QComboBox>(dialog, cPreferredTimeValues::kWeekday)->setCurrentIndex(2);
            });
            QVERIFY(Insert(m_registry, kDirPreferredTimes, d, team.PreferredTimes()) != nullptr);
        }
        QCOMPARE(team.HomeGrounds().GetCount(), 1);
        QCOMPARE(team.Holidays().GetCount(), 1);
        QCOMPARE(team.PreferredTimes().GetCount(), 1);
    }

    void leagueAndOfficialInsert()
    {
        cDialogDoc d;
        {
            cScriptedRunner runner([](CPropertyDialog& dialog) {
                SetText(dialog, cLeagueValues::kShortName, "D1");
                SetText(dialog, cLeagueValues::kFullName, "Division One");
            });
            cDbItem* league = Insert(m_registry, kDirLeagues, d, d.m_doc.Leagues());
            QVERIFY(league != nullptr);
            QCOMPARE(league, d.m_doc.GetLeague(0));
        }
        cScriptedRunner runner(
            [](CPropertyDialog& dialog) { SetText(dialog, cOfficialValues::kName, "Smith"); });
        cDbItem* official = Insert(m_registry, kDirOfficials, d, d.m_doc.Officials());
        QVERIFY(official != nullptr);
        QCOMPARE(official, d.m_doc.GetOfficial(0));
    }

    void addTakesAnItemThatNoDialogInserted()
    {
        cDialogDoc d;
        d.Court("Main Hall", "MH");
        auto court = std::make_unique<cCourt>();
        court->m_strName = "Annex";
        cDbItem* added = m_registry.Find(kDirCourts)->add(d.m_doc, d.m_doc.Courts(), std::move(court));
        QVERIFY(added != nullptr);
        QCOMPARE(added, d.m_doc.GetCourt(1));
    }

    void editRunsTheDialogOnTheItem()
    {
        cDialogDoc d;
        cCourt& court = d.Court("Main Hall", "MH");
        const cItemDialogRegistry::cEntry* entry = m_registry.Find(kDirCourts);
        {
            cScriptedRunner runner(
                [](CPropertyDialog& dialog) { SetNumber(dialog, cCourtValues::kRating, 8); });
            QVERIFY(entry->edit(d.m_doc, court, nullptr));
            QCOMPARE(court.m_nRating, 8);
        }
        {
            cScriptedRunner runner(
                [](CPropertyDialog& dialog) { SetNumber(dialog, cCourtValues::kRating, 2); }, false);
            QVERIFY(!entry->edit(d.m_doc, court, nullptr));
            QCOMPARE(court.m_nRating, 8);
        }
        // An item of another class opens nothing.
        cScriptedRunner runner([](CPropertyDialog&) {});
        cLeague& league = d.League("Division One", "D1");
        QVERIFY(!entry->edit(d.m_doc, league, nullptr));
        QCOMPARE(runner.m_runs, 0);
    }

    void editChildItemsInTheirOwnContainers()
    {
        cDialogDoc d;
        cLeague& league = d.League("Division One", "D1");
        cTeam& team = d.Team(league, "Lions");
        {
            cScriptedRunner runner(
                [](CPropertyDialog& dialog) { SetText(dialog, cTeamValues::kName, "Bears"); });
            QVERIFY(m_registry.Find(kDirTeams)->edit(d.m_doc, team, nullptr));
            QCOMPARE(team.m_strName, std::string("Bears"));
        }
        cScriptedRunner add([](CPropertyDialog& dialog) {
            Field<QComboBox>(dialog, cPreferredTimeValues::kWeekday)->setCurrentIndex(1);
        });
        cDbItem* time = Insert(m_registry, kDirPreferredTimes, d, league.PreferredTimes());
        QVERIFY(time != nullptr);
        cScriptedRunner edit(
            [](CPropertyDialog& dialog) { SetNumber(dialog, cPreferredTimeValues::kEnd, 1200); });
        QVERIFY(m_registry.Find(kDirPreferredTimes)->edit(d.m_doc, *time, nullptr));
        QCOMPARE(static_cast<cPreferredTime*>(time)->m_nEnd, 1200);
        QCOMPARE(time->GetOwner(), &league.PreferredTimes());
    }

    void courtTimeCommands()
    {
        cDialogDoc d;
        const int hall = d.Court("Main Hall", "MH").m_nIndex;
        const int annex = d.Court("Annex", "AX").m_nIndex;
        AddCourtTime(d.m_doc, std::make_unique<cUnusedTime>(hall, MakeTimePoint(2024, 3, 16, 18, 0, 0),
                                                            MakeTimePoint(2024, 3, 16, 20, 0, 0)));
        auto& period = *static_cast<cUnusedTime*>(d.m_doc.CourtTime().GetFirst());
        {
            cScriptedRunner runner(
                [](CPropertyDialog& dialog) { SetNumber(dialog, cRepeatCourtTimeValues::kWeeks, 2); });
            QVERIFY(RunRepeatCourtTime(d.m_doc, period, nullptr));
        }
        QCOMPARE(d.m_doc.CourtTime().GetCount(), 3);
        {
            cScriptedRunner cancel([](CPropertyDialog&) {}, false);
            QVERIFY(!RunDuplicateCourtTime(d.m_doc, period, nullptr));
            QCOMPARE(d.m_doc.CourtTime().GetCount(), 3);
        }
        cScriptedRunner runner([](CPropertyDialog&) {}); // the first court, Annex
        QVERIFY(RunDuplicateCourtTime(d.m_doc, period, nullptr));
        int onAnnex = 0;
        for (const cUnusedTime& copy : d.m_doc.CourtTime().Items<cUnusedTime>()) {
            onAnnex += copy.m_nCourt == annex ? 1 : 0;
        }
        QCOMPARE(onAnnex, 3);
    }

    void scheduleSettingsCommand()
    {
        cDialogDoc d;
        {
            cScriptedRunner cancel(
                [](CPropertyDialog& dialog) {
                    SetNumber(dialog, cScheduleSettings::kFieldConflictMargin, 200);
                },
                false);
            QVERIFY(!RunScheduleSettings(d.m_doc, nullptr));
            QCOMPARE(d.m_doc.m_nSchedConflictMargin, 90);
        }
        cScriptedRunner runner(
            [](CPropertyDialog& dialog) { SetNumber(dialog, cScheduleSettings::kFieldConflictMargin, 200); });
        QVERIFY(RunScheduleSettings(d.m_doc, nullptr));
        QCOMPARE(d.m_doc.m_nSchedConflictMargin, 200);
    }

private:
    cItemDialogRegistry m_registry;
};

QTEST_MAIN(ItemDialogsTest)
#include "ItemDialogs_test.moc"
