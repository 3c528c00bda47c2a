#include "common/number_format.h"
#include "model/etabs/etabs_context.h"

#include <array>
#include <optional>

namespace kelvane::etabs {
namespace {

// A line or area in plan: its points, each with how many storeys below the assigned one it lies
// (a column's first point 1, a beam's 0).
struct PlanObject {
    std::string type;
    std::vector<std::string> points;
    std::vector<int> below;
};

int storeysBelow(const Translation& t, const EtabsLine& line, const std::string& text) {
    const double value = t.number(line, text, "storeys below");
    if (!(value >= 0 && value <= 1000) || value != static_cast<int>(value))
        t.fail(line, "'" + text + "' is no number of storeys below");
    return static_cast<int>(value);
}

// LINE "C1" COLUMN "1" "1" 1
std::map<std::string, PlanObject> readLines(Translation& t) {
    std::map<std::string, PlanObject> lines;
    for (const EtabsLine& line : t.block->lines) {
        if (!sameWord(line.keyword, "LINE"))
            continue;
        const std::string name = t.name(line, 0, "line");
        if (line.tokens.size() < 4)
            t.fail(line, "line \"" + name + "\" names no type and two points");
        PlanObject object{line.tokens[1].text,
                          {t.name(line, 2, "first point"), t.name(line, 3, "second point")},
                          {line.tokens.size() > 4 ? storeysBelow(t, line, line.tokens[4].text) : 0, 0}};
        if (!lines.emplace(name, object).second)
            t.fail(line, "line \"" + name + "\" is given a second time");
    }
    return lines;
}

// AREA "F1" FLOOR 4 "1" "2" "3" "4" 0 0 0 0
std::map<std::string, PlanObject> readAreas(Translation& t) {
    std::map<std::string, PlanObject> areas;
    for (const EtabsLine& line : t.block->lines) {
        if (!sameWord(line.keyword, "AREA"))
            continue;
        const std::string name = t.name(line, 0, "area");
        if (line.tokens.size() < 3)
            t.fail(line, "area \"" + name + "\" names no type and number of points");
        const double count = t.number(line, line.tokens[2].text, "number of points");
        if (!(count >= 3 && count <= 1000) || count != static_cast<int>(count))
            t.fail(line, "area \"" + name + "\": '" + line.tokens[2].text + "' is no number of points");
        const auto n = static_cast<std::size_t>(count);
        PlanObject object{line.tokens[1].text, {}, {}};
        for (std::size_t k = 0; k < n; ++k) {
            object.points.push_back(t.name(line, 3 + k, "point"));
            object.below.push_back(
                3 + n + k < line.tokens.size() ? storeysBelow(t, line, line.tokens[3 + n + k].text) : 0);
        }
        if (!areas.emplace(name, object).second)
            t.fail(line, "area \"" + name + "\" is given a second time");
    }
    return areas;
}

bool isYes(const EtabsLine& line, std::string_view key) {
    const std::string* value = line.find(key);
    return value != nullptr && sameWord(*value, "Yes");
}

void tieToDiaphragm(Translation& t, const std::string& joint, const std::string& diaphragm, int storey,
                    bool overrides) {
    const auto rigid = t.rigidDiaphragm.find(diaphragm);
    if (rigid != t.rigidDiaphragm.end() && !rigid->second) {
        t.report.addNotCarried("joints of semi-rigid diaphragms (left to the floors' own stiffness)");
        return;
    }
    const std::string name = diaphragm + "@" + t.storeys[static_cast<std::size_t>(storey)].name;
    if (overrides)
        t.diaphragmOfJoint[joint] = name;
    else
        t.diaphragmOfJoint.emplace(joint, name);
}

// ETABS names a frame's released end forces PI, V2I, ..., M3J, or PINNED for both moments at both ends.
std::string releasesOf(const Translation& t, const EtabsLine& line) {
    static constexpr std::array<std::string_view, 12> names = {"PI", "V2I", "V3I", "TI", "M2I", "M3I",
                                                               "PJ", "V2J", "V3J", "TJ", "M2J", "M3J"};
    std::string row;
    for (const std::string& word : wordsOf(line.value("RELEASE"))) {
        if (sameWord(word, "PINNED")) {
            row += "   M2I=Yes   M3I=Yes   M2J=Yes   M3J=Yes";
            continue;
        }
        bool known = false;
        for (const std::string_view name : names)
            if (sameWord(word, name)) {
                row += "   " + std::string(name) + "=Yes";
                known = true;
            }
        if (!known)
            t.fail(line, "RELEASE \"" + line.value("RELEASE") + "\": '" + word + "' is no frame end force");
    }
    return row;
}

void placeLine(Translation& t, const EtabsLine& line, const std::map<std::string, PlanObject>& lines) {
    const std::string name = t.name(line, 0, "line");
    const int storey = t.storeyOf(line, t.name(line, 1, "storey"));
    const auto object = lines.find(name);
    if (object == lines.end())
        t.fail(line, "\"" + name + "\" is no line of LINE CONNECTIVITIES");
    const std::string section = line.value("SECTION");
    if (section.empty() || sameWord(section, "None"))
        return;
    if (t.sectionsNotCarried.count(section) != 0) {
        t.report.addNotCarried("frames of the frame sections not carried (left out)");
        return;
    }
    if (sameWord(object->second.type, "LINK")) {
        t.report.addNotCarried("link objects (LINE ... LINK)");
        return;
    }
    const std::string i = t.jointAt(line, object->second.points[0], storey - object->second.below[0]);
    const std::string j = t.jointAt(line, object->second.points[1], storey);
    if (i == j) {
        t.report.addNotCarried("frames whose two ends are one joint (left out)");
        return;
    }
    const std::string label = name + "@" + t.storeys[static_cast<std::size_t>(storey)].name;
    if (!t.frames.insert(label).second)
        t.fail(line, "line \"" + name + "\" is assigned to storey " +
                         t.storeys[static_cast<std::size_t>(storey)].name + " a second time");
    const std::string frame = "Frame=" + quoted(label);
    t.text.row("CONNECTIVITY - FRAME", line, frame + "   JointI=" + quoted(i) + "   JointJ=" + quoted(j));
    t.text.row("FRAME SECTION ASSIGNMENTS", line, frame + "   AnalSect=" + quoted(section));
    if (line.has("ANG"))
        t.text.row("FRAME LOCAL AXES ASSIGNMENTS 1 - TYPICAL", line,
                   frame + "   Angle=" + formatGeneral(t.real(line, "ANG", 0)));
    static constexpr std::pair<std::string_view, std::string_view> kModifiers[] = {
        {"PROPMODA", "AMod"},     {"PROPMODA2", "AS2Mod"},  {"PROPMODA3", "AS3Mod"}, {"PROPMODT", "JMod"},
        {"PROPMODI22", "I22Mod"}, {"PROPMODI33", "I33Mod"}, {"PROPMODM", "MMod"},    {"PROPMODW", "WMod"}};
    std::string modifiers;
    for (const auto& [key, field] : kModifiers)
        if (line.has(key))
            modifiers += "   " + std::string(field) + "=" + formatGeneral(t.real(line, key, 1));
    if (!modifiers.empty())
        t.text.row("FRAME PROPERTY MODIFIERS", line, frame + modifiers);
    if (line.has("RELEASE"))
        t.text.row("FRAME RELEASE ASSIGNMENTS 1 - GENERAL", line, frame + releasesOf(t, line));
    if (line.has("CARDINALPT"))
        t.text.row("FRAME INSERTION POINT ASSIGNMENTS", line,
                   frame + "   CardinalPt=" + line.value("CARDINALPT") + "   StiffTransform=Yes");
    if (const double zone = t.real(line, "RIGIDZONE", 0); !(zone >= 0 && zone <= 1))
        t.fail(line, "RIGIDZONE " + line.value("RIGIDZONE") + " lies outside 0 to 1");
    t.placedFrames.push_back({label, section, object->second.type, i, j, t.real(line, "ANG", 0),
                              t.real(line, "RIGIDZONE", -1), line});
    if (isYes(line, "AUTOMESH"))
        t.text.row("FRAME AUTO MESH ASSIGNMENTS", line,
                   frame + "   AutoMesh=Yes   AtJoints=Yes   AtFrames=" +
                       (isYes(line, "MESHATINTERSECTIONS") ? "Yes" : "No"));
}

void placeArea(Translation& t, const EtabsLine& line, const std::map<std::string, PlanObject>& areas) {
    const std::string name = t.name(line, 0, "area");
    const int storey = t.storeyOf(line, t.name(line, 1, "storey"));
    const auto object = areas.find(name);
    if (object == areas.end())
        t.fail(line, "\"" + name + "\" is no area of AREA CONNECTIVITIES");
    if (isYes(line, "OPENING"))
        return;
    const std::string section = line.value("SECTION");
    if (section.empty() || sameWord(section, "None")) {
        t.report.addNotCarried("areas without a section (left out)");
        return;
    }
    const std::size_t n = object->second.points.size();
    if (n > 4) {
        t.report.addNotCarried("areas of more than four points (left out)");
        return;
    }
    std::vector<std::string> corners;
    for (std::size_t k = 0; k < n; ++k)
        corners.push_back(t.jointAt(line, object->second.points[k], storey - object->second.below[k]));
    const std::string label = name + "@" + t.storeys[static_cast<std::size_t>(storey)].name;
    if (!t.areas.insert(label).second)
        t.fail(line, "area \"" + name + "\" is assigned to storey " +
                         t.storeys[static_cast<std::size_t>(storey)].name + " a second time");
    const std::string area = "Area=" + quoted(label);
    std::string row = area + "   NumJoints=" + std::to_string(n);
    for (std::size_t k = 0; k < n; ++k)
        row += "   Joint" + std::to_string(k + 1) + "=" + quoted(corners[k]);
    t.text.row("CONNECTIVITY - AREA", line, row);
    t.text.row("AREA SECTION ASSIGNMENTS", line, area + "   Section=" + quoted(section));
    if (const auto deck = t.deckWeight.find(section); deck != t.deckWeight.end())
        t.deckAreas.push_back({line, {label, deck->second}});
    if (const auto distribution = t.loadDistribution.find(section); distribution != t.loadDistribution.end())
        t.areaDistribution[label] = {distribution->second, t.real(line, "ANG", 0)};
    if (line.has("DIAPH"))
        for (std::size_t k = 0; k < n; ++k)
            if (object->second.below[k] == 0)
                tieToDiaphragm(t, corners[k], line.value("DIAPH"), storey, false);
    static constexpr std::pair<std::string_view, std::string_view> kModifiers[] = {
        {"PROPMODF11", "f11"}, {"PROPMODF22", "f22"}, {"PROPMODF12", "f12"}, {"PROPMODM11", "m11"},
        {"PROPMODM22", "m22"}, {"PROPMODM12", "m12"}, {"PROPMODV13", "v13"}, {"PROPMODV23", "v23"},
        {"PROPMODM", "MMod"},  {"PROPMODW", "WMod"}};
    std::string modifiers;
    for (const auto& [key, field] : kModifiers)
        if (line.has(key))
            modifiers += "   " + std::string(field) + "=" + formatGeneral(t.real(line, key, 1));
    if (!modifiers.empty())
        t.text.row("AREA STIFFNESS MODIFIERS", line, area + modifiers);
}

// Restraints, springs, added masses and diaphragms of points at storeys. A point that no line or
// area uses at that storey gets a joint only for a restraint, a spring or a mass.
void assignPoint(Translation& t, const EtabsLine& line) {
    const std::string point = t.name(line, 0, "point");
    const int storey = t.storeyOf(line, t.name(line, 1, "storey"));
    const std::string key = point + "@" + t.storeys[static_cast<std::size_t>(storey)].name;
    static constexpr std::pair<std::string_view, std::string_view> kMasses[] = {
        {"MASSUXUY", "Mass1"}, {"MASSUXUY", "Mass2"}, {"MASSUZ", "Mass3"},
        {"MASSRXRY", "MMI1"},  {"MASSRXRY", "MMI2"},  {"MASSRZ", "MMI3"}};
    std::string masses;
    for (const auto& [field, name] : kMasses)
        if (line.has(field))
            masses += "   " + std::string(name) + "=" + formatGeneral(t.real(line, field, 0));
    const bool supported = line.has("RESTRAINT") || line.has("SPRINGPROP");
    const bool placed = t.jointOfPointAt.count(key) != 0;
    if (!placed && !supported && masses.empty())
        return;
    const std::string joint = t.jointAt(line, point, storey);
    if (!placed && !supported) {
        // A mass at a point that no object uses moves with its diaphragm and nothing holds it
        // out of plane: it is held there, as ETABS leaves such a point no stiffness to move.
        t.text.row("JOINT RESTRAINT ASSIGNMENTS", line,
                   "Joint=" + quoted(joint) + "   U3=Yes   R1=Yes   R2=Yes");
        t.report.addNotCarried("out-of-plane freedom of points that carry only a mass (held)");
    }
    if (line.has("RESTRAINT")) {
        static constexpr std::array<std::pair<std::string_view, std::string_view>, 6> kDofs = {
            {{"UX", "U1"}, {"UY", "U2"}, {"UZ", "U3"}, {"RX", "R1"}, {"RY", "R2"}, {"RZ", "R3"}}};
        std::string row = "Joint=" + quoted(joint);
        for (const std::string& word : wordsOf(line.value("RESTRAINT"))) {
            bool known = false;
            for (const auto& [name, field] : kDofs)
                if (sameWord(word, name)) {
                    row += "   " + std::string(field) + "=Yes";
                    known = true;
                    if (name == "UX" || name == "UY" || name == "RZ")
                        t.heldInPlan.insert(joint);
                }
            if (!known)
                t.fail(line, "RESTRAINT \"" + line.value("RESTRAINT") + "\": '" + word +
                                 "' is no degree of freedom");
        }
        t.text.row("JOINT RESTRAINT ASSIGNMENTS", line, row);
    }
    if (!masses.empty())
        t.text.row("JOINT ADDED MASS ASSIGNMENTS", line,
                   "Joint=" + quoted(joint) + "   CoordSys=GLOBAL" + masses);
    if (line.has("SPRINGPROP")) {
        const auto spring = t.pointSprings.find(line.value("SPRINGPROP"));
        if (spring == t.pointSprings.end())
            t.fail(line,
                   "SPRINGPROP \"" + line.value("SPRINGPROP") + "\" is no spring of POINT SPRING PROPERTIES");
        t.text.row("JOINT SPRING ASSIGNMENTS 1 - UNCOUPLED", line,
                   "Joint=" + quoted(joint) + "   CoordSys=GLOBAL" + spring->second);
    }
    if (line.has("DIAPH"))
        tieToDiaphragm(t, joint, line.value("DIAPH"), storey, true);
}

} // namespace

void translateObjects(Translation& t, const std::vector<EtabsBlock>& blocks) {
    std::map<std::string, PlanObject> lines, areas;
    const auto each = [&](std::string_view name, const auto& read) {
        for (const EtabsBlock& block : blocks)
            if (sameWord(block.name, name)) {
                t.block = &block;
                read();
            }
    };
    each("LINE CONNECTIVITIES", [&] { lines = readLines(t); });
    each("AREA CONNECTIVITIES", [&] { areas = readAreas(t); });
    // A point's own diaphragm wins over an area's at a shared joint.
    each("LINE ASSIGNS", [&] {
        for (const EtabsLine& line : t.block->lines)
            if (sameWord(line.keyword, "LINEASSIGN"))
                placeLine(t, line, lines);
    });
    each("AREA ASSIGNS", [&] {
        for (const EtabsLine& line : t.block->lines)
            if (sameWord(line.keyword, "AREAASSIGN"))
                placeArea(t, line, areas);
    });
    each("POINT ASSIGNS", [&] {
        for (const EtabsLine& line : t.block->lines)
            if (sameWord(line.keyword, "POINTASSIGN"))
                assignPoint(t, line);
    });
    writeRigidZones(t);
}

} // namespace kelvane::etabs
