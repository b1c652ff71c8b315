// Courts and court time: "Court properties", "Court time properties",
// "Repeat court time" and "Duplicate court time".

#include "DialogTestSupport.h"
#include "model/CourtTime.h"
#include "model/cUnusedTime.h"
#include "ui/dialogs/CCourtDialog.h"
#include "ui/dialogs/CCourtTimeDialog.h"
#include "ui/dialogs/CDuplicateCourtTimeDialog.h"
#include "ui/dialogs/CNumberSpinBox.h"
#include "ui/dialogs/CRepeatCourtTimeDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace {

std::vector<const cUnusedTime*> Periods(const cDatabase& db)
{
    std::vector<const cUnusedTime*> periods;
    for (const cUnusedTime& period : db.CourtTime().Items<cUnusedTime>()) {
        periods.push_back(&period);
    }
    return periods;
}

cUnusedTime& Free(cDatabase& db, int court, TimePoint start, TimePoint end)
{
    AddCourtTime(db, std::make_unique<cUnusedTime>(court, start, end));
    for (cUnusedTime& period : db.CourtTime().Items<cUnusedTime>()) {
        if (period.m_nCourt == court && period.m_tStart == start) {
            return period;
        }
    }
    qFatal("period not added");
}

TimePoint At(int day, int hour, int minute = 0)
{
    return MakeTimePoint(2024, 3, day, hour, minute, 0);
}

} // namespace

class CourtDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void courtLayout()
    {
        cDialogDoc d;
        CCourtDialog dialog(d.m_doc, nullptr);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Court properties"));
        QCOMPARE(GroupTitles(dialog), (QStringList{"Names", "Properties"}));
        const QStringList labels = LabelTexts(dialog);
        for (const char* label : {"Short name", "Full name", "Court rating (1 - 9)"}) {
            QVERIFY2(labels.contains(QString::fromUtf8(label)), label);
        }
        QCOMPARE(Field<QCheckBox>(dialog, cCourtValues::kReservedHomeGround)->text(),
                 QStringLiteral("Reserved home ground"));
        QCOMPARE(FieldsInTabOrder(dialog, 4), Range(4));
        auto* rating = Field<CNumberSpinBox>(dialog, cCourtValues::kRating);
        QCOMPARE(rating->Low(), 1);
        QCOMPARE(rating->High(), 9);
    }

    void newCourtStartsFromDefaults()
    {
        cDialogDoc d;
        CCourtDialog dialog(d.m_doc, nullptr);
        QVERIFY(Field<QLineEdit>(dialog, cCourtValues::kShortName)->text().isEmpty());
        QVERIFY(Field<QLineEdit>(dialog, cCourtValues::kFullName)->text().isEmpty());
        QVERIFY(!Field<QCheckBox>(dialog, cCourtValues::kReservedHomeGround)->isChecked());
        QCOMPARE(Field<QSpinBox>(dialog, cCourtValues::kRating)->value(), 1);
    }

    void blankShortNameIsRefusedOnItsField()
    {
        cDialogDoc d;
        CCourtDialog dialog(d.m_doc, nullptr);
        dialog.show();
        Field<QLineEdit>(dialog, cCourtValues::kShortName)->setText("   ");
        Field<QLineEdit>(dialog, cCourtValues::kFullName)->setText("Main Hall");
        QVERIFY(!PressOk(dialog));
        QVERIFY(dialog.isVisible());
        QCOMPARE(d.TakeShown(), std::vector<int>{IDS_COURT_NEEDS_FULL_NAME});
        QVERIFY(HasFocusOn(dialog, cCourtValues::kShortName));
        QCOMPARE(d.m_doc.Courts().GetCount(), 0);
    }

    void refusalsShowTheCoreText()
    {
        cDialogDoc d;
        d.Court("Main Hall", "MH");
        CCourtDialog dialog(d.m_doc, nullptr);
        dialog.show();
        Field<QLineEdit>(dialog, cCourtValues::kShortName)->setText("S");
        Field<QLineEdit>(dialog, cCourtValues::kFullName)->setText(QString(51, 'x'));
        QVERIFY(!PressOk(dialog));
        QCOMPARE(d.m_prompt.m_shown.at(0).id, int(IDS_TEXT_TOO_LONG));
        QVERIFY(QString::fromStdString(d.m_prompt.m_shown.at(0).text).contains("50"));
        QVERIFY(HasFocusOn(dialog, cCourtValues::kFullName));
        d.TakeShown();

        Field<QLineEdit>(dialog, cCourtValues::kFullName)->setText("MH");
        QVERIFY(!PressOk(dialog));
        QCOMPARE(d.TakeShown(), std::vector<int>{IDS_NAME_UNIQUE});
        QCOMPARE(d.m_doc.Courts().GetCount(), 1);
    }

    void validNewCourtIsInserted()
    {
        cDialogDoc d;
        CCourtDialog dialog(d.m_doc, nullptr);
        Field<QLineEdit>(dialog, cCourtValues::kShortName)->setText("MH");
        Field<QLineEdit>(dialog, cCourtValues::kFullName)->setText("Main Hall");
        Field<QCheckBox>(dialog, cCourtValues::kReservedHomeGround)->setChecked(true);
        Field<QSpinBox>(dialog, cCourtValues::kRating)->setValue(7);
        QVERIFY(PressOk(dialog));
        QVERIFY(d.m_prompt.m_shown.empty());
        const cCourt* court = d.m_doc.GetCourt(0);
        QVERIFY(court != nullptr);
        QCOMPARE(dialog.Result(), court);
        QCOMPARE(court->m_strShortName, std::string("MH"));
        QCOMPARE(court->m_strName, std::string("Main Hall"));
        QCOMPARE(court->m_bReservedHomeGround, 1);
        QCOMPARE(court->m_nRating, 7);
        QVERIFY(d.m_doc.IsModified());
    }

    void editingFillsFromTheCourtAndChangesIt()
    {
        cDialogDoc d;
        cCourt& court = d.Court("Main Hall", "MH");
        court.m_nRating = 4;
        court.m_bReservedHomeGround = 1;
        CCourtDialog dialog(d.m_doc, &court);
        QCOMPARE(Field<QLineEdit>(dialog, cCourtValues::kShortName)->text(), QStringLiteral("MH"));
        QCOMPARE(Field<QLineEdit>(dialog, cCourtValues::kFullName)->text(), QStringLiteral("Main Hall"));
        QVERIFY(Field<QCheckBox>(dialog, cCourtValues::kReservedHomeGround)->isChecked());
        QCOMPARE(Field<QSpinBox>(dialog, cCourtValues::kRating)->value(), 4);
        // Its own names do not count as taken.
        Field<QSpinBox>(dialog, cCourtValues::kRating)->setValue(5);
        QVERIFY(PressOk(dialog));
        QCOMPARE(court.m_nRating, 5);
        QCOMPARE(court.m_nIndex, 0);
    }

    void cancelChangesNothing()
    {
        cDialogDoc d;
        cCourt& court = d.Court("Main Hall", "MH");
        d.m_doc.SetModifiedFlag(false);
        CCourtDialog dialog(d.m_doc, &court);
        dialog.show();
        Field<QLineEdit>(dialog, cCourtValues::kFullName)->setText("Other");
        dialog.reject();
        QCOMPARE(court.m_strName, std::string("Main Hall"));
        QVERIFY(!d.m_doc.IsModified());
    }

    void courtTimeLayoutAndDefaults()
    {
        cDialogDoc d;
        d.Court("Main Hall", "MH");
        d.Court("Annex", "AX");
        CCourtTimeDialog dialog(d.m_doc, nullptr);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Court time properties"));
        QCOMPARE(GroupTitles(dialog), (QStringList{"Date", "Time of day"}));
        for (const char* label : {"Court initials", "Day", "Month", "Year", "Start", "End"}) {
            QVERIFY2(LabelTexts(dialog).contains(QString::fromUtf8(label)), label);
        }
        QCOMPARE(FieldsInTabOrder(dialog, 6), Range(6));
        auto* court = Field<QComboBox>(dialog, cCourtTimeValues::kCourt);
        // By short name in the order of the courts directory; index 0 chosen.
        QCOMPARE(EntryTexts(*court), (QStringList{"AX", "MH"}));
        QCOMPARE(court->currentText(), QStringLiteral("MH"));
        QCOMPARE(Field<QSpinBox>(dialog, cCourtTimeValues::kDay)->value(), 15);
        QCOMPARE(Field<QSpinBox>(dialog, cCourtTimeValues::kMonth)->value(), 3);
        QCOMPARE(Field<QSpinBox>(dialog, cCourtTimeValues::kYear)->value(), 2024);
        QCOMPARE(Field<QSpinBox>(dialog, cCourtTimeValues::kStart)->value(), 0);
        QCOMPARE(Field<QSpinBox>(dialog, cCourtTimeValues::kEnd)->value(), 2400);
        QCOMPARE(Field<CNumberSpinBox>(dialog, cCourtTimeValues::kEnd)->High(), 2400);
        QCOMPARE(Field<CNumberSpinBox>(dialog, cCourtTimeValues::kYear)->Low(), 1997);
        QCOMPARE(Field<CNumberSpinBox>(dialog, cCourtTimeValues::kYear)->High(), 2038);
    }

    void courtTimeRefusals_data()
    {
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        QTest::addColumn<int>("message");
        QTest::addColumn<int>("field");
        QTest::newRow("30 February") << 30 << 1800 << 2000 << int(IDS_ILLEGAL_DATE)
                                     << int(cCourtTimeValues::kDay);
        QTest::newRow("start 1860") << 1 << 1860 << 2000 << int(IDS_FIRST_TIME_INVALID)
                                    << int(cCourtTimeValues::kStart);
        QTest::newRow("end 2075") << 1 << 1800 << 2075 << int(IDS_FINAL_TIME_INVALID)
                                  << int(cCourtTimeValues::kEnd);
        QTest::newRow("end before start")
            << 1 << 2000 << 1800 << int(IDS_FINAL_NOT_AFTER_FIRST) << int(cCourtTimeValues::kEnd);
    }

    void courtTimeRefusals()
    {
        QFETCH(int, day);
        QFETCH(int, start);
        QFETCH(int, end);
        QFETCH(int, message);
        QFETCH(int, field);
        cDialogDoc d;
        d.Court("Main Hall", "MH");
        CCourtTimeDialog dialog(d.m_doc, nullptr);
        dialog.show();
        Field<QSpinBox>(dialog, cCourtTimeValues::kDay)->setValue(day);
        Field<QSpinBox>(dialog, cCourtTimeValues::kMonth)->setValue(2);
        Field<QSpinBox>(dialog, cCourtTimeValues::kStart)->setValue(start);
        Field<QSpinBox>(dialog, cCourtTimeValues::kEnd)->setValue(end);
        QVERIFY(!PressOk(dialog));
        QCOMPARE(d.TakeShown(), std::vector<int>{message});
        QVERIFY(HasFocusOn(dialog, field));
        QCOMPARE(d.m_doc.CourtTime().GetCount(), 0);
    }

    void courtTimeWithoutCourtChosenIsRefused()
    {
        cDialogDoc d;
        d.Court("Main Hall", "MH");
        CCourtTimeDialog dialog(d.m_doc, nullptr);
        dialog.show();
        Field<QComboBox>(dialog, cCourtTimeValues::kCourt)->setCurrentIndex(-1);
        QVERIFY(!PressOk(dialog));
        QCOMPARE(d.TakeShown(), std::vector<int>{IDS_SPECIFY_COURT});
        QVERIFY(HasFocusOn(dialog, cCourtTimeValues::kCourt));
    }

    void newCourtTimeMergesWithItsNeighbour()
    {
        cDialogDoc d;
        const int court = d.Court("Main Hall", "MH").m_nIndex;
        Free(d.m_doc, court, At(15, 18), At(15, 20));
        CCourtTimeDialog dialog(d.m_doc, nullptr);
        Field<QSpinBox>(dialog, cCourtTimeValues::kStart)->setValue(2000);
        Field<QSpinBox>(dialog, cCourtTimeValues::kEnd)->setValue(2200);
        QVERIFY(PressOk(dialog));
        const auto periods = Periods(d.m_doc);
        QCOMPARE(periods.size(), 1u);
        QCOMPARE(periods[0]->m_tStart, At(15, 18));
        QCOMPARE(periods[0]->m_tEnd, At(15, 22));
        QCOMPARE(dialog.Result(), periods[0]);
    }

    void courtTimeOverAMatchIsRefused()
    {
        cDialogDoc d;
        const int court = d.Court("Main Hall", "MH").m_nIndex;
        auto match = std::make_unique<cMatch>();
        match->m_nCourt = court;
        match->m_tStart = At(15, 19);
        match->m_tEnd = At(15, 20, 30);
        d.m_doc.Scheduled().AddItem(std::move(match), true);
        CCourtTimeDialog dialog(d.m_doc, nullptr);
        dialog.show();
        Field<QSpinBox>(dialog, cCourtTimeValues::kStart)->setValue(2000);
        Field<QSpinBox>(dialog, cCourtTimeValues::kEnd)->setValue(2100);
        QVERIFY(!PressOk(dialog));
        QCOMPARE(d.TakeShown(), std::vector<int>{IDS_COURT_TIME_CONFLICT});
        QCOMPARE(d.m_doc.CourtTime().GetCount(), 0);
        // Touching the match is allowed.
        Field<QSpinBox>(dialog, cCourtTimeValues::kStart)->setValue(2030);
        QVERIFY(PressOk(dialog));
        QCOMPARE(d.m_doc.CourtTime().GetCount(), 1);
    }

    void editedCourtTimeFillsFromThePeriod()
    {
        cDialogDoc d;
        d.Court("Main Hall", "MH");
        const int annex = d.Court("Annex", "AX").m_nIndex;
        cUnusedTime& period = Free(d.m_doc, annex, At(16, 18), At(17, 0));
        CCourtTimeDialog dialog(d.m_doc, &period);
        QCOMPARE(Field<QComboBox>(dialog, cCourtTimeValues::kCourt)->currentText(), QStringLiteral("AX"));
        QCOMPARE(Field<QSpinBox>(dialog, cCourtTimeValues::kDay)->value(), 16);
        QCOMPARE(Field<QSpinBox>(dialog, cCourtTimeValues::kStart)->value(), 1800);
        QCOMPARE(Field<QSpinBox>(dialog, cCourtTimeValues::kEnd)->value(), 2400);
        Field<QSpinBox>(dialog, cCourtTimeValues::kStart)->setValue(1900);
        Field<QSpinBox>(dialog, cCourtTimeValues::kEnd)->setValue(2100);
        QVERIFY(PressOk(dialog));
        QCOMPARE(period.m_tStart, At(16, 19));
        QCOMPARE(period.m_tEnd, At(16, 21));
        QCOMPARE(d.m_doc.CourtTime().GetCount(), 1);
    }

    void cancelledCourtTimeChangesNothing()
    {
        cDialogDoc d;
        const int court = d.Court("Main Hall", "MH").m_nIndex;
        cUnusedTime& period = Free(d.m_doc, court, At(16, 18), At(16, 20));
        CCourtTimeDialog dialog(d.m_doc, &period);
        dialog.show();
        Field<QSpinBox>(dialog, cCourtTimeValues::kStart)->setValue(1900);
        dialog.reject();
        QCOMPARE(period.m_tStart, At(16, 18));
    }

    void repeatCourtTime()
    {
        cDialogDoc d;
        const int court = d.Court("Main Hall", "MH").m_nIndex;
        cUnusedTime& period = Free(d.m_doc, court, At(16, 18), At(16, 20));
        CRepeatCourtTimeDialog dialog(d.m_doc, period);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Repeat court time"));
        QVERIFY(LabelTexts(dialog).contains("Repeat the selected time for"));
        QVERIFY(LabelTexts(dialog).contains("subsequent weeks."));
        auto* weeks = Field<QSpinBox>(dialog, cRepeatCourtTimeValues::kWeeks);
        QCOMPARE(weeks->value(), 1);
        // The arrows stay within 1 ... 52 (typing is not limited: the check is).
        weeks->stepDown();
        QCOMPARE(weeks->value(), 1);
        weeks->setValue(52);
        weeks->stepUp();
        QCOMPARE(weeks->value(), 52);
        weeks->setValue(3);
        QVERIFY(PressOk(dialog));
        const auto periods = Periods(d.m_doc);
        QCOMPARE(periods.size(), 4u);
        // Across the change to summer time on 31 March the clock times stay.
        QCOMPARE(periods[3]->m_tStart, MakeTimePoint(2024, 4, 6, 18, 0, 0));
        QCOMPARE(periods[3]->m_tEnd, MakeTimePoint(2024, 4, 6, 20, 0, 0));
    }

    // Weeks typed into the field, then Enter or a click on OK, as the user does.
    void repeatTypedWeeks_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("clickOk");
        QTest::addColumn<int>("copies"); // -1: refused
        QTest::newRow("0, Enter") << "0" << false << -1;
        QTest::newRow("0, OK") << "0" << true << -1;
        QTest::newRow("53, Enter") << "53" << false << -1;
        QTest::newRow("-1, OK") << "-1" << true << -1;
        QTest::newRow("1, Enter") << "1" << false << 1;
        QTest::newRow("52, OK") << "52" << true << 52;
    }

    void repeatTypedWeeks()
    {
        QFETCH(QString, typed);
        QFETCH(bool, clickOk);
        QFETCH(int, copies);
        cDialogDoc d;
        const int court = d.Court("Main Hall", "MH").m_nIndex;
        cUnusedTime& period = Free(d.m_doc, court, At(16, 18), At(16, 20));
        CRepeatCourtTimeDialog dialog(d.m_doc, period);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto* weeks = Field<QSpinBox>(dialog, cRepeatCourtTimeValues::kWeeks);
        weeks->setFocus();
        weeks->selectAll();
        QTest::keyClicks(weeks, typed);
        if (clickOk) {
            QTest::mouseClick(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                              Qt::LeftButton);
        } else {
            QTest::keyClick(weeks, Qt::Key_Return);
        }
        if (copies < 0) {
            QVERIFY(dialog.isVisible());
            QCOMPARE(d.m_prompt.m_shown.size(), 1u);
            QCOMPARE(d.m_prompt.m_shown[0].id, int(IDS_ENTER_INTEGER_BETWEEN));
            QCOMPARE(d.m_prompt.m_shown[0].text, std::string("Please enter an integer between 1 and 52."));
            QVERIFY(HasFocusOn(dialog, cRepeatCourtTimeValues::kWeeks));
            QCOMPARE(d.m_doc.CourtTime().GetCount(), 1);
        } else {
            QVERIFY(!dialog.isVisible());
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QVERIFY(d.m_prompt.m_shown.empty());
            QCOMPARE(d.m_doc.CourtTime().GetCount(), 1 + copies);
        }
    }

    void repeatCancelledAddsNothing()
    {
        cDialogDoc d;
        const int court = d.Court("Main Hall", "MH").m_nIndex;
        cUnusedTime& period = Free(d.m_doc, court, At(16, 18), At(16, 20));
        CRepeatCourtTimeDialog dialog(d.m_doc, period);
        dialog.show();
        Field<QSpinBox>(dialog, cRepeatCourtTimeValues::kWeeks)->setValue(5);
        dialog.reject();
        QCOMPARE(d.m_doc.CourtTime().GetCount(), 1);
    }

    void duplicateToTheSameCourtIsRefused()
    {
        cDialogDoc d;
        const int hall = d.Court("Main Hall", "MH").m_nIndex;
        const int annex = d.Court("Annex", "AX").m_nIndex;
        Free(d.m_doc, hall, At(15, 18), At(15, 20));
        cUnusedTime& source = Free(d.m_doc, hall, At(16, 18), At(16, 20));
        CDuplicateCourtTimeDialog dialog(d.m_doc, source);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Duplicate court time"));
        QVERIFY(LabelTexts(dialog).contains("Duplicate all unused time in the"));
        QVERIFY(LabelTexts(dialog).contains("selected court to"));
        auto* court = Field<QComboBox>(dialog, cDuplicateCourtTimeValues::kCourt);
        QCOMPARE(EntryTexts(*court), (QStringList{"AX", "MH"}));
        QCOMPARE(court->currentIndex(), 0);
        court->setCurrentIndex(1);
        dialog.show();
        QVERIFY(!PressOk(dialog));
        QCOMPARE(d.TakeShown(), std::vector<int>{IDS_SAME_SOURCE_COURT});
        QVERIFY(HasFocusOn(dialog, cDuplicateCourtTimeValues::kCourt));
        court->setCurrentIndex(0);
        QVERIFY(PressOk(dialog));
        int copies = 0;
        for (const cUnusedTime* period : Periods(d.m_doc)) {
            copies += period->m_nCourt == annex ? 1 : 0;
        }
        QCOMPARE(copies, 2);
    }
};

QTEST_MAIN(CourtDialogsTest)
#include "CourtDialogs_test.moc"
