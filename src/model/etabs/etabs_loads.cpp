#include "common/number_format.h"
#include "model/etabs/etabs_context.h"

namespace kelvane::etabs {
namespace {

// The object of a load at its storey ("B1@STORY2"), which must have been placed there.
std::string placedObject(Translation& t, const EtabsLine& line, const std::set<std::string>& placed,
                         const char* what) {
    const std::string name = t.name(line, 0, what);
    const std::string storey = t.name(line, 1, "storey");
    t.storeyOf(line, storey);
    const std::string label = name + "@" + storey;
    if (placed.count(label) == 0)
        return {};
    return label;
}

// DIR "GRAV", "X", "Y", "Z" (global) or "1", "2", "3" (the object's local axes).
std::string directionOf(const Translation& t, const EtabsLine& line) {
    const std::string dir = line.value("DIR", "GRAV");
    if (sameWord(dir, "GRAV"))
        return "CoordSys=GLOBAL   Dir=Gravity";
    if (sameWord(dir, "X") || sameWord(dir, "Y") || sameWord(dir, "Z"))
        return "CoordSys=GLOBAL   Dir=" + dir;
    if (dir == "1" || dir == "2" || dir == "3")
        return "CoordSys=Local   Dir=" + dir;
    t.fail(line, "DIR \"" + dir + "\" is no load direction");
}

std::string patternOf(const Translation& t, const EtabsLine& line) {
    const std::string* pattern = line.find("LC");
    if (pattern == nullptr)
        t.fail(line, line.keyword + " names no load pattern (LC)");
    return "LoadPat=" + quoted(*pattern);
}

void pointLoad(Translation& t, const EtabsLine& line) {
    const std::string point = t.name(line, 0, "point");
    const int storey = t.storeyOf(line, t.name(line, 1, "storey"));
    const auto placed = t.jointOfPointAt.find(point + "@" + t.storeys[static_cast<std::size_t>(storey)].name);
    if (placed == t.jointOfPointAt.end()) {
        t.report.addNotCarried("point loads on points that no object uses at their storey (POINTLOAD)");
        return;
    }
    const std::string joint = placed->second;
    if (!sameWord(line.value("TYPE", "FORCE"), "FORCE")) {
        t.report.addNotCarried("point loads of TYPE " + line.value("TYPE") + " (POINTLOAD)");
        return;
    }
    static constexpr std::pair<std::string_view, std::string_view> kComponents[] = {
        {"FX", "F1"}, {"FY", "F2"}, {"FZ", "F3"}, {"MX", "M1"}, {"MY", "M2"}, {"MZ", "M3"}};
    std::string row = "Joint=" + quoted(joint) + "   " + patternOf(t, line) + "   CoordSys=GLOBAL";
    for (const auto& [key, field] : kComponents)
        if (line.has(key))
            row += "   " + std::string(field) + "=" + formatGeneral(t.real(line, key, 0));
    t.text.row("JOINT LOADS - FORCE", line, row);
}

void frameLoad(Translation& t, const EtabsLine& line) {
    const std::string frame = placedObject(t, line, t.frames, "line");
    if (frame.empty()) {
        t.report.addNotCarried("loads on lines without a section or not carried (LINELOAD)");
        return;
    }
    const std::string type = line.value("TYPE");
    const std::string common =
        "Frame=" + quoted(frame) + "   " + patternOf(t, line) + "   " + directionOf(t, line);
    if (sameWord(type, "UNIFF") || sameWord(type, "TRAPF")) {
        const bool uniform = sameWord(type, "UNIFF");
        const double a = uniform ? t.real(line, "FVAL", 0) : t.real(line, "FSTART", 0);
        const double b = uniform ? a : t.real(line, "FEND", 0);
        const double from = uniform ? 0 : t.real(line, "RDSTART", 0),
                     to = uniform ? 1 : t.real(line, "RDEND", 1);
        if (!(from >= 0 && from <= to && to <= 1))
            t.fail(line, "RDSTART " + formatGeneral(from) + " and RDEND " + formatGeneral(to) +
                             " are no span from 0 to 1");
        if (from == to)
            return; // a load over no length
        t.text.row("FRAME LOADS - DISTRIBUTED", line,
                   common + "   Type=Force   DistType=RelDist   RelDistA=" + formatGeneral(from) +
                       "   RelDistB=" + formatGeneral(to) + "   FOverLA=" + formatGeneral(a) +
                       "   FOverLB=" + formatGeneral(b));
        return;
    }
    if (sameWord(type, "POINTF")) {
        const double at = t.real(line, "RD", 0.5);
        if (!(at >= 0 && at <= 1))
            t.fail(line, "RD " + formatGeneral(at) + " lies outside 0 to 1");
        t.text.row("FRAME LOADS - POINT", line,
                   common + "   Type=Force   DistType=RelDist   RelDist=" + formatGeneral(at) +
                       "   Force=" + formatGeneral(t.real(line, "FVAL", 0)));
        return;
    }
    t.report.addNotCarried("frame loads of TYPE " + type + " (LINELOAD)");
}

using LoadSets = std::map<std::string, std::vector<std::pair<std::string, double>>>;

// A gravity load on a membrane floor goes to the frames around it, two way, or one way along the
// deck's span, its local axis 1 turned by the area's ANG.
void uniformAreaLoad(Translation& t, const EtabsLine& line, const std::string& area,
                     const std::string& pattern, const std::string& direction, double value) {
    std::string table = "AREA LOADS - UNIFORM", distribution;
    if (const auto floor = t.areaDistribution.find(area);
        floor != t.areaDistribution.end() && direction.find("Gravity") != std::string::npos) {
        table = "AREA LOADS - UNIFORM TO FRAME";
        distribution = "   DistType=" + quoted(floor->second.first);
        if (floor->second.second != 0)
            distribution += "   Angle=" + formatGeneral(floor->second.second);
    }
    t.text.row(table, line,
               "Area=" + quoted(area) + "   " + pattern + "   " + direction +
                   "   UnifLoad=" + formatGeneral(value) + distribution);
}

void areaLoad(Translation& t, const EtabsLine& line, const LoadSets& sets) {
    const std::string area = placedObject(t, line, t.areas, "area");
    if (area.empty()) {
        t.report.addNotCarried("loads on areas not carried (AREALOAD)");
        return;
    }
    const std::string type = line.value("TYPE");
    if (sameWord(type, "UNIFF")) {
        uniformAreaLoad(t, line, area, patternOf(t, line), directionOf(t, line), t.real(line, "FVAL", 0));
        return;
    }
    if (sameWord(type, "UNIFLOADSET")) {
        // TYPE "UNIFLOADSET" "SET": the set's name follows the type.
        const std::string* set = nullptr;
        for (std::size_t k = 0; k + 1 < line.tokens.size(); ++k)
            if (!line.tokens[k].quoted && sameWord(line.tokens[k].text, "TYPE") && k + 2 < line.tokens.size())
                set = &line.tokens[k + 2].text;
        const auto found = set != nullptr ? sets.find(*set) : sets.end();
        if (found == sets.end())
            t.fail(line, "the area load names no shell uniform load set of SHELL UNIFORM LOAD SETS");
        for (const auto& [pattern, value] : found->second)
            uniformAreaLoad(t, line, area, "LoadPat=" + quoted(pattern), "CoordSys=GLOBAL   Dir=Gravity",
                            value);
        return;
    }
    t.report.addNotCarried("area loads of TYPE " + type + " (AREALOAD)");
}

} // namespace

void translateLoadPatterns(Translation& t) {
    for (const EtabsLine& line : t.block->lines) {
        if (sameWord(line.keyword, "LOADPATTERN") && t.real(line, "SELFWEIGHT", 0) != 0)
            t.selfWeightPatterns.push_back({t.name(line, 0, "load pattern"), t.real(line, "SELFWEIGHT", 0)});
        if (sameWord(line.keyword, "LOADPATTERN"))
            t.text.row("LOAD PATTERN DEFINITIONS", line,
                       "LoadPat=" + quoted(t.name(line, 0, "load pattern")) +
                           "   DesignType=" + quoted(line.value("TYPE", "Other")) +
                           "   SelfWtMult=" + formatGeneral(t.real(line, "SELFWEIGHT", 0)));
        else if (sameWord(line.keyword, "SEISMIC") || sameWord(line.keyword, "WIND"))
            t.report.addNotCarried("automatic lateral loads (" + line.keyword + ")");
    }
}

void translateLoads(Translation& t, const std::vector<EtabsBlock>& blocks) {
    LoadSets sets;
    for (const EtabsBlock& block : blocks) {
        t.block = &block;
        if (sameWord(block.name, "SHELL UNIFORM LOAD SETS"))
            for (const EtabsLine& line : block.lines)
                if (sameWord(line.keyword, "SHELLUNIFORMLOADSET")) {
                    const std::string* pattern = line.find("LOADPAT");
                    if (pattern == nullptr)
                        t.fail(line, "the load set names no load pattern (LOADPAT)");
                    sets[t.name(line, 0, "load set")].push_back({*pattern, t.real(line, "VALUE", 0)});
                }
    }
    // The steel deck weighs on the patterns that take self weight, as a load on its floor; its mass
    // follows only where the mass source takes those patterns.
    for (const auto& [line, deck] : t.deckAreas)
        for (const auto& [pattern, multiplier] : t.selfWeightPatterns)
            uniformAreaLoad(t, line, deck.first, "LoadPat=" + quoted(pattern),
                            "CoordSys=GLOBAL   Dir=Gravity", multiplier * deck.second);
    if (!t.deckAreas.empty())
        t.report.addNotCarried(
            "mass of steel decks (DECKUNITWEIGHT), but through load patterns of the mass source");
    for (const EtabsBlock& block : blocks) {
        t.block = &block;
        for (const EtabsLine& line : block.lines) {
            if (sameWord(block.name, "POINT OBJECT LOADS") && sameWord(line.keyword, "POINTLOAD"))
                pointLoad(t, line);
            else if (sameWord(block.name, "FRAME OBJECT LOADS") && sameWord(line.keyword, "LINELOAD"))
                frameLoad(t, line);
            else if (sameWord(block.name, "SHELL OBJECT LOADS") && sameWord(line.keyword, "AREALOAD"))
                areaLoad(t, line, sets);
        }
    }
}

// MASSSOURCE "NAME" INCLUDEELEMENTS "Yes" ... ISDEFAULT "Yes", then MASSSOURCELOAD "NAME" "PATTERN" 1.
void translateMassSource(Translation& t) {
    for (const EtabsLine& line : t.block->lines) {
        const std::string source = "MassSource=" + quoted(t.name(line, 0, "mass source"));
        if (sameWord(line.keyword, "MASSSOURCE")) {
            const auto yes = [&](std::string_view key, bool fallback) {
                return line.has(key) ? sameWord(line.value(key), "Yes") : fallback;
            };
            t.text.row("MASS SOURCE", line,
                       source + "   Elements=" + (yes("INCLUDEELEMENTS", true) ? "Yes" : "No") +
                           "   Masses=" + (yes("INCLUDEADDEDMASS", true) ? "Yes" : "No") +
                           "   Loads=" + (yes("INCLUDELOADS", false) ? "Yes" : "No") +
                           "   IsDefault=" + (yes("ISDEFAULT", false) ? "Yes" : "No"));
            if (!yes("INCLUDEVERTICALMASS", true))
                t.report.addNotCarried("mass sources of lateral mass only (the vertical mass is included)");
        } else if (sameWord(line.keyword, "MASSSOURCELOAD")) {
            if (line.tokens.size() < 3)
                t.fail(line, "the mass source load names no load pattern and multiplier");
            t.text.row("MASS SOURCE", line,
                       source + "   LoadPat=" + quoted(t.name(line, 1, "load pattern")) + "   Multiplier=" +
                           formatGeneral(t.number(line, line.tokens[2].text, "multiplier")));
        }
    }
}

// LOADCASE "NAME" TYPE "Linear Static" INITCOND "PRESET", then LOADCASE "NAME" LOADPAT "P" SF 1.
void translateLoadCases(Translation& t) {
    std::set<std::string> defined;
    for (const EtabsLine& line : t.block->lines) {
        if (!sameWord(line.keyword, "LOADCASE"))
            continue;
        const std::string name = t.name(line, 0, "load case");
        if (line.has("LOADPAT")) {
            t.text.row("CASE - STATIC 1 - LOAD ASSIGNMENTS", line,
                       "Case=" + quoted(name) +
                           "   LoadType=\"Load pattern\"   LoadName=" + quoted(line.value("LOADPAT")) +
                           "   LoadSF=" + formatGeneral(t.real(line, "SF", 1)));
            continue;
        }
        if (!line.has("TYPE") || !defined.insert(name).second)
            continue;
        const std::string type = line.value("TYPE");
        std::string table = type;
        if (sameWord(type, "Linear Static"))
            table = "LinStatic";
        else if (sameWord(type, "Nonlinear Static"))
            table = "NonStatic";
        else if (sameWord(type.substr(0, 5), "Modal"))
            table = "LinModal";
        const std::string start = line.value("INITCOND", "PRESET");
        t.text.row("LOAD CASE DEFINITIONS", line,
                   "Case=" + quoted(name) + "   Type=" + quoted(table) +
                       "   InitialCond=" + quoted(sameWord(start, "PRESET") ? std::string("Zero") : start));
    }
}

} // namespace kelvane::etabs
