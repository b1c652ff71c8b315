// "Enter result" and the two table settings dialogs: what OK stores, which
// message a refused entry shows and where the dialog then stands, the
// enabling of fields and the spin buttons of the priority numbers.

#include "DialogTestSupport.h"
#include "model/cResult.h"
#include "standings/cCriteriaValues.h"
#include "standings/cResultSettingsValues.h"
#include "standings/cResultValues.h"
#include "ui/dialogs/CCriteriaDialog.h"
#include "ui/dialogs/CResultDialog.h"
#include "ui/dialogs/CResultSettingsDialog.h"
#include "ui/dialogs/ItemDialogs.h"
#include "ui/dialogs/cItemDialogRegistry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>

#include <functional>
#include <vector>

namespace {

using V = cResultValues;

// A league "Division One" with the teams Lions (0) and Tigers (1) and one
// unplayed result Lions - Tigers.
struct cResultDoc : cDialogDoc
{
    cResultDoc()
        : m_league(League("Division One", "D1"))
    {
        Team(m_league, "Lions");
        Team(m_league, "Tigers");
        auto result = std::make_unique<cResult>();
        result->m_nLeague = m_league.m_nIndex;
        result->m_nHomeTeam = 0;
        result->m_nGuestTeam = 1;
        m_result = &static_cast<cResult&>(m_doc.Results().AddItem(std::move(result), false));
        m_league.Table().m_bUpToDate = 1;
        m_doc.SetModifiedFlag(false);
    }

    cLeague& m_league;
    cResult* m_result;
};

QSpinBox* Score(const CPropertyDialog& dialog, int field)
{
    return Field<QSpinBox>(dialog, field);
}

void SetScore(const CPropertyDialog& dialog, int index, int home, int guest)
{
    Score(dialog, V::HomeField(index))->setValue(home);
    Score(dialog, V::GuestField(index))->setValue(guest);
}

std::pair<int, int> Shown(const CPropertyDialog& dialog, int index)
{
    return {Score(dialog, V::HomeField(index))->value(), Score(dialog, V::GuestField(index))->value()};
}

// The criteria in priority order as the fields show them.
std::vector<int> ShownOrder(const CCriteriaDialog& dialog)
{
    std::array<int, kCriterionCount> priority{};
    for (int criterion = 0; criterion < kCriterionCount; ++criterion) {
        priority[static_cast<std::size_t>(criterion)] = Field<QSpinBox>(dialog, criterion)->value();
    }
    return UsedCriteriaInOrder(priority);
}

} // namespace

class ResultDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void scoreFieldsFollowTheMaximumNumberOfSets_data()
    {
        QTest::addColumn<int>("maxSets");
        QTest::addColumn<QList<int>>("enabled"); // score indexes
        QTest::newRow("single result") << 1 << QList<int>{0};
        QTest::newRow("three sets") << 3 << QList<int>{1, 2, 3};
        QTest::newRow("nine sets") << 9 << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9};
        QTest::newRow("stored 0") << 0 << QList<int>{0};
    }
    void scoreFieldsFollowTheMaximumNumberOfSets()
    {
        QFETCH(int, maxSets);
        QFETCH(QList<int>, enabled);
        cResultDoc d;
        d.m_doc.m_tableSettings.m_nMaxSets = maxSets;
        CResultDialog dialog(d.m_doc, *d.m_result);
        for (int index = 0; index < cResult::kScores; ++index) {
            const bool expected = enabled.contains(index);
            QCOMPARE(Score(dialog, V::HomeField(index))->isEnabled(), expected);
            QCOMPARE(Score(dialog, V::GuestField(index))->isEnabled(), expected);
        }
        QVERIFY(Field<QCheckBox>(dialog, V::kHomeDisqualified)->isEnabled());
    }

    void headingAndStoredScoresOfAnUnplayedResult()
    {
        cResultDoc d;
        d.m_doc.m_tableSettings.m_nMaxSets = 2;
        d.m_result->m_nHomeScore = {2, 25, 25, 7};
        d.m_result->m_nGuestScore = {0, 20, 23, 8};
        d.m_result->m_bGuestDisqualified = 1;
        CResultDialog dialog(d.m_doc, *d.m_result);
        QCOMPARE(dialog.HomeHeading()->text(), QStringLiteral("Lions"));
        QVERIFY(dialog.HomeHeading()->alignment() & Qt::AlignRight);
        QCOMPARE(dialog.GuestHeading()->text(), QStringLiteral("Tigers"));
        QCOMPARE(Shown(dialog, 0), std::make_pair(2, 0));
        QCOMPARE(Shown(dialog, 2), std::make_pair(25, 23));
        // Sets beyond the maximum still show their stored scores.
        QCOMPARE(Shown(dialog, 3), std::make_pair(7, 8));
        QVERIFY(!Field<QCheckBox>(dialog, V::kHomeDisqualified)->isChecked());
        QVERIFY(Field<QCheckBox>(dialog, V::kGuestDisqualified)->isChecked());
    }

    void resultIsEnteredThroughTheRegistry()
    {
        cResultDoc d;
        d.m_doc.m_tableSettings.m_nMaxSets = 3;
        d.m_result->m_nHomeScore[5] = 11;
        cItemDialogRegistry registry;
        RegisterItemDialogs(registry);
        const cItemDialogRegistry::cEntry* entry = registry.Find(kDirResults);
        QVERIFY(entry != nullptr);
        QVERIFY(!entry->create);
        QVERIFY(entry->edit);

        cScriptedRunner runner([](CPropertyDialog& dialog) {
            SetScore(dialog, 1, 25, 20);
            SetScore(dialog, 2, 20, 25);
            SetScore(dialog, 3, 25, 23);
        });
        QVERIFY(entry->edit(d.m_doc, *d.m_result, nullptr));
        QCOMPARE(runner.m_runs, 1);
        QVERIFY(d.m_result->IsPlayed());
        QCOMPARE(d.m_result->GetColumnText(6), std::string("    2 - 1  "));
        QCOMPARE(d.m_result->m_nHomeScore[5], 0);
        QCOMPARE(d.m_league.Table().m_bUpToDate, 0);
        QVERIFY(d.m_doc.IsModified());
        QVERIFY(d.m_prompt.m_shown.empty());

        cLeague& other = d.League("Seniors", "SEN");
        QVERIFY2(!entry->edit(d.m_doc, other, nullptr), "not a result");
        QCOMPARE(runner.m_runs, 1);
    }

    // A result entered 3 - 1 with one set counted, opened after the maximum
    // was raised to five: the final shows with the note, and OK keeps it.
    void finalEnteredWithoutSetsStaysOnOk()
    {
        cResultDoc d;
        d.m_result->m_bPlayed = 1;
        d.m_result->m_nHomeScore[0] = 3;
        d.m_result->m_nGuestScore[0] = 1;
        d.m_doc.m_tableSettings.m_nMaxSets = 5;
        d.m_doc.m_tableSettings.m_bAllowDraws = 0;
        cItemDialogRegistry registry;
        RegisterItemDialogs(registry);
        bool noteShown = false;
        cScriptedRunner runner([&noteShown](CPropertyDialog& dialog) {
            QCOMPARE(Shown(dialog, 0), std::make_pair(3, 1));
            noteShown = static_cast<CResultDialog&>(dialog).FinalWithoutSetsNote()->isVisibleTo(&dialog);
        });
        QVERIFY(registry.Find(kDirResults)->edit(d.m_doc, *d.m_result, nullptr));
        QVERIFY(noteShown);
        QCOMPARE(d.m_result->GetColumnText(6), std::string("    3 - 1  "));
        QVERIFY(d.m_prompt.m_shown.empty());
        QCOMPARE(d.m_league.Table().m_bUpToDate, 1);

        // Once sets are entered the note is gone.
        d.m_result->m_nHomeScore[1] = 25;
        CResultDialog withSets(d.m_doc, *d.m_result);
        QVERIFY(!withSets.FinalWithoutSetsNote()->isVisibleTo(&withSets));
    }

    void refusedDrawKeepsTheValuesAsTaken()
    {
        cResultDoc d;
        d.m_doc.m_tableSettings.m_nMaxSets = 3;
        d.m_doc.m_tableSettings.m_bAllowDraws = 0;
        d.m_result->m_nHomeScore[4] = 9;
        CResultDialog dialog(d.m_doc, *d.m_result);
        dialog.show();
        SetScore(dialog, 1, 25, 20);
        SetScore(dialog, 2, 20, 25);
        SetScore(dialog, 3, 25, 25);
        QVERIFY(!PressOk(dialog));
        QCOMPARE(d.TakeShown(), std::vector<int>{IDS_DRAW_NOT_ALLOWED});
        QVERIFY(HasFocusOn(dialog, V::HomeField(1)));
        QCOMPARE(Shown(dialog, 0), std::make_pair(1, 1));
        QCOMPARE(Shown(dialog, 3), std::make_pair(25, 25));
        QCOMPARE(Shown(dialog, 4), std::make_pair(0, 0));
        QVERIFY(!d.m_result->IsPlayed());
        QCOMPARE(d.m_result->m_nHomeScore[4], 9);
        QVERIFY(!d.m_doc.IsModified());

        SetScore(dialog, 3, 25, 23);
        QVERIFY(PressOk(dialog));
        QCOMPARE(d.m_result->m_nHomeScore[0], 2);
        QCOMPARE(d.m_result->m_nGuestScore[0], 1);
        QCOMPARE(d.m_result->m_nHomeScore[4], 0);
    }

    void firstBrokenRuleIsShown_data()
    {
        QTest::addColumn<bool>("allowDraws");
        QTest::addColumn<int>("home");
        QTest::addColumn<int>("guest");
        QTest::addColumn<bool>("hosts");
        QTest::addColumn<bool>("guests");
        QTest::addColumn<int>("message"); // 0: accepted
        QTest::addColumn<int>("field");
        QTest::newRow("draw allowed") << true << 2 << 2 << false << false << 0 << 0;
        QTest::newRow("draw") << false << 2 << 2 << false << false << int(IDS_DRAW_NOT_ALLOWED)
                              << int(V::kHomeFinal);
        QTest::newRow("disqualified hosts lose") << false << 0 << 3 << true << false << 0 << 0;
        QTest::newRow("disqualified hosts win")
            << true << 3 << 0 << true << true << int(IDS_HOME_DISQUALIFIED_WINS) << int(V::kHomeDisqualified);
        QTest::newRow("range before rules") << false << 10000 << 10000 << false << false
                                            << int(IDS_ENTER_INTEGER_BETWEEN) << int(V::kHomeFinal);
    }
    void firstBrokenRuleIsShown()
    {
        QFETCH(bool, allowDraws);
        QFETCH(int, home);
        QFETCH(int, guest);
        QFETCH(bool, hosts);
        QFETCH(bool, guests);
        QFETCH(int, message);
        QFETCH(int, field);
        cResultDoc d;
        d.m_doc.m_tableSettings.m_bAllowDraws = allowDraws ? 1 : 0;
        CResultDialog dialog(d.m_doc, *d.m_result);
        dialog.show();
        SetScore(dialog, 0, home, guest);
        Field<QCheckBox>(dialog, V::kHomeDisqualified)->setChecked(hosts);
        Field<QCheckBox>(dialog, V::kGuestDisqualified)->setChecked(guests);
        if (message == 0) {
            QVERIFY(PressOk(dialog));
            QVERIFY(d.m_prompt.m_shown.empty());
            QVERIFY(d.m_result->IsPlayed());
            QCOMPARE(d.m_result->m_bHomeDisqualified, hosts ? 1 : 0);
            QCOMPARE(d.m_result->m_bGuestDisqualified, guests ? 1 : 0);
            QCOMPARE(d.m_result->m_nGuestScore[0], guest);
            return;
        }
        QVERIFY(!PressOk(dialog));
        QCOMPARE(d.TakeShown(), std::vector<int>{message});
        QVERIFY(HasFocusOn(dialog, field));
        // What was typed stays.
        QCOMPARE(Shown(dialog, 0), std::make_pair(home, guest));
        QVERIFY(!d.m_result->IsPlayed());
        QCOMPARE(d.m_league.Table().m_bUpToDate, 1);
    }

    void typedScoreOutsideTheRangeIsRefusedNotClipped()
    {
        cResultDoc d;
        CResultDialog dialog(d.m_doc, *d.m_result);
        dialog.show();
        QSpinBox* guest = Score(dialog, V::kGuestFinal);
        guest->selectAll();
        QTest::keyClicks(guest, QStringLiteral("12345"));
        QVERIFY(!PressOk(dialog));
        QCOMPARE(d.m_prompt.m_shown.size(), 1u);
        QCOMPARE(d.m_prompt.m_shown[0].text, std::string("Please enter an integer between -9999 and 9999."));
        QVERIFY(!d.m_result->IsPlayed());
    }

    void drawPointsFollowAllowDraws()
    {
        cDialogDoc d;
        d.m_doc.m_tableSettings.m_bAllowDraws = 0;
        CResultSettingsDialog dialog(d.m_doc);
        dialog.show();
        QSpinBox* draw = Field<QSpinBox>(dialog, cResultSettingsValues::kPointsDraw);
        QVERIFY(!draw->isEnabled());
        QTest::mouseClick(dialog.AllowDraws(), Qt::LeftButton);
        QVERIFY(dialog.AllowDraws()->isChecked());
        QVERIFY(draw->isEnabled());
        QVERIFY(Field<QSpinBox>(dialog, cResultSettingsValues::kPointsVictory)->isEnabled());
        QTest::mouseClick(dialog.AllowDraws(), Qt::LeftButton);
        QVERIFY(!draw->isEnabled());
    }

    void resultSettingsAreStored()
    {
        cResultDoc d;
        cScriptedRunner runner([](CPropertyDialog& dialog) {
            auto& settings = dynamic_cast<CResultSettingsDialog&>(dialog);
            Field<QSpinBox>(dialog, cResultSettingsValues::kPointsVictory)->setValue(3);
            Field<QSpinBox>(dialog, cResultSettingsValues::kPointsDraw)->setValue(-1);
            Field<QSpinBox>(dialog, cResultSettingsValues::kPointsDisqualified)->setValue(-99);
            Field<QSpinBox>(dialog, cResultSettingsValues::kMaxSets)->setValue(5);
            settings.IgnoreBonusPoints()->setChecked(true);
            settings.AllowDraws()->setChecked(false);
        });
        QVERIFY(RunResultSettingsDialog(d.m_doc, nullptr));
        const cTableSettings& stored = d.m_doc.m_tableSettings;
        QCOMPARE(stored.m_nPointsVictory, 3);
        // A disabled field is stored too.
        QCOMPARE(stored.m_nPointsDraw, -1);
        QCOMPARE(stored.m_nPointsLost, 0);
        QCOMPARE(stored.m_nPointsDisqualified, -99);
        QCOMPARE(stored.m_nMaxSets, 5);
        QCOMPARE(stored.m_bIgnoreBonusPoints, 1);
        QCOMPARE(stored.m_bAllowDraws, 0);
        QVERIFY(d.m_doc.IsModified());
        QCOMPARE(d.m_league.Table().m_bUpToDate, 0);
    }

    void criteriaSpinButtonsKeepTheNumbersGapless()
    {
        cDialogDoc d;
        CCriteriaDialog dialog(d.m_doc);
        dialog.show();
        using Order = std::vector<int>;
        QCOMPARE(ShownOrder(dialog), (Order{kCriterionPoints, kCriterionGoalDifference}));

        QSpinBox* ball = Field<QSpinBox>(dialog, kCriterionBallDifference);
        QVERIFY(ball->findChild<QLineEdit*>()->isReadOnly());
        QTest::keyClick(ball, Qt::Key_Up);
        QCOMPARE(ShownOrder(dialog),
                 (Order{kCriterionBallDifference, kCriterionPoints, kCriterionGoalDifference}));
        QCOMPARE(Field<QSpinBox>(dialog, kCriterionGoalDifference)->value(), 3);

        ball->stepBy(1);
        QCOMPARE(ShownOrder(dialog),
                 (Order{kCriterionPoints, kCriterionBallDifference, kCriterionGoalDifference}));
        Field<QSpinBox>(dialog, kCriterionGoalDifference)->stepBy(1);
        // The highest number does not go up.
        QCOMPARE(ShownOrder(dialog),
                 (Order{kCriterionPoints, kCriterionBallDifference, kCriterionGoalDifference}));

        QTest::keyClick(Field<QSpinBox>(dialog, kCriterionPoints), Qt::Key_Down);
        QCOMPARE(ShownOrder(dialog), (Order{kCriterionBallDifference, kCriterionGoalDifference}));
        QCOMPARE(Field<QSpinBox>(dialog, kCriterionPoints)->value(), 0);
        QCOMPARE(Field<QSpinBox>(dialog, kCriterionGoalDifference)->value(), 2);

        QSpinBox* goal = Field<QSpinBox>(dialog, kCriterionGoalDifference);
        goal->selectAll();
        QTest::keyClicks(goal, QStringLiteral("7"));
        // The number cannot be typed.
        QCOMPARE(goal->value(), 2);
        QCOMPARE(dialog.Values().priority[kCriterionGoalDifference], 2);
    }

    void presetThenOkStoresThePriorities()
    {
        cResultDoc d;
        cScriptedRunner runner([](CPropertyDialog& dialog) {
            auto& criteria = dynamic_cast<CCriteriaDialog&>(dialog);
            Field<QSpinBox>(dialog, kCriterionMutualBallRatio)->stepBy(1);
            QComboBox* presets = criteria.Presets();
            const int volleyball = presets->findText(QStringLiteral("Volleyball"));
            presets->setCurrentIndex(volleyball);
            emit presets->activated(volleyball);
        });
        QVERIFY(RunCriteriaDialog(d.m_doc, nullptr));
        const cTableSettings& stored = d.m_doc.m_tableSettings;
        // A preset clears the others.
        QCOMPARE(stored.m_nPriority[kCriterionMutualBallRatio], 0);
        QCOMPARE(stored.m_nCriteriaCount, 4);
        QCOMPARE(stored.m_nCriterionByPriority[0], int(kCriterionPoints));
        QCOMPARE(stored.m_nCriterionByPriority[1], int(kCriterionDisqualification));
        QCOMPARE(stored.m_nCriterionByPriority[2], int(kCriterionGoalDifference));
        QCOMPARE(stored.m_nCriterionByPriority[3], int(kCriterionBallDifference));
        QCOMPARE(stored.m_nCriterionByPriority[4], -1);
        QVERIFY(d.m_doc.IsModified());
        QCOMPARE(d.m_league.Table().m_bUpToDate, 0);
    }

    void noCriterionIsRefused()
    {
        cResultDoc d;
        const cTableSettings before = d.m_doc.m_tableSettings;
        CCriteriaDialog dialog(d.m_doc);
        dialog.show();
        Field<QSpinBox>(dialog, kCriterionPoints)->stepBy(-1);
        Field<QSpinBox>(dialog, kCriterionGoalDifference)->stepBy(-1);
        QVERIFY(!PressOk(dialog));
        QCOMPARE(d.TakeShown(), std::vector<int>{IDS_NO_RATING_CRITERIA});
        QVERIFY(HasFocusOn(dialog, kCriterionDisqualification));
        QVERIFY(d.m_doc.m_tableSettings.m_nPriority == before.m_nPriority);
        QVERIFY(!d.m_doc.IsModified());
        QCOMPARE(d.m_league.Table().m_bUpToDate, 1);

        Field<QSpinBox>(dialog, kCriterionWinRatio)->stepBy(1);
        QVERIFY(PressOk(dialog));
        QCOMPARE(d.m_doc.m_tableSettings.m_nCriteriaCount, 1);
        QCOMPARE(d.m_doc.m_tableSettings.m_nPriority[kCriterionWinRatio], 1);
    }

    void cancelStoresNothing()
    {
        cResultDoc d;
        {
            cScriptedRunner runner([](CPropertyDialog& dialog) { SetScore(dialog, 0, 3, 1); }, false);
            QVERIFY(!RunResultDialog(d.m_doc, *d.m_result, nullptr));
        }
        {
            cScriptedRunner runner(
                [](CPropertyDialog& dialog) { Field<QSpinBox>(dialog, kCriterionBallRatio)->stepBy(1); },
                false);
            QVERIFY(!RunCriteriaDialog(d.m_doc, nullptr));
        }
        {
            cScriptedRunner runner(
                [](CPropertyDialog& dialog) {
                    Field<QSpinBox>(dialog, cResultSettingsValues::kPointsVictory)->setValue(5);
                },
                false);
            QVERIFY(!RunResultSettingsDialog(d.m_doc, nullptr));
        }
        QVERIFY(!d.m_result->IsPlayed());
        QCOMPARE(d.m_result->m_nHomeScore[0], 0);
        QCOMPARE(d.m_doc.m_tableSettings.m_nPriority[kCriterionBallRatio], 0);
        QCOMPARE(d.m_doc.m_tableSettings.m_nPointsVictory, 2);
        QVERIFY(!d.m_doc.IsModified());
        QCOMPARE(d.m_league.Table().m_bUpToDate, 1);
    }
};

QTEST_MAIN(ResultDialogsTest)
#include "ResultDialogs_test.moc"
