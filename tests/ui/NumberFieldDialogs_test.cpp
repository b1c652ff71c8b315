// Every number field of the property and settings dialogs: a number typed
// outside the field's range is not quietly replaced by the limit, it reaches
// the dialog's check, which names the range, puts the cursor on the field and
// keeps the dialog open with nothing changed.

#include "DialogTestSupport.h"
#include "document/cDocumentInfoValues.h"
#include "model/cCourtTimeValues.h"
#include "model/cCourtValues.h"
#include "model/cHolidayValues.h"
#include "model/cHomeGroundValues.h"
#include "model/cLeagueValues.h"
#include "model/cOfficialValues.h"
#include "model/cPreferredTimeValues.h"
#include "model/cTeamValues.h"
#include "scheduling/cScheduleSettings.h"
#include "ui/dialogs/CCourtDialog.h"
#include "ui/dialogs/CCourtTimeDialog.h"
#include "ui/dialogs/CDocumentInfoDialog.h"
#include "ui/dialogs/CHolidayDialog.h"
#include "ui/dialogs/CHomeGroundDialog.h"
#include "ui/dialogs/CLeagueDialog.h"
#include "ui/dialogs/CNumberSpinBox.h"
#include "ui/dialogs/COfficialDialog.h"
#include "ui/dialogs/CPreferredTimeDialog.h"
#include "ui/dialogs/CScheduleSettingsDialog.h"
#include "ui/dialogs/CTeamDialog.h"

#include <QDialogButtonBox>
#include <QPushButton>

#include <memory>

namespace {

enum eDialog : int
{
    kCourt,
    kCourtTime,
    kLeague,
    kTeam,
    kOfficial,
    kHoliday,
    kHomeGround,
    kPreferredTime,
    kScheduleSettings,
    kDocumentInfo,
};

struct cNumberField
{
    eDialog dialog;
    const char* name;
    int field;
    int low;
    int high;
};

// The ranges as the dialogs tell them to the user.
const cNumberField kNumberFields[] = {
    {kCourt, "court rating", cCourtValues::kRating, 1, 9},
    {kCourtTime, "court time day", cCourtTimeValues::kDay, 1, 31},
    {kCourtTime, "court time month", cCourtTimeValues::kMonth, 1, 12},
    {kCourtTime, "court time year", cCourtTimeValues::kYear, 1997, 2038},
    {kCourtTime, "court time start", cCourtTimeValues::kStart, 0, 2400},
    {kCourtTime, "court time end", cCourtTimeValues::kEnd, 0, 2400},
    {kLeague, "rounds", cLeagueValues::kRounds, 1, 999},
    {kLeague, "sets per game", cLeagueValues::kSetsPerGame, 1, 7},
    {kLeague, "match reduction", cLeagueValues::kMatchReduction, 0, 98},
    {kLeague, "matches per day", cLeagueValues::kMatchesPerDay, 1, 99},
    {kLeague, "minimum official rating", cLeagueValues::kMinOfficialRating, 1, 9},
    {kLeague, "maximum official rating", cLeagueValues::kMaxOfficialRating, 1, 9},
    {kLeague, "minimum court rating", cLeagueValues::kMinCourtRating, 1, 9},
    {kLeague, "maximum court rating", cLeagueValues::kMaxCourtRating, 1, 9},
    {kLeague, "game duration", cLeagueValues::kGameDuration, 1, 1440},
    {kLeague, "latest start", cLeagueValues::kLatestStart, 0, 2400},
    {kLeague, "rest team days", cLeagueValues::kRestTeamDays, 0, 365},
    {kLeague, "rest team hours", cLeagueValues::kRestTeamHours, 0, 23},
    {kLeague, "rest team minutes", cLeagueValues::kRestTeamMinutes, 0, 59},
    {kLeague, "rest pair days", cLeagueValues::kRestPairDays, 0, 365},
    {kLeague, "rest pair hours", cLeagueValues::kRestPairHours, 0, 23},
    {kLeague, "rest pair minutes", cLeagueValues::kRestPairMinutes, 0, 59},
    {kTeam, "bonus points", cTeamValues::kBonusPoints, -999, 999},
    {kOfficial, "official rating", cOfficialValues::kRating, 1, 9},
    {kOfficial, "max games", cOfficialValues::kMaxGames, 1, 99},
    {kOfficial, "max subsequent games", cOfficialValues::kMaxSubsequent, 1, 9},
    {kHoliday, "holiday start day", cHolidayValues::kStartDay, 1, 31},
    {kHoliday, "holiday start month", cHolidayValues::kStartMonth, 1, 12},
    {kHoliday, "holiday start year", cHolidayValues::kStartYear, 1997, 2038},
    {kHoliday, "holiday final day", cHolidayValues::kFinalDay, 1, 31},
    {kHoliday, "holiday final month", cHolidayValues::kFinalMonth, 1, 12},
    {kHoliday, "holiday final year", cHolidayValues::kFinalYear, 1997, 2038},
    {kHomeGround, "home ground start", cHomeGroundValues::kStart, 0, 2400},
    {kHomeGround, "home ground end", cHomeGroundValues::kEnd, 0, 2400},
    {kPreferredTime, "preferred start", cPreferredTimeValues::kStart, 0, 2400},
    {kPreferredTime, "preferred end", cPreferredTimeValues::kEnd, 0, 2400},
    {kScheduleSettings, "conflict margin", cScheduleSettings::kFieldConflictMargin, 0, 1440},
    {kDocumentInfo, "backup minutes", cDocumentInfoValues::kFieldBackupMinutes, 5, 60},
};

// A season with one of each item, so that every dialog opens on valid values.
class cSeason : public cDialogDoc
{
public:
    cSeason()
        : m_court(Court("Main Hall", "MH"))
        , m_league(League("Herrar Division 1", "H1"))
        , m_team(Team(m_league, "Lions"))
        , m_official(Official("Anna Berg"))
    {
    }

