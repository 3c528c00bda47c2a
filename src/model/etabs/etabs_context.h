#pragma once

#include "model/etabs/etabs_text.h"
#include "model/etabs/etabs_translation.h"
#include "model/tables/restated_import.h"

#include <array>
#include <map>
#include <set>
#include <string>
#include <vector>

// What the parts of one ETABS translation share: the table rows in the making, the storeys, the
// points in plan and the joints created from them.
namespace kelvane::etabs {

struct Storey {
    std::string name;
    double elevation = 0;
    int jointsCreated = 0;
};

struct PlanPoint {
    double x = 0, y = 0;
    double below = 0; // DZBELOW: how far under its storey the point lies
};

struct CreatedJoint {
    std::string label;
    double x = 0, y = 0, z = 0;
    int storey = 0;
    int line = 0; // the file line that first needed it
};

// A frame placed at a storey, as its automatic rigid end zones need it.
struct PlacedFrame {
    std::string label, section, type; // type: COLUMN, BEAM, BRACE ...
    std::string jointI, jointJ;
    double angle = 0;
    double rigidFactor = -1; // RIGIDZONE; -1: none
    EtabsLine from;
};

struct Translation {
    tables::RestatedTables text;
    tables::ImportReport& report;
    const EtabsBlock* block = nullptr;
    std::vector<Storey> storeys{}; // bottom to top
    std::map<std::string, PlanPoint> points{};
    std::vector<CreatedJoint> joints{};
    std::map<std::string, std::string> jointOfPointAt{}; // "point@storey" to the label it merged into
    double mergeTolerance = 0.001;                       // in the file's length unit
    double lengthInMm = 1;                               // millimetres per length unit of the file
    std::map<std::string, std::string> diaphragmOfJoint{};
    std::map<std::string, bool> rigidDiaphragm{}; // by name: rigid (tied) or semi-rigid (left to the slab)
    std::set<std::string> sectionsNotCarried{};   // frame sections left out, and so their frames
    // Frame objects and area objects placed, "C1@STORY3" to their ETABS name, for the loads.
    std::set<std::string> frames{}, areas{};
    std::vector<PlacedFrame> placedFrames{};
    // Shell properties whose floors hand their loads to the frames around them, as ETABS does:
    // "Two way" for membrane slabs, "One way" for decks; and the areas placed with them, with the
    // distribution and the angle of their local axes.
    std::map<std::string, std::string> loadDistribution{};
    std::map<std::string, std::pair<std::string, double>> areaDistribution{};
    // POINT SPRING PROPERTIES by name: the row's stiffness fields ("   U1=..." in the table format).
    std::map<std::string, std::string> pointSprings{};
    // The steel deck's own weight per area (DECKUNITWEIGHT) by shell property, the load patterns'
    // self-weight multipliers, and the areas placed with such a deck.
    std::map<std::string, double> deckWeight{};
    std::vector<std::pair<std::string, double>> selfWeightPatterns{};
    std::vector<std::pair<EtabsLine, std::pair<std::string, double>>> deckAreas{};
    std::set<std::string> heldInPlan{}; // joints restrained in UX, UY or RZ: tied to no diaphragm
    // Frame sections' depth (D, along local 2) and width (B, along local 3), file units.
    std::map<std::string, std::pair<double, double>> sectionSize{};

    [[noreturn]] void fail(const EtabsLine& line, const std::string& what) const;
    // A quoted name at position k, or a stop naming what is missing.
    std::string name(const EtabsLine& line, std::size_t k, const char* what) const;
    double number(const EtabsLine& line, const std::string& text, const char* what) const;
    double real(const EtabsLine& line, std::string_view key, double fallback) const;
    int storeyOf(const EtabsLine& line, const std::string& name) const;
    // The joint of a point at a storey, created on first use, merged with a joint of that storey
    // within the merge tolerance.
    std::string jointAt(const EtabsLine& line, const std::string& point, int storey);
};

// The program and version that wrote the file, for the report.
void translateProgram(Translation& t);
// "Kgf, m, C" from UNITS "KGF" "M" "C".
void translateControls(Translation& t);
void translateStoreys(Translation& t);
void translatePoints(Translation& t);
void translateDiaphragmNames(Translation& t);
void translatePointSprings(Translation& t);
void translateMaterials(Translation& t);
void translateFrameSections(Translation& t);
void translateShellProperties(Translation& t);
// Lines and areas placed at the storeys of their assigns; the point assigns.
void translateObjects(Translation& t, const std::vector<EtabsBlock>& blocks);
void translateLoadPatterns(Translation& t);
void translateLoads(Translation& t, const std::vector<EtabsBlock>& blocks);
void translateMassSource(Translation& t);
void translateLoadCases(Translation& t);
// Rigid end zones of RIGIDZONE: a beam's as long as half the columns it meets are wide along it,
// a column's as the deepest beam it meets.
void writeRigidZones(Translation& t);
// The joints and diaphragms made along the way, once every object has been placed.
void writeJoints(Translation& t);

std::string quoted(std::string_view value);

} // namespace kelvane::etabs
