// "League properties" and "Team properties".

#include "DialogTestSupport.h"
#include "model/cMatch.h"
#include "ui/dialogs/CLeagueDialog.h"
#include "ui/dialogs/CNumberSpinBox.h"
#include "ui/dialogs/CTeamDialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>

class LeagueDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void leagueLayout()
    {
        cDialogDoc d;
        CLeagueDialog dialog(d.m_doc, nullptr);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("League properties"));
        const QStringList groups = GroupTitles(dialog);
        for (const char* group :
             {"Names", "Tournament settings", "Required referee rating (1-9)", "Required court rating (1-9)",
              "Time parameters", "Minimum time (days or hours and minutes) of rest between"}) {
            QVERIFY2(groups.contains(QString::fromUtf8(group)), group);
        }
        const QStringList labels = LabelTexts(dialog);
        for (const char* label :
             {"Short name", "Full name", "Number of rounds", "No. of sets per game (1-7)",
              "Reduction of the number of matches (for each team)", "Max. no. of matches per team each day:",
              "Minimum", "Maximum", "Game duration [minutes]", "Latest match start time",
              "- two matches with the same team:", "- each time two teams meet each other:", "days", "hours",
              "min"}) {
            QVERIFY2(labels.contains(QString::fromUtf8(label)), label);
        }
        QCOMPARE(FieldsInTabOrder(dialog, cLeagueValues::kRestPairMinutes + 1),
                 Range(cLeagueValues::kRestPairMinutes + 1));
        QCOMPARE(Field<CNumberSpinBox>(dialog, cLeagueValues::kRounds)->High(), 999);
        QCOMPARE(Field<CNumberSpinBox>(dialog, cLeagueValues::kMatchReduction)->High(), 98);
        QCOMPARE(Field<CNumberSpinBox>(dialog, cLeagueValues::kLatestStart)->High(), 2400);
        QCOMPARE(Field<CNumberSpinBox>(dialog, cLeagueValues::kRestTeamDays)->High(), 365);
        QCOMPARE(Field<CNumberSpinBox>(dialog, cLeagueValues::kRestPairMinutes)->High(), 59);
    }

    void newLeagueStartsFromDefaults()
    {
        cDialogDoc d;
        CLeagueDialog dialog(d.m_doc, nullptr);
        const cLeagueValues values = dialog.Values();
        QCOMPARE(values.rounds, 2);
        QCOMPARE(values.setsPerGame, 1);
        QCOMPARE(values.matchesPerDay, 1);
        QCOMPARE(values.maxOfficialRating, 9);
        QCOMPARE(values.gameDuration, 60);
        QCOMPARE(values.latestStart, 2200);
        QCOMPARE(values.restTeamDays, 7);
        QCOMPARE(values.restPairDays, 30);
        QVERIFY(values.shortName.empty());
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("shortName");
        QTest::addColumn<QString>("fullName");
        QTest::addColumn<int>("reduction");
        QTest::addColumn<int>("latestStart");
        QTest::addColumn<int>("minCourt");
        QTest::addColumn<int>("message");
        QTest::addColumn<int>("field");
        QTest::newRow("blank short name") << " "
                                          << "Premier" << 0 << 2200 << 1 << int(IDS_LEAGUE_NEEDS_SHORT_NAME)
                                          << int(cLeagueValues::kShortName);
        QTest::newRow("empty full name")
            << "PR"
            << "" << 0 << 2200 << 1 << int(IDS_LEAGUE_NEEDS_NAME) << int(cLeagueValues::kFullName);
        QTest::newRow("odd reduction") << "PR"
                                       << "Premier" << 3 << 2200 << 1 << int(IDS_ENTER_EVEN_NUMBER)
                                       << int(cLeagueValues::kMatchReduction);
        QTest::newRow("short name taken")
            << "D1"
            << "Premier" << 0 << 2200 << 1 << int(IDS_SHORT_NAME_UNIQUE) << int(cLeagueValues::kShortName);
        QTest::newRow("name taken") << "PR"
                                    << "Division One" << 0 << 2200 << 1 << int(IDS_NAME_UNIQUE)
                                    << int(cLeagueValues::kFullName);
        QTest::newRow("latest start 2161") << "PR"
                                           << "Premier" << 0 << 2161 << 1 << int(IDS_LATEST_START_INVALID)
                                           << int(cLeagueValues::kLatestStart);
        QTest::newRow("court rating 9-8") << "PR"
                                          << "Premier" << 0 << 2200 << 9 << int(IDS_COURT_RATING_ORDER)
                                          << int(cLeagueValues::kMaxCourtRating);
    }

    void refusals()
    {
        QFETCH(QString, shortName);
        QFETCH(QString, fullName);
        QFETCH(int, reduction);
        QFETCH(int, latestStart);
        QFETCH(int, minCourt);
        QFETCH(int, message);
        QFETCH(int, field);
        cDialogDoc d;
        d.League("Division One", "D1");
        CLeagueDialog dialog(d.m_doc, nullptr);
        dialog.show();
        Field<QLineEdit>(dialog, cLeagueValues::kShortName)->setText(shortName);
        Field<QLineEdit>(dialog, cLeagueValues::kFullName)->setText(fullName);
        Field<QSpinBox>(dialog, cLeagueValues::kMatchReduction)->setValue(reduction);
        Field<QSpinBox>(dialog, cLeagueValues::kLatestStart)->setValue(latestStart);
        Field<QSpinBox>(dialog, cLeagueValues::kMinCourtRating)->setValue(minCourt);
        Field<QSpinBox>(dialog, cLeagueValues::kMaxCourtRating)->setValue(8);
        QVERIFY(!PressOk(dialog));
        QCOMPARE(d.TakeShown(), std::vector<int>{message});
        QVERIFY(HasFocusOn(dialog, field));
        QCOMPARE(d.m_doc.Leagues().GetCount(), 1);
    }

    void validNewLeagueIsInsertedWithItsBands()
    {
        cDialogDoc d;
        d.m_doc.m_nOfficialsPerGame = 2;
        CLeagueDialog dialog(d.m_doc, nullptr);
        Field<QLineEdit>(dialog, cLeagueValues::kShortName)->setText(" PR ");
        Field<QLineEdit>(dialog, cLeagueValues::kFullName)->setText("Premier");
        Field<QSpinBox>(dialog, cLeagueValues::kSetsPerGame)->setValue(3);
        Field<QSpinBox>(dialog, cLeagueValues::kRestTeamDays)->setValue(1);
        Field<QSpinBox>(dialog, cLeagueValues::kRestTeamHours)->setValue(2);
        Field<QSpinBox>(dialog, cLeagueValues::kRestTeamMinutes)->setValue(30);
        QVERIFY(PressOk(dialog));
        const cLeague* league = d.m_doc.GetLeague(0);
        QVERIFY(league != nullptr);
        QCOMPARE(dialog.Result(), league);
        QCOMPARE(league->m_strShortName, std::string("PR"));
        QCOMPARE(league->m_nSetsPerGame, 3);
        QCOMPARE(league->m_tsRestSameTeam, 95400);
        QCOMPARE(league->m_nMaxRatingOfficial[0], 5);
        QCOMPARE(league->m_nMinRatingOfficial[1], 5);
    }

    void editingKeepsTheOtherChangesWhenTheRoundsCannotGoDown()
    {
        cDialogDoc d;
        cLeague& league = d.League("Division One", "D1");
        league.m_nRounds = 3;
        league.m_tsRestSamePair = 95400;
        auto match = std::make_unique<cMatch>();
        match->m_nLeague = league.m_nIndex;
        match->m_nRound = 3;
        match->m_tStart = MakeTimePoint(2024, 3, 16, 18, 0, 0);
        match->m_tEnd = MakeTimePoint(2024, 3, 16, 19, 0, 0);
        d.m_doc.Scheduled().AddItem(std::move(match), true);

        CLeagueDialog dialog(d.m_doc, &league);
        QCOMPARE(Field<QLineEdit>(dialog, cLeagueValues::kFullName)->text(), QStringLiteral("Division One"));
        QCOMPARE(Field<QSpinBox>(dialog, cLeagueValues::kRounds)->value(), 3);
        QCOMPARE(Field<QSpinBox>(dialog, cLeagueValues::kRestPairDays)->value(), 1);
        QCOMPARE(Field<QSpinBox>(dialog, cLeagueValues::kRestPairHours)->value(), 2);
        QCOMPARE(Field<QSpinBox>(dialog, cLeagueValues::kRestPairMinutes)->value(), 30);
        Field<QSpinBox>(dialog, cLeagueValues::kRounds)->setValue(2);
        Field<QSpinBox>(dialog, cLeagueValues::kGameDuration)->setValue(90);
        QVERIFY(PressOk(dialog));
        QCOMPARE(d.TakeShown(), std::vector<int>{IDS_CANNOT_REDUCE_ROUNDS});
        QCOMPARE(league.m_nRounds, 3);
        QCOMPARE(league.m_nGameDuration, 90);
    }

    void cancelledLeagueChangesNothing()
    {
        cDialogDoc d;
        cLeague& league = d.League("Division One", "D1");
        d.m_doc.SetModifiedFlag(false);
        CLeagueDialog dialog(d.m_doc, &league);
        dialog.show();
        Field<QSpinBox>(dialog, cLeagueValues::kRounds)->setValue(5);
        dialog.reject();
        QCOMPARE(league.m_nRounds, 2);
        QVERIFY(!d.m_doc.IsModified());
    }

    void teamLayoutAndDefaults()
    {
        cDialogDoc d;
        cLeague& league = d.League("Division One", "D1");
        CTeamDialog dialog(d.m_doc, league, nullptr);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Team properties"));
        for (const char* label : {"Name", "Permanent day off", "Bonus point award"}) {
            QVERIFY2(LabelTexts(dialog).contains(QString::fromUtf8(label)), label);
        }
        QCOMPARE(FieldsInTabOrder(dialog, 3), Range(3));
        auto* dayOff = Field<QComboBox>(dialog, cTeamValues::kDayOff);
        QCOMPARE(EntryTexts(*dayOff), (QStringList{"<None>", "Sunday", "Monday", "Tuesday", "Wednesday",
                                                   "Thursday", "Friday", "Saturday"}));
        QCOMPARE(dayOff->currentText(), QStringLiteral("<None>"));
        auto* bonus = Field<CNumberSpinBox>(dialog, cTeamValues::kBonusPoints);
        QCOMPARE(bonus->value(), 0);
        QCOMPARE(bonus->Low(), -999);
        QCOMPARE(bonus->High(), 999);
    }

    void teamRefusals()
    {
        cDialogDoc d;
        cLeague& league = d.League("Division One", "D1");
        d.Team(league, "Lions");
        CTeamDialog dialog(d.m_doc, league, nullptr);
        dialog.show();
        QVERIFY(!PressOk(dialog));
        QCOMPARE(d.TakeShown(), std::vector<int>{IDS_TEAM_NEEDS_NAME});
        QVERIFY(HasFocusOn(dialog, cTeamValues::kName));
        Field<QLineEdit>(dialog, cTeamValues::kName)->setText(" Lions ");
        Field<QSpinBox>(dialog, cTeamValues::kBonusPoints)->setFocus();
        QVERIFY(!PressOk(dialog));
        QCOMPARE(d.TakeShown(), std::vector<int>{IDS_NAME_UNIQUE});
        QVERIFY(HasFocusOn(dialog, cTeamValues::kName));
        QCOMPARE(league.Teams().GetCount(), 1);
    }

    void newTeamGetsATableRow()
    {
        cDialogDoc d;
        cLeague& league = d.League("Division One", "D1");
        d.Team(league, "Lions");
        CTeamDialog dialog(d.m_doc, league, nullptr);
        Field<QLineEdit>(dialog, cTeamValues::kName)->setText("Tigers B");
        Field<QComboBox>(dialog, cTeamValues::kDayOff)->setCurrentIndex(3); // Tuesday
        Field<QSpinBox>(dialog, cTeamValues::kBonusPoints)->setValue(-2);
        QVERIFY(PressOk(dialog));
        const cTeam* team = league.GetTeam(1);
        QVERIFY(team != nullptr);
        QCOMPARE(dialog.Result(), team);
        QCOMPARE(team->m_strClub, std::string("Tigers"));
        QCOMPARE(team->m_nDayOff, 2);
        QCOMPARE(team->m_nBonusPoints, -2);
        QCOMPARE(league.Table().GetCount(), 2);
    }

    void editedTeamFillsAndChanges()
    {
        cDialogDoc d;
        cLeague& league = d.League("Division One", "D1");
        cTeam& team = d.Team(league, "Lions");
        team.m_nDayOff = 6;
        team.m_nBonusPoints = 4;
        CTeamDialog dialog(d.m_doc, league, &team);
        QCOMPARE(Field<QLineEdit>(dialog, cTeamValues::kName)->text(), QStringLiteral("Lions"));
        QCOMPARE(Field<QComboBox>(dialog, cTeamValues::kDayOff)->currentText(), QStringLiteral("Saturday"));
        QCOMPARE(Field<QSpinBox>(dialog, cTeamValues::kBonusPoints)->value(), 4);
        Field<QComboBox>(dialog, cTeamValues::kDayOff)->setCurrentIndex(0);
        QVERIFY(PressOk(dialog));
        QCOMPARE(team.m_nDayOff, -1);
        QCOMPARE(team.m_nIndex, 0);
        QCOMPARE(league.Teams().GetCount(), 1);
    }

    void cancelledTeamChangesNothing()
    {
        cDialogDoc d;
        cLeague& league = d.League("Division One", "D1");
        cTeam& team = d.Team(league, "Lions");
        CTeamDialog dialog(d.m_doc, league, &team);
        dialog.show();
        Field<QLineEdit>(dialog, cTeamValues::kName)->setText("Bears");
        dialog.reject();
        QCOMPARE(team.m_strName, std::string("Lions"));
    }
};

QTEST_MAIN(LeagueDialogsTest)
#include "LeagueDialogs_test.moc"
