#include "model/tables/mass_source.h"

#include <map>
#include <optional>

namespace kelvane::tables {
namespace {

struct DefinedSource {
    MassSource source;
    bool isDefault = false;
    std::int32_t order = 0;
};

bool contains(std::string_view text, std::string_view part) {
    for (std::size_t at = 0; at + part.size() <= text.size(); ++at)
        if (equalsIgnoringCase(text.substr(at, part.size()), part))
            return true;
    return false;
}

void addPattern(const ImportContext& context, const Rows& rows, MassSource& source, bool withPatterns) {
    if (!withPatterns || !rows.has("LoadPat"))
        return;
    const std::int32_t pattern = patternOf(context, rows);
    const double multiplier = rows.real("Multiplier", 1);
    for (MassFromPattern& known : source.patterns)
        if (known.pattern == pattern) {
            known.multiplier += multiplier;
            return;
        }
    source.patterns.push_back({pattern, multiplier});
}

void addSources(const ImportContext& context, std::string_view table, bool withPatterns,
                std::map<std::string, DefinedSource>& sources) {
    Rows rows(context.file, table);
    while (rows.next()) {
        const std::string name(rows.text("MassSource", "MSSSRC1"));
        const auto [entry, first] = sources.try_emplace(name);
        DefinedSource& defined = entry->second;
        if (first) {
            defined.source.name = name;
            defined.order = static_cast<std::int32_t>(sources.size());
        }
        MassSource& source = defined.source;
        if (rows.has("Elements"))
            source.elements = rows.yes("Elements", true);
        if (rows.has("Masses"))
            source.addedMasses = rows.yes("Masses", true);
        if (rows.has("Loads"))
            source.loads = rows.yes("Loads", false);
        if (rows.has("IsDefault"))
            defined.isDefault = rows.yes("IsDefault", false);
        addPattern(context, rows, source, withPatterns);
    }
}

// The sources of the MASS SOURCE table (or of tables that split it, MASS SOURCE 1 - ..., MASS
// SOURCE 2 - ...) by name. The first row of a source gives its switches; a later row of the same
// source only adds a load pattern.
std::map<std::string, DefinedSource> definedSources(const ImportContext& context, bool withPatterns) {
    std::map<std::string, DefinedSource> sources;
    for (const LocatedTable& table : context.file.tables())
        if (isMassSourceTable(table.name))
            addSources(context, table.name, withPatterns, sources);
    return sources;
}

// The source of SAP2000 versions before 14: MassFrom names elements, masses and loads; the
// patterns are rows of a second table.
std::optional<MassSource> olderSource(const ImportContext& context, bool withPatterns) {
    Rows rows(context.file, "MASSES 1 - MASS SOURCE");
    std::optional<MassSource> found;
    while (rows.next()) {
        const std::string_view from = rows.text("MassFrom", "Elements");
        MassSource source;
        source.name = "MassFrom=" + std::string(from);
        source.elements = contains(from, "Element");
        source.addedMasses = contains(from, "Masses") || contains(from, "Additional");
        source.loads = contains(from, "Load");
        found = source;
    }
    if (!found)
        return found;
    Rows patterns(context.file, "MASSES 2 - MASS SOURCE LOADS");
    while (patterns.next())
        addPattern(context, patterns, *found, withPatterns);
    return found;
}

// The source a load case names (modal and time-history cases first), if any.
std::pair<std::string, std::string> sourceNamedByCase(const ImportContext& context) {
    std::pair<std::string, std::string> named;
    Rows rows(context.file, "LOAD CASE DEFINITIONS");
    while (rows.next()) {
        const std::string_view source = rows.text("MassSource", "");
        if (source.empty() || equalsIgnoringCase(source, "Default") || equalsIgnoringCase(source, "None"))
            continue;
        const std::string_view type = rows.text("Type", "");
        const bool dynamic = contains(type, "Modal") || contains(type, "History");
        if (named.first.empty() || dynamic) {
            named = {std::string(source), std::string(rows.required("Case"))};
            if (dynamic)
                break;
        }
    }
    return named;
}

} // namespace

bool isMassSourceTable(std::string_view name) {
    constexpr std::string_view table = "MASS SOURCE";
    return equalsIgnoringCase(name, table) ||
           (name.size() > table.size() + 1 &&
            equalsIgnoringCase(name.substr(0, table.size() + 1), "MASS SOURCE "));
}

MassSource readMassSource(const ImportContext& context, bool withPatterns) {
    const std::map<std::string, DefinedSource> sources = definedSources(context, withPatterns);
    const auto [named, byCase] = sourceNamedByCase(context);
    if (!named.empty()) {
        const auto found = sources.find(named);
        if (found != sources.end()) {
            MassSource source = found->second.source;
            source.namedByCase = byCase;
            return source;
        }
        if (withPatterns)
            context.report.addNotCarried("the mass source " + named + " that load case " + byCase +
                                         " names: the file defines none of that name (the default is taken)");
    }
    const DefinedSource* chosen = nullptr;
    for (const auto& [name, defined] : sources)
        if (defined.isDefault || sources.size() == 1)
            if (chosen == nullptr || defined.order < chosen->order)
                chosen = &defined;
    if (chosen != nullptr)
        return chosen->source;
    if (std::optional<MassSource> older = olderSource(context, withPatterns))
        return *older;
    return MassSource{};
}

} // namespace kelvane::tables
