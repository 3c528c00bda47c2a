#include "model/tables/table_text.h"

#include "common/error.h"

#include <algorithm>

namespace kelvane::tables {
namespace {

constexpr std::string_view kTablePrefix = "TABLE:";
constexpr std::string_view kEndOfData = "END TABLE DATA";

bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

std::string_view trimmed(std::string_view text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && isBlank(text[first]))
        ++first;
    while (last > first && isBlank(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}

bool isHeader(std::string_view line) {
    return line.substr(0, kTablePrefix.size()) == kTablePrefix;
}

// The name between the quotes after "TABLE:" (the rest of the line when it is not quoted).
std::string headerName(std::string_view line) {
    std::string_view rest = trimmed(line.substr(kTablePrefix.size()));
    if (!rest.empty() && rest.front() == '"') {
        rest.remove_prefix(1);
        const std::size_t close = rest.find('"');
        if (close != std::string_view::npos)
            rest = rest.substr(0, close);
    }
    return std::string(trimmed(rest));
}

// Blank lines and comment lines ("$" first) hold no row.
bool holdsNoRow(std::string_view line) {
    const std::string_view text = trimmed(line);
    return text.empty() || text.front() == '$';
}

// Whether the line ends in the continuation mark: a blank and "_", or "_" alone.
bool continues(std::string_view line) {
    const std::string_view text = trimmed(line);
    return !text.empty() && text.back() == '_' && (text.size() == 1 || isBlank(text[text.size() - 2]));
}

} // namespace

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i];
        char y = b[i];
        if (x >= 'a' && x <= 'z')
            x = static_cast<char>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z')
            y = static_cast<char>(y - 'a' + 'A');
        if (x != y)
            return false;
    }
    return true;
}

bool isTableFormat(const std::vector<std::string>& lines) {
    for (const std::string& line : lines)
        if (isHeader(line))
            return true;
    return false;
}

TableFile::TableFile(const std::vector<std::string>& lines) : lines_(lines) {
    LocatedTable* open = nullptr;
    const int count = static_cast<int>(lines.size());
    for (int i = 0; i < count; ++i) {
        const std::string& line = lines[static_cast<std::size_t>(i)];
        const bool header = isHeader(line);
        if (!header && trimmed(line) != kEndOfData)
            continue;
        if (open != nullptr)
            open->spans.back().end = i;
        open = nullptr;
        if (!header)
            continue;
        const std::string name = headerName(line);
        for (LocatedTable& table : tables_)
            if (equalsIgnoringCase(table.name, name))
                open = &table;
        if (open == nullptr)
            open = &tables_.emplace_back(LocatedTable{name, {}, -1});
        open->spans.push_back(TableSpan{i, count});
    }
}

const LocatedTable* TableFile::find(std::string_view name) const {
    for (const LocatedTable& table : tables_)
        if (equalsIgnoringCase(table.name, name))
            return &table;
    return nullptr;
}

long long rowCount(const TableFile& file, const LocatedTable& table) {
    if (table.rows >= 0)
        return table.rows;
    long long rows = 0;
    for (const TableSpan& span : table.spans) {
        bool open = false;
        bool quoted = false;
        for (int i = span.header + 1; i < span.end; ++i) {
            const std::string& line = file.lines()[static_cast<std::size_t>(i)];
            // As the row reader reads a value over several lines: the first line with a quote closes
            // it, and what follows that quote may open another.
            const long long quotes = std::count(line.begin(), line.end(), '"');
            if (quoted) {
                quoted = quotes == 0 || quotes % 2 == 0;
                continue;
            }
            quoted = quotes % 2 == 1;
            if (holdsNoRow(line)) {
                rows += open ? 1 : 0;
                open = false;
                continue;
            }
            open = continues(line);
            rows += open ? 0 : 1;
        }
        rows += open ? 1 : 0;
    }
    table.rows = rows;
    return rows;
}

RowReader::RowReader(const TableFile& file, const LocatedTable& table) : file_(file), table_(table) {
    if (!table.spans.empty())
        nextLine_ = table.spans.front().header + 1;
}

bool RowReader::next() {
    fields_.clear();
    bool open = false;
    while (span_ < table_.spans.size()) {
        const TableSpan& span = table_.spans[span_];
        while (nextLine_ < span.end) {
            const int index = nextLine_++;
            if (holdsNoRow(file_.lines()[static_cast<std::size_t>(index)])) {
                if (open)
                    return true;
                continue;
            }
            if (!open)
                rowLine_ = index;
            open = splitLine(index);
            if (!open)
                return true;
        }
        ++span_;
        if (span_ < table_.spans.size())
            nextLine_ = table_.spans[span_].header + 1;
        if (open)
            return true; // the last row of the table asked for a line that is not there
    }
    return false;
}

bool RowReader::splitLine(int lineIndex) {
    std::string_view line = file_.lines()[static_cast<std::size_t>(lineIndex)];
    const auto stop = [&](const std::string& what) {
        fail("Table \"" + table_.name + "\", line " + std::to_string(lineIndex + 1) + ": " + what);
    };
    std::size_t n = line.size();
    std::size_t i = 0;
    while (true) {
        while (i < n && isBlank(line[i]))
            ++i;
        if (i == n)
            return false;
        const std::size_t start = i;
        while (i < n && !isBlank(line[i]) && line[i] != '=')
            ++i;
        if (i == n || line[i] != '=') {
            const std::string_view word = line.substr(start, i - start);
            if (word == "_" && trimmed(line.substr(i)).empty())
                return true;
            stop("'" + std::string(word) + "' is not a Key=Value pair");
        }
        const std::string_view key = line.substr(start, i - start);
        if (key.empty())
            stop("a value stands without its key: '" + std::string(trimmed(line.substr(start))) + "'");
        ++i;
        std::string_view value;
        if (i < n && line[i] == '"') {
            std::size_t close = line.find('"', i + 1);
            value = line.substr(i + 1, close == std::string_view::npos ? n - i - 1 : close - i - 1);
            if (close == std::string_view::npos) {
                // A quoted value over several lines (SAP2000 writes notes so): the value keeps its
                // first line, and the row goes on after the line that closes the quote.
                const int closing = closingQuoteLine(lineIndex);
                if (closing < 0)
                    stop("the quote opened after " + std::string(key) + "= is not closed");
                lineIndex = closing;
                nextLine_ = closing + 1;
                line = file_.lines()[static_cast<std::size_t>(lineIndex)];
                n = line.size();
                close = line.find('"');
            }
            i = close + 1;
            if (i < n && !isBlank(line[i]))
                stop("the quoted value of " + std::string(key) + " is followed by '" +
                     std::string(trimmed(line.substr(i))) + "' without a blank");
        } else {
            const std::size_t valueStart = i;
            while (i < n && !isBlank(line[i]))
                ++i;
            value = line.substr(valueStart, i - valueStart);
        }
        fields_.push_back(Field{key, value, lineIndex});
    }
}

int RowReader::closingQuoteLine(int lineIndex) const {
    const int end = table_.spans[span_].end;
    for (int k = lineIndex + 1; k < end; ++k)
        if (file_.lines()[static_cast<std::size_t>(k)].find('"') != std::string::npos)
            return k;
    return -1;
}

} // namespace kelvane::tables
