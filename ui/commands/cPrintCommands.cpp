#include "ui/commands/cPrintCommands.h"

#include "model/Strings.h"
#include "output/Export.h"
#include "output/PrintLayout.h"
#include "output/PrintValues.h"
#include "output/ScheduleReport.h"
#include "output/Website.h"
#include "ui/dialogs/CCalendarExportDialog.h"
#include "ui/dialogs/CWebsiteDialog.h"
#include "ui/dialogs/DialogFields.h"
#include "ui/print/CContentPrintDialog.h"
#include "ui/print/CSchedulePrintDialog.h"
#include "ui/print/CTablePrintDialog.h"
#include "ui/report/CScheduleReportDialog.h"
#include "ui/report/ScheduleReportPrint.h"
#include "ui/window/cViewSync.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSettings>
#include <QToolBar>

#include <span>

namespace {

QString Text(int id)
{
    return QString::fromUtf8(GetString(id));
}

// A save dialog's file types in Qt's form: "Web Files (*.htm);;Text Files (*.txt)".
QString QtFilter(std::span<const cFileType> types)
{
    QStringList filters;
    for (const cFileType& type : types) {
        filters << QStringLiteral("%1 (%2)").arg(ToQString(type.description), ToQString(type.pattern));
    }
    return filters.join(QStringLiteral(";;"));
}

} // namespace

cPrintCommands::cPrintCommands(CMainFrame& frame)
    : cCommandHandler(frame)
{
}

cPrintCommands::~cPrintCommands() = default;

QPrinter& cPrintCommands::Printer()
{
    if (!m_pPrinter) {
        m_pPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_pPrinter->setDocName(QStringLiteral("Tournel"));
    }
    return *m_pPrinter;
}

bool cPrintCommands::ChoosePrinter(QPrinter& printer)
{
    if (m_frame.m_fnChoosePrinter) {
        return m_frame.m_fnChoosePrinter(printer);
    }
    // The platform's dialog offers printing to a PDF file besides the printers.
    QPrintDialog dialog(&printer, &m_frame);
    return m_frame.RunDialog(dialog) == QDialog::Accepted;
}

void cPrintCommands::PrintJob(const PageLayout& layout)
{
    QPrinter& printer = Printer();
    if (!ChoosePrinter(printer)) {
        return;
    }
    // A print turned to keep its columns on the page leaves the set-up as the user made it.
    const cKeepOrientation keep(printer);
    if (!PrintPages(printer, m_doc, layout)) {
        m_doc.Prompt().ShowMessage(IDS_UNABLE_TO_OPEN_FILE);
    }
}

QString cPrintCommands::AskOutputName(const QString& suggested, const QString& filter, const QString& suffix)
{
    if (m_frame.m_fnAskFileName) {
        return m_frame.m_fnAskFileName(true, suggested);
    }
    // Outputs go beside the database unless the user goes elsewhere.
    QString start = suggested;
    if (!m_doc.GetPathName().empty() && QFileInfo(suggested).isRelative()) {
        start = QFileInfo(QString::fromStdString(m_doc.GetPathName())).dir().filePath(suggested);
    }
    QFileDialog dialog(&m_frame, QStringLiteral("Save As"), start, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    // A name typed without extension gets the one of the chosen file type.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, suffix](const QString& chosen) {
                         const qsizetype star = chosen.indexOf(QStringLiteral("*."));
                         const qsizetype close = chosen.indexOf(QLatin1Char(')'), star);
                         dialog.setDefaultSuffix(
                             star >= 0 && close > star ? chosen.mid(star + 2, close - star - 2) : suffix);
                     });
    if (m_frame.RunDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().front();
}

QString cPrintCommands::AskOutputName(const QString& suggested, int kind, bool spreadsheet)
{
    const std::span<const cFileType> types = OutputFileTypes(kind);
    QString filter = QtFilter(types);
    if (spreadsheet) {
        filter += QStringLiteral(";;Spreadsheet file (*.csv)");
    }
    return AskOutputName(suggested, filter, types.empty() ? QString() : ToQString(types.front().suffix));
}

void cPrintCommands::SaveAsPdf(const QString& suggested, const std::function<void(QPrinter&)>& print)
{
    QString path = AskOutputName(suggested, QStringLiteral("PDF file (*.pdf)"), QStringLiteral("pdf"));
    if (path.isEmpty()) {
        return;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".pdf");
    }
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setPageLayout(Printer().pageLayout());
    pdf.setOutputFileName(path);
    print(pdf);
}

