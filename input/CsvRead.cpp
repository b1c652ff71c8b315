#include "input/CsvImport.h"
#include "model/Strings.h"
#include "output/Csv.h"

#include <algorithm>
#include <csv.h>

namespace {

// What libcsv hands over while a text is parsed, line by line.
struct cParseState
{
    cCsvTable* table = nullptr;
    std::vector<std::string> cells;
    int line = 0;       // the line being parsed
    int recordLine = 0; // the first line of the record being parsed, 0 before it
};

void OnField(void* data, std::size_t size, void* context)
{
    auto& state = *static_cast<cParseState*>(context);
    state.cells.emplace_back(data != nullptr ? static_cast<const char*>(data) : "", size);
}

void OnRecord(int, void* context)
{
    auto& state = *static_cast<cParseState*>(context);
    if (state.recordLine == 0) {
        state.recordLine = state.line;
    }
    for (std::string& cell : state.cells) {
        cell = CsvCellText(cell);
    }
    if (state.table->header.empty() && state.table->rows.empty()) {
        state.table->header = std::move(state.cells);
    } else {
        state.table->rows.push_back({state.recordLine, std::move(state.cells)});
    }
    state.cells.clear();
    state.recordLine = 0;
}

int IsBlank(unsigned char c)
{
    return c == CSV_SPACE ? 1 : 0;
}

// The separator of the header row's unquoted text: a comma, else a
// semicolon, else a tab; a comma when it holds none of them.
unsigned char Separator(std::string_view text)
{
    bool quoted = false;
    bool semicolon = false;
    bool tab = false;
    for (const char c : text) {
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && (c == '\n' || c == '\r')) {
            break;
        } else if (!quoted && c == ',') {
            return CSV_COMMA;
        } else if (!quoted) {
            semicolon = semicolon || c == ';';
            tab = tab || c == '\t';
        }
    }
    return semicolon ? ';' : tab ? CSV_TAB : CSV_COMMA;
}

} // namespace

std::string LineMessage(int line, std::string_view text)
{
    return FormatString(IDS_CSV_LINE, {std::to_string(line), text});
}

cCsvTable ReadCsv(std::string_view text)
{
    cCsvTable table;
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    csv_parser parser{};
    if (csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI | CSV_APPEND_NULL) != 0) {
        table.error = GetString(IDS_UNABLE_TO_OPEN_FILE);
        return table;
    }
    const unsigned char separator = Separator(text);
    csv_set_delim(&parser, separator);
    if (separator == CSV_TAB) {
        csv_set_space_func(&parser, IsBlank);
    }
    cParseState state;
    state.table = &table;
    bool failed = false;
    while (!text.empty() && !failed) {
        ++state.line;
        const std::size_t end = text.find('\n');
        const std::string_view chunk = text.substr(0, end == std::string_view::npos ? text.size() : end + 1);
        text.remove_prefix(chunk.size());
        // Records end at line ends, so a line with more than blanks while no
        // record is open starts one (a quoted line break keeps it open).
        if (state.recordLine == 0 && chunk.find_first_not_of(" \t\r\n") != std::string_view::npos) {
            state.recordLine = state.line;
        }
        failed = csv_parse(&parser, chunk.data(), chunk.size(), OnField, OnRecord, &state) != chunk.size();
    }
    if (!failed) {
        failed = csv_fini(&parser, OnField, OnRecord, &state) != 0;
    }
    if (failed) {
        table.error = LineMessage(std::max(state.line, 1), csv_strerror(csv_error(&parser)));
    }
    csv_free(&parser);
    return table;
}
