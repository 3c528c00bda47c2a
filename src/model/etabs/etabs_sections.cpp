#include "common/number_format.h"
#include "model/etabs/etabs_context.h"

#include <numbers>

namespace kelvane::etabs {
namespace {

// Lines that share their first quoted name (MATERIAL "C30" ..., FRAMESECTION "B1" ...), grouped
// by it in the order of the file.
std::vector<std::pair<std::string, std::vector<const EtabsLine*>>> linesByName(const Translation& t,
                                                                               std::string_view keyword) {
    std::vector<std::pair<std::string, std::vector<const EtabsLine*>>> named;
    std::map<std::string, std::size_t> index;
    for (const EtabsLine& line : t.block->lines) {
        if (!sameWord(line.keyword, keyword))
            continue;
        const std::string name = t.name(line, 0, "name");
        const auto [at, first] = index.emplace(name, named.size());
        if (first)
            named.push_back({name, {}});
        named[at->second].second.push_back(&line);
    }
    return named;
}

// The value of a key on any of the lines, the last one giving it.
const std::string* findIn(const std::vector<const EtabsLine*>& lines, std::string_view key) {
    const std::string* found = nullptr;
    for (const EtabsLine* line : lines)
        if (const std::string* value = line->find(key))
            found = value;
    return found;
}

// The last of the lines that gives the key, or the first line.
const EtabsLine& lineGiving(const std::vector<const EtabsLine*>& lines, std::string_view key) {
    const EtabsLine* found = lines.front();
    for (const EtabsLine* line : lines)
        if (line->has(key))
            found = line;
    return *found;
}

struct Properties {
    double area = 0, i33 = 0, i22 = 0, torsion = 0, as2 = 0, as3 = 0;
};

Properties circle(double d) {
    const double area = std::numbers::pi * d * d / 4, i = std::numbers::pi * d * d * d * d / 64;
    return {area, i, i, 2 * i, 0.9 * area, 0.9 * area};
}

// A channel of depth d, flange width b, flange tf and web tw, the web's back on the local 3 axis'
// far side: I22 about the centroid, which lies off the web.
Properties channel(double d, double b, double tf, double tw) {
    const double web = d - 2 * tf;
    const double area = 2 * b * tf + web * tw;
    const double x = (2 * b * tf * b / 2 + web * tw * tw / 2) / area;
    const double i22 = 2 * tf * b * b * b / 3 + web * tw * tw * tw / 3 - area * x * x;
    const double i33 = (b * d * d * d - (b - tw) * web * web * web) / 12;
    return {area, i33, i22, (2 * b * tf * tf * tf + web * tw * tw * tw) / 3, d * tw, 5.0 / 3 * b * tf};
}

// An angle of vertical leg d (thickness tw) and horizontal leg b (thickness tf), about the
// centroidal axes parallel to the legs.
Properties angle(double d, double b, double tf, double tw) {
    const double upright = d - tf;
    const double area = b * tf + upright * tw;
    const double y = (b * tf * tf / 2 + upright * tw * (tf + upright / 2)) / area;
    const double x = (b * tf * b / 2 + upright * tw * tw / 2) / area;
    const double i33 = b * tf * tf * tf / 12 + b * tf * (y - tf / 2) * (y - tf / 2) +
                       tw * upright * upright * upright / 12 +
                       tw * upright * (tf + upright / 2 - y) * (tf + upright / 2 - y);
    const double i22 = tf * b * b * b / 12 + b * tf * (x - b / 2) * (x - b / 2) +
                       upright * tw * tw * tw / 12 + upright * tw * (x - tw / 2) * (x - tw / 2);
    return {
        area, i33, i22, (b * tf * tf * tf + upright * tw * tw * tw) / 3, 5.0 / 6 * d * tw, 5.0 / 6 * b * tf};
}

std::string generalRow(const Properties& p) {
    return "   Shape=General   Area=" + formatGeneral(p.area) + "   I33=" + formatGeneral(p.i33) +
           "   I22=" + formatGeneral(p.i22) + "   TorsConst=" + formatGeneral(p.torsion) +
           "   AS2=" + formatGeneral(p.as2) + "   AS3=" + formatGeneral(p.as3);
}

bool endsWith(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() && sameWord(text.substr(text.size() - tail.size()), tail);
}

} // namespace

// Weight per volume, E, U, FY, FC over several lines per material. ETABS gives no mass per volume:
// it is the weight over g.
void translateMaterials(Translation& t) {
    const double g = 9806.65 / t.lengthInMm; // in the file's length unit per s^2
    for (const auto& named : linesByName(t, "MATERIAL")) {
        const auto& name = named.first;
        const auto& lines = named.second;
        const EtabsLine& first = *lines.front();
        const std::string material = "Material=" + quoted(name);
        const std::string* typeText = findIn(lines, "TYPE");
        const std::string type = typeText != nullptr ? *typeText : std::string("Other");
        const bool known = sameWord(type, "Steel") || sameWord(type, "Concrete") || sameWord(type, "Rebar");
        t.text.row("MATERIAL PROPERTIES 01 - GENERAL", first,
                   material + "   Type=" + (known ? type : std::string("Other")));
        const auto number = [&](std::string_view key, double fallback) {
            const std::string* text = findIn(lines, key);
            return text == nullptr ? fallback : t.number(first, *text, std::string(key).c_str());
        };
        const std::string* e = findIn(lines, "E");
        if (e == nullptr)
            t.fail(first, "material \"" + name + "\" gives no E");
        if (!(t.number(lineGiving(lines, "E"), *e, "E") > 0))
            t.fail(lineGiving(lines, "E"), "material \"" + name + "\": E " + *e + " is not positive");
        const double weight = number("WEIGHTPERVOLUME", 0);
        const double mass = number("MASSPERVOLUME", weight / g);
        t.text.row("MATERIAL PROPERTIES 02 - BASIC MECHANICAL PROPERTIES", first,
                   material + "   UnitWeight=" + formatGeneral(weight) + "   UnitMass=" +
                       formatGeneral(mass) + "   E1=" + formatGeneral(t.number(first, *e, "E")) +
                       "   U12=" + formatGeneral(number("U", 0)));
        if (const std::string* fy = findIn(lines, "FY"))
            t.text.row(sameWord(type, "Rebar") ? "MATERIAL PROPERTIES 03e - REBAR DATA"
                                               : "MATERIAL PROPERTIES 03a - STEEL DATA",
                       first, material + "   Fy=" + formatGeneral(t.number(first, *fy, "FY")));
        if (const std::string* fc = findIn(lines, "FC"))
            t.text.row("MATERIAL PROPERTIES 03b - CONCRETE DATA", first,
                       material + "   Fc=" + formatGeneral(t.number(first, *fc, "FC")));
    }
}

// Shapes by their dimensions D, B, TF, TW; the table format meshes rectangles, I sections, tubes
// and pipes (their area, for the self weight, is given), and takes the properties of the others
// as computed here. A section that names a
// shape of a database (SHAPE "W8X31" FILE "AISC14") is carried only where the file gives its
// properties; otherwise its frames are left out and reported.
void translateFrameSections(Translation& t) {
    for (const auto& named : linesByName(t, "FRAMESECTION")) {
        const auto& name = named.first;
        const auto& lines = named.second;
        const EtabsLine& first = *lines.front();
        const auto dimension = [&](std::string_view key) {
            const std::string* text = findIn(lines, key);
            if (text == nullptr)
                t.fail(first, "frame section \"" + name + "\" gives no " + std::string(key));
            const double value = t.number(first, *text, std::string(key).c_str());
            if (!(value > 0))
                t.fail(first, "frame section \"" + name + "\": " + std::string(key) + " " + *text +
                                  " is not positive");
            return value;
        };
        const std::string* shapeText = findIn(lines, "SHAPE");
        const std::string shape = shapeText != nullptr ? *shapeText : std::string();
        std::string row = "SectionName=" + quoted(name);
        if (const std::string* material = findIn(lines, "MATERIAL"))
            row += "   Material=" + quoted(*material);
        const std::string* depth = findIn(lines, "D");
        const std::string* width = findIn(lines, "B");
        if (depth != nullptr)
            t.sectionSize[name] = {dimension("D"), width != nullptr ? dimension("B") : dimension("D")};
        if (endsWith(shape, "Rectangular")) {
            const double d = dimension("D"), b = dimension("B");
            row += "   Shape=Rectangular   t3=" + formatGeneral(d) + "   t2=" + formatGeneral(b) +
                   "   Area=" + formatGeneral(d * b);
        } else if (endsWith(shape, "I/Wide Flange")) {
            const double d = dimension("D"), b = dimension("B"), tf = dimension("TF"), tw = dimension("TW");
            row += "   Shape=\"I/Wide Flange\"   t3=" + formatGeneral(d) + "   t2=" + formatGeneral(b) +
                   "   tf=" + formatGeneral(tf) + "   tw=" + formatGeneral(tw) +
                   "   Area=" + formatGeneral(2 * b * tf + (d - 2 * tf) * tw);
        } else if (endsWith(shape, "Tube") || endsWith(shape, "Box")) {
            const double d = dimension("D"), b = dimension("B"), tf = dimension("TF"), tw = dimension("TW");
            row += "   Shape=Box/Tube   t3=" + formatGeneral(d) + "   t2=" + formatGeneral(b) +
                   "   tf=" + formatGeneral(tf) + "   tw=" + formatGeneral(tw) +
                   "   Area=" + formatGeneral(d * b - (d - 2 * tf) * (b - 2 * tw));
        } else if (endsWith(shape, "Pipe")) {
            const double d = dimension("D"), tw = dimension("TW");
            row += "   Shape=Pipe   t3=" + formatGeneral(d) + "   tw=" + formatGeneral(tw) +
                   "   Area=" + formatGeneral(std::numbers::pi / 4 * (d * d - (d - 2 * tw) * (d - 2 * tw)));
        } else if (endsWith(shape, "Circle") || endsWith(shape, "Circular")) {
            row += generalRow(circle(dimension("D")));
        } else if (endsWith(shape, "Channel")) {
            row += generalRow(channel(dimension("D"), dimension("B"), dimension("TF"), dimension("TW")));
        } else if (endsWith(shape, "Angle")) {
            row += generalRow(angle(dimension("D"), dimension("B"), dimension("TF"), dimension("TW")));
        } else if (findIn(lines, "AREA") && findIn(lines, "I33") && findIn(lines, "I22") &&
                   findIn(lines, "J")) {
            Properties p{dimension("AREA"), dimension("I33"), dimension("I22"), dimension("J"), 0, 0};
            if (findIn(lines, "AS2"))
                p.as2 = dimension("AS2");
            if (findIn(lines, "AS3"))
                p.as3 = dimension("AS3");
            row += generalRow(p);
        } else {
            t.report.addNotCarried(sameWord(shape, "Auto Select")
                                       ? std::string("auto-select frame sections (their frames are left out)")
                                       : "frame sections of database shapes without their properties (their "
                                         "frames are left out)");
            t.sectionsNotCarried.insert(name);
            continue;
        }
        t.text.row("FRAME SECTION PROPERTIES 01 - GENERAL", first, row);
    }
}

// Slabs, walls and decks as shell sections of their thickness. A filled deck is a membrane of the
// concrete's thickness: the slab above the ribs and the ribs spread over their spacing.
void translateShellProperties(Translation& t) {
    for (const auto& named : linesByName(t, "SHELLPROP")) {
        const auto& name = named.first;
        const auto& lines = named.second;
        const EtabsLine& first = *lines.front();
        const auto number = [&](std::string_view key, double fallback) {
            const std::string* text = findIn(lines, key);
            return text == nullptr ? fallback : t.number(first, *text, std::string(key).c_str());
        };
        const std::string* typeText = findIn(lines, "PROPTYPE");
        const std::string type = typeText != nullptr ? *typeText : std::string("Slab");
        std::string row = "Section=" + quoted(name) + "   AreaType=Shell";
        double thickness = 0;
        std::string material, modelling;
        if (sameWord(type, "Deck")) {
            thickness = number("DECKSLABDEPTH", 0) +
                        number("DECKRIBDEPTH", 0) *
                            (number("DECKRIBWIDTHTOP", 0) + number("DECKRIBWIDTHBOTTOM", 0)) / 2 /
                            std::max(number("DECKRIBSPACING", 1), 1e-300);
            const std::string* concrete = findIn(lines, "CONCMATERIAL");
            material = concrete != nullptr ? *concrete : std::string();
            modelling = "Membrane";
            if (const double steel = number("DECKUNITWEIGHT", 0); steel != 0)
                t.deckWeight[name] = steel;
        } else {
            thickness = number(sameWord(type, "Wall") ? "WALLTHICKNESS" : "SLABTHICKNESS", 0);
            const std::string* given = findIn(lines, "MATERIAL");
            material = given != nullptr ? *given : std::string();
            const std::string* kind = findIn(lines, "MODELINGTYPE");
            modelling = kind != nullptr ? *kind : std::string("ShellThin");
            const std::string* slab = findIn(lines, "SLABTYPE");
            if (slab != nullptr && !sameWord(*slab, "Slab"))
                t.report.addNotCarried(
                    "ribbed, waffle and drop slabs (taken as solid slabs of their thickness)");
        }
        if (!(thickness > 0))
            t.fail(first, "shell property \"" + name + "\" gives no positive thickness");
        std::string kind = "Shell-Thin";
        if (sameWord(modelling, "Membrane"))
            kind = "Membrane";
        else if (sameWord(modelling, "ShellThick"))
            kind = "Shell-Thick";
        else if (!sameWord(modelling, "ShellThin")) {
            t.report.addNotCarried("layered shell sections (taken as thick shells)");
            kind = "Shell-Thick";
        }
        if (findIn(lines, "F11MOD") || findIn(lines, "M11MOD") || findIn(lines, "F22MOD"))
            t.report.addNotCarried("stiffness modifiers of shell properties");
        if (findIn(lines, "ONEWAYLOADDIST"))
            t.report.addNotCarried("one-way load distribution of shell properties");
        if (sameWord(type, "Deck"))
            t.loadDistribution[name] = "One way";
        else if (kind == "Membrane" && !sameWord(type, "Wall"))
            t.loadDistribution[name] = "Two way";
        row += "   Type=" + kind + "   Thickness=" + formatGeneral(thickness);
        if (!material.empty())
            row += "   Material=" + quoted(material);
        t.text.row("AREA SECTION PROPERTIES", first, row);
    }
}

} // namespace kelvane::etabs