cTournelDb* cPrintCommands::DirectoryToPrint()
{
    cTournelDb* directory = m_frame.CurrentContainer();
    if (directory != nullptr) {
        // A list derived from the rest of the season is printed as it stands now,
        // and as the view filter shows it.
        m_frame.Views().RegenerateDerivedList(*directory);
        m_frame.Views().BringViewsUpToDate();
        directory = m_frame.CurrentContainer();
        if (directory != nullptr) {
            directory->Refresh();
        }
    }
    if (const int refusal = DirectoryPrintRefusal(directory)) {
        m_doc.Prompt().ShowMessage(refusal);
        return nullptr;
    }
    return directory;
}

void cPrintCommands::OnFilePrint()
{
    if (cTournelDb* directory = DirectoryToPrint()) {
        PrintJob([directory](const cPrintSizing& sizing) { return DirectoryPages(*directory, sizing); });
    }
}

void cPrintCommands::OnPrintPreview()
{
    cTournelDb* directory = DirectoryToPrint();
    if (directory == nullptr) {
        return;
    }
    const PageLayout layout = [directory](const cPrintSizing& sizing) {
        return DirectoryPages(*directory, sizing);
    };
    // The preview turns its page when the print needs it; the set-up stays the user's.
    const cKeepOrientation keep(Printer());
    QPrintPreviewDialog preview(&Printer(), &m_frame);
    preview.setWindowTitle(QStringLiteral("Print Preview"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [this, &layout](QPrinter* printer) { PrintPages(*printer, m_doc, layout); });
    if (auto* bar = preview.findChild<QToolBar*>()) {
        bar->addSeparator();
        QAction* pdf = bar->addAction(QStringLiteral("Save as PDF..."));
        pdf->setToolTip(QStringLiteral("Save the pages as a PDF file"));
        const QString name = Text(directory->m_nTitleId);
        QObject::connect(pdf, &QAction::triggered, &preview, [this, &layout, name] {
            SaveAsPdf(name, [this, &layout](QPrinter& pdf) {
                if (!PrintPages(pdf, m_doc, layout)) {
                    m_doc.Prompt().ShowMessage(IDS_UNABLE_TO_OPEN_FILE);
                }
            });
        });
    }
    m_frame.RunDialog(preview);
}

void cPrintCommands::OnPrintSetup()
{
    QPageSetupDialog dialog(&Printer(), &m_frame);
    m_frame.RunDialog(dialog);
}

void cPrintCommands::OnWriteToFile()
{
    cTournelDb* directory = DirectoryToPrint();
    if (directory == nullptr) {
        return;
    }
    const QString path = AskOutputName(Text(directory->m_nTitleId), 1);
    if (!path.isEmpty()) {
        WriteDirectoryFile(m_doc, *directory, ToStdString(path));
    }
}

void cPrintCommands::OnPrintSchedule()
{
    cSchedulePrintValues values;
    if (!RunSchedulePrintDialog(m_doc, &m_frame, values)) {
        return;
    }
    m_frame.UpdateTitle();
    const cScheduleExport job = values.Export();
    if (values.writeToFile) {
        const QString path = AskOutputName(QStringLiteral("Schedule"), -1);
        if (!path.isEmpty()) {
            WriteScheduleFile(m_doc, job, ToStdString(path));
        }
        return;
    }
    if (const int refusal = SchedulePrintRefusal(m_doc, job)) {
        m_doc.Prompt().ShowMessage(refusal);
        return;
    }
    PrintJob([this, &job](const cPrintSizing& sizing) { return SchedulePages(m_doc, job, sizing); });
}

void cPrintCommands::OnPrintTables()
{
    cTablePrintValues values;
    if (!RunTablePrintDialog(m_doc, &m_frame, values)) {
        return;
    }
    // The tables were brought up to date: a shown table shows its new order.
    m_frame.Views().BringViewsUpToDate();
    m_frame.UpdateTitle();
    const cTablesExport job = values.Export();
    if (values.writeToFile) {
        const QString path = AskOutputName(QStringLiteral("Tables"), -1);
        if (!path.isEmpty()) {
            WriteTablesFile(m_doc, job, ToStdString(path));
        }
    } else if (const int refusal = TablePrintRefusal(m_doc, job)) {
        m_doc.Prompt().ShowMessage(refusal);
    } else {
        PrintJob([this, &job](const cPrintSizing& sizing) { return TablePages(m_doc, job, sizing); });
    }
    m_frame.Views().BringViewsUpToDate();
}

void cPrintCommands::OnExportCalendar()
{
    cCalendarExportValues values;
    if (!RunCalendarExportDialog(m_doc, &m_frame, values)) {
        return;
    }
    QString path = AskOutputName(QStringLiteral("Schedule"), QStringLiteral("iCalendar file (*.ics)"),
                                 QStringLiteral("ics"));
    if (path.isEmpty()) {
        return;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".ics");
    }
    WriteCalendarFile(m_doc, values.Export(), ToStdString(path));
}

