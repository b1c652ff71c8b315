#include "ui/report/CScheduleReportDialog.h"

#include "ui/report/ReportCharts.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QString ToQString(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QChartView* ChartView(QChart* chart, QSize size, QWidget* parent)
{
    auto* view = new QChartView(chart, parent);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(std::min(size.width(), 700), size.height());
    return view;
}

QTableWidget* TableWidget(const cReportTable& table, QWidget* parent)
{
    auto* widget = new QTableWidget(static_cast<int>(table.rows.size()),
                                    static_cast<int>(table.headings.size()), parent);
    QStringList headings;
    for (const std::string& heading : table.headings) {
        headings << ToQString(heading);
    }
    widget->setHorizontalHeaderLabels(headings);
    widget->setEditTriggers(QAbstractItemView::NoEditTriggers);
    widget->verticalHeader()->hide();
    for (std::size_t row = 0; row < table.rows.size(); ++row) {
        for (std::size_t column = 0; column < table.rows[row].size() && column < table.headings.size();
             ++column) {
            auto* item = new QTableWidgetItem(ToQString(table.rows[row][column]));
            const bool numeric = column < table.numeric.size() && table.numeric[column];
            item->setTextAlignment(Qt::AlignVCenter | (numeric ? Qt::AlignRight : Qt::AlignLeft));
            widget->setItem(static_cast<int>(row), static_cast<int>(column), item);
        }
    }
    widget->resizeColumnsToContents();
    return widget;
}

} // namespace

CScheduleReportDialog::CScheduleReportDialog(cScheduleReport report, const cDatabase& style, cActions actions,
                                             QWidget* parent)
    : QDialog(parent)
    , m_report(std::move(report))
{
    setWindowTitle(QStringLiteral("Schedule Report"));
    m_pTabs = new QTabWidget(this);

    // The charts, one under the other, scrolled.
    auto* charts = new QWidget;
    auto* chartsLayout = new QVBoxLayout(charts);
    auto* courtRow = new QHBoxLayout;
    m_pCourt = new QComboBox(charts);
    m_pCourt->addItem(QStringLiteral("All courts"), -1);
    for (const cCourtReport& court : m_report.courts) {
        m_pCourt->addItem(ToQString(court.name), court.court);
    }
    auto* courtLabel = new QLabel(QStringLiteral("&Court:"), charts);
    courtLabel->setBuddy(m_pCourt);
    courtRow->addWidget(courtLabel);
    courtRow->addWidget(m_pCourt);
    courtRow->addStretch();
    chartsLayout->addLayout(courtRow);
    m_pCourtUse = ChartView(MakeCourtUseChart(m_report, -1), CourtUseChartSize(m_report), charts);
    chartsLayout->addWidget(m_pCourtUse);
    m_pRest = ChartView(MakeRestChart(m_report), TeamChartSize(m_report), charts);
    chartsLayout->addWidget(m_pRest);
    m_pStartHours = ChartView(MakeStartHourChart(m_report), TeamChartSize(m_report), charts);
    chartsLayout->addWidget(m_pStartHours);
    auto* scroll = new QScrollArea;
    scroll->setWidget(charts);
    scroll->setWidgetResizable(true);
    m_pTabs->addTab(scroll, QStringLiteral("Charts"));
    connect(m_pCourt, &QComboBox::currentIndexChanged, this, &CScheduleReportDialog::ShowCourt);

    for (const cReportTable& table : ScheduleReportTables(m_report, style)) {
        m_tables.push_back(TableWidget(table, m_pTabs));
        m_pTabs->addTab(m_tables.back(), ToQString(table.title));
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_pPrint = buttons->addButton(QStringLiteral("&Print..."), QDialogButtonBox::ActionRole);
    m_pPreview = buttons->addButton(QStringLiteral("Print Pre&view..."), QDialogButtonBox::ActionRole);
    m_pSavePdf = buttons->addButton(QStringLiteral("Save as P&DF..."), QDialogButtonBox::ActionRole);
    connect(m_pPrint, &QPushButton::clicked, this, [run = std::move(actions.print)] { run(); });
    connect(m_pPreview, &QPushButton::clicked, this, [run = std::move(actions.preview)] { run(); });
    connect(m_pSavePdf, &QPushButton::clicked, this, [run = std::move(actions.savePdf)] { run(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* note =
        new QLabel(QStringLiteral("Rest runs from the start of a match to the start of the team's next "
                                  "one. Weeks are ISO weeks from Monday. Playoff matches count for "
                                  "courts and officials only."),
                   this);
    note->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pTabs);
    layout->addWidget(note);
    layout->addWidget(buttons);
    resize(960, 720);
}

void CScheduleReportDialog::ShowCourt(int choice)
{
    QChart* old = m_pCourtUse->chart();
    m_pCourtUse->setChart(MakeCourtUseChart(m_report, m_pCourt->itemData(choice).toInt()));
    delete old;
}
