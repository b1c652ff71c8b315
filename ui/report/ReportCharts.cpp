#include "ui/report/ReportCharts.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QHorizontalBarSeries>
#include <QHorizontalStackedBarSeries>
#include <QPainter>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <set>

namespace {

QString ToQString(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

double Hours(std::int64_t minutes)
{
    return std::round(static_cast<double>(minutes) / 6.0) / 10.0;
}

QChart* NewChart(const QString& title)
{
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

// A value axis from 0 that ends on a round number above `highest`.
QValueAxis* ValueAxis(double highest, const QString& title)
{
    auto* axis = new QValueAxis;
    axis->setRange(0, std::max(1.0, highest));
    axis->applyNiceNumbers();
    axis->setLabelFormat(QStringLiteral("%g"));
    axis->setTitleText(title);
    return axis;
}

// Horizontal bars list their first category at the bottom: the teams go in
// backwards, so that the first stands on top as in the tables.
template <class T> QList<T> Backwards(QList<T> list)
{
    std::reverse(list.begin(), list.end());
    return list;
}

} // namespace

QStringList TeamLabels(const cScheduleReport& report)
{
    QStringList labels;
    std::set<QString> taken;
    for (const cTeamReport& team : report.teams) {
        const QString base =
            ToQString(team.team) + QStringLiteral(" (") + ToQString(team.league) + QLatin1Char(')');
        QString label = base;
        // A category axis merges equal names: a repeated one gets a number.
        for (int n = 2; taken.contains(label); ++n) {
            label = base + QLatin1Char(' ') + QString::number(n);
        }
        taken.insert(label);
        labels << label;
    }
    return labels;
}

QChart* MakeCourtUseChart(const cScheduleReport& report, int court)
{
    QString which = QStringLiteral("all courts");
    std::vector<std::int64_t> used;
    std::vector<std::int64_t> free;
    QStringList weeks;
    for (const cCourtReport& courtReport : report.courts) {
        if (court >= 0 && courtReport.court != court) {
            continue;
        }
        if (court >= 0) {
            which = ToQString(courtReport.name);
        }
        used.resize(courtReport.weeks.size(), 0);
        free.resize(courtReport.weeks.size(), 0);
        weeks.clear();
        for (std::size_t i = 0; i < courtReport.weeks.size(); ++i) {
            used[i] += courtReport.weeks[i].usedMinutes;
            free[i] += courtReport.weeks[i].freeMinutes;
            // "W12"; the year shows where it changes.
            const std::string& label = courtReport.weeks[i].week;
            weeks << (i == 0 || label.substr(0, 4) != courtReport.weeks[i - 1].week.substr(0, 4)
                          ? ToQString(label)
                          : ToQString(label.substr(5)));
        }
    }
    QChart* chart = NewChart(QStringLiteral("Court use per week: ") + which);
    auto* usedSet = new QBarSet(QStringLiteral("Used hours"));
    auto* freeSet = new QBarSet(QStringLiteral("Free hours"));
    double highest = 0;
    for (std::size_t i = 0; i < used.size(); ++i) {
        usedSet->append(Hours(used[i]));
        freeSet->append(Hours(free[i]));
        highest = std::max(highest, Hours(used[i]) + Hours(free[i]));
    }
    auto* series = new QStackedBarSeries;
    series->append(usedSet);
    series->append(freeSet);
    chart->addSeries(series);
    auto* axisX = new QBarCategoryAxis;
    axisX->append(weeks);
    if (weeks.size() > 12) {
        axisX->setLabelsAngle(-90);
    }
    chart->addAxis(axisX, Qt::AlignBottom);
    series->attachAxis(axisX);
    QValueAxis* axisY = ValueAxis(highest, QStringLiteral("Hours"));
    chart->addAxis(axisY, Qt::AlignLeft);
    series->attachAxis(axisY);
    return chart;
}

QChart* MakeRestChart(const cScheduleReport& report)
{
    QChart* chart =
        NewChart(QStringLiteral("Rest between matches per team (hours from start to next start)"));
    auto* shortest = new QBarSet(QStringLiteral("Shortest rest"));
    auto* mean = new QBarSet(QStringLiteral("Mean rest"));
    double highest = 0;
    QList<double> shortestValues;
    QList<double> meanValues;
    for (const cTeamReport& team : report.teams) {
        const double low = team.shortestRestMinutes ? Hours(*team.shortestRestMinutes) : 0.0;
        const double average = team.meanRestMinutes ? std::round(*team.meanRestMinutes / 6.0) / 10.0 : 0.0;
        shortestValues << low;
        meanValues << average;
        highest = std::max(highest, average);
    }
    shortest->append(Backwards(shortestValues));
    mean->append(Backwards(meanValues));
    auto* series = new QHorizontalBarSeries;
    series->append(shortest);
    series->append(mean);
    chart->addSeries(series);
    auto* axisY = new QBarCategoryAxis;
    axisY->append(Backwards(TeamLabels(report)));
    chart->addAxis(axisY, Qt::AlignLeft);
    series->attachAxis(axisY);
    QValueAxis* axisX = ValueAxis(highest, QStringLiteral("Hours"));
    chart->addAxis(axisX, Qt::AlignBottom);
    series->attachAxis(axisX);
    return chart;
}

QChart* MakeStartHourChart(const cScheduleReport& report)
{
    QChart* chart = NewChart(QStringLiteral("Matches per start hour per team"));
    auto* series = new QHorizontalStackedBarSeries;
    int highest = 0;
    for (const cTeamReport& team : report.teams) {
        highest = std::max(highest, team.scheduled);
    }
    for (const int hour : report.StartHours()) {
        auto* set = new QBarSet(QStringLiteral("%1:00").arg(hour, 2, 10, QLatin1Char('0')));
        QList<double> values;
        for (const cTeamReport& team : report.teams) {
            values << team.perHour[static_cast<std::size_t>(hour)];
        }
        set->append(Backwards(values));
        series->append(set);
    }
    chart->addSeries(series);
    auto* axisY = new QBarCategoryAxis;
    axisY->append(Backwards(TeamLabels(report)));
    chart->addAxis(axisY, Qt::AlignLeft);
    series->attachAxis(axisY);
    QValueAxis* axisX = ValueAxis(highest, QStringLiteral("Matches"));
    chart->addAxis(axisX, Qt::AlignBottom);
    series->attachAxis(axisX);
    return chart;
}

QSize CourtUseChartSize(const cScheduleReport& report)
{
    const std::size_t weeks = report.courts.empty() ? 0 : report.courts.front().weeks.size();
    return {std::max(800, static_cast<int>(weeks) * 28 + 160), 420};
}

QSize TeamChartSize(const cScheduleReport& report)
{
    return {800, std::max(300, static_cast<int>(report.teams.size()) * 26 + 160)};
}

void RenderChart(QChart* chart, QSize size, QPainter& painter, const QRectF& target)
{
    QGraphicsScene scene;
    scene.addItem(chart);
    chart->setGeometry(QRectF(QPointF(0, 0), QSizeF(size)));
    chart->layout()->activate();
    scene.setSceneRect(chart->geometry());
    scene.render(&painter, target, scene.sceneRect());
    // The scene deletes the chart with itself.
}

QImage ReportChartsImage(const cScheduleReport& report, int width)
{
    const QSize court = CourtUseChartSize(report);
    const QSize team = TeamChartSize(report);
    const auto heightAt = [width](QSize size) {
        return static_cast<int>(std::lround(static_cast<double>(size.height()) * width / size.width()));
    };
    const int courtHeight = heightAt(court);
    const int teamHeight = heightAt(team);
    QImage image(width, courtHeight + 2 * teamHeight, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    RenderChart(MakeCourtUseChart(report, -1), court, painter, QRectF(0, 0, width, courtHeight));
    RenderChart(MakeRestChart(report), team, painter, QRectF(0, courtHeight, width, teamHeight));
    RenderChart(MakeStartHourChart(report), team, painter,
                QRectF(0, courtHeight + teamHeight, width, teamHeight));
    return image;
}
