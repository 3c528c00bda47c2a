#include "model/keyword/keyword_translation.h"

#include "model/tables/restated_import.h"

#include "common/error.h"
#include "common/number_format.h"
#include "common/number_parse.h"

#include <array>
#include <cctype>
#include <map>
#include <numbers>
#include <optional>
#include <string_view>

namespace kelvane::keyword {
namespace {

// Degrees of freedom by either of their names, as index 0..5 (UX or U1 .. RZ or R3).
std::optional<std::size_t> dofIndex(std::string_view name) {
    static constexpr std::array<std::string_view, 6> global = {"UX", "UY", "UZ", "RX", "RY", "RZ"};
    static constexpr std::array<std::string_view, 6> local = {"U1", "U2", "U3", "R1", "R2", "R3"};
    for (std::size_t k = 0; k < global.size(); ++k)
        if (sameWord(name, global[k]) || sameWord(name, local[k]))
            return k;
    return std::nullopt;
}

std::string quoted(std::string_view value) {
    return value.find_first_of(" =\t") == std::string_view::npos ? std::string(value)
                                                                 : "\"" + std::string(value) + "\"";
}

struct Translation {
    tables::RestatedTables text;
    tables::ImportReport& report;
    const KeywordBlock* block = nullptr;
    bool hasFrames = false, hasShells = false;

