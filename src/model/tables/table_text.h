#pragma once

#include <string>
#include <string_view>
#include <vector>

// The text of a SAP2000 table-format file (versions 7 and later): tables opened by a line
// `TABLE:  "NAME"`, each running to the next such line, `END TABLE DATA` or the end of the file;
// rows of Key=Value pairs separated by blanks. A value in double quotes may hold blanks and "=";
// a row that ends in " _" goes on on the next line. Lines before the first table, blank lines and
// lines beginning with "$" are no rows.
namespace kelvane::tables {

// Whether the lines are in the table format: one of them begins with "TABLE:".
bool isTableFormat(const std::vector<std::string>& lines);

// The lines of one table: its header line and the lines after it up to `end` (exclusive).
struct TableSpan {
    int header = 0;
    int end = 0;
};

// A table by name, with every span that carries that name (a table may be repeated).
struct LocatedTable {
    std::string name;
    std::vector<TableSpan> spans;
    mutable long long rows = -1; // counted on first request
};

// Every table of the file in the order of its first header.
class TableFile {
  public:
    explicit TableFile(const std::vector<std::string>& lines);

    const std::vector<std::string>& lines() const { return lines_; }
    const std::vector<LocatedTable>& tables() const { return tables_; }
    // The table of that name (letter case ignored), or null.
    const LocatedTable* find(std::string_view name) const;

  private:
    const std::vector<std::string>& lines_;
    std::vector<LocatedTable> tables_;
};

// The number of rows of a table: the lines that end a row (counted once, then remembered).
long long rowCount(const TableFile& file, const LocatedTable& table);

// One Key=Value pair of a row; both point into the file's lines.
struct Field {
    std::string_view key;
    std::string_view value;
    int line = 0; // 0-based index of the line that holds it
};

// Walks the rows of one table, one at a time. The fields of the current row stay valid until the
// next call of next(). A pair without "=" or a quote left open stops with a message naming the
// table and the line.
class RowReader {
  public:
    RowReader(const TableFile& file, const LocatedTable& table);

    // Reads the next row; false when the table has no more.
    bool next();
    const std::vector<Field>& fields() const { return fields_; }
    // The 0-based line the current row begins on.
    int line() const { return rowLine_; }
    const std::string& tableName() const { return table_.name; }

  private:
    // Splits one line into fields; returns whether the row goes on on the next line.
    bool splitLine(int lineIndex);
    // The line after `lineIndex`, in the current span, that closes an open quote; -1 when none does.
    int closingQuoteLine(int lineIndex) const;

    const TableFile& file_;
    const LocatedTable& table_;
    std::size_t span_ = 0;
    int nextLine_ = 0;
    int rowLine_ = 0;
    std::vector<Field> fields_;
};

// ASCII comparison without regard to letter case.
bool equalsIgnoringCase(std::string_view a, std::string_view b);

} // namespace kelvane::tables
