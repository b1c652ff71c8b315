// The weekday beside the dates of "Court time properties" and "Holiday
// properties": it follows every keystroke in the day, month and year fields,
// in the document's weekday language, and stays empty while the date is not
// one the dialog would take. The tests' zone is CET with daylight saving.

#include "DialogTestSupport.h"
#include "model/CourtTime.h"
#include "model/cIllDate.h"
#include "model/cUnusedTime.h"
#include "ui/dialogs/CCourtTimeDialog.h"
#include "ui/dialogs/CHolidayDialog.h"

#include <QLabel>
#include <QSpinBox>

namespace {

QString LabelText(const QWidget& dialog, const char* name)
{
    const auto* label = dialog.findChild<QLabel*>(QString::fromLatin1(name));
    if (label == nullptr) {
        qFatal("no label %s", name);
    }
    return label->text();
}

// Replaces the field's text by typing `text` key by key, as the user does.
void Type(QSpinBox& spin, const QString& text)
{
    spin.setFocus();
    spin.selectAll();
    QTest::keyClick(&spin, Qt::Key_Backspace);
    QTest::keyClicks(&spin, text);
}

} // namespace

class WeekdayDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void courtTimeWeekdayFollowsTyping()
    {
        cDialogDoc d;
        d.Court("Main Hall", "MH");
        CCourtTimeDialog dialog(d.m_doc, nullptr);
        dialog.show();
        auto* day = Field<QSpinBox>(dialog, cCourtTimeValues::kDay);
        auto* month = Field<QSpinBox>(dialog, cCourtTimeValues::kMonth);
        auto* year = Field<QSpinBox>(dialog, cCourtTimeValues::kYear);
        // Today by the test clock, 15 March 2024.
        QCOMPARE(LabelText(dialog, "weekday"), QStringLiteral("Friday"));

        // A year typed halfway shows nothing and keeps what was typed.
        Type(*year, QStringLiteral("20"));
        QCOMPARE(year->text(), QStringLiteral("20"));
        QCOMPARE(LabelText(dialog, "weekday"), QString());
        QTest::keyClicks(year, QStringLiteral("25"));
        QCOMPARE(LabelText(dialog, "weekday"), QStringLiteral("Saturday"));

        // The day the clocks go forward.
        Type(*year, QStringLiteral("2024"));
        Type(*day, QStringLiteral("31"));
        QCOMPARE(LabelText(dialog, "weekday"), QStringLiteral("Sunday"));
        // 31 April is no date; 30 April is.
        Type(*month, QStringLiteral("4"));
        QCOMPARE(LabelText(dialog, "weekday"), QString());
        Type(*day, QString());
        QCOMPARE(LabelText(dialog, "weekday"), QString());
        Type(*day, QStringLiteral("30"));
        QCOMPARE(LabelText(dialog, "weekday"), QStringLiteral("Tuesday"));

        // Nothing typed was taken as an error.
        QVERIFY(d.TakeShown().empty());
        QVERIFY(PressOk(dialog));
        auto* period = static_cast<cUnusedTime*>(d.m_doc.CourtTime().GetFirst());
        QVERIFY(period != nullptr);
        QCOMPARE(period->m_tStart, MakeTimePoint(2024, 4, 30, 0, 0, 0));
    }

    void courtTimeWeekdayInTheDocumentsLanguage()
    {
        cDialogDoc d;
        cCourt& court = d.Court("Main Hall", "MH");
        d.m_doc.m_nLanguage = 5; // German
        AddCourtTime(d.m_doc,
                     std::make_unique<cUnusedTime>(court.m_nIndex, MakeTimePoint(2024, 10, 27, 9, 0, 0),
                                                   MakeTimePoint(2024, 10, 27, 12, 0, 0)));
        auto* period = static_cast<cUnusedTime*>(d.m_doc.CourtTime().GetFirst());
        QVERIFY(period != nullptr);
        // The day the clocks go back, as the period was stored.
        CCourtTimeDialog dialog(d.m_doc, period);
        dialog.show();
        QCOMPARE(LabelText(dialog, "weekday"), QStringLiteral("Sontag"));
        Type(*Field<QSpinBox>(dialog, cCourtTimeValues::kDay), QStringLiteral("30"));
        QCOMPARE(LabelText(dialog, "weekday"), QStringLiteral("Mitwoch"));
    }

    void holidayWeekdaysFollowTyping()
    {
        cDialogDoc d;
        d.m_doc.m_nLanguage = 10; // Swedish
        cLeague& league = d.League("Division One", "D1");
        CHolidayDialog dialog(d.m_doc, league.Holidays(), nullptr);
        dialog.show();
        QCOMPARE(LabelText(dialog, "startWeekday"), QStringLiteral("Fredag"));
        QCOMPARE(LabelText(dialog, "finalWeekday"), QStringLiteral("Fredag"));

        // Each date has its own weekday.
        Type(*Field<QSpinBox>(dialog, cHolidayValues::kStartDay), QStringLiteral("16"));
        QCOMPARE(LabelText(dialog, "startWeekday"), QString::fromUtf8("Lördag"));
        QCOMPARE(LabelText(dialog, "finalWeekday"), QStringLiteral("Fredag"));

        // The final date across the change to summer time.
        Type(*Field<QSpinBox>(dialog, cHolidayValues::kFinalDay), QStringLiteral("31"));
        QCOMPARE(LabelText(dialog, "finalWeekday"), QString::fromUtf8("Söndag"));
        Type(*Field<QSpinBox>(dialog, cHolidayValues::kFinalMonth), QStringLiteral("6"));
        QCOMPARE(LabelText(dialog, "finalWeekday"), QString());
        QCOMPARE(LabelText(dialog, "startWeekday"), QString::fromUtf8("Lördag"));

        // A year being typed over shows nothing until it is whole.
        auto* startYear = Field<QSpinBox>(dialog, cHolidayValues::kStartYear);
        Type(*startYear, QStringLiteral("199"));
        QCOMPARE(startYear->text(), QStringLiteral("199"));
        QCOMPARE(LabelText(dialog, "startWeekday"), QString());
        QTest::keyClick(startYear, Qt::Key_9);
        QCOMPARE(LabelText(dialog, "startWeekday"), QStringLiteral("Tisdag"));
        QVERIFY(d.TakeShown().empty());
    }

    void holidayFinalDayPastTheFilesRangeShowsNothing()
    {
        cDialogDoc d;
        cLeague& league = d.League("Division One", "D1");
        CHolidayDialog dialog(d.m_doc, league.Holidays(), nullptr);
        // 19 January 2038 starts within what the file holds but ends past it.
        dialog.SetValues(cHolidayValues{19, 1, 2038, 19, 1, 2038});
        QCOMPARE(LabelText(dialog, "startWeekday"), QStringLiteral("Tuesday"));
        QCOMPARE(LabelText(dialog, "finalWeekday"), QString());
        QVERIFY(!PressOk(dialog));
        QCOMPARE(d.TakeShown(), std::vector<int>{IDS_FINAL_DATE_ILLEGAL});
    }

    void editedHolidayShowsItsWeekdays()
    {
        cDialogDoc d;
        cReferee& official = d.Official("Smith");
        auto holiday = std::make_unique<cIllDate>();
        holiday->m_tStart = MakeTimePoint(2024, 3, 30, 0, 0, 0);
        holiday->m_tEnd = MakeTimePoint(2024, 4, 1, 23, 59, 0);
        auto& added = static_cast<cIllDate&>(official.Holidays().AddItem(std::move(holiday), true));
        CHolidayDialog dialog(d.m_doc, official.Holidays(), &added);
        QCOMPARE(LabelText(dialog, "startWeekday"), QStringLiteral("Saturday"));
        QCOMPARE(LabelText(dialog, "finalWeekday"), QStringLiteral("Monday"));
    }
};

QTEST_MAIN(WeekdayDialogsTest)
#include "WeekdayDialogs_test.moc"
