#pragma once

// The print and output commands of the File menu: the shown directory
// printed, previewed or written to a file, the special prints, the
// calendar export and the website.

#include "ui/commands/cCommandHandler.h"
#include "ui/print/PrintPages.h"

#include <QString>

#include <functional>
#include <memory>

class QPrinter;
class cTournelDb;

class cPrintCommands : public cCommandHandler
{
public:
    explicit cPrintCommands(CMainFrame& frame);
    ~cPrintCommands();

    // "&Print...", "Print Pre&view..." (with "Save as PDF...") and "P&rint
    // Setup..." of the shown directory, and "&Write to File...".
    void OnFilePrint();
    void OnPrintPreview();
    void OnPrintSetup();
    void OnWriteToFile();
    // The special prints; each prints, or writes the file its dialog asks for.
    void OnPrintSchedule();
    void OnPrintTables();
    void OnPrintContent();
    void OnExportCalendar();
    // View > Schedule Report: the report of the season as it stands, in a
    // modal window that prints it and saves it as a PDF file.
    void OnScheduleReport();
    // "Publish &Website...": the season as a static website in a folder.
    void OnPublishWebsite();
    // The printer of this window's prints, with the set-up chosen so far.
    QPrinter& Printer();
    // The name of a file to write: the frame's file name hook, or a save
    // dialog with `filter` and a default suffix; empty when cancelled.
    QString AskOutputName(const QString& suggested, const QString& filter, const QString& suffix);

private:
    // The shown directory brought up to date for printing or writing; null
    // (with the message shown) when there is none or it holds nothing.
    cTournelDb* DirectoryToPrint();
    // Asks where the print goes and prints the pages laid out for it.
    void PrintJob(const PageLayout& layout);
    bool ChoosePrinter(QPrinter& printer);
    // Asks for a PDF file's name and lets `print` draw into it.
    void SaveAsPdf(const QString& suggested, const std::function<void(QPrinter&)>& print);
    // The same with the filter and default extension of the file writers' `kind`.
    // `spreadsheet`: a CSV file is offered besides the kind's own forms.
    QString AskOutputName(const QString& suggested, int kind, bool spreadsheet = true);

    std::unique_ptr<QPrinter> m_pPrinter; // made on the first print
};