    std::unique_ptr<QDialog> Open(eDialog dialog)
    {
        switch (dialog) {
        case kCourt:
            return std::make_unique<CCourtDialog>(m_doc, &m_court);
        case kCourtTime:
            return std::make_unique<CCourtTimeDialog>(m_doc, nullptr);
        case kLeague:
            return std::make_unique<CLeagueDialog>(m_doc, &m_league);
        case kTeam:
            return std::make_unique<CTeamDialog>(m_doc, m_league, &m_team);
        case kOfficial:
            return std::make_unique<COfficialDialog>(m_doc, &m_official);
        case kHoliday:
            return std::make_unique<CHolidayDialog>(m_doc, m_team.Holidays(), nullptr);
        case kHomeGround:
            return std::make_unique<CHomeGroundDialog>(m_doc, m_team.HomeGrounds(), nullptr);
        case kPreferredTime:
            return std::make_unique<CPreferredTimeDialog>(m_doc, m_team.PreferredTimes(), nullptr);
        case kScheduleSettings:
            return std::make_unique<CScheduleSettingsDialog>(m_doc);
        case kDocumentInfo:
            return std::make_unique<CDocumentInfoDialog>(m_doc);
        }
        return nullptr;
    }

    cCourt& m_court;
    cLeague& m_league;
    cTeam& m_team;
    cReferee& m_official;
};

QWidget* FieldOf(const QDialog& dialog, int field)
{
    if (const auto* property = qobject_cast<const CPropertyDialog*>(&dialog)) {
        return property->FieldWidget(field);
    }
    if (const auto* info = qobject_cast<const CDocumentInfoDialog*>(&dialog)) {
        return info->FieldWidget(field);
    }
    return nullptr;
}

} // namespace

class NumberFieldDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    // Below and above the range of each field, typed and confirmed with OK.
    void outOfRangeNumberIsRefusedOnItsField_data()
    {
        QTest::addColumn<int>("dialog");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        for (const cNumberField& number : kNumberFields) {
            const QString message =
                QStringLiteral("Please enter an integer between %1 and %2.").arg(number.low).arg(number.high);
            for (const int typed : {number.low - 1, number.high + 1}) {
                QTest::addRow("%s %d", number.name, typed)
                    << int(number.dialog) << number.field << QString::number(typed) << message;
            }
        }
    }

    void outOfRangeNumberIsRefusedOnItsField()
    {
        QFETCH(int, dialog);
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        cSeason season;
        const std::string before = season.m_doc.Snapshot();
        const bool modified = season.m_doc.IsModified();
        const std::unique_ptr<QDialog> shown = season.Open(static_cast<eDialog>(dialog));
        shown->show();
        QVERIFY(QTest::qWaitForWindowActive(shown.get()));
        auto* spin = qobject_cast<QSpinBox*>(FieldOf(*shown, field));
        QVERIFY(spin != nullptr);
        spin->setFocus();
        spin->selectAll();
        QTest::keyClicks(spin, typed);
        QTest::mouseClick(shown->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                          Qt::LeftButton);

        QVERIFY(shown->isVisible());
        QCOMPARE(season.m_prompt.m_shown.size(), 1u);
        QCOMPARE(season.m_prompt.m_shown[0].id, int(IDS_ENTER_INTEGER_BETWEEN));
        QCOMPARE(QString::fromStdString(season.m_prompt.m_shown[0].text), message);
        QCOMPARE(shown->focusWidget(), spin);
        QCOMPARE(spin->text(), typed);
        QVERIFY(season.m_doc.Snapshot() == before);
        QCOMPARE(season.m_doc.IsModified(), modified);
        shown->reject();
    }

    // The arrows of every field still stop at its limits.
    void arrowsStopAtTheLimits()
    {
        cSeason season;
        for (const cNumberField& number : kNumberFields) {
            const std::unique_ptr<QDialog> shown = season.Open(number.dialog);
            auto* spin = qobject_cast<CNumberSpinBox*>(FieldOf(*shown, number.field));
            QVERIFY2(spin != nullptr, number.name);
            QCOMPARE(spin->Low(), number.low);
            QCOMPARE(spin->High(), number.high);
            spin->setValue(number.high);
            spin->stepBy(1);
            QCOMPARE(spin->value(), number.high);
            spin->setValue(number.low);
            spin->stepBy(-1);
            QCOMPARE(spin->value(), number.low);
        }
    }
};

QTEST_MAIN(NumberFieldDialogsTest)
#include "NumberFieldDialogs_test.moc"
