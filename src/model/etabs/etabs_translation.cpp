#include "model/etabs/etabs_translation.h"

#include "common/error.h"
#include "common/number_format.h"
#include "common/number_parse.h"
#include "model/etabs/etabs_context.h"
#include "model/tables/unit_scale.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace kelvane::etabs {

std::string quoted(std::string_view value) {
    return "\"" + std::string(value) + "\"";
}

void Translation::fail(const EtabsLine& line, const std::string& what) const {
    kelvane::fail("Line " + std::to_string(line.line + 1) + " (" + block->name + "): " + what);
}

std::string Translation::name(const EtabsLine& line, std::size_t k, const char* what) const {
    if (k >= line.tokens.size() || !line.tokens[k].quoted || line.tokens[k].text.empty())
        fail(line, line.keyword + " names no " + what);
    return line.tokens[k].text;
}

double Translation::number(const EtabsLine& line, const std::string& word, const char* what) const {
    const std::optional<double> value = tryParseReal(word);
    if (!value)
        fail(line, std::string(what) + " '" + word + "' is no number");
    return *value;
}

double Translation::real(const EtabsLine& line, std::string_view key, double fallback) const {
    const std::string* word = line.find(key);
    if (word == nullptr)
        return fallback;
    const std::optional<double> value = tryParseReal(*word);
    if (!value)
        fail(line, std::string(key) + " " + *word + ": '" + *word + "' is no number");
    return *value;
}

int Translation::storeyOf(const EtabsLine& line, const std::string& storey) const {
    for (std::size_t k = 0; k < storeys.size(); ++k)
        if (storeys[k].name == storey)
            return static_cast<int>(k);
    fail(line, "\"" + storey + "\" is no storey of the file");
}

std::string Translation::jointAt(const EtabsLine& line, const std::string& point, int storey) {
    if (storey < 0 || storey >= static_cast<int>(storeys.size()))
        fail(line, "point \"" + point + "\" lies below the lowest storey");
    Storey& level = storeys[static_cast<std::size_t>(storey)];
    const std::string key = point + "@" + level.name;
    if (const auto known = jointOfPointAt.find(key); known != jointOfPointAt.end())
        return known->second;
    const auto plan = points.find(point);
    if (plan == points.end())
        fail(line, "\"" + point + "\" is no point of POINT COORDINATES");
    const double x = plan->second.x, y = plan->second.y, z = level.elevation - plan->second.below;
    for (const CreatedJoint& joint : joints)
        if (joint.storey == storey && std::abs(joint.x - x) <= mergeTolerance &&
            std::abs(joint.y - y) <= mergeTolerance && std::abs(joint.z - z) <= mergeTolerance)
            return jointOfPointAt[key] = joint.label;
    joints.push_back({key, x, y, z, storey, line.line});
    ++level.jointsCreated;
    return jointOfPointAt[key] = key;
}

void translateProgram(Translation& t) {
    for (const EtabsLine& line : t.block->lines)
        if (sameWord(line.keyword, "PROGRAM") && !line.tokens.empty())
            t.report.program =
                line.tokens.front().text + (line.has("VERSION") ? " " + line.value("VERSION") : "");
}

void translateControls(Translation& t) {
    for (const EtabsLine& line : t.block->lines) {
        if (sameWord(line.keyword, "UNITS")) {
            const std::string force = t.name(line, 0, "force unit"), length = t.name(line, 1, "length unit");
            std::string unknown;
            const std::optional<tables::UnitScale> units =
                tables::parseCurrentUnits(force + ", " + length, unknown);
            if (!units)
                t.fail(line, "UNITS \"" + force + "\" \"" + length + "\": " + unknown + " is not supported");
            t.lengthInMm = units->length;
            t.text.row("PROGRAM CONTROL", line, "CurrUnits=\"" + force + ", " + length + ", C\"");
        }
        if (sameWord(line.keyword, "PREFERENCE") && line.has("MERGETOL")) {
            t.mergeTolerance = t.real(line, "MERGETOL", t.mergeTolerance);
            if (!(t.mergeTolerance >= 0))
                t.fail(line, "MERGETOL " + line.value("MERGETOL") + " is negative");
        }
    }
}

// From the top: each storey's HEIGHT above the one below, the lowest one's ELEV.
void translateStoreys(Translation& t) {
    std::vector<std::pair<const EtabsLine*, Storey>> fromTop;
    for (const EtabsLine& line : t.block->lines) {
        if (!sameWord(line.keyword, "STORY"))
            continue;
        fromTop.push_back({&line, Storey{t.name(line, 0, "storey"), 0, 0}});
    }
    double elevation = 0;
    for (auto at = fromTop.rbegin(); at != fromTop.rend(); ++at) {
        const EtabsLine& line = *at->first;
        if (at == fromTop.rbegin())
            elevation = t.real(line, "ELEV", 0);
        else if (!line.has("HEIGHT"))
            t.fail(line, "storey \"" + at->second.name + "\" gives no HEIGHT");
        else
            elevation += t.real(line, "HEIGHT", 0);
        at->second.elevation = elevation;
        for (const Storey& below : t.storeys)
            if (below.name == at->second.name)
                t.fail(line, "storey \"" + below.name + "\" is given a second time");
        t.storeys.push_back(at->second);
    }
}

