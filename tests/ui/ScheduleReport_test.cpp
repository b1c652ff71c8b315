// View > Schedule Report on a small generated season, headless: the window
// shows the core's numbers in its tables and charts, counts the season as it
// stands each time it opens, prints, and saves a PDF that pdfinfo reads.
// With TOURNEL_REPORT_PNG set to a file name, the charts of the example
// season are drawn into that picture (the one the guide shows).

#include "Fixture.h"
#include "model/cMatch.h"
#include "output/ScheduleReport.h"
#include "scheduling/AutoScheduler.h"
#include "scheduling/MatchGeneration.h"
#include "tools/seasongen/PlainSchedule.h"
#include "tools/seasongen/SeasonGenerator.h"
#include "ui/report/CScheduleReportDialog.h"
#include "ui/report/ReportCharts.h"
#include "ui/window/CommandIds.h"

#include <QAbstractBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFile>
#include <QHorizontalBarSeries>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStackedBarSeries>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTest>

#include <cmath>
#include <functional>

namespace {

QString Text(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

double Hours(double minutes)
{
    return std::round(minutes / 6.0) / 10.0;
}

// The pages of a PDF as pdfinfo counts them; 0 when it cannot be read.
int PdfPages(const QString& pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {pdf});
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        return 0;
    }
    for (const QString& line : QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        if (line.startsWith(QStringLiteral("Pages:"))) {
            return line.mid(6).trimmed().toInt();
        }
    }
    return 0;
}

QBarSet* SetNamed(const QChartView& view, const QString& name)
{
    for (QAbstractSeries* series : view.chart()->series()) {
        if (auto* bars = qobject_cast<QAbstractBarSeries*>(series)) {
            for (QBarSet* set : bars->barSets()) {
                if (set->label() == name) {
                    return set;
                }
            }
        }
    }
    return nullptr;
}

double Sum(const QBarSet& set)
{
    double sum = 0;
    for (int i = 0; i < set.count(); ++i) {
        sum += set.at(i);
    }
    return sum;
}

// The frame with a small generated season laid out, prints going to PDF
// files of its folder; `inspect` runs on the report window when it opens.
struct cReportFixture : cFixture
{
    cReportFixture()
    {
        Doc().SetFixedSeed(3);
        GenerateSeason(Doc(), cSeasonShape::Small());
        LayOutPlainly(Doc());
        Frame().Views().UpdateAllViews();
        Frame().m_fnChoosePrinter = [this](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(Path("printed.pdf"));
            return true;
        };
        Frame().m_fnAskFileName = [this](bool save, const QString&) {
            return save ? Path("saved") : QString();
        };
        m_fnDialog = [this](QDialog& dialog) {
            if (auto* report = qobject_cast<CScheduleReportDialog*>(&dialog)) {
                ++m_nReports;
                if (inspect) {
                    inspect(*report);
                }
            }
            // The preview draws its pages when shown; here it is only opened and closed.
            m_nPreviews += qobject_cast<QPrintPreviewDialog*>(&dialog) != nullptr ? 1 : 0;
            return int(QDialog::Rejected);
        };
    }
    QString Path(const char* name) const { return m_dir.filePath(QString::fromUtf8(name)); }
    void Open()
    {
        Frame().UpdateCommands();
        QVERIFY(Frame().Action(ID_SCHEDULE_REPORT)->isEnabled());
        Frame().Action(ID_SCHEDULE_REPORT)->trigger();
    }

    std::function<void(CScheduleReportDialog&)> inspect;
    int m_nReports = 0;
    int m_nPreviews = 0;
};

} // namespace

class tst_ScheduleReport : public QObject
{
    Q_OBJECT

private slots:
    void ShowsTheCoreNumbers();
    void PrintsAndSavesAPdf();
    void CountsTheSeasonAsItStandsWhenOpened();
    void ChartsPicture();
};

