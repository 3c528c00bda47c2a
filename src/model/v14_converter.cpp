#include "model/v14_converter.h"

#include "common/error.h"
#include "common/number_format.h"
#include "common/number_parse.h"
#include "model/v14_tokenizer.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <unordered_map>

namespace kelvane {
namespace {

struct V14Joint {
    std::int32_t label = 0;
    double x = 0, y = 0, z = 0;
    std::array<double, 6> force{};       // FX, FY, FZ, MX, MY, MZ
    std::array<std::int32_t, 6> fixed{}; // U1, U2, U3, R1, R2, R3
};

bool isBlank(const std::string& line) {
    for (char c : line)
        if (static_cast<unsigned char>(c) > 32)
            return false;
    return true;
}

// Rows of one table, each tokenized in turn.
template <typename RowFunction>
V14Table forEachRow(const std::vector<std::string>& inputLines, const char* tableName,
                    V14Conversion& conversion, RowFunction onRow) {
    const V14Table table = findV14Table(inputLines, tableName);
    if (!table.found)
        conversion.missingTables.emplace_back(tableName);
    if (table.rowCount < 0)
        fail(kRangeCheckError); // a header repeated after the table's end: its rows would be lost
    V14Tokens tokens;
    for (int row = 0; row < table.rowCount; ++row) {
        tokenizeV14(inputLines[static_cast<std::size_t>(table.first + row)], tokens);
        onRow(row + 1, tokens);
    }
    return table;
}

std::int32_t intToken(const V14Tokens& tokens, int index) {
    return parseInt(tokens[static_cast<std::size_t>(index)]);
}
double realToken(const V14Tokens& tokens, int index) {
    return parseReal(tokens[static_cast<std::size_t>(index)]);
}

// The token after the first token that is exactly `key`, or null when the row has no such key.
const std::string* valueOfKey(const V14Tokens& tokens, std::string_view key) {
    for (std::size_t k = 0; k + 1 < tokens.size(); ++k)
        if (tokens[k] == key)
            return &tokens[k + 1];
    return nullptr;
}

class Converter {
  public:
    explicit Converter(const std::vector<std::string>& inputLines) : input_(inputLines) {}

    V14Conversion run() {
        convertJoints();
        convertRestraints();
        convertForces();
        convertSolidMaterial();
        convertSolids();
        out().emplace_back();
        out().emplace_back();
        out().emplace_back("END");
        writeReport();
        return std::move(result_);
    }

  private:
    std::vector<std::string>& out() { return result_.outputLines; }

    void convertJoints() {
        out().emplace_back("SYSTEM");
        out().emplace_back("  DOF=UX,UY,UZ,RX,RY,RZ  LENGTH=mm  FORCE=N");
        out().emplace_back();
        out().emplace_back("JOINT");
        const V14Table table =
            forEachRow(input_, kV14JointTable, result_, [&](int row, const V14Tokens& tokens) {
                V14Joint joint;
                joint.label = intToken(tokens, 1);
                joint.x = realToken(tokens, 7);
                joint.y = realToken(tokens, 9);
                joint.z = realToken(tokens, 11);
                joints_.push_back(joint);
                rowsByLabel_[joint.label].push_back(row);
                out().push_back("  " + formatInt(joint.label) + "  X=" + formatE4(joint.x) +
                                "  Y=" + formatE4(joint.y) + "  Z=" + formatE4(joint.z));
            });
        result_.v14JointCount = table.rowCount;
        out().emplace_back();
    }

    // Joint rows carrying the label; a label of no joint row has none.
    const std::vector<int>& rowsOf(std::int32_t label) const {
        static const std::vector<int> none;
        auto found = rowsByLabel_.find(label);
        return found == rowsByLabel_.end() ? none : found->second;
    }
    V14Joint& joint(int row) { return joints_[static_cast<std::size_t>(row - 1)]; }

    void convertRestraints() {
        out().emplace_back("RESTRAINT");
        forEachRow(input_, kV14RestraintTable, result_, [&](int, const V14Tokens& tokens) {
            const std::int32_t label = intToken(tokens, 1);
            for (int row : rowsOf(label))
                for (int dof = 0; dof < 6; ++dof)
                    if (tokens[static_cast<std::size_t>(3 + 2 * dof)] == "Yes")
                        joint(row).fixed[static_cast<std::size_t>(dof)] = 1;
        });
        static const std::array<const char*, 6> names = {"U1", ",U2", ",U3", ",R1", ",R2", ",R3"};
        for (int row = 1; row <= static_cast<int>(joints_.size()); ++row) {
            std::string list;
            for (std::size_t dof = 0; dof < 6; ++dof)
                if (joint(row).fixed[dof] != 0)
                    list += names[dof];
            if (!list.empty())
                out().push_back("  ADD=" + formatInt(row) + "  DOF=" + list);
        }
        out().emplace_back();
    }