void translatePoints(Translation& t) {
    for (const EtabsLine& line : t.block->lines) {
        if (!sameWord(line.keyword, "POINT"))
            continue;
        const std::string point = t.name(line, 0, "point");
        if (line.tokens.size() < 3)
            t.fail(line, "point \"" + point + "\" gives no X and Y");
        PlanPoint plan{t.number(line, line.tokens[1].text, "X"), t.number(line, line.tokens[2].text, "Y"), 0};
        if (line.tokens.size() > 3)
            plan.below = t.number(line, line.tokens[3].text, "DZBELOW");
        if (!t.points.emplace(point, plan).second)
            t.fail(line, "point \"" + point + "\" is given a second time");
    }
}

void translateDiaphragmNames(Translation& t) {
    for (const EtabsLine& line : t.block->lines)
        if (sameWord(line.keyword, "DIAPHRAGM"))
            t.rigidDiaphragm[t.name(line, 0, "diaphragm")] =
                !sameWord(line.value("TYPE", "RIGID"), "SEMIRIGID");
}

// POINTSPRING "NAME" UX k UY k UZ k RX k RY k RZ k, linear; a nonlinear option is reported.
void translatePointSprings(Translation& t) {
    static constexpr std::pair<std::string_view, std::string_view> kComponents[] = {
        {"UX", "U1"}, {"UY", "U2"}, {"UZ", "U3"}, {"RX", "R1"}, {"RY", "R2"}, {"RZ", "R3"}};
    for (const EtabsLine& line : t.block->lines) {
        if (!sameWord(line.keyword, "POINTSPRING"))
            continue;
        std::string fields;
        for (const auto& [key, field] : kComponents)
            if (line.has(key)) {
                const double stiffness = t.real(line, key, 0);
                if (stiffness < 0)
                    t.fail(line, std::string(key) + " " + line.value(key) + " is negative");
                fields += "   " + std::string(field) + "=" + formatGeneral(stiffness);
            }
        if (line.has("NONLINEAROPTION") && !sameWord(line.value("NONLINEAROPTION"), "NONE"))
            t.report.addNotCarried("nonlinear point springs (taken as linear)");
        t.pointSprings[t.name(line, 0, "point spring")] = fields;
    }
}

void writeJoints(Translation& t) {
    std::map<std::string, bool> constraints;
    for (const CreatedJoint& joint : t.joints) {
        EtabsLine from;
        from.line = joint.line;
        t.text.row("JOINT COORDINATES", from,
                   "Joint=" + quoted(joint.label) +
                       "   CoordSys=GLOBAL   CoordType=Cartesian   XorR=" + formatGeneral(joint.x) +
                       "   Y=" + formatGeneral(joint.y) + "   Z=" + formatGeneral(joint.z));
        const auto diaphragm = t.diaphragmOfJoint.find(joint.label);
        // A joint held in plan holds its storey's diaphragm already; SAP2000 and ETABS let it, the
        // solver's constraint handler does not take a tied joint's own restraints.
        if (diaphragm == t.diaphragmOfJoint.end() || t.heldInPlan.count(joint.label) != 0)
            continue;
        t.text.row("JOINT CONSTRAINT ASSIGNMENTS", from,
                   "Joint=" + quoted(joint.label) + "   Constraint=" + quoted(diaphragm->second) +
                       "   Type=Diaphragm");
        if (constraints.emplace(diaphragm->second, true).second)
            t.text.row("CONSTRAINT DEFINITIONS - DIAPHRAGM", from,
                       "Name=" + quoted(diaphragm->second) + "   CoordSys=GLOBAL   Axis=Z");
    }
    for (const Storey& storey : t.storeys)
        t.report.storeyLines.push_back(storey.name + " at " + formatGeneral(storey.elevation) + ": " +
                                       std::to_string(storey.jointsCreated) + " joints");
}