void tst_ScheduleReport::ShowsTheCoreNumbers()
{
    cReportFixture f;
    f.inspect = [&f](CScheduleReportDialog& dialog) {
        // Counted from the season as the command left it (the unscheduled matches regenerated).
        const cScheduleReport expected = BuildScheduleReport(f.Doc());
        QVERIFY(!expected.teams.empty());
        QCOMPARE(dialog.Tables().size(), std::size_t(6));
        const QTableWidget& teams = *dialog.Tables()[1];
        QCOMPARE(teams.rowCount(), int(expected.teams.size()));
        const QBarSet* shortest = SetNamed(dialog.RestView(), QStringLiteral("Shortest rest"));
        const QBarSet* mean = SetNamed(dialog.RestView(), QStringLiteral("Mean rest"));
        QVERIFY(shortest != nullptr && mean != nullptr);
        QCOMPARE(mean->count(), int(expected.teams.size()));
        for (int row = 0; row < teams.rowCount(); ++row) {
            const cTeamReport& team = expected.teams[static_cast<std::size_t>(row)];
            QCOMPARE(teams.item(row, 1)->text(), Text(team.team));
            QCOMPARE(teams.item(row, 2)->text().toInt(), team.scheduled);
            QCOMPARE(teams.item(row, 3)->text().toInt(), team.unscheduled);
            QCOMPARE(teams.item(row, 4)->text().toInt(), team.home);
            QCOMPARE(teams.item(row, 5)->text().toInt(), team.away);
            QVERIFY(team.meanRestMinutes.has_value());
            QCOMPARE(teams.item(row, 9)->text(), Text(HoursText(*team.meanRestMinutes)));
            // The bars stand in reverse, the first team on top.
            const int bar = mean->count() - 1 - row;
            QCOMPARE(mean->at(bar), Hours(*team.meanRestMinutes));
            QCOMPARE(shortest->at(bar), Hours(static_cast<double>(*team.shortestRestMinutes)));
        }
        int weeks = 0;
        for (const cCourtReport& court : expected.courts) {
            weeks += static_cast<int>(court.weeks.size());
        }
        QCOMPARE(dialog.Tables()[5]->rowCount(), weeks);

        // All courts together, then one: the bars are that court's weeks.
        const auto usedHours = [](const cCourtReport& court) {
            double hours = 0;
            for (const cCourtWeek& week : court.weeks) {
                hours += Hours(static_cast<double>(week.usedMinutes));
            }
            return hours;
        };
        double allUsed = 0;
        for (const cCourtReport& court : expected.courts) {
            allUsed += usedHours(court);
        }
        QVERIFY(allUsed > 0);
        QVERIFY(std::abs(Sum(*SetNamed(dialog.CourtUseView(), QStringLiteral("Used hours"))) - allUsed) <
                0.05 * weeks);
        dialog.CourtChoice().setCurrentIndex(2);
        const cCourtReport& second = expected.courts[1];
        QVERIFY(dialog.CourtUseView().chart()->title().endsWith(Text(second.name)));
        const QBarSet* free = SetNamed(dialog.CourtUseView(), QStringLiteral("Free hours"));
        QCOMPARE(free->count(), int(second.weeks.size()));
        for (int i = 0; i < free->count(); ++i) {
            QCOMPARE(free->at(i),
                     Hours(static_cast<double>(second.weeks[static_cast<std::size_t>(i)].freeMinutes)));
        }
        QCOMPARE(Sum(*SetNamed(dialog.CourtUseView(), QStringLiteral("Used hours"))), usedHours(second));
        dialog.grab();
    };
    f.Open();
    QCOMPARE(f.m_nReports, 1);
    QVERIFY(f.m_prompt.m_ids.empty());
}

