// "Special schedule print", "Special table print" and "Web document templates":
// the wiring of their widgets to the core's values and checks.

#include "DialogTestSupport.h"
#include "ui/dialogs/CWebTemplatesDialog.h"
#include "ui/dialogs/DialogFields.h"
#include "ui/print/CSchedulePrintDialog.h"
#include "ui/print/CTablePrintDialog.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QSpinBox>

namespace {

using S = cSchedulePrintValues;
using T = cTablePrintValues;

struct cPrintDoc : cDialogDoc
{
    cPrintDoc()
    {
        Court("Main Hall", "MH");
        cLeague& premier = League("Premier", "PL");
        Team(premier, "Lions");
        Team(premier, "Tigers");
        cLeague& second = League("Second", "SL");
        Team(second, "Bears");
        Official("Smith");
        m_doc.SetModifiedFlag(false);
    }
};

void SetDate(CPropertyDialog& dialog, int dayField, int day, int month, int year)
{
    Field<QSpinBox>(dialog, dayField)->setValue(day);
    Field<QSpinBox>(dialog, dayField + 1)->setValue(month);
    Field<QSpinBox>(dialog, dayField + 2)->setValue(year);
}

} // namespace

class PrintDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void sortModeEnablesOnlyItsSelectors()
    {
        cPrintDoc d;
        d.m_doc.m_nScheduleLayout = cScheduleExport::kGroupedByDate;
        CSchedulePrintDialog dialog(d.m_doc);
        auto* court = Field<QComboBox>(dialog, S::kFieldCourt);
        auto* league = Field<QComboBox>(dialog, S::kFieldLeague);
        auto* team = Field<QComboBox>(dialog, S::kFieldTeam);
        auto* official = Field<QComboBox>(dialog, S::kFieldOfficial);
        QVERIFY(!court->isEnabled() && !league->isEnabled() && !team->isEnabled() && !official->isEnabled());
        QCOMPARE(dialog.Layouts().checkedId(), int(cScheduleExport::kGroupedByDate));
        QVERIFY(dialog.Layouts().button(2)->isEnabled());
        QCOMPARE(EntryTexts(*league), (QStringList{"<All>", "PL", "SL"}));

        dialog.Sortings().button(cScheduleExport::kByTeam)->click();
        QVERIFY(league->isEnabled() && team->isEnabled());
        QVERIFY(!court->isEnabled() && !official->isEnabled());
        QCOMPARE(dialog.Layouts().checkedId(), int(cScheduleExport::kUngrouped));
        QVERIFY(!dialog.Layouts().button(2)->isEnabled());
        QCOMPARE(EntryTexts(*team), QStringList{"<All>"});
        league->setCurrentIndex(1);
        QCOMPARE(EntryTexts(*team), (QStringList{"<All>", "Lions", "Tigers"}));
        team->setCurrentIndex(2);
        league->setCurrentIndex(2);
        QCOMPARE(EntryTexts(*team), (QStringList{"<All>", "Bears"}));
        QCOMPARE(team->currentIndex(), 0);
        league->setCurrentIndex(1);
        team->setCurrentIndex(1);

        dialog.Sortings().button(cScheduleExport::kByOfficial)->click();
        QVERIFY(official->isEnabled() && !league->isEnabled());
        QCOMPARE(SelectedData(*league), -1);
        QCOMPARE(SelectedData(*team), -1);
        official->setCurrentIndex(1);
        const cScheduleExport job = dialog.Values().Export();
        QCOMPARE(job.official, static_cast<const cReferee*>(d.m_doc.Officials().GetFirst())->m_nIndex);
        QCOMPARE(job.league, -1);

        // The preview follows the choices.
        QVERIFY(!dialog.Preview().text().contains(QStringLiteral("PL-12")));
        Field<QCheckBox>(dialog, S::kFieldNumberBefore)->setChecked(true);
        QVERIFY(dialog.Preview().text().startsWith(QStringLiteral("Schedule for J. Smith\nPL-12")));
    }

    void scheduleRefusalKeepsTheDialogOpen()
    {
        cPrintDoc d;
        CSchedulePrintDialog dialog(d.m_doc);
        dialog.show();
        SetDate(dialog, S::kFieldStartDay, 31, 4, 2027);
        SetDate(dialog, S::kFieldFinalDay, 1, 5, 2027);
        QVERIFY(!PressOk(dialog));
        QCOMPARE(d.TakeShown(), std::vector<int>{IDS_START_DATE_ILLEGAL});
        QVERIFY(HasFocusOn(dialog, S::kFieldStartDay));
        SetDate(dialog, S::kFieldStartDay, 2, 5, 2027);
        QVERIFY(!PressOk(dialog));
        QCOMPARE(d.TakeShown(), std::vector<int>{IDS_START_AFTER_FINAL});
        QVERIFY(!d.m_doc.IsModified());

        SetDate(dialog, S::kFieldStartDay, 1, 5, 2027);
        dialog.Sortings().button(cScheduleExport::kByCourt)->click();
        Field<QLineEdit>(dialog, S::kFieldHeading)->setText(QStringLiteral("Court #"));
        Field<QComboBox>(dialog, S::kFieldLanguage)->setCurrentIndex(0);
        QVERIFY(PressOk(dialog));
        QVERIFY(d.m_doc.IsModified());
        QCOMPARE(d.m_doc.m_nScheduleSorting, int(cScheduleExport::kByCourt));
        QCOMPARE(d.m_doc.m_strScheduleHeading, std::string("Court #"));
        QCOMPARE(d.m_doc.m_nLanguage, kDefaultLanguage);
        QCOMPARE(dialog.Chosen().language, 0);
        QCOMPARE(dialog.Chosen().Export().to, MakeTimePoint(2027, 5, 1, 23, 59));
    }

    void tableDateCountsOnlyWithResults()
    {
        cPrintDoc d;
        CTablePrintDialog dialog(d.m_doc);
        dialog.show();
        auto* results = Field<QCheckBox>(dialog, T::kFieldResults);
        QVERIFY(!results->isChecked());
        QVERIFY(!Field<QSpinBox>(dialog, T::kFieldDay)->isEnabled());
        // A week before the fixed 15 March 2024.
        QCOMPARE(Field<QSpinBox>(dialog, T::kFieldDay)->value(), 8);
        SetDate(dialog, T::kFieldDay, 31, 4, 2024);
        results->setChecked(true);
        QVERIFY(Field<QSpinBox>(dialog, T::kFieldYear)->isEnabled());
        QVERIFY(!PressOk(dialog));
        QCOMPARE(d.TakeShown(), std::vector<int>{IDS_ILLEGAL_DATE});
        QVERIFY(HasFocusOn(dialog, T::kFieldDay));

        results->setChecked(false);
        Field<QCheckBox>(dialog, T::kFieldRank)->setChecked(false);
        Field<QCheckBox>(dialog, T::kFieldDisqualified)->setChecked(true);
        QVERIFY(PressOk(dialog));
        QCOMPARE(d.m_doc.m_bTableRank, 0);
        QCOMPARE(d.m_doc.m_bTableDisqualified, 1);
        QCOMPARE(d.m_doc.m_bTableResults, 0);
        QVERIFY(d.m_doc.IsModified());
    }

    void webTemplatesNameTheTagThatWorks()
    {
        cPrintDoc d;
        d.m_doc.m_strScheduleTemplate = "/templates/schedule.htm";
        {
            cScriptedRunner runner([](CPropertyDialog& dialog) {
                auto& templates = dynamic_cast<CWebTemplatesDialog&>(dialog);
                const QString text = LabelTexts(dialog).join(QLatin1Char(' '));
                QVERIFY(text.contains(QStringLiteral("<TNLX_Content>")));
                QVERIFY(!text.contains(QStringLiteral("TNLX-Content")));
                QCOMPARE(templates.Field(cWebTemplateValues::kFieldSchedule).text(),
                         QStringLiteral("/templates/schedule.htm"));
                // Browse starts at the field's text and puts the answer in its place.
                const QString before = templates.Field(cWebTemplateValues::kFieldTable).text();
                QString asked;
                templates.m_fnAskTemplate = [&asked](const QString& current) {
                    asked = current;
                    return QStringLiteral("/elsewhere/tables.html");
                };
                templates.Browse(cWebTemplateValues::kFieldTable);
                QCOMPARE(asked, before);
                templates.m_fnAskTemplate = [](const QString&) { return QString(); };
                templates.Browse(cWebTemplateValues::kFieldSchedule);
                QCOMPARE(templates.Field(cWebTemplateValues::kFieldSchedule).text(),
                         QStringLiteral("/templates/schedule.htm"));
            });
            QVERIFY(RunWebTemplatesDialog(d.m_doc, nullptr));
        }
        QCOMPARE(d.m_doc.m_strTableTemplate, std::string("/elsewhere/tables.html"));
        QCOMPARE(d.m_doc.m_strScheduleTemplate, std::string("/templates/schedule.htm"));
        QVERIFY(d.m_doc.IsModified());

        d.m_doc.SetModifiedFlag(false);
        cScriptedRunner cancel(
            [](CPropertyDialog& dialog) {
                dynamic_cast<CWebTemplatesDialog&>(dialog).Field(0).setText(QStringLiteral("x.htm"));
            },
            false);
        QVERIFY(!RunWebTemplatesDialog(d.m_doc, nullptr));
        QCOMPARE(d.m_doc.m_strScheduleTemplate, std::string("/templates/schedule.htm"));
        QVERIFY(!d.m_doc.IsModified());
    }
};

QTEST_MAIN(PrintDialogsTest)
#include "PrintDialogs_test.moc"
