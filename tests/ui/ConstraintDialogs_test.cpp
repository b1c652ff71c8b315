// The dialogs of the constraints of leagues, teams and officials: "Home
// ground properties", "Holiday properties", "Team conflict" and "Preferred
// playing time".

#include "DialogTestSupport.h"
#include "model/cHomeGround.h"
#include "model/cIllDate.h"
#include "model/cIllTeam.h"
#include "model/cPreferredTime.h"
#include "ui/dialogs/CHolidayDialog.h"
#include "ui/dialogs/CHomeGroundDialog.h"
#include "ui/dialogs/CPreferredTimeDialog.h"
#include "ui/dialogs/CTeamConflictDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QSpinBox>

namespace {

// What the team list receives when the user tabs or clicks into it.
void GiveFocus(QWidget& widget)
{
    QFocusEvent event(QEvent::FocusIn, Qt::TabFocusReason);
    QCoreApplication::sendEvent(&widget, &event);
}

} // namespace

class ConstraintDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void homeGroundLayoutAndDefaults()
    {
        cDialogDoc d;
        d.Court("Main Hall", "MH");
        cTeam& team = d.Team(d.League("Division One", "D1"), "Lions");
        CHomeGroundDialog dialog(d.m_doc, team.HomeGrounds(), nullptr);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Home ground properties"));
        QCOMPARE(GroupTitles(dialog), QStringList{"Limitation of court availability"});
        for (const char* label : {"Court", "Weekday", "Start time", "Final time"}) {
            QVERIFY2(LabelTexts(dialog).contains(QString::fromUtf8(label)), label);
        }
        QCOMPARE(FieldsInTabOrder(dialog, 4), Range(4));
        QCOMPARE(Field<QComboBox>(dialog, cHomeGroundValues::kCourt)->currentIndex(), -1);
        QCOMPARE(Field<QComboBox>(dialog, cHomeGroundValues::kWeekday)->currentText(),
                 QStringLiteral("<None>"));
        QCOMPARE(Field<QSpinBox>(dialog, cHomeGroundValues::kStart)->value(), 0);
        QCOMPARE(Field<QSpinBox>(dialog, cHomeGroundValues::kEnd)->value(), 2400);
    }

    void homeGroundRefusalsAndInsertion()
    {
        cDialogDoc d;
        d.Court("Main Hall", "MH");
        cTeam& team = d.Team(d.League("Division One", "D1"), "Lions");
        CHomeGroundDialog dialog(d.m_doc, team.HomeGrounds(), nullptr);
        dialog.show();
        QVERIFY(!PressOk(dialog));
        QCOMPARE(d.TakeShown(), std::vector<int>{IDS_SPECIFY_COURT});
        QVERIFY(HasFocusOn(dialog, cHomeGroundValues::kCourt));

        Field<QComboBox>(dialog, cHomeGroundValues::kCourt)->setCurrentIndex(0);
        Field<QSpinBox>(dialog, cHomeGroundValues::kStart)->setValue(1890);
        QVERIFY(!PressOk(dialog));
        QCOMPARE(d.TakeShown(), std::vector<int>{IDS_FIRST_TIME_INVALID});
        QVERIFY(HasFocusOn(dialog, cHomeGroundValues::kStart));

        Field<QSpinBox>(dialog, cHomeGroundValues::kStart)->setValue(1800);
        Field<QSpinBox>(dialog, cHomeGroundValues::kEnd)->setValue(1800);
        QVERIFY(!PressOk(dialog));
        QCOMPARE(d.TakeShown(), std::vector<int>{IDS_FINAL_NOT_AFTER_FIRST});
        QVERIFY(HasFocusOn(dialog, cHomeGroundValues::kEnd));
        QCOMPARE(team.HomeGrounds().GetCount(), 0);

        Field<QSpinBox>(dialog, cHomeGroundValues::kEnd)->setValue(2200);
        Field<QComboBox>(dialog, cHomeGroundValues::kWeekday)->setCurrentIndex(4); // Wednesday
        QVERIFY(PressOk(dialog));
        const auto* ground = static_cast<const cHomeGround*>(team.HomeGrounds().GetFirst());
        QVERIFY(ground != nullptr);
        QCOMPARE(dialog.Result(), ground);
        QCOMPARE(ground->m_nCourt, 0);
        QCOMPARE(ground->m_nWeekday, 3);
        QCOMPARE(ground->m_nStart, 1800);
        QCOMPARE(ground->m_nEnd, 2200);
    }

    void homeGroundEditAndCancel()
    {
        cDialogDoc d;
        d.Court("Main Hall", "MH");
        d.Court("Annex", "AX");
        cTeam& team = d.Team(d.League("Division One", "D1"), "Lions");
        auto owned = std::make_unique<cHomeGround>();
        owned->m_nCourt = 1;
        owned->m_nWeekday = 0;
        owned->m_nStart = 900;
        owned->m_nEnd = 1200;
        auto& ground = static_cast<cHomeGround&>(team.HomeGrounds().AddItem(std::move(owned), true));
        {
            CHomeGroundDialog dialog(d.m_doc, team.HomeGrounds(), &ground);
            QCOMPARE(Field<QComboBox>(dialog, cHomeGroundValues::kCourt)->currentText(),
                     QStringLiteral("AX"));
            QCOMPARE(Field<QComboBox>(dialog, cHomeGroundValues::kWeekday)->currentText(),
                     QStringLiteral("Sunday"));
            QCOMPARE(Field<QSpinBox>(dialog, cHomeGroundValues::kStart)->value(), 900);
            dialog.show();
            Field<QSpinBox>(dialog, cHomeGroundValues::kEnd)->setValue(1300);
            dialog.reject();
            QCOMPARE(ground.m_nEnd, 1200);
        }
        CHomeGroundDialog dialog(d.m_doc, team.HomeGrounds(), &ground);
        Field<QSpinBox>(dialog, cHomeGroundValues::kEnd)->setValue(1300);
        QVERIFY(PressOk(dialog));
        QCOMPARE(ground.m_nEnd, 1300);
        QCOMPARE(team.HomeGrounds().GetCount(), 1);
    }

    void holidayLayoutAndDefaults()
    {
        cDialogDoc d;
        cLeague& league = d.League("Division One", "D1");
        CHolidayDialog dialog(d.m_doc, league.Holidays(), nullptr);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Holiday properties"));
        QCOMPARE(GroupTitles(dialog), (QStringList{"Start date", "Final date"}));
        QCOMPARE(LabelTexts(dialog).count("Day"), 2);
        QCOMPARE(LabelTexts(dialog).count("Month"), 2);
        QCOMPARE(LabelTexts(dialog).count("Year"), 2);
        QCOMPARE(FieldsInTabOrder(dialog, 6), Range(6));
        const cHolidayValues values = dialog.Values();
        QCOMPARE(values.startDay, 15);
        QCOMPARE(values.startMonth, 3);
        QCOMPARE(values.startYear, 2024);
        QCOMPARE(values.finalDay, 15);
        QCOMPARE(values.finalYear, 2024);
    }

    void holidayRefusals_data()
    {
        QTest::addColumn<int>("startDay");
        QTest::addColumn<int>("finalDay");
        QTest::addColumn<int>("finalMonth");
        QTest::addColumn<int>("message");
        QTest::addColumn<int>("field");
        QTest::newRow("start 31 April")
            << 31 << 1 << 5 << int(IDS_START_DATE_ILLEGAL) << int(cHolidayValues::kStartDay);
        QTest::newRow("final 31 June")
            << 1 << 31 << 6 << int(IDS_FINAL_DATE_ILLEGAL) << int(cHolidayValues::kFinalDay);
        QTest::newRow("start after final")
            << 2 << 1 << 4 << int(IDS_START_AFTER_FINAL) << int(cHolidayValues::kStartDay);
    }

    void holidayRefusals()
    {
        QFETCH(int, startDay);
        QFETCH(int, finalDay);
        QFETCH(int, finalMonth);
        QFETCH(int, message);
        QFETCH(int, field);
        cDialogDoc d;
        cLeague& league = d.League("Division One", "D1");
        CHolidayDialog dialog(d.m_doc, league.Holidays(), nullptr);
        dialog.show();
        Field<QSpinBox>(dialog, cHolidayValues::kStartDay)->setValue(startDay);
        Field<QSpinBox>(dialog, cHolidayValues::kStartMonth)->setValue(4);
        Field<QSpinBox>(dialog, cHolidayValues::kFinalDay)->setValue(finalDay);
        Field<QSpinBox>(dialog, cHolidayValues::kFinalMonth)->setValue(finalMonth);
        Field<QSpinBox>(dialog, cHolidayValues::kFinalYear)->setFocus();
        QVERIFY(!PressOk(dialog));
        QCOMPARE(d.TakeShown(), std::vector<int>{message});
        QVERIFY(HasFocusOn(dialog, field));
        QCOMPARE(league.Holidays().GetCount(), 0);
    }

    void oneDayHolidayIsInsertedAndEdited()
    {
        cDialogDoc d;
        cReferee& official = d.Official("Smith");
        CHolidayDialog dialog(d.m_doc, official.Holidays(), nullptr);
        const cHolidayValues day{1, 3, 2024, 1, 3, 2024};
        dialog.SetValues(day);
        QVERIFY(PressOk(dialog));
        auto* holiday = static_cast<cIllDate*>(official.Holidays().GetFirst());
        QVERIFY(holiday != nullptr);
        QCOMPARE(holiday->m_tStart, MakeTimePoint(2024, 3, 1, 0, 0, 0));
        QCOMPARE(holiday->m_tEnd, MakeTimePoint(2024, 3, 1, 23, 59, 0));

        CHolidayDialog edit(d.m_doc, official.Holidays(), holiday);
        QCOMPARE(Field<QSpinBox>(edit, cHolidayValues::kFinalDay)->value(), 1);
        Field<QSpinBox>(edit, cHolidayValues::kFinalDay)->setValue(3);
        QVERIFY(PressOk(edit));
        QCOMPARE(holiday->m_tEnd, MakeTimePoint(2024, 3, 3, 23, 59, 0));
        QCOMPARE(official.Holidays().GetCount(), 1);

        CHolidayDialog cancelled(d.m_doc, official.Holidays(), holiday);
        cancelled.show();
        Field<QSpinBox>(cancelled, cHolidayValues::kFinalDay)->setValue(9);
        cancelled.reject();
        QCOMPARE(holiday->m_tEnd, MakeTimePoint(2024, 3, 3, 23, 59, 0));
    }

    void teamConflictLayout()
    {
        cDialogDoc d;
        cLeague& first = d.League("Division One", "D1");
        d.League("Amateur League", "AL");
        cTeam& team = d.Team(first, "Lions");
        CTeamConflictDialog dialog(d.m_doc, team.TeamConflicts(), nullptr);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Team conflict"));
        QVERIFY(LabelTexts(dialog).contains("League"));
        QVERIFY(LabelTexts(dialog).contains("Team name"));
        QCOMPARE(Field<QCheckBox>(dialog, cTeamConflictValues::kTwinTeam)->text(),
                 QStringLiteral("Twin team   "));
        QCOMPARE(FieldsInTabOrder(dialog, 3), Range(3));
        auto* leagues = Field<QComboBox>(dialog, cTeamConflictValues::kLeague);
        QCOMPARE(EntryTexts(*leagues), (QStringList{"Amateur League", "Division One"}));
        QCOMPARE(leagues->currentIndex(), -1);
        QCOMPARE(Field<QComboBox>(dialog, cTeamConflictValues::kTeam)->count(), 0);
    }

    void choosingALeagueEmptiesTheTeamsUntilTheListGetsTheFocus()
    {
        cDialogDoc d;
        cLeague& first = d.League("Division One", "D1");
        cLeague& second = d.League("Amateur League", "AL");
        d.Team(first, "Lions");
        d.Team(first, "Bears");
        d.Team(second, "Eagles");
        cTeam& owner = d.Team(first, "Wolves");
        CTeamConflictDialog dialog(d.m_doc, owner.TeamConflicts(), nullptr);
        dialog.show();
        auto* leagues = Field<QComboBox>(dialog, cTeamConflictValues::kLeague);
        auto* teams = Field<QComboBox>(dialog, cTeamConflictValues::kTeam);
        GiveFocus(*teams); // no league chosen: nothing to list
        QCOMPARE(teams->count(), 0);

        leagues->setCurrentIndex(leagues->findText("Division One"));
        QCOMPARE(teams->count(), 0);
        GiveFocus(*teams);
        QCOMPARE(EntryTexts(*teams), (QStringList{"Bears", "Lions", "Wolves"}));
        teams->setCurrentIndex(1);

        leagues->setCurrentIndex(leagues->findText("Amateur League"));
        QCOMPARE(teams->count(), 0);
        // OK with the list still empty: no team chosen.
        QVERIFY(!PressOk(dialog));
        QCOMPARE(d.TakeShown(), std::vector<int>{IDS_SPECIFY_TEAM});
        QVERIFY(HasFocusOn(dialog, cTeamConflictValues::kTeam));
        GiveFocus(*teams);
        QCOMPARE(EntryTexts(*teams), QStringList{"Eagles"});
        teams->setCurrentIndex(0);
        Field<QCheckBox>(dialog, cTeamConflictValues::kTwinTeam)->setChecked(true);
        QVERIFY(PressOk(dialog));
        const auto* conflict = static_cast<const cIllTeam*>(owner.TeamConflicts().GetFirst());
        QVERIFY(conflict != nullptr);
        QCOMPARE(conflict->m_nLeague, second.m_nIndex);
        QCOMPARE(conflict->m_nTeam, 0);
        QCOMPARE(conflict->m_bTwinTeam, 1);
    }

    void teamConflictRefusals()
    {
        cDialogDoc d;
        cLeague& league = d.League("Division One", "D1");
        d.Team(league, "Lions");
        cTeam& owner = d.Team(league, "Wolves");
        auto existing = std::make_unique<cIllTeam>();
        existing->m_nLeague = league.m_nIndex;
        existing->m_nTeam = 0;
        owner.TeamConflicts().AddItem(std::move(existing), true);

        CTeamConflictDialog dialog(d.m_doc, owner.TeamConflicts(), nullptr);
        dialog.show();
        QVERIFY(!PressOk(dialog));
        QCOMPARE(d.TakeShown(), std::vector<int>{IDS_SPECIFY_TEAM});
        QVERIFY(HasFocusOn(dialog, cTeamConflictValues::kLeague));

        dialog.SetValues(cTeamConflictValues{league.m_nIndex, owner.m_nIndex, false});
        QCOMPARE(Field<QComboBox>(dialog, cTeamConflictValues::kTeam)->currentText(),
                 QStringLiteral("Wolves"));
        QVERIFY(!PressOk(dialog));
        QCOMPARE(d.TakeShown(), std::vector<int>{IDS_TEAM_CONFLICT_SELF});
        QVERIFY(HasFocusOn(dialog, cTeamConflictValues::kTeam));

        dialog.SetValues(cTeamConflictValues{league.m_nIndex, 0, false});
        QVERIFY(!PressOk(dialog));
        QCOMPARE(d.TakeShown(), std::vector<int>{IDS_TEAM_CONFLICT_TWICE});
        QCOMPARE(owner.TeamConflicts().GetCount(), 1);
    }

    void editedTeamConflictOfAnOfficial()
    {
        cDialogDoc d;
        cLeague& league = d.League("Division One", "D1");
        d.Team(league, "Lions");
        d.Team(league, "Bears");
        cReferee& official = d.Official("Smith");
        auto owned = std::make_unique<cIllTeam>();
        owned->m_nLeague = league.m_nIndex;
        owned->m_nTeam = 1;
        auto& conflict = static_cast<cIllTeam&>(official.TeamConflicts().AddItem(std::move(owned), true));

        CTeamConflictDialog dialog(d.m_doc, official.TeamConflicts(), &conflict);
        QCOMPARE(Field<QComboBox>(dialog, cTeamConflictValues::kLeague)->currentText(),
                 QStringLiteral("Division One"));
        QCOMPARE(Field<QComboBox>(dialog, cTeamConflictValues::kTeam)->currentText(),
                 QStringLiteral("Bears"));
        QVERIFY(!Field<QCheckBox>(dialog, cTeamConflictValues::kTwinTeam)->isChecked());
        // Its own entry does not count as a second one.
        Field<QCheckBox>(dialog, cTeamConflictValues::kTwinTeam)->setChecked(true);
        QVERIFY(PressOk(dialog));
        QCOMPARE(conflict.m_bTwinTeam, 1);
        QCOMPARE(conflict.m_nTeam, 1);

        CTeamConflictDialog cancelled(d.m_doc, official.TeamConflicts(), &conflict);
        cancelled.show();
        Field<QCheckBox>(cancelled, cTeamConflictValues::kTwinTeam)->setChecked(false);
        cancelled.reject();
        QCOMPARE(conflict.m_bTwinTeam, 1);
    }

    void preferredTime()
    {
        cDialogDoc d;
        cLeague& league = d.League("Division One", "D1");
        CPreferredTimeDialog dialog(d.m_doc, league.PreferredTimes(), nullptr);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Preferred playing time"));
        for (const char* label : {"Weekday", "Start time", "Final time"}) {
            QVERIFY2(LabelTexts(dialog).contains(QString::fromUtf8(label)), label);
        }
        QCOMPARE(FieldsInTabOrder(dialog, 3), Range(3));
        auto* weekday = Field<QComboBox>(dialog, cPreferredTimeValues::kWeekday);
        // The weekday is required: no "<None>".
        QCOMPARE(EntryTexts(*weekday),
                 (QStringList{"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"}));
        QCOMPARE(weekday->currentIndex(), -1);
        dialog.show();
        Field<QSpinBox>(dialog, cPreferredTimeValues::kEnd)->setFocus();
        QVERIFY(!PressOk(dialog));
        QCOMPARE(d.TakeShown(), std::vector<int>{IDS_SPECIFY_WEEKDAY});
        QVERIFY(HasFocusOn(dialog, cPreferredTimeValues::kWeekday));

        weekday->setCurrentIndex(6);
        Field<QSpinBox>(dialog, cPreferredTimeValues::kEnd)->setValue(2360);
        QVERIFY(!PressOk(dialog));
        QCOMPARE(d.TakeShown(), std::vector<int>{IDS_FINAL_TIME_INVALID});
        QVERIFY(HasFocusOn(dialog, cPreferredTimeValues::kEnd));

        Field<QSpinBox>(dialog, cPreferredTimeValues::kStart)->setValue(1000);
        Field<QSpinBox>(dialog, cPreferredTimeValues::kEnd)->setValue(1400);
        QVERIFY(PressOk(dialog));
        auto* time = static_cast<cPreferredTime*>(league.PreferredTimes().GetFirst());
        QVERIFY(time != nullptr);
        QCOMPARE(time->m_nWeekday, 6);
        QCOMPARE(time->m_nStart, 1000);

        CPreferredTimeDialog edit(d.m_doc, league.PreferredTimes(), time);
        QCOMPARE(Field<QComboBox>(edit, cPreferredTimeValues::kWeekday)->currentText(),
                 QStringLiteral("Saturday"));
        QCOMPARE(Field<QSpinBox>(edit, cPreferredTimeValues::kEnd)->value(), 1400);
        edit.show();
        Field<QSpinBox>(edit, cPreferredTimeValues::kEnd)->setValue(1500);
        edit.reject();
        QCOMPARE(time->m_nEnd, 1400);
        Field<QSpinBox>(edit, cPreferredTimeValues::kEnd)->setValue(1500);
        QVERIFY(PressOk(edit));
        QCOMPARE(time->m_nEnd, 1500);
    }
};

QTEST_MAIN(ConstraintDialogsTest)
#include "ConstraintDialogs_test.moc"
