#include "results/recorder_series.h"

#include "common/error.h"
#include "results/recorder_files.h"

#include <algorithm>

namespace kelvane {

RecorderColumns readRecorderColumns(const std::string& path, const std::vector<int>& fields) {
    const RecorderFile file(path);
    std::size_t lineCount = file.lines().size();
    RecorderColumns columns;
    if (lineCount > 0 && !file.lastLineEnded()) {
        --lineCount;
        columns.partialLineLeftOut = true;
    }
    const int fieldsNeeded = 1 + (fields.empty() ? 0 : *std::max_element(fields.begin(), fields.end()));
    columns.time.reserve(lineCount);
    columns.values.assign(fields.size(), {});
    for (auto& column : columns.values)
        column.reserve(lineCount);
    FieldViews line;
    for (std::size_t number = 1; number <= lineCount; ++number) {
        splitRecorderLine(file, static_cast<long long>(number), fieldsNeeded, line);
        try {
            columns.time.push_back(fieldValue(line, 0));
            for (std::size_t c = 0; c < fields.size(); ++c)
                columns.values[c].push_back(fieldValue(line, fields[c]));
        } catch (const KelvaneError& error) {
            fail(std::string(error.what()) + " (line " + std::to_string(number) + " of file \"" + path +
                 "\")");
        }
    }
    return columns;
}

std::string partialLineNote(const std::string& path, std::size_t stepsRead) {
    return "The last line of \"" + path + "\" is still being written and was left out (" +
           std::to_string(stepsRead) + " steps read)";
}

} // namespace kelvane
