#include "model/table_reader.h"

#include "common/error.h"
#include "common/number_parse.h"
#include "model/s2k_tokenizer.h"

namespace kelvane {

// Until a line is read, a failure (an unclosed table's "Range check error") is placed at the header.
TableReader::TableReader(ModelStore& store, const TableIndex& tables, std::string_view keyword)
    : store_(store), keyword_(keyword), range_(tables.range(keyword)), place_(tables.place()) {
    place_.table = keyword_;
    place_.line = range_.header;
}

void TableReader::atLine(int lineIndex) {
    currentLine_ = place_.line = lineIndex;
}

void TableReader::tokenize(int lineIndex) {
    atLine(lineIndex);
    const auto& lines = store_.s2kLines;
    const std::string_view line = lineIndex >= 0 && static_cast<std::size_t>(lineIndex) < lines.size()
                                      ? lines[static_cast<std::size_t>(lineIndex)]
                                      : std::string_view();
    if (!tokenizeLine(line, store_.lineFields))
        failOnLine("the line has more than " + std::to_string(kMaxRecordedPositions - 2) +
                   " fields, which is more than a line may carry");
}

bool TableReader::lineFieldEquals(int lineIndex, int n, std::string_view text) const {
    return fieldEquals(store_.s2kLines[static_cast<std::size_t>(lineIndex)], n, text);
}

std::int32_t TableReader::intField(int n) const {
    return parseInt(field(n));
}

double TableReader::realField(int n) const {
    return parseReal(field(n));
}

std::int32_t TableReader::checkedReference(std::string_view text, const char* what,
                                           std::int32_t count) const {
    const std::int32_t value = parseInt(text);
    if (value < 1 || value > count) {
        const std::string available =
            count > 0 ? "the model has " + std::string(what) + "s 1.." + std::to_string(count)
                      : "the model has no " + std::string(what) + "s";
        failOnLine(std::string(what) + " " + std::to_string(value) + " does not exist (" + available + ")");
    }
    return value;
}

std::int32_t TableReader::jointNumber(std::string_view text) const {
    return checkedReference(text, "joint", store_.nodeCount);
}

std::int32_t TableReader::frameField(int n) const {
    return checkedReference(field(n), "frame", store_.frameCount);
}

void TableReader::failOnLine(const std::string& what) const {
    throw PlacedError("Table \"" + keyword_ + "\", line " +
                      std::to_string(static_cast<long long>(currentLine_) + 1) + ": " + what);
}

template <class Record> void sizeTableArray(std::vector<Record>& array, long long count) {
    if (count < -1)
        fail(kRangeCheckError);
    // Entry 0 exists even for a missing table (count -1), so a reference 0 always finds a record.
    array.assign(static_cast<std::size_t>(count > 0 ? count + 1 : 1), Record{});
}

template void sizeTableArray(std::vector<TNODE>&, long long);
template void sizeTableArray(std::vector<TFRAME>&, long long);
template void sizeTableArray(std::vector<TSHELL>&, long long);
template void sizeTableArray(std::vector<TSOLID>&, long long);
template void sizeTableArray(std::vector<TMAT>&, long long);
template void sizeTableArray(std::vector<TSECTION>&, long long);
template void sizeTableArray(std::vector<TAREASEC>&, long long);
template void sizeTableArray(std::vector<TLOAD>&, long long);
template void sizeTableArray(std::vector<TDIAPH>&, long long);

} // namespace kelvane
