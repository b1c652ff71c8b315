#include "ui/print/PrintToPdf.h"

#include "document/CTournelDoc.h"
#include "model/Strings.h"
#include "model/cUserPrompt.h"
#include "output/Export.h"
#include "output/PrintLayout.h"
#include "output/PrintValues.h"
#include "scheduling/MatchGeneration.h"
#include "ui/print/PrintPages.h"

#include <QFileInfo>
#include <QPrinter>

#include <ostream>

namespace {

// Messages and questions on standard error, every question answered No.
class cErrorStreamPrompt : public cUserPrompt
{
public:
    explicit cErrorStreamPrompt(std::ostream& err)
        : m_err(err)
    {
    }
    using cUserPrompt::AskYesNo;
    using cUserPrompt::ShowMessage;
    void ShowMessage(int, std::string_view text) override { m_err << text << '\n'; }
    bool AskYesNo(int, std::string_view text) override
    {
        m_err << text << '\n' << "Answer: No\n";
        return false;
    }
    void BeginProgress(std::string_view) override {}
    void SetProgress(int) override {}
    bool PollCancel() override { return false; }
    void EndProgress() override {}

private:
    std::ostream& m_err;
};

} // namespace

int PrintToPdf(const QString& database, const QString& kind, const QString& pdf, std::ostream& err)
{
    const std::string kindName = kind.toStdString();
    const bool directoryPrint = IsDirectoryName(kindName);
    if (kind != QLatin1String("schedule") && kind != QLatin1String("tables") &&
        kind != QLatin1String("content") && !directoryPrint) {
        err << "--print takes schedule, tables, content or a directory: " << kDirectoryNames << '\n';
        return 2;
    }
    cErrorStreamPrompt prompt(err);
    CTournelDoc doc;
    doc.SetPrompt(&prompt);
    const QString absolute = QFileInfo(database).absoluteFilePath();
    if (!doc.OnOpenDocument(absolute.toStdString())) {
        doc.SetPrompt(nullptr);
        return 1;
    }
    if (doc.GetPathName().empty()) {
        doc.SetPathName(absolute.toStdString());
    }

    PageLayout layout;
    int refusal = 0;
    if (directoryPrint) {
        // The directory as the window shows it, a derived list brought up to date first.
        cTournelDb* directory = NamedDirectory(doc, kindName);
        if (directory == &doc.Unscheduled()) {
            RebuildUnscheduled(doc);
        }
        directory->Refresh();
        refusal = DirectoryPrintRefusal(directory);
        layout = [directory](const cPrintSizing& sizing) { return DirectoryPages(*directory, sizing); };
    } else if (kind == QLatin1String("schedule")) {
        const cSchedulePrintValues values = cSchedulePrintValues::FromDatabase(doc);
        if (const cValidation error = Validate(values)) {
            prompt.ShowMessage(error->messageId, error->text);
            doc.SetPrompt(nullptr);
            return 1;
        }
        const cScheduleExport job = values.Export();
        refusal = SchedulePrintRefusal(doc, job);
        layout = [&doc, job](const cPrintSizing& sizing) { return SchedulePages(doc, job, sizing); };
    } else if (kind == QLatin1String("tables")) {
        const cTablesExport job = cTablePrintValues::FromDatabase(doc).Export();
        refusal = TablePrintRefusal(doc, job);
        layout = [&doc, job](const cPrintSizing& sizing) { return TablePages(doc, job, sizing); };
    } else {
        // The summary counts the matches still to be played.
        RebuildUnscheduled(doc);
        const cContentPrintValues values;
        const std::string title = doc.GetTitle();
        layout = [&doc, values, title](const cPrintSizing& sizing) {
            return ContentPages(doc, title, values.courts, values.leagues, sizing);
        };
    }
    int status = 0;
    if (refusal != 0) {
        prompt.ShowMessage(refusal);
        status = 1;
    } else {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setDocName(QFileInfo(database).fileName());
        printer.setOutputFileName(pdf);
        if (!PrintPages(printer, doc, layout)) {
            prompt.ShowMessage(IDS_UNABLE_TO_OPEN_FILE);
            status = 1;
        }
    }
    doc.SetPrompt(nullptr);
    return status;
}