    void convertForces() {
        out().emplace_back("LOAD");
        out().emplace_back("  NAME=PUSH");
        out().emplace_back("    TYPE=FORCE");
        forEachRow(input_, kV14ForceTable, result_, [&](int, const V14Tokens& tokens) {
            const std::int32_t label = intToken(tokens, 1);
            const std::vector<int>& rows = rowsOf(label);
            if (rows.empty())
                return;
            std::array<double, 6> force{};
            for (std::size_t component = 0; component < 6; ++component)
                force[component] = realToken(tokens, 7 + 2 * static_cast<int>(component));
            for (int row : rows)
                joint(row).force = force;
        });
        static const std::array<const char*, 6> keys = {"  UX=", "  UY=", "  UZ=", "  MX=", "  MY=", "  MZ="};
        for (int row = 1; row <= static_cast<int>(joints_.size()); ++row)
            for (std::size_t component = 0; component < 6; ++component)
                if (joint(row).force[component] != 0.0)
                    out().push_back("      ADD=" + formatInt(row) + keys[component] +
                                    formatE5(joint(row).force[component]));
        out().emplace_back();
    }

    // The material of the solids, when the file names one: the first solid property's Material, as
    // table 02 of the materials gives it (E1, U12). Both tables may be missing; then no material is
    // written (and the importer's solids fall back to the model's first material, if any).
    void convertSolidMaterial() {
        const V14Table properties = findV14Table(input_, kV14SolidPropertyTable);
        if (properties.rowCount < 1)
            return;
        V14Tokens tokens;
        tokenizeV14(input_[static_cast<std::size_t>(properties.first)], tokens);
        const std::string* name = valueOfKey(tokens, "Material");
        if (name == nullptr || name->empty())
            return;
        const std::string material = *name;
        const V14Table basic = findV14Table(input_, kV14MaterialTable);
        for (int row = 0; row < basic.rowCount; ++row) {
            tokenizeV14(input_[static_cast<std::size_t>(basic.first + row)], tokens);
            const std::string* rowName = valueOfKey(tokens, "Material");
            const std::string* e = valueOfKey(tokens, "E1");
            const std::string* u = valueOfKey(tokens, "U12");
            if (rowName == nullptr || *rowName != material || e == nullptr || u == nullptr)
                continue;
            out().emplace_back("MATERIAL");
            out().push_back("  NAME=" + material);
            out().push_back("    T=0  E=" + formatE4(parseReal(*e)) + "  U=" + formatE4(parseReal(*u)));
            out().emplace_back();
            result_.solidMaterial = material;
            return;
        }
    }

    void convertSolids() {
        out().emplace_back("SOLID");
        const V14Table table = forEachRow(input_, kV14SolidTable, result_, [&](int, const V14Tokens& tokens) {
            std::string line = "  " + formatInt(intToken(tokens, 1)) + "  J=";
            for (int corner = 0; corner < 8; ++corner) {
                if (corner > 0)
                    line += ',';
                line += formatInt(intToken(tokens, 3 + 2 * corner));
            }
            line += "  SEC=100";
            out().push_back(std::move(line));
        });
        result_.v14SolidCount = table.rowCount;
    }

    void writeReport() {
        result_.reportLines = {"Kelvane import Sap2000 V14 S2k file",
                               "NJOINT = " + formatInt(result_.v14JointCount),
                               "NSOLID = " + formatInt(result_.v14SolidCount), "Finish!!"};
        if (!result_.solidMaterial.empty())
            result_.reportLines.push_back("Material: " + result_.solidMaterial);
        for (const std::string& name : result_.missingTables)
            result_.reportLines.push_back("Missing table: " + name);
    }

    const std::vector<std::string>& input_;
    V14Conversion result_;
    std::vector<V14Joint> joints_; // row r is joints_[r - 1]
    std::unordered_map<std::int32_t, std::vector<int>> rowsByLabel_;
};

} // namespace

V14Table findV14Table(const std::vector<std::string>& inputLines, const std::string& tableName) {
    const std::string header = "TABLE:  \"" + tableName + "\"";
    V14Table table;
    long long first = -1;
    long long last = -1;
    const long long lineCount = static_cast<long long>(inputLines.size());
    for (long long i = 0; i < lineCount; ++i) {
        const std::string& line = inputLines[static_cast<std::size_t>(i)];
        if (line == header)
            first = i + 1;
        else if (first >= 0 && last < 0 && isBlank(line))
            last = i - 1;
    }
    if (first < 0)
        return table;
    if (last < 0)
        last = lineCount - 1; // no closing blank line: the table runs to the end of the input
    table.found = true;
    table.first = static_cast<int>(first);
    table.rowCount = static_cast<int>(last - first + 1);
    return table;
}

V14Conversion convertV14(const std::vector<std::string>& inputLines) {
    return Converter(inputLines).run();
}

} // namespace kelvane