    [[noreturn]] void fail(const KeywordLine& line, const std::string& what) const {
        kelvane::fail("Line " + std::to_string(line.line + 1) + " (" + block->name + "): " + what);
    }
    std::string required(const KeywordLine& line, std::string_view key) const {
        const std::string* value = line.find(key);
        if (value == nullptr || value->empty())
            fail(line, "the line has no " + std::string(key) + "=");
        return *value;
    }
    std::string name(const KeywordLine& line) const {
        if (line.name.empty())
            fail(line, "the line names no object");
        return line.name;
    }
};

// "CurrUnits" in the table format's spelling; SAP2000's keyword files write K for kip and TON for
// metric tons of force.
std::string unitName(std::string_view unit) {
    if (sameWord(unit, "K"))
        return "kip";
    if (sameWord(unit, "TON"))
        return "Tonf";
    return std::string(unit);
}

void translateSystem(Translation& t) {
    for (const KeywordLine& line : t.block->lines) {
        if (const std::string* dofs = line.find("DOF")) {
            std::array<bool, 6> active{};
            for (const std::string& name : splitList(*dofs)) {
                const std::optional<std::size_t> k = dofIndex(name);
                if (!k)
                    t.fail(line, "DOF=" + *dofs + ": '" + name + "' is no degree of freedom");
                active[*k] = true;
            }
            static constexpr std::array<std::string_view, 6> keys = {"UX", "UY", "UZ", "RX", "RY", "RZ"};
            std::string row;
            for (std::size_t k = 0; k < keys.size(); ++k)
                row += std::string(k == 0 ? "" : "   ") + std::string(keys[k]) + "=" +
                       (active[k] ? "Yes" : "No");
            t.text.row("ACTIVE DEGREES OF FREEDOM", line, row);
        }
        if (line.has("LENGTH") || line.has("FORCE"))
            t.text.row("PROGRAM CONTROL", line,
                       "CurrUnits=\"" + unitName(line.value("FORCE", "N")) + ", " +
                           unitName(line.value("LENGTH", "mm")) + ", C\"");
    }
}

void translateJoints(Translation& t) {
    for (const KeywordLine& line : t.block->lines) {
        if (line.has("LGEN") || line.has("FGEN") || line.has("QGEN")) {
            t.report.addNotCarried("joint generation (LGEN, FGEN, QGEN in JOINT)");
            continue;
        }
        t.text.row("JOINT COORDINATES", line,
                   "Joint=" + quoted(t.name(line)) +
                       "   CoordSys=GLOBAL   CoordType=Cartesian   XorR=" + line.value("X", "0") +
                       "   Y=" + line.value("Y", "0") + "   Z=" + line.value("Z", "0"));
    }
}

// ADD=joint lines with per-degree-of-freedom values (SPRING, MASS) or a DOF= list (RESTRAINT).
void translateJointAssignments(Translation& t, const std::string& table,
                               const std::array<std::string_view, 6>& keys, bool flags) {
    for (const KeywordLine& line : t.block->lines) {
        const std::string joint = t.required(line, "ADD");
        if (joint == "*" || line.has("REM")) {
            t.report.addNotCarried(t.block->name + " lines for every joint or removing joints (ADD=*, REM=)");
            continue;
        }
        std::string row = "Joint=" + quoted(joint) + (flags ? "" : "   CoordSys=GLOBAL");
        if (flags) {
            for (const std::string& name : splitList(line.value("DOF"))) {
                const std::optional<std::size_t> k = dofIndex(name);
                if (!k)
                    t.fail(line, "DOF=" + line.value("DOF") + ": '" + name + "' is no degree of freedom");
                row += "   " + std::string(keys[*k]) + "=Yes";
            }
        } else {
            for (const KeyValue& pair : line.pairs)
                if (const std::optional<std::size_t> k = dofIndex(pair.key))
                    row += "   " + std::string(keys[*k]) + "=" + pair.value;
        }
        t.text.row(table, line, row);
    }
}

std::string materialType(std::string_view design) {
    if (sameWord(design, "S"))
        return "Steel";
    if (sameWord(design, "C"))
        return "Concrete";
    if (sameWord(design, "R"))
        return "Rebar";
    return "Other";
}

// A NAME= line, then the lines of its temperatures (T= E= U= A= FY= FC=); the first one counts.
void translateMaterials(Translation& t) {
    const KeywordLine* named = nullptr;
    bool hasProperties = false;
    for (const KeywordLine& line : t.block->lines) {
        if (line.has("NAME")) {
            named = &line;
            hasProperties = false;
            t.text.row("MATERIAL PROPERTIES 01 - GENERAL", line,
                       "Material=" + quoted(line.value("NAME")) +
                           "   Type=" + materialType(line.value("IDES")));
        }
        if (named == nullptr)
            t.fail(line, "the material's properties come before its NAME=");
        if (hasProperties || !line.has("E"))
            continue;
        hasProperties = true;
        const std::string material = "Material=" + quoted(named->value("NAME"));
        t.text.row("MATERIAL PROPERTIES 02 - BASIC MECHANICAL PROPERTIES", line,
                   material + "   UnitWeight=" + named->value("W", "0") +
                       "   UnitMass=" + named->value("M", "0") + "   E1=" + line.value("E") +
                       "   U12=" + line.value("U", "0"));
        if (line.has("FY"))
            t.text.row("MATERIAL PROPERTIES 03a - STEEL DATA", line, material + "   Fy=" + line.value("FY"));
        if (line.has("FC"))
            t.text.row("MATERIAL PROPERTIES 03b - CONCRETE DATA", line,
                       material + "   Fc=" + line.value("FC"));
    }
}

// SH= shapes the store meshes, with the table format's names of their T= dimensions.
struct FrameShape {
    std::string_view code, name;
    std::array<std::string_view, 6> keys;
};
constexpr std::array<FrameShape, 5> kFrameShapes = {
    {{"R", "Rectangular", {"t3", "t2"}},
     {"I", "I/Wide Flange", {"t3", "t2", "tf", "tw", "t2b", "tfb"}},
     {"B", "Box/Tube", {"t3", "t2", "tf", "tw"}},
     {"P", "Pipe", {"t3", "tw"}},
     {"C", "Circle", {"t3"}}}};

// The cross-section area of a shape from its T= dimensions in the order of its keys, which the
// self weight needs (the table format gives it; a keyword file gives the dimensions only).
double shapeArea(const FrameShape& shape, const std::vector<double>& d) {
    const auto at = [&d](std::size_t k) { return k < d.size() ? d[k] : 0.0; };
    switch (shape.code[0]) {
    case 'R':
        return at(0) * at(1);
    case 'I':
        return at(1) * at(2) + at(4) * at(5) + (at(0) - at(2) - at(5)) * at(3);
    case 'B':
        return at(0) * at(1) - (at(0) - 2 * at(2)) * (at(1) - 2 * at(3));
    case 'C':
        return std::numbers::pi / 4 * at(0) * at(0);
    default: // a pipe: outside diameter and wall
        return std::numbers::pi / 4 * (at(0) * at(0) - (at(0) - 2 * at(1)) * (at(0) - 2 * at(1)));
    }
}

void translateFrameSections(Translation& t) {
    for (const KeywordLine& line : t.block->lines) {
        std::string row = "SectionName=" + quoted(t.required(line, "NAME"));
        if (line.has("MAT"))
            row += "   Material=" + quoted(line.value("MAT"));
        const std::string shape = line.value("SH");
        const FrameShape* known = nullptr;
        for (const FrameShape& candidate : kFrameShapes)
            if (sameWord(shape, candidate.code))
                known = &candidate;
        if (known != nullptr) {
            row += "   Shape=\"" + std::string(known->name) + "\"";
            const std::vector<std::string> values = splitList(line.value("T"));
            std::vector<double> dimensions;
            for (std::size_t k = 0; k < known->keys.size() && k < values.size(); ++k) {
                if (known->keys[k].empty())
                    continue;
                row += "   " + std::string(known->keys[k]) + "=" + values[k];
                try {
                    dimensions.push_back(parseReal(values[k]));
                } catch (const KelvaneError& error) {
                    t.fail(line, "T=" + line.value("T") + ": " + error.what());
                }
            }
            if (!line.has("A"))
                row += "   Area=" + formatGeneral(shapeArea(*known, dimensions));
        } else {
            row += "   Shape=General";
        }
        // General properties: A=, J=, I=I33,I22, AS=AS2,AS3.
        if (line.has("A"))
            row += "   Area=" + line.value("A");
        if (line.has("J"))
            row += "   TorsConst=" + line.value("J");
        const std::vector<std::string> inertia = splitList(line.value("I"));
        if (line.has("I")) {
            row += "   I33=" + inertia[0];
            row += "   I22=" + (inertia.size() > 1 ? inertia[1] : inertia[0]);
        }
        const std::vector<std::string> shear = splitList(line.value("AS"));
        if (line.has("AS")) {
            row += "   AS2=" + shear[0];
            row += "   AS3=" + (shear.size() > 1 ? shear[1] : shear[0]);
        }
        t.text.row("FRAME SECTION PROPERTIES 01 - GENERAL", line, row);
    }
}

// IREL= and JREL= name the released components: P, V2, V3, T, M2, M3 (or U1 .. R3).
std::string releasesOf(const Translation& t, const KeywordLine& line, std::string_view key, char end) {
    static constexpr std::array<std::string_view, 6> names = {"P", "V2", "V3", "T", "M2", "M3"};
    std::string row;
    const std::string* list = line.find(key);
    if (list == nullptr)
        return row;
    for (const std::string& item : splitList(*list)) {
        std::optional<std::size_t> k = dofIndex(item);
        for (std::size_t n = 0; n < names.size() && !k; ++n)
            if (sameWord(item, names[n]))
                k = n;
        if (!k)
            t.fail(line, std::string(key) + "=" + *list + ": '" + item + "' is no frame end force");
        row += "   " + std::string(names[*k]) + end + "=Yes";
    }
    return row;
}

void translateFrames(Translation& t) {
    for (const KeywordLine& line : t.block->lines) {
        const std::string frame = "Frame=" + quoted(t.name(line));
        const std::vector<std::string> joints = splitList(t.required(line, "J"));
        if (joints.size() != 2)
            t.fail(line, "J=" + line.value("J") + ": a frame joins two joints");
        t.text.row("CONNECTIVITY - FRAME", line,
                   frame + "   JointI=" + quoted(joints[0]) + "   JointJ=" + quoted(joints[1]));
        t.text.row("FRAME SECTION ASSIGNMENTS", line,
                   frame + "   AnalSect=" + quoted(t.required(line, "SEC")));
        if (line.has("ANG"))
            t.text.row("FRAME LOCAL AXES ASSIGNMENTS 1 - TYPICAL", line,
                       frame + "   Angle=" + line.value("ANG"));
        const std::string releases = releasesOf(t, line, "IREL", 'I') + releasesOf(t, line, "JREL", 'J');
        if (!releases.empty())
            t.text.row("FRAME RELEASE ASSIGNMENTS 1 - GENERAL", line, frame + releases);
    }
}

// TYPE=Shell,Thin / Shell,Thick / Plate,Thin / Plate,Thick / Membrane; a shell or plate without
// its second word is thin, as SAP2000 takes it. TH=membrane[,bending] and THB=bending.
void translateShellSections(Translation& t) {
    for (const KeywordLine& line : t.block->lines) {
        const std::vector<std::string> type = splitList(line.value("TYPE", "Shell"));
        std::string typeName = type[0];
        if (!sameWord(type[0], "Membrane"))
            typeName += "-" + (type.size() > 1 ? type[1] : std::string("Thin"));
        const std::vector<std::string> thickness = splitList(line.value("TH", "0"));
        std::string row = "Section=" + quoted(t.required(line, "NAME")) +
                          "   AreaType=Shell   Type=" + quoted(typeName) + "   Thickness=" + thickness[0];
        if (line.has("MAT"))
            row += "   Material=" + quoted(line.value("MAT"));
        if (line.has("THB"))
            row += "   BendThick=" + line.value("THB");
        else if (thickness.size() > 1)
            row += "   BendThick=" + thickness[1];
        t.text.row("AREA SECTION PROPERTIES", line, row);
    }
}

// J=j1,j2,j3,j4 lists a quadrilateral's corners with j3 opposite j2: the ring is j1, j2, j4, j3.
void translateShells(Translation& t) {
    for (const KeywordLine& line : t.block->lines) {
        const std::string area = "Area=" + quoted(t.name(line));
        const std::vector<std::string> joints = splitList(t.required(line, "J"));
        if (joints.size() != 3 && joints.size() != 4)
            t.fail(line, "J=" + line.value("J") + ": a shell has three or four joints");
        std::string row = area + "   NumJoints=" + std::to_string(joints.size());
        static constexpr std::array<std::size_t, 4> ring = {0, 1, 3, 2};
        for (std::size_t k = 0; k < joints.size(); ++k)
            row +=
                "   Joint" + std::to_string(k + 1) + "=" + quoted(joints[joints.size() == 4 ? ring[k] : k]);
        t.text.row("CONNECTIVITY - AREA", line, row);
        t.text.row("AREA SECTION ASSIGNMENTS", line, area + "   Section=" + quoted(t.required(line, "SEC")));
    }
}

// A load value: the global components UX, UY, UZ as directions X, Y, Z, the local U1, U2, U3 as
// 1, 2, 3; moments RX .. R3 alike.
struct LoadComponent {
    std::string dir;
    bool moment = false;
    bool local = false;
    std::string value;
};

std::vector<LoadComponent> loadComponents(const KeywordLine& line) {
    static constexpr std::array<std::string_view, 3> axes = {"X", "Y", "Z"};
    std::vector<LoadComponent> components;
    for (const KeyValue& pair : line.pairs) {
        const std::optional<std::size_t> k = dofIndex(pair.key);
        if (!k)
            continue;
        const bool local = pair.key.size() == 2 && pair.key[1] >= '1' && pair.key[1] <= '3';
        const std::size_t axis = *k % 3;
        components.push_back(
            {local ? std::to_string(axis + 1) : std::string(axes[axis]), *k >= 3, local, pair.value});
    }
    return components;
}

struct LoadState {
    std::string pattern;
    std::string type;
    std::string element; // ELEM= of the TYPE line: FRAME, SHELL, or empty for every element
    // Gravity multipliers along -UZ by ELEM=, which SAP2000 applies to the elements' own weight.
    std::map<std::string, double> gravity;
};

void translateLoadLine(Translation& t, const KeywordLine& line, LoadState& state) {
    const std::string target = t.required(line, "ADD");
    const std::string common = "LoadPat=" + quoted(state.pattern);
    const std::string type = state.type;
    if (sameWord(type, "GRAVITY")) {
        const std::string* uz = line.find("UZ");
        if (target == "*" && uz != nullptr && !line.has("UX") && !line.has("UY")) {
            try {
                state.gravity[state.element] = -parseReal(*uz);
            } catch (const KelvaneError& error) {
                t.fail(line, "UZ=" + *uz + ": " + error.what());
            }
            return;
        }
        t.report.addNotCarried("gravity loads other than on every element along UZ (LOAD TYPE=GRAVITY)");
        return;
    }
    if (target == "*") {
        t.report.addNotCarried("loads on every element (ADD=*) of LOAD TYPE=" + type);
        return;
    }
    if (sameWord(type, "FORCE")) {
        std::string row = "Joint=" + quoted(target) + "   " + common + "   CoordSys=GLOBAL";
        static constexpr std::array<std::string_view, 6> keys = {"F1", "F2", "F3", "M1", "M2", "M3"};
        for (const KeyValue& pair : line.pairs)
            if (const std::optional<std::size_t> k = dofIndex(pair.key))
                row += "   " + std::string(keys[*k]) + "=" + pair.value;
        t.text.row("JOINT LOADS - FORCE", line, row);
        return;
    }
    const bool spanLoad = sameWord(type.substr(0, 11), "DISTRIBUTED") || sameWord(type, "CONCENTRATED SPAN");
    if (!sameWord(type, "UNIFORM") && !spanLoad) {
        t.report.addNotCarried("loads of LOAD TYPE=" + type);
        return;
    }
    for (const LoadComponent& c : loadComponents(line)) {
        const std::string where =
            "   CoordSys=" + std::string(c.local ? "Local" : "GLOBAL") + "   Dir=" + c.dir;
        if (sameWord(type, "UNIFORM")) {
            if (c.moment) {
                t.report.addNotCarried("moments in shell uniform loads (LOAD TYPE=UNIFORM)");
                continue;
            }
            t.text.row("AREA LOADS - UNIFORM", line,
                       "Area=" + quoted(target) + "   " + common + where + "   UnifLoad=" + c.value);
        } else if (sameWord(type.substr(0, 11), "DISTRIBUTED")) {
            const std::vector<std::string> at = splitList(line.value("RD", "0,1"));
            const std::vector<std::string> w = splitList(c.value);
            const std::string force = c.moment ? "MOverL" : "FOverL";
            t.text.row("FRAME LOADS - DISTRIBUTED", line,
                       "Frame=" + quoted(target) + "   " + common + where + "   Type=" +
                           (c.moment ? "Moment" : "Force") + "   DistType=RelDist   RelDistA=" + at[0] +
                           "   RelDistB=" + (at.size() > 1 ? at[1] : at[0]) + "   " + force + "A=" + w[0] +
                           "   " + force + "B=" + (w.size() > 1 ? w[1] : w[0]));
        } else {
            t.text.row("FRAME LOADS - POINT", line,
                       "Frame=" + quoted(target) + "   " + common + where +
                           "   Type=" + (c.moment ? "Moment   Moment=" : "Force   Force=") + c.value +
                           "   DistType=RelDist   RelDist=" + line.value("RD", "0.5"));
        }
    }
}

// The self weight of the whole model, when the gravity loads take every kind of element the file
// has by the same multiplier; otherwise none, and the report says so.
double selfWeightMultiplier(Translation& t, const LoadState& pattern) {
    if (pattern.gravity.empty())
        return 0;
    if (const auto all = pattern.gravity.find("");
        all != pattern.gravity.end() && pattern.gravity.size() == 1)
        return all->second;
    std::optional<double> common;
    bool same = true;
    for (const auto& [element, present] :
         {std::pair{"FRAME", t.hasFrames}, std::pair{"SHELL", t.hasShells}}) {
        if (!present)
            continue;
        const auto found = pattern.gravity.find(element);
        const double multiplier = found != pattern.gravity.end() ? found->second : 0.0;
        same = same && (!common || *common == multiplier);
        common = multiplier;
    }
    if (!same || pattern.gravity.size() > 2 || !common) {
        t.report.addNotCarried(
            "gravity loads that weigh some kinds of element only (LOAD TYPE=GRAVITY ELEM=)");
        return 0;
    }
    return *common;
}

// NAME=pattern lines, each followed by TYPE= lines and their ADD= lines.
void translateLoads(Translation& t) {
    LoadState state;
    std::vector<std::pair<const KeywordLine*, LoadState>> patterns;
    const auto closePattern = [&] {
        if (!patterns.empty())
            patterns.back().second = state;
    };
    for (const KeywordLine& line : t.block->lines) {
        if (line.has("NAME")) {
            closePattern();
            state = {line.value("NAME"), "", "", {}};
            patterns.push_back({&line, state});
        }
        if (line.has("TYPE")) {
            state.type = line.value("TYPE");
            state.element = line.value("ELEM");
            for (char& c : state.element)
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
        if (!line.has("ADD"))
            continue;
        if (state.pattern.empty())
            t.fail(line, "the load comes before the NAME= of its load case");
        if (state.type.empty())
            t.fail(line, "the load comes before the TYPE= of its kind");
        translateLoadLine(t, line, state);
    }
    closePattern();
    for (const auto& [line, pattern] : patterns)
        t.text.row("LOAD PATTERN DEFINITIONS", *line,
                   "LoadPat=" + quoted(pattern.pattern) +
                       "   DesignType=OTHER   SelfWtMult=" + formatGeneral(selfWeightMultiplier(t, pattern)));
}

using BlockTranslator = void (*)(Translation&);

void translateRestraints(Translation& t) {
    translateJointAssignments(t, "JOINT RESTRAINT ASSIGNMENTS", {"U1", "U2", "U3", "R1", "R2", "R3"}, true);
}
void translateSprings(Translation& t) {
    translateJointAssignments(t, "JOINT SPRING ASSIGNMENTS 1 - UNCOUPLED",
                              {"U1", "U2", "U3", "R1", "R2", "R3"}, false);
}
void translateMasses(Translation& t) {
    translateJointAssignments(t, "JOINT ADDED MASS ASSIGNMENTS",
                              {"Mass1", "Mass2", "Mass3", "MMI1", "MMI2", "MMI3"}, false);
}

// In the order the table import needs them: materials before the sections that name them.
constexpr std::array<std::pair<std::string_view, BlockTranslator>, 12> kTranslators = {{
    {"SYSTEM", &translateSystem},
    {"JOINT", &translateJoints},
    {"RESTRAINT", &translateRestraints},
    {"SPRING", &translateSprings},
    {"MASS", &translateMasses},
    {"MATERIAL", &translateMaterials},
    {"FRAME SECTION", &translateFrameSections},
    {"SHELL SECTION", &translateShellSections},
    {"FRAME", &translateFrames},
    {"SHELL", &translateShells},
    {"LOAD", &translateLoads},
    {"END", nullptr},
}};

// Blocks that change the analysis and are not read, with what they hold.
constexpr std::array<std::pair<std::string_view, std::string_view>, 9> kBlocksNotCarried = {{
    {"CONSTRAINT", "constraints"},
    {"WELD", "welds"},
    {"LOCAL", "joint local axes"},
    {"PATTERN", "joint patterns"},
    {"NLPROP", "nonlinear link properties"},
    {"NLLINK", "nonlinear links"},
    {"SOLID", "solids"},
    {"PDELTA", "P-delta"},
    {"ASOLID", "axisymmetric solids"},
}};

} // namespace

TranslatedModel translateKeywordModel(const std::vector<std::string>& fileLines) {
    TranslatedModel model;
    Translation t{tables::RestatedTables{}, model.report};
    const std::vector<KeywordBlock> blocks = readKeywordBlocks(fileLines);
    for (const KeywordBlock& block : blocks) {
        t.hasFrames = t.hasFrames || (sameWord(block.name, "FRAME") && !block.lines.empty());
        t.hasShells = t.hasShells || (sameWord(block.name, "SHELL") && !block.lines.empty());
    }
    for (const auto& [name, translate] : kTranslators)
        for (const KeywordBlock& block : blocks)
            if (translate != nullptr && sameWord(block.name, name)) {
                t.block = &block;
                translate(t);
            }
    for (const KeywordBlock& block : blocks) {
        if (sameWord(block.name, "END"))
            continue;
        bool read = false;
        for (const auto& [name, translate] : kTranslators)
            read = read || sameWord(block.name, name);
        const tables::TableRows rows{block.name, static_cast<long long>(block.lines.size())};
        (read ? model.report.tablesRead : model.report.tablesSkipped).push_back(rows);
        for (const auto& [name, what] : kBlocksNotCarried)
            if (sameWord(block.name, name) && rows.rows > 0)
                model.report.addNotCarried(std::string(what) + " (" + block.name + ")", rows.rows);
    }
    t.text.writeTo(model.lines, model.origin);
    return model;
}

bool isKeywordFormat(const std::vector<std::string>& fileLines) {
    for (const KeywordBlock& block : readKeywordBlocks(fileLines)) {
        if (sameWord(block.name, "SPRING") && !block.lines.empty())
            return true;
        for (const KeywordLine& line : block.lines) {
            if (sameWord(block.name, "SYSTEM") && line.has("DOF") && splitList(line.value("DOF")).size() < 6)
                return true;
            if (sameWord(block.name, "SHELL SECTION") && line.has("TYPE"))
                return true;
            if (sameWord(block.name, "LOAD") && line.has("TYPE")) {
                const std::string type = line.value("TYPE");
                if (!sameWord(type, "FORCE") && !sameWord(type.substr(0, 11), "DISTRIBUTED"))
                    return true;
            }
        }
    }
    return false;
}

} // namespace kelvane::keyword
