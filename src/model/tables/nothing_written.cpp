#include "model/tables/import_context.h"

#include <string>

namespace kelvane::tables {
namespace {

bool isLoadTable(std::string_view name) {
    for (const std::string_view prefix :
         {"JOINT LOADS", "FRAME LOADS", "AREA LOADS", "SOLID LOADS", "LINK LOADS"})
        if (name.size() >= prefix.size() && equalsIgnoringCase(name.substr(0, prefix.size()), prefix))
            return true;
    return false;
}

// Per load pattern: the rows of the file's load tables that name it, and its self weight.
std::vector<long long> loadRowsPerPattern(const ImportContext& context) {
    std::vector<long long> rows(static_cast<std::size_t>(loadCaseNameCount(context.store)) + 1, 0);
    for (const LocatedTable& table : context.file.tables()) {
        if (!isLoadTable(table.name))
            continue;
        Rows loads(context.file, table.name);
        while (loads.next()) {
            const std::int32_t k = context.loadPatterns.find(loads.text("LoadPat", ""));
            if (k >= 1 && k < static_cast<std::int32_t>(rows.size()))
                ++rows[static_cast<std::size_t>(k)];
        }
    }
    for (std::size_t k = 1; k < rows.size() && k < context.selfWeightMultiplier.size(); ++k)
        rows[k] += context.selfWeightMultiplier[k] != 0 ? 1 : 0;
    return rows;
}

} // namespace

void reportEmptyPatterns(ImportContext& context) {
    const ModelStore& store = context.store;
    std::vector<long long> written(static_cast<std::size_t>(loadCaseNameCount(store)) + 1, 0);
    for (std::int32_t i = 1; i <= store.loadCount; ++i) {
        const std::int32_t k = context.loadPatterns.find(store.loads[static_cast<std::size_t>(i)].caseName);
        if (k >= 1 && k < static_cast<std::int32_t>(written.size()))
            ++written[static_cast<std::size_t>(k)];
    }
    const std::vector<long long> given = loadRowsPerPattern(context);
    std::string unwritten;
    long long unwrittenCount = 0;
    for (std::size_t k = 1; k < written.size(); ++k) {
        if (written[k] != 0)
            continue;
        const std::string& name = store.loadCaseNames[k];
        if (given[k] == 0) {
            context.report.patternsWithoutLoads.push_back(name);
        } else {
            unwritten += (unwritten.empty() ? "" : ", ") + name;
            ++unwrittenCount;
        }
    }
    if (unwrittenCount > 0)
        context.report.addNotCarried("load patterns none of whose loads is written (" + unwritten + ")",
                                     unwrittenCount);
}

void reportUnwrittenElements(ImportContext& context) {
    const ModelStore& store = context.store;
    long long areasLeftOut = 0;
    for (std::int32_t a = 1; a <= store.areaCount; ++a) {
        const std::int32_t section = store.shells[static_cast<std::size_t>(a)].section;
        areasLeftOut +=
            section != 0 && store.shellSections[static_cast<std::size_t>(section)].isShell != 1 ? 1 : 0;
    }
    if (areasLeftOut > 0)
        context.report.addNotCarried("areas whose section is not a shell (not written)", areasLeftOut);
    if (countOf(store.frameCount) + countOf(store.shellCount) + countOf(store.solidCount) +
            countOf(store.linkCount) ==
        0)
        context.report.addNotCarried("elements: the model has none, so its script defines joints only");
}

} // namespace kelvane::tables