void cPrintCommands::OnPublishWebsite()
{
    // The folder is remembered for each season file, so that publishing
    // another season never writes into this one's website.
    const std::string document = m_doc.GetPathName();
    const QString key =
        QStringLiteral("Website/") + QString::fromLatin1(QByteArray::fromStdString(document).toHex());
    const cWebsiteValues defaults =
        cWebsiteValues::Defaults(document, ToStdString(m_frame.Profile().value(key).toString()));
    const auto browse = [this](const QString& current) -> QString {
        if (m_frame.m_fnAskFileName) {
            return m_frame.m_fnAskFileName(true, current);
        }
        return QFileDialog::getExistingDirectory(&m_frame, QStringLiteral("Publish Website"), current);
    };
    CWebsiteDialog dialog(m_doc, defaults, browse, &m_frame);
    if (m_frame.RunDialog(dialog) != QDialog::Accepted) {
        return;
    }
    const cWebsiteValues values = dialog.Chosen();
    m_frame.Profile().setValue(key, ToQString(values.folder));
    const cWebsiteRun run = WriteWebsite(m_doc, {.title = values.title, .now = m_doc.Now()}, values.folder);
    // The tables were brought up to date: a shown table shows its new order.
    m_frame.Views().BringViewsUpToDate();
    if (run.messageId == 0) {
        m_doc.Prompt().ShowMessage(IDS_SITE_WRITTEN, WebsiteRunText(run));
    }
}

void cPrintCommands::OnPrintContent()
{
    cContentPrintValues values;
    if (!RunContentPrintDialog(m_doc, &m_frame, values)) {
        return;
    }
    // The summary counts the matches still to be played.
    m_frame.Views().RegenerateDerivedList(m_doc.Unscheduled());
    m_frame.Views().BringViewsUpToDate();
    const std::string title = m_doc.GetTitle();
    if (values.writeToFile) {
        const QString path = AskOutputName(QStringLiteral("Content"), 1, false);
        if (!path.isEmpty()) {
            WriteContentFile(m_doc, title, values.courts, values.leagues, ToStdString(path));
        }
    } else {
        PrintJob([this, &title, &values](const cPrintSizing& sizing) {
            return ContentPages(m_doc, title, values.courts, values.leagues, sizing);
        });
    }
    m_frame.UpdateTitle();
    m_frame.UpdateCommands();
}

void cPrintCommands::OnScheduleReport()
{
    // The unscheduled matches are counted as their directory shows them.
    m_frame.Views().RegenerateDerivedList(m_doc.Unscheduled());
    m_frame.Views().BringViewsUpToDate();
    const cScheduleReport report = BuildScheduleReport(m_doc);
    const auto print = [this, &report](QPrinter& printer) {
        if (!PrintScheduleReport(printer, report, m_doc)) {
            m_doc.Prompt().ShowMessage(IDS_UNABLE_TO_OPEN_FILE);
        }
    };
    const auto savePdf = [this, &print] { SaveAsPdf(QStringLiteral("Schedule Report"), print); };
    CScheduleReportDialog::cActions actions;
    actions.print = [this, &print] {
        if (ChoosePrinter(Printer())) {
            print(Printer());
        }
    };
    QWidget* owner = &m_frame;
    actions.preview = [this, &print, &savePdf, &owner] {
        QPrintPreviewDialog preview(&Printer(), owner);
        preview.setWindowTitle(QStringLiteral("Print Preview"));
        QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                         [&print](QPrinter* printer) { print(*printer); });
        if (auto* bar = preview.findChild<QToolBar*>()) {
            bar->addSeparator();
            QAction* pdf = bar->addAction(QStringLiteral("Save as PDF..."));
            pdf->setToolTip(QStringLiteral("Save the pages as a PDF file"));
            QObject::connect(pdf, &QAction::triggered, &preview, savePdf);
        }
        m_frame.RunDialog(preview);
    };
    actions.savePdf = savePdf;
    CScheduleReportDialog dialog(report, m_doc, std::move(actions), &m_frame);
    owner = &dialog;
    m_frame.RunDialog(dialog);
    m_frame.UpdateTitle();
    m_frame.UpdateCommands();
}
