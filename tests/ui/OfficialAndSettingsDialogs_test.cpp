// "Official properties" and "Schedule Settings".

#include "DialogTestSupport.h"
#include "ui/dialogs/CNumberSpinBox.h"
#include "ui/dialogs/COfficialDialog.h"
#include "ui/dialogs/CScheduleSettingsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>

namespace {

QCheckBox* Switch(const QWidget& dialog, const QString& label)
{
    for (QCheckBox* box : dialog.findChildren<QCheckBox*>()) {
        if (box->text() == label) {
            return box;
        }
    }
    qFatal("no check box %s", qPrintable(label));
}

const QStringList kSwitchLabels = {
    "Ignore court ratings",           "Ignore home grounds",
    "Ignore team conflics",           "Ignore teams' holidays",
    "Ignore teams' illegal weekdays", "Ignore minimum days between fixtures of two teams",
    "Ignore latest match start time", "Ignore preferred playing time",
};

} // namespace

class OfficialAndSettingsDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void officialLayoutAndDefaults()
    {
        cDialogDoc d;
        COfficialDialog dialog(d.m_doc, nullptr);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Official properties"));
        QCOMPARE(GroupTitles(dialog), QStringList{"Permanent days off"});
        for (const char* label : {"Name", "Club", "First weekday", "Second weekday", "Rating (1-9)",
                                  "Max. no. of games", "Max. subseq. games"}) {
            QVERIFY2(LabelTexts(dialog).contains(QString::fromUtf8(label)), label);
        }
        QCOMPARE(FieldsInTabOrder(dialog, 7), Range(7));
        QCOMPARE(Field<QComboBox>(dialog, cOfficialValues::kFirstDayOff)->currentText(),
                 QStringLiteral("<None>"));
        QCOMPARE(Field<QComboBox>(dialog, cOfficialValues::kSecondDayOff)->count(), 8);
        QCOMPARE(Field<QSpinBox>(dialog, cOfficialValues::kRating)->value(), 1);
        QCOMPARE(Field<QSpinBox>(dialog, cOfficialValues::kMaxGames)->value(), 20);
        QCOMPARE(Field<CNumberSpinBox>(dialog, cOfficialValues::kMaxGames)->High(), 99);
        QCOMPARE(Field<QSpinBox>(dialog, cOfficialValues::kMaxSubsequent)->value(), 3);
        QCOMPARE(Field<CNumberSpinBox>(dialog, cOfficialValues::kMaxSubsequent)->High(), 9);
    }

    void officialRefusals()
    {
        cDialogDoc d;
        d.Official("Smith");
        COfficialDialog dialog(d.m_doc, nullptr);
        dialog.show();
        QVERIFY(!PressOk(dialog));
        QCOMPARE(d.TakeShown(), std::vector<int>{IDS_OFFICIAL_NEEDS_NAME});
        QVERIFY(HasFocusOn(dialog, cOfficialValues::kName));

        Field<QLineEdit>(dialog, cOfficialValues::kName)->setText("Jones");
        Field<QLineEdit>(dialog, cOfficialValues::kClub)->setText(QString(51, 'c'));
        QVERIFY(!PressOk(dialog));
        QCOMPARE(d.TakeShown(), std::vector<int>{IDS_TEXT_TOO_LONG});
        QVERIFY(HasFocusOn(dialog, cOfficialValues::kClub));

        Field<QLineEdit>(dialog, cOfficialValues::kClub)->setText("Lions");
        Field<QLineEdit>(dialog, cOfficialValues::kName)->setText("Smith ");
        QVERIFY(!PressOk(dialog));
        QCOMPARE(d.TakeShown(), std::vector<int>{IDS_NAME_UNIQUE});
        QVERIFY(HasFocusOn(dialog, cOfficialValues::kName));

        Field<QLineEdit>(dialog, cOfficialValues::kName)->setText("Jones");
        Field<QComboBox>(dialog, cOfficialValues::kFirstDayOff)->setCurrentIndex(1);
        Field<QComboBox>(dialog, cOfficialValues::kSecondDayOff)->setCurrentIndex(1);
        QVERIFY(!PressOk(dialog));
        QCOMPARE(d.TakeShown(), std::vector<int>{IDS_SAME_WEEKDAY_TWICE});
        QVERIFY(HasFocusOn(dialog, cOfficialValues::kSecondDayOff));
        QCOMPARE(d.m_doc.Officials().GetCount(), 1);
    }

    void validOfficialIsInserted()
    {
        cDialogDoc d;
        COfficialDialog dialog(d.m_doc, nullptr);
        Field<QLineEdit>(dialog, cOfficialValues::kName)->setText(" Jones ");
        Field<QLineEdit>(dialog, cOfficialValues::kClub)->setText("Lions");
        Field<QComboBox>(dialog, cOfficialValues::kFirstDayOff)->setCurrentIndex(1);  // Sunday
        Field<QComboBox>(dialog, cOfficialValues::kSecondDayOff)->setCurrentIndex(7); // Saturday
        Field<QSpinBox>(dialog, cOfficialValues::kRating)->setValue(6);
        QVERIFY(PressOk(dialog));
        const cReferee* official = d.m_doc.GetOfficial(0);
        QVERIFY(official != nullptr);
        QCOMPARE(dialog.Result(), official);
        QCOMPARE(official->m_strName, std::string("Jones"));
        QCOMPARE(official->m_strClubOfficial, std::string("Lions"));
        QCOMPARE(official->m_nDayOff1, 0);
        QCOMPARE(official->m_nDayOff2, 6);
        QCOMPARE(official->m_nRating, 6);
        QCOMPARE(official->m_nMaxGames, 20);
        QCOMPARE(official->m_nMaxSubsequent, 3);
    }

    void editedOfficialKeepsItsGames()
    {
        cDialogDoc d;
        cReferee& official = d.Official("Smith");
        official.m_nGames = 4;
        official.m_nDayOff2 = 3;
        COfficialDialog dialog(d.m_doc, &official);
        QCOMPARE(Field<QLineEdit>(dialog, cOfficialValues::kName)->text(), QStringLiteral("Smith"));
        QCOMPARE(Field<QComboBox>(dialog, cOfficialValues::kSecondDayOff)->currentText(),
                 QStringLiteral("Wednesday"));
        Field<QSpinBox>(dialog, cOfficialValues::kMaxGames)->setValue(30);
        QVERIFY(PressOk(dialog));
        QCOMPARE(official.m_nMaxGames, 30);
        QCOMPARE(official.m_nGames, 4);

        COfficialDialog cancelled(d.m_doc, &official);
        cancelled.show();
        Field<QSpinBox>(cancelled, cOfficialValues::kMaxGames)->setValue(40);
        cancelled.reject();
        QCOMPARE(official.m_nMaxGames, 30);
    }

    void scheduleSettingsLayout()
    {
        cDialogDoc d;
        CScheduleSettingsDialog dialog(d.m_doc);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Schedule Settings"));
        QCOMPARE(GroupTitles(dialog), QStringList{"Schedule requirements"});
        QStringList labels;
        for (const QCheckBox* box : dialog.findChildren<QCheckBox*>()) {
            labels << box->text();
        }
        QCOMPARE(labels, kSwitchLabels);
        QVERIFY(LabelTexts(dialog).contains("Minutes of margin in case of team conflicts"));
        auto* margin = Field<CNumberSpinBox>(dialog, cScheduleSettings::kFieldConflictMargin);
        QCOMPARE(margin->Low(), 0);
        QCOMPARE(margin->High(), 1440);
        QCOMPARE(margin->singleStep(), 10);
        QCOMPARE(margin->value(), 90);
        for (const QString& label : kSwitchLabels) {
            QVERIFY2(!Switch(dialog, label)->isChecked(), qPrintable(label));
        }
    }

    void scheduleSettingsRoundTrip()
    {
        cDialogDoc d;
        d.m_doc.m_bSchedIgnoreHolidays = 1;
        d.m_doc.m_nSchedConflictMargin = 30;
        d.m_doc.SetModifiedFlag(false);
        {
            CScheduleSettingsDialog dialog(d.m_doc);
            QVERIFY(Switch(dialog, "Ignore teams' holidays")->isChecked());
            QCOMPARE(Field<QSpinBox>(dialog, cScheduleSettings::kFieldConflictMargin)->value(), 30);
            dialog.show();
            Switch(dialog, "Ignore court ratings")->setChecked(true);
            dialog.reject();
            QCOMPARE(d.m_doc.m_bSchedIgnoreCourtRatings, 0);
            QVERIFY(!d.m_doc.IsModified());
        }
        CScheduleSettingsDialog dialog(d.m_doc);
        Switch(dialog, "Ignore court ratings")->setChecked(true);
        Switch(dialog, "Ignore teams' holidays")->setChecked(false);
        Switch(dialog, "Ignore team conflics")->setChecked(true);
        Switch(dialog, "Ignore preferred playing time")->setChecked(true);
        Field<QSpinBox>(dialog, cScheduleSettings::kFieldConflictMargin)->setValue(120);
        QVERIFY(PressOk(dialog));
        QVERIFY(d.m_prompt.m_shown.empty());
        QCOMPARE(d.m_doc.m_bSchedIgnoreCourtRatings, 1);
        QCOMPARE(d.m_doc.m_bSchedIgnoreHolidays, 0);
        QCOMPARE(d.m_doc.m_bSchedIgnoreTeamConflicts, 1);
        QCOMPARE(d.m_doc.m_bSchedIgnorePreferredTime, 1);
        QCOMPARE(d.m_doc.m_bSchedIgnoreHomeGrounds, 0);
        QCOMPARE(d.m_doc.m_nSchedConflictMargin, 120);
        QVERIFY(d.m_doc.IsModified());

        CScheduleSettingsDialog again(d.m_doc);
        QVERIFY(Switch(again, "Ignore court ratings")->isChecked());
        QVERIFY(Switch(again, "Ignore preferred playing time")->isChecked());
        QVERIFY(!Switch(again, "Ignore latest match start time")->isChecked());
        QCOMPARE(Field<QSpinBox>(again, cScheduleSettings::kFieldConflictMargin)->value(), 120);
    }
};

QTEST_MAIN(OfficialAndSettingsDialogsTest)
#include "OfficialAndSettingsDialogs_test.moc"