void tst_ScheduleReport::PrintsAndSavesAPdf()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty()) {
        QSKIP("pdfinfo (poppler-utils) is not installed");
    }
    cReportFixture f;
    f.inspect = [](CScheduleReportDialog& dialog) {
        dialog.SavePdfButton().click();
        dialog.PrintButton().click();
        dialog.PreviewButton().click();
    };
    f.Open();
    QCOMPARE(f.m_nPreviews, 1);
    // The name asked for gets the extension of the file type.
    for (const char* pdf : {"saved.pdf", "printed.pdf"}) {
        QFile file(f.Path(pdf));
        QVERIFY2(file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-", pdf);
        // Two pages of charts, then the tables.
        QVERIFY2(PdfPages(f.Path(pdf)) >= 3, pdf);
    }
    QVERIFY(f.m_prompt.m_ids.empty());
}

// Each opening counts the season as it stands: a match taken out of the
// schedule is one scheduled less, and a round more of the league, once the
// unscheduled matches are regenerated, fifteen unscheduled more (six teams).
void tst_ScheduleReport::CountsTheSeasonAsItStandsWhenOpened()
{
    cReportFixture f;
    std::vector<std::pair<int, int>> counts; // the first league's scheduled and unscheduled
    f.inspect = [&counts](CScheduleReportDialog& dialog) {
        const QTableWidget& leagues = *dialog.Tables()[0];
        counts.emplace_back(leagues.item(0, 2)->text().toInt(), leagues.item(0, 3)->text().toInt());
    };
    f.Open();
    cLeague* league = nullptr;
    for (cLeague& candidate : f.Doc().Leagues().AllItems<cLeague>()) {
        league = league == nullptr ? &candidate : league;
    }
    QVERIFY(league != nullptr && league->Teams().GetCount() == 6);
    cMatch* first = nullptr;
    for (cMatch& match : f.Doc().Scheduled().AllItems<cMatch>()) {
        first = first == nullptr && match.m_nLeague == league->m_nIndex ? &match : first;
    }
    QVERIFY(first != nullptr);
    QVERIFY(f.Doc().Scheduled().DeleteItem(*first, f.Doc()));
    league->m_nRounds += 1;
    f.Doc().Unscheduled().m_bUpToDate = 0;
    f.Open();
    QCOMPARE(counts.size(), std::size_t(2));
    QCOMPARE(counts[1].first, counts[0].first - 1);
    QCOMPARE(counts[1].second, counts[0].second + 1 + 15);
}

// The three charts drawn into one picture hold more than a blank page; with
// TOURNEL_REPORT_PNG set, those of the example season, scheduled, are saved there.
void tst_ScheduleReport::ChartsPicture()
{
    cReportFixture f;
    const QImage image = ReportChartsImage(BuildScheduleReport(f.Doc()), 600);
    QVERIFY(image.height() > image.width());
    int coloured = 0;
    for (int y = 0; y < image.height(); y += 4) {
        for (int x = 0; x < image.width(); x += 4) {
            const QColor pixel = image.pixelColor(x, y);
            coloured += pixel.saturation() > 60 ? 1 : 0;
        }
    }
    QVERIFY(coloured > image.width() * image.height() / 16 / 50);

    const QByteArray target = qgetenv("TOURNEL_REPORT_PNG");
    if (target.isEmpty()) {
        return;
    }
    cQtScriptedPrompt prompt;
    CTournelDoc doc;
    doc.SetPrompt(&prompt);
    doc.SetFixedSeed(7);
    QVERIFY(doc.OnOpenDocument(TOURNEL_EXAMPLE_SEASON));
    ScheduleAutomatically(doc);
    RebuildUnscheduled(doc);
    // A palette of 256 colours keeps the picture small enough for the guide.
    const QImage charts =
        ReportChartsImage(BuildScheduleReport(doc), 900)
            .convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    QVERIFY(charts.save(QString::fromLocal8Bit(target)));
    doc.SetPrompt(nullptr);
}

QTEST_MAIN(tst_ScheduleReport)
#include "ScheduleReport_test.moc"