namespace {

using BlockTranslator = void (*)(Translation&);

// In the order the translation needs them: storeys and points before the objects placed at them.
constexpr std::pair<std::string_view, BlockTranslator> kTranslators[] = {
    {"PROGRAM INFORMATION", &translateProgram},
    {"CONTROLS", &translateControls},
    {"STORIES - IN SEQUENCE FROM TOP", &translateStoreys},
    {"POINT COORDINATES", &translatePoints},
    {"DIAPHRAGM NAMES", &translateDiaphragmNames},
    {"POINT SPRING PROPERTIES", &translatePointSprings},
    {"MATERIAL PROPERTIES", &translateMaterials},
    {"FRAME SECTIONS", &translateFrameSections},
    {"SLAB PROPERTIES", &translateShellProperties},
    {"DECK PROPERTIES", &translateShellProperties},
    {"WALL PROPERTIES", &translateShellProperties},
    {"LOAD PATTERNS", &translateLoadPatterns},
    {"MASS SOURCE", &translateMassSource},
    {"LOAD CASES", &translateLoadCases},
};

// Blocks read by translateObjects and translateLoads, which take several at once.
constexpr std::string_view kObjectBlocks[] = {
    "LINE CONNECTIVITIES", "AREA CONNECTIVITIES", "POINT ASSIGNS",      "LINE ASSIGNS",
    "AREA ASSIGNS",        "POINT OBJECT LOADS",  "FRAME OBJECT LOADS", "SHELL UNIFORM LOAD SETS",
    "SHELL OBJECT LOADS",
};

// The keywords of the lines each block read holds that the translation reads; a line of another
// keyword there is skipped and reported.
constexpr std::pair<std::string_view, std::string_view> kKeywordsRead[] = {
    {"PROGRAM INFORMATION", "PROGRAM"},
    {"CONTROLS", "UNITS PREFERENCE TITLE1 TITLE2 RLLF"},
    {"STORIES - IN SEQUENCE FROM TOP", "STORY"},
    {"POINT COORDINATES", "POINT"},
    {"DIAPHRAGM NAMES", "DIAPHRAGM"},
    {"POINT SPRING PROPERTIES", "POINTSPRING"},
    {"MATERIAL PROPERTIES", "MATERIAL"},
    {"FRAME SECTIONS", "FRAMESECTION"},
    {"SLAB PROPERTIES", "SHELLPROP"},
    {"DECK PROPERTIES", "SHELLPROP"},
    {"WALL PROPERTIES", "SHELLPROP"},
    {"LOAD PATTERNS", "LOADPATTERN SEISMIC WIND"},
    {"MASS SOURCE", "MASSSOURCE MASSSOURCELOAD"},
    {"LOAD CASES", "LOADCASE"},
    {"LINE CONNECTIVITIES", "LINE"},
    {"AREA CONNECTIVITIES", "AREA"},
    {"POINT ASSIGNS", "POINTASSIGN"},
    {"LINE ASSIGNS", "LINEASSIGN"},
    {"AREA ASSIGNS", "AREAASSIGN"},
    {"POINT OBJECT LOADS", "POINTLOAD"},
    {"FRAME OBJECT LOADS", "LINELOAD"},
    {"SHELL UNIFORM LOAD SETS", "SHELLUNIFORMLOADSET"},
    {"SHELL OBJECT LOADS", "AREALOAD"},
};

void reportKeywordsSkipped(const EtabsBlock& block, tables::ImportReport& report) {
    for (const auto& [name, keywords] : kKeywordsRead) {
        if (!sameWord(block.name, name))
            continue;
        const std::vector<std::string> known = wordsOf(keywords);
        for (const EtabsLine& line : block.lines)
            if (std::none_of(known.begin(), known.end(),
                             [&](const std::string& keyword) { return sameWord(keyword, line.keyword); }))
                report.addNotCarried("lines of " + line.keyword + " in " + block.name + " (skipped)");
    }
}

// Blocks that change the analysis and are not read, with what they hold.
constexpr std::pair<std::string_view, std::string_view> kBlocksNotCarried[] = {
    {"LINK PROPERTIES", "link properties"},
    {"PANEL ZONE PROPERTIES", "panel zones"},
    {"CONCRETE SECTIONS", "reinforcement of concrete sections, fiber sections taking the section settings"},
    {"TENDON CONNECTIVITIES", "tendons"},
    {"LINE SPRING PROPERTIES", "line spring properties"},
    {"AREA SPRING PROPERTIES", "area spring properties"},
    {"FRAME HINGE ASSIGNMENTS", "frame hinges"},
    {"NONLINEAR LINK PROPERTIES", "nonlinear link properties"},
};

bool isRead(std::string_view name) {
    for (const auto& [known, translate] : kTranslators)
        if (sameWord(name, known))
            return true;
    for (const std::string_view known : kObjectBlocks)
        if (sameWord(name, known))
            return true;
    return false;
}

} // namespace

TranslatedModel translateEtabsModel(const std::vector<std::string>& fileLines) {
    TranslatedModel model;
    Translation t{tables::RestatedTables{}, model.report};
    const std::vector<EtabsBlock> blocks = readEtabsBlocks(fileLines);
    for (const auto& [name, translate] : kTranslators)
        for (const EtabsBlock& block : blocks)
            if (sameWord(block.name, name)) {
                t.block = &block;
                translate(t);
            }
    translateObjects(t, blocks);
    translateLoads(t, blocks);
    writeJoints(t);
    for (const EtabsBlock& block : blocks) {
        const tables::TableRows rows{block.name, static_cast<long long>(block.lines.size())};
        (isRead(block.name) ? model.report.tablesRead : model.report.tablesSkipped).push_back(rows);
        reportKeywordsSkipped(block, model.report);
        for (const auto& [name, what] : kBlocksNotCarried)
            if (sameWord(block.name, name) && rows.rows > 0)
                model.report.addNotCarried(std::string(what) + " (" + block.name + ")", rows.rows);
    }
    t.text.writeTo(model.lines, model.origin);
    return model;
}

} // namespace kelvane::etabs
