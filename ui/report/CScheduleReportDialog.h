#pragma once

// View > Schedule Report: how fair the schedule is, as charts (the court use
// per week, of one court or all; the rest between matches and the start
// hours per team) and as the tables of numbers, with buttons that print,
// preview and save the report as a PDF file. It is modal and shows the
// numbers it was given when it opened, so nothing can change under it; it
// changes nothing in the document.

#include "output/ScheduleReport.h"

#include <QDialog>

#include <functional>
#include <vector>

class QChartView;
class QComboBox;
class QPushButton;
class QTableWidget;
class QTabWidget;
class cDatabase;

class CScheduleReportDialog : public QDialog
{
    Q_OBJECT

public:
    // What the buttons run; the dialog knows no printer of its own.
    struct cActions
    {
        std::function<void()> print;
        std::function<void()> preview;
        std::function<void()> savePdf;
    };

    // `style` gives the date format of the tables.
    CScheduleReportDialog(cScheduleReport report, const cDatabase& style, cActions actions,
                          QWidget* parent = nullptr);

    const cScheduleReport& Report() const { return m_report; }
    // The tables in the order of ScheduleReportTables.
    const std::vector<QTableWidget*>& Tables() const { return m_tables; }
    QComboBox& CourtChoice() const { return *m_pCourt; }
    QChartView& CourtUseView() const { return *m_pCourtUse; }
    QChartView& RestView() const { return *m_pRest; }
    QChartView& StartHourView() const { return *m_pStartHours; }
    QTabWidget& Tabs() const { return *m_pTabs; }
    QPushButton& PrintButton() const { return *m_pPrint; }
    QPushButton& PreviewButton() const { return *m_pPreview; }
    QPushButton& SavePdfButton() const { return *m_pSavePdf; }

private:
    void ShowCourt(int choice);

    cScheduleReport m_report;
    QTabWidget* m_pTabs = nullptr;
    QComboBox* m_pCourt = nullptr;
    QChartView* m_pCourtUse = nullptr;
    QChartView* m_pRest = nullptr;
    QChartView* m_pStartHours = nullptr;
    std::vector<QTableWidget*> m_tables;
    QPushButton* m_pPrint = nullptr;
    QPushButton* m_pPreview = nullptr;
    QPushButton* m_pSavePdf = nullptr;
};
