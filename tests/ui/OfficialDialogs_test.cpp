// "Official assignment settings", "Assign officials automatically" and
// "Assign officials manually": what OK stores or puts on the match, a refused
// number keeping the dialog open, the spin buttons' limits, the greyed rows
// and the refilling of a row by its check box.

#include "DialogTestSupport.h"
#include "model/MatchHeading.h"
#include "model/Strings.h"
#include "model/cResult.h"
#include "officials/AutoAssign.h"
#include "ui/dialogs/CAutoAssignDialog.h"
#include "ui/dialogs/CManualAssignDialog.h"
#include "ui/dialogs/COfficialSettingsDialog.h"
#include "ui/dialogs/DialogFields.h"
#include "ui/dialogs/ItemDialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSpinBox>

#include <functional>

namespace {

// Replaces the modal loop while it lives: the dialog is shown, filled by
// `fill`, and OK (with `ok`) or Cancel is pressed; a dialog that refuses OK
// is then cancelled.
class cOfficialRunner
{
public:
    explicit cOfficialRunner(std::function<void(QDialog&)> fill, bool ok = true)
    {
        m_previous = SetDialogRunner([this, fill = std::move(fill), ok](QDialog& dialog) {
            dialog.show();
            fill(dialog);
            if (ok) {
                dialog.accept();
            }
            if (dialog.isVisible()) {
                m_refused += ok ? 1 : 0;
                dialog.reject();
            }
            return dialog.result();
        });
    }
    ~cOfficialRunner() { SetDialogRunner(std::move(m_previous)); }
    cOfficialRunner(const cOfficialRunner&) = delete;
    cOfficialRunner& operator=(const cOfficialRunner&) = delete;

    int m_refused = 0;

private:
    DialogRunner m_previous;
};

// One match Falcons 1 - Hawks 1 on 20 March 2024 at 10:00 with two officials
// per game; Mia plays for Hawks, so the own-club rule keeps her off it.
struct cOfficialsDoc : cDialogDoc
{
    cOfficialsDoc()
        : m_court(Court("Court A", "A"))
        , m_league(League("Division One", "D1"))
        , m_zoe(Official("Zoe", "Owls"))
        , m_adam(Official("Adam", "Bears"))
        , m_mia(Official("Mia", "Hawks"))
    {
        m_doc.m_nOfficialsPerGame = 2;
        m_league.ComputeRatingBands(2);
        Team(m_league, "Falcons 1");
        Team(m_league, "Hawks 1");
        auto match = std::make_unique<cMatch>();
        match->m_nCourt = m_court.m_nIndex;
        match->m_nLeague = m_league.m_nIndex;
        match->m_nHomeTeam = 0;
        match->m_nGuestTeam = 1;
        match->m_nNumber = 1;
        match->m_tStart = MakeTimePoint(2024, 3, 20, 10, 0, 0);
        match->m_tEnd = match->m_tStart + 60 * 60;
        m_match = &static_cast<cMatch&>(m_doc.Scheduled().AddItem(std::move(match), true));
        auto result = std::make_unique<cResult>();
        result->m_nLeague = m_league.m_nIndex;
        result->m_nHomeTeam = 0;
        result->m_nGuestTeam = 1;
        cResult::Link(*result, *m_match);
        m_doc.Results().AddItem(std::move(result), true);
        m_doc.SetModifiedFlag(false);
    }

    cReferee& Official(const std::string& name, const std::string& club)
    {
        cReferee& official = cDialogDoc::Official(name);
        official.m_strClubOfficial = club;
        return official;
    }

    void Hold(int slot, const cReferee& official) { AssignOfficial(m_doc, *m_match, slot, &official); }

    cCourt& m_court;
    cLeague& m_league;
    cReferee& m_zoe;
    cReferee& m_adam;
    cReferee& m_mia;
    cMatch* m_match = nullptr;
};

QString Choice(const cReferee& official)
{
    return ToQString(official.m_strName + ", " + official.m_strClubOfficial);
}

} // namespace

class OfficialDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void settingsOkStoresAndRecomputesTheRatingBands()
    {
        cOfficialsDoc d;
        cOfficialRunner runner([](QDialog& shown) {
            auto& dialog = dynamic_cast<COfficialSettingsDialog&>(shown);
            Field<QSpinBox>(dialog, cOfficialSettings::kFieldOfficialsPerGame)->setValue(3);
            Field<QSpinBox>(dialog, cOfficialSettings::kFieldMinDaysBetweenGames)->setValue(0);
            Field<QSpinBox>(dialog, cOfficialSettings::kFieldMaxSubsequentGames)->setValue(99);
            dialog.Switch(1)->setChecked(true); // ratings
            dialog.Switch(5)->setChecked(true); // preferred playing time
        });
        QVERIFY(RunOfficialSettingsDialog(d.m_doc, nullptr));
        QCOMPARE(d.m_doc.m_nOfficialsPerGame, 3);
        QCOMPARE(d.m_doc.m_nMinDaysBetweenGames, 0);
        QCOMPARE(d.m_doc.m_nMaxSubsequentGames, 99);
        QCOMPARE(d.m_doc.m_nConflictMargin, 90);
        QCOMPARE(d.m_doc.m_bIgnoreClub, 0);
        QCOMPARE(d.m_doc.m_bIgnoreRatings, 1);
        QCOMPARE(d.m_doc.m_bIgnoreDaysOff, 0);
        QCOMPARE(d.m_doc.m_bIgnorePreferredTime, 1);
        // Three bands now: the third position reaches the league's top rating.
        QCOMPARE(d.m_league.m_nMaxRatingOfficial[2], d.m_league.m_nMaxOfficialRating);
        QVERIFY(d.m_doc.IsModified());
        QVERIFY(d.m_prompt.m_shown.empty());
    }

    void settingsOpenWithTheStoredValuesAndCancelKeepsThem()
    {
        cOfficialsDoc d;
        d.m_doc.m_nConflictMargin = 30;
        d.m_doc.m_bIgnoreHolidays = 1;
        cOfficialRunner runner(
            [](QDialog& shown) {
                auto& dialog = dynamic_cast<COfficialSettingsDialog&>(shown);
                QCOMPARE(dialog.Values().conflictMargin, 30);
                QVERIFY(dialog.Values().ignoreHolidays);
                QCOMPARE(dialog.Values().officialsPerGame, 2);
                Field<QSpinBox>(dialog, cOfficialSettings::kFieldConflictMargin)->setValue(200);
                dialog.Switch(3)->setChecked(false);
            },
            false);
        QVERIFY(!RunOfficialSettingsDialog(d.m_doc, nullptr));
        QCOMPARE(d.m_doc.m_nConflictMargin, 30);
        QCOMPARE(d.m_doc.m_bIgnoreHolidays, 1);
        QVERIFY(!d.m_doc.IsModified());
    }

    void settingsRefuseANumberOutsideItsRange_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<int>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("six officials") << int(cOfficialSettings::kFieldOfficialsPerGame) << 6
                                       << "Please enter an integer between 1 and 5.";
        QTest::newRow("a year off") << int(cOfficialSettings::kFieldMinDaysBetweenGames) << 366
                                    << "Please enter an integer between 0 and 365.";
        QTest::newRow("margin over a day") << int(cOfficialSettings::kFieldConflictMargin) << 1441
                                           << "Please enter an integer between 0 and 1440.";
    }
    void settingsRefuseANumberOutsideItsRange()
    {
        QFETCH(int, field);
        QFETCH(int, typed);
        QFETCH(QString, message);
        cOfficialsDoc d;
        COfficialSettingsDialog dialog(d.m_doc);
        dialog.show();
        QSpinBox* spin = Field<QSpinBox>(dialog, field);
        spin->setValue(typed); // as typed: the arrows would stop at the bounds
        QVERIFY(!PressOk(dialog));
        QVERIFY(HasFocusOn(dialog, field));
        QCOMPARE(d.m_prompt.m_shown.size(), std::size_t{1});
        QCOMPARE(ToQString(d.m_prompt.m_shown[0].text), message);
        QCOMPARE(d.TakeShown(), std::vector<int>{IDS_ENTER_INTEGER_BETWEEN});
        QVERIFY(!d.m_doc.IsModified());
        QCOMPARE(d.m_doc.m_nOfficialsPerGame, 2);
    }

    void marginStepsByTenAndStopsAtItsBounds()
    {
        cOfficialsDoc d;
        d.m_doc.m_nConflictMargin = 1430;
        COfficialSettingsDialog dialog(d.m_doc);
        QSpinBox* margin = Field<QSpinBox>(dialog, cOfficialSettings::kFieldConflictMargin);
        margin->stepBy(1);
        QCOMPARE(margin->value(), 1440);
        margin->stepBy(1);
        QCOMPARE(margin->value(), 1440);
        margin->setValue(5);
        margin->stepBy(-1);
        QCOMPARE(margin->value(), 0);
        QSpinBox* officials = Field<QSpinBox>(dialog, cOfficialSettings::kFieldOfficialsPerGame);
        officials->stepBy(10);
        QCOMPARE(officials->value(), 5);
    }

    void autoAssignStartsAtTheLastMatchAndOkHandsTheValuesBack()
    {
        cOfficialsDoc d;
        cAutoAssignValues chosen;
        chosen.day = 9;
        cOfficialRunner runner([](QDialog& shown) {
            auto& dialog = dynamic_cast<CAutoAssignDialog&>(shown);
            const cAutoAssignValues initial = dialog.Values();
            QCOMPARE(initial.day, 20);
            QCOMPARE(initial.month, 3);
            QCOMPARE(initial.year, 2024);
            QCOMPARE(initial.officials, 2);
            Field<QSpinBox>(dialog, cAutoAssignValues::kFieldDay)->setValue(29);
            Field<QSpinBox>(dialog, cAutoAssignValues::kFieldMonth)->setValue(2);
            Field<QSpinBox>(dialog, cAutoAssignValues::kFieldOfficials)->setValue(1);
        });
        QVERIFY(RunAutoAssignDialog(d.m_doc, nullptr, chosen));
        QCOMPARE(chosen.day, 29); // 2024 is a leap year
        QCOMPARE(chosen.month, 2);
        QCOMPARE(chosen.year, 2024);
        QCOMPARE(chosen.officials, 1);
        // Choosing changes nothing; the caller starts the run.
        QVERIFY(!d.m_doc.IsModified());
        QCOMPARE(d.m_match->GetOfficial(0), -1);
    }

    void autoAssignRefusesAnIllegalDateAndStaysOpen()
    {
        cOfficialsDoc d;
        CAutoAssignDialog dialog(d.m_doc);
        dialog.show();
        Field<QSpinBox>(dialog, cAutoAssignValues::kFieldDay)->setValue(31);
        Field<QSpinBox>(dialog, cAutoAssignValues::kFieldMonth)->setValue(4);
        QVERIFY(!PressOk(dialog));
        QVERIFY(HasFocusOn(dialog, cAutoAssignValues::kFieldDay));
        QCOMPARE(d.TakeShown(), std::vector<int>{IDS_ILLEGAL_DATE});
        // The entered values stay for a correction.
        QCOMPARE(dialog.Values().day, 31);
        QCOMPARE(dialog.Values().month, 4);
        Field<QSpinBox>(dialog, cAutoAssignValues::kFieldDay)->setValue(30);
        QVERIFY(PressOk(dialog));
        QCOMPARE(dialog.Chosen().day, 30);
        QVERIFY(d.TakeShown().empty());
    }

    void autoAssignOfficialsStopAtTheDocumentsNumber()
    {
        cOfficialsDoc d;
        d.m_doc.m_nOfficialsPerGame = 3;
        CAutoAssignDialog dialog(d.m_doc);
        dialog.show();
        QSpinBox* officials = Field<QSpinBox>(dialog, cAutoAssignValues::kFieldOfficials);
        QCOMPARE(officials->value(), 3);
        officials->stepBy(1);
        QCOMPARE(officials->value(), 3);
        officials->stepBy(-5);
        QCOMPARE(officials->value(), 1);
        officials->setValue(4); // typed past the arrows' limit
        QVERIFY(!PressOk(dialog));
        QVERIFY(HasFocusOn(dialog, cAutoAssignValues::kFieldOfficials));
        QCOMPARE(d.m_prompt.m_shown.size(), std::size_t{1});
        QCOMPARE(d.m_prompt.m_shown[0].text, std::string("Please enter an integer between 1 and 3."));
    }

    void manualRowsBeyondTheOfficialsPerGameAreGreyedAndEmpty()
    {
        cOfficialsDoc d;
        d.Hold(0, d.m_zoe);
        CManualAssignDialog dialog(d.m_doc, *d.m_match);
        for (int slot = 0; slot < cMatch::kOfficialPositions; ++slot) {
            const bool enabled = slot < 2;
            QCOMPARE(dialog.Choices(slot)->isEnabled(), enabled);
            QCOMPARE(dialog.OnlyLegal(slot)->isEnabled(), enabled);
            QCOMPARE(dialog.Choices(slot)->count() > 0, enabled);
        }
        QVERIFY(dialog.OnlyLegal(0)->isChecked());
        QCOMPARE(dialog.Choices(0)->currentText(), Choice(d.m_zoe));
        QCOMPARE(dialog.Choices(1)->currentText(), QStringLiteral("<None>"));
        QCOMPARE(EntryTexts(*dialog.Choices(0)), (QStringList{"<None>", Choice(d.m_adam), Choice(d.m_zoe)}));
    }

    void manualClickingTheBoxRefillsOnlyItsRow()
    {
        cOfficialsDoc d;
        d.Hold(0, d.m_mia); // placed despite her club earlier
        CManualAssignDialog dialog(d.m_doc, *d.m_match);
        QCOMPARE(dialog.Choices(0)->currentText(), QStringLiteral("<None>"));
        QVERIFY(!EntryTexts(*dialog.Choices(0)).contains(Choice(d.m_mia)));
        dialog.Choices(1)->setCurrentIndex(dialog.Choices(1)->findText(Choice(d.m_adam)));

        dialog.OnlyLegal(0)->click();
        QVERIFY(!dialog.OnlyLegal(0)->isChecked());
        QCOMPARE(EntryTexts(*dialog.Choices(0)),
                 (QStringList{"<None>", Choice(d.m_adam), Choice(d.m_mia), Choice(d.m_zoe)}));
        QCOMPARE(dialog.Choices(0)->currentText(), Choice(d.m_mia));
        QCOMPARE(dialog.Choices(1)->currentText(), Choice(d.m_adam));

        dialog.OnlyLegal(0)->click();
        QCOMPARE(EntryTexts(*dialog.Choices(0)), (QStringList{"<None>", Choice(d.m_adam), Choice(d.m_zoe)}));
        QCOMPARE(dialog.Choices(0)->currentText(), QStringLiteral("<None>"));
        QVERIFY(d.m_prompt.m_shown.empty());
    }

    void manualOkWithoutChangesAsksNothing()
    {
        cOfficialsDoc d;
        d.Hold(0, d.m_zoe);
        d.Hold(1, d.m_adam);
        d.m_doc.SetModifiedFlag(false);
        cOfficialRunner runner([](QDialog&) {});
        QVERIFY(RunManualAssignDialog(d.m_doc, *d.m_match, nullptr));
        QCOMPARE(d.m_match->GetOfficial(0), d.m_zoe.m_nIndex);
        QCOMPARE(d.m_match->GetOfficial(1), d.m_adam.m_nIndex);
        QCOMPARE(d.m_zoe.m_nGames, 1);
        QCOMPARE(d.m_adam.m_nGames, 1);
        QVERIFY(d.m_prompt.m_shown.empty());
    }

    void manualOkPutsTheChoicesOnAndNoKeepsTheSlot()
    {
        cOfficialsDoc d;
        d.Hold(0, d.m_zoe);
        d.Hold(1, d.m_adam);
        d.m_prompt.Answer(false);
        cOfficialRunner runner([&d](QDialog& shown) {
            auto& dialog = dynamic_cast<CManualAssignDialog&>(shown);
            dialog.Choices(0)->setCurrentIndex(dialog.Choices(0)->findText(QStringLiteral("<None>")));
            // Mia breaks the own-club rule: only offered with the box clear.
            dialog.OnlyLegal(1)->click();
            dialog.Choices(1)->setCurrentIndex(dialog.Choices(1)->findText(Choice(d.m_mia)));
        });
        QVERIFY(RunManualAssignDialog(d.m_doc, *d.m_match, nullptr));
        QCOMPARE(d.m_match->GetOfficial(0), -1);
        QCOMPARE(d.m_zoe.m_nGames, 0);
        QCOMPARE(d.m_match->GetOfficial(1), d.m_adam.m_nIndex);
        QCOMPARE(d.m_adam.m_nGames, 1);
        QCOMPARE(d.m_mia.m_nGames, 0);
        QCOMPARE(d.m_prompt.m_shown.size(), std::size_t{1});
        QVERIFY(d.m_prompt.m_shown[0].question);
        QCOMPARE(d.m_prompt.m_shown[0].text, std::string("Mia:\n") + GetString(d.m_prompt.m_shown[0].id));
        QVERIFY(d.m_prompt.AllAnswered());
    }

    void manualOneOfficialInTwoRowsIsRefusedAndTheDialogStaysOpen()
    {
        cOfficialsDoc d;
        d.Hold(0, d.m_zoe);
        d.m_doc.SetModifiedFlag(false);
        CManualAssignDialog dialog(d.m_doc, *d.m_match);
        QCOMPARE(dialog.Heading()->text(), ToQString(MatchHeading(d.m_doc, *d.m_match)));
        dialog.OnlyLegal(1)->click();
        dialog.Choices(1)->setCurrentIndex(dialog.Choices(1)->findText(Choice(d.m_zoe)));
        QVERIFY(!PressOk(dialog));
        QVERIFY(HasFocusOn(dialog, 1));
        QCOMPARE(d.m_prompt.m_shown.size(), std::size_t{1});
        QCOMPARE(d.m_prompt.m_shown[0].id, int(IDS_OFFICIAL_TWO_SLOTS));
        QVERIFY(!d.m_prompt.m_shown[0].question);
        QCOMPARE(d.m_match->GetOfficial(1), -1);
        QCOMPARE(d.m_zoe.m_nGames, 1);
        QVERIFY(!d.m_doc.IsModified());
    }

    void manualCancelChangesNothing()
    {
        cOfficialsDoc d;
        d.Hold(0, d.m_zoe);
        d.m_doc.SetModifiedFlag(false);
        cOfficialRunner runner(
            [](QDialog& shown) {
                auto& dialog = dynamic_cast<CManualAssignDialog&>(shown);
                dialog.Choices(0)->setCurrentIndex(0);
            },
            false);
        QVERIFY(!RunManualAssignDialog(d.m_doc, *d.m_match, nullptr));
        QCOMPARE(d.m_match->GetOfficial(0), d.m_zoe.m_nIndex);
        QCOMPARE(d.m_zoe.m_nGames, 1);
        QVERIFY(!d.m_doc.IsModified());
    }
};

QTEST_MAIN(OfficialDialogsTest)
#include "OfficialDialogs_test.moc"
