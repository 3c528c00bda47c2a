#pragma once

#include <string>
#include <vector>

// What a table-format import read, converted, created and left out.
namespace kelvane::tables {

struct TableRows {
    std::string name;
    long long rows = 0;
};

// One kind of item the model store does not carry, with how many the file holds.
struct NotCarried {
    std::string what;
    long long count = 0;
};

// One origin of the model's mass and its total along X, Y and Z, in the store's N s^2/mm.
struct MassOrigin {
    std::string what;
    double x = 0, y = 0, z = 0;
};

struct ImportReport {
    bool keywordFile = false; // a keyword file (SAP2000 7/8): its blocks take the place of tables
    std::string units;        // the file's CurrUnits, empty when it gives none
    bool unitsConverted = false;
    std::vector<TableRows> tablesRead;             // in the order of the file
    std::vector<TableRows> tablesSkipped;          // in the order of the file
    std::vector<std::string> diaphragmJoints;      // labels of the joints created, in joint order
    std::vector<std::string> framesWithoutSection; // labels of the frames left out
    long long framesSplit = 0, framePieces = 0, meshJoints = 0;
    // Joints on a frame's span that the frame is not meshed at: "joint J on frame F".
    std::vector<std::string> jointsOnSpans;
    std::vector<NotCarried> notCarried;
    // A keyword file's sections: the element type each took from its name's first letter.
    std::vector<std::string> elementTypeLines;
    std::vector<std::string> patternsWithoutLoads; // load patterns the file gives no load, in order
    std::string massSource;                        // which mass source the import took, and why
    std::vector<MassOrigin> massOrigins;           // in the order they were added
    double massUnit = 1; // N s^2/mm per mass unit of the file (force x s^2 / length)
    std::string massUnitName = "N-s2/mm";
    // An ETABS file: its blocks take the place of tables; each storey, its elevation and joints.
    bool etabsFile = false;
    std::vector<std::string> storeyLines;
    std::string program; // the program and version that wrote the file, when it names them

    // Adds a count to the line of that text (created on first use, in order of first use).
    void addNotCarried(const std::string& what, long long count = 1);
};

// The report as lines of text, as the import window and `kelvane-cli info` show it.
std::vector<std::string> reportLines(const ImportReport& report);

} // namespace kelvane::tables
