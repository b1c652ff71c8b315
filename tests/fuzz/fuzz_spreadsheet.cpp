// Feeds arbitrary files to the spreadsheet import: the first byte chooses
// what is imported (teams, officials, court time, results), the rest is the
// file. The season is the example season with its matches scheduled, so that
// results find their matches. Whatever the file, the import must leave a
// season that saves and opens to the same bytes, report one line per row, and
// every table the parser reads must come back the same when written and read
// again.

#include "document/DatabaseFile.h"
#include "document/FileIo.h"
#include "input/CsvImport.h"
#include "model/cDatabase.h"
#include "output/Csv.h"
#include "scheduling/AutoScheduler.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void Check(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

const std::string& Season()
{
    static const std::string bytes = [] {
        cSilentPrompt silent;
        cDatabase db;
        db.SetPrompt(&silent);
        const std::optional<std::string> file = ReadWholeFile(TOURNEL_EXAMPLE_SEASON);
        Check(file.has_value() && ReadDatabase(*file, db, silent) == eReadStatus::kOk);
        db.m_random.Seed(1);
        ScheduleAutomatically(db);
        return WriteDatabase(db);
    }();
    return bytes;
}

std::string Write(const cCsvTable& table)
{
    std::string text = table.header.empty() ? std::string() : CsvLine(table.header);
    for (const cCsvTable::cRow& row : table.rows) {
        text += CsvLine(row.cells);
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    const auto kind = static_cast<eImportKind>(data[0] % kImportKinds);
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    const cCsvTable table = ReadCsv(text);
    if (table.error.empty()) {
        const cCsvTable again = ReadCsv(Write(table));
        Check(again.error.empty() && again.header == table.header && again.rows.size() == table.rows.size());
        for (std::size_t k = 0; k < table.rows.size(); ++k) {
            Check(again.rows[k].cells == table.rows[k].cells);
        }
    }

    cSilentPrompt silent;
    cDatabase db;
    db.SetPrompt(&silent);
    Check(ReadDatabase(Season(), db, silent) == eReadStatus::kOk);
    const cImportReport report = ImportCsv(db, kind, 0, text);
    Check(report.error.empty() || report.rows.empty());
    Check(report.error.empty() == table.error.empty() || !report.error.empty());
    if (report.error.empty()) {
        Check(report.rows.size() == table.rows.size());
    }
    const std::string saved = WriteDatabase(db);
    cDatabase reopened;
    reopened.SetPrompt(&silent);
    Check(ReadDatabase(saved, reopened, silent) == eReadStatus::kOk);
    Check(WriteDatabase(reopened) == saved);
    return 0;
}
