#include "support/synthetic_table_building.h"

#include <charconv>
#include <cstdlib>

namespace kelvane::bench {
namespace {

class Writer {
  public:
    Writer& operator<<(const char* text) {
        out_ += text;
        return *this;
    }
    Writer& operator<<(long long value) {
        char buffer[24];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
        out_.append(buffer, result.ptr);
        return *this;
    }
    // A length in metres given in millimetres, written as SAP2000 does ("6", "3.3", "19.8").
    Writer& metres(long long millimetres) {
        *this << millimetres / 1000;
        if (const long long rest = millimetres % 1000; rest != 0) {
            char digits[4] = {static_cast<char>('0' + rest / 100), static_cast<char>('0' + rest / 10 % 10),
                              static_cast<char>('0' + rest % 10), 0};
            for (int last = 2; last > 0 && digits[last] == '0'; --last)
                digits[last] = 0;
            *this << "." << digits;
        }
        return *this;
    }
    std::string take() { return std::move(out_); }
    void reserve(std::size_t size) { out_.reserve(size); }

  private:
    std::string out_;
};

struct Grid {
    int storeys, baysX, baysY;
    long long nx() const { return baysX + 1; }
    long long ny() const { return baysY + 1; }
    long long perLevel() const { return nx() * ny(); }
    long long joint(int level, long long iy, long long ix) const {
        return level * perLevel() + iy * nx() + ix + 1;
    }
    long long joints() const { return (storeys + 1) * perLevel(); }
    long long columns() const { return storeys * perLevel(); }
    long long beamsPerLevel() const { return baysX * ny() + baysY * nx(); }
    long long beams() const { return storeys * beamsPerLevel(); }
    long long areas() const { return static_cast<long long>(storeys) * baysX * baysY; }
};

constexpr long long kBay = 6000;
constexpr long long kStorey = 3300;

void table(Writer& w, const char* name) {
    w << "TABLE:  \"" << name << "\"\n";
}

void writeJoints(Writer& w, const Grid& g) {
    table(w, "JOINT COORDINATES");
    for (int level = 0; level <= g.storeys; ++level)
        for (long long iy = 0; iy <= g.baysY; ++iy)
            for (long long ix = 0; ix <= g.baysX; ++ix) {
                w << "   Joint=" << g.joint(level, iy, ix)
                  << "   CoordSys=GLOBAL   CoordType=Cartesian   XorR=";
                w.metres(ix * kBay) << "   Y=";
                w.metres(iy * kBay) << "   Z=";
                w.metres(level * kStorey) << "   SpecialJt=No   GlobalX=";
                w.metres(ix * kBay) << "   GlobalY=";
                w.metres(iy * kBay) << "   GlobalZ=";
                w.metres(level * kStorey) << "   GUID=\n";
            }
    w << "\n";
    table(w, "JOINT RESTRAINT ASSIGNMENTS");
    for (long long j = 1; j <= g.perLevel(); ++j)
        w << "   Joint=" << j << "   U1=Yes   U2=Yes   U3=Yes   R1=Yes   R2=Yes   R3=Yes\n";
    w << "\n";
    table(w, "JOINT CONSTRAINT ASSIGNMENTS");
    for (int level = 1; level <= g.storeys; ++level)
        for (long long j = 1; j <= g.perLevel(); ++j)
            w << "   Joint=" << level * g.perLevel() + j << "   Constraint=FLOOR"
              << static_cast<long long>(level) << "   Type=Diaphragm\n";
    w << "\n";
    table(w, "JOINT ADDED MASS ASSIGNMENTS");
    for (long long j = g.perLevel() + 1; j <= g.joints(); ++j)
        w << "   Joint=" << j
          << "   CoordSys=GLOBAL   Mass1=14.68   Mass2=14.68   Mass3=14.68   MMI1=0   MMI2=0   MMI3=0\n";
    w << "\n";
}

void writeProperties(Writer& w, const Grid& g) {
    w << "TABLE:  \"PROGRAM CONTROL\"\n   ProgramName=SAP2000   Version=24.1.0   ProgLevel=Ultimate   "
         "CurrUnits=\"KN, m, C\"   SteelCode=AISC360-16   ConcCode=\"ACI 318-19\"\n\n";
    table(w, "CONSTRAINT DEFINITIONS - DIAPHRAGM");
    for (int level = 1; level <= g.storeys; ++level)
        w << "   Name=FLOOR" << static_cast<long long>(level)
          << "   CoordSys=GLOBAL   Axis=Z   MultiLevel=No\n";
    w << "\n"
         "TABLE:  \"MATERIAL PROPERTIES 01 - GENERAL\"\n"
         "   Material=C30   Type=Concrete   Grade=C30   SymType=Isotropic   TempDepend=No   Color=Gray6   "
         "GUID=\n\n"
         "TABLE:  \"MATERIAL PROPERTIES 02 - BASIC MECHANICAL PROPERTIES\"\n"
         "   Material=C30   UnitWeight=23.5631   UnitMass=2.4028   E1=30000000   G12=12500000   U12=0.2   "
         "A1=0.0000099\n\n"
         "TABLE:  \"FRAME SECTION PROPERTIES 01 - GENERAL\"\n"
         "   SectionName=NC500X500   Material=C30   Shape=Rectangular   t3=0.5   t2=0.5   Area=0.25   "
         "TorsConst=0.0088 _\n"
         "        I33=0.0052083   I22=0.0052083   AS2=0.2083   AS3=0.2083   AMod=1   A2Mod=1   A3Mod=1   "
         "JMod=1   I2Mod=1   I3Mod=1\n"
         "   SectionName=EB300X600   Material=C30   Shape=Rectangular   t3=0.6   t2=0.3   Area=0.18   "
         "TorsConst=0.0037 _\n"
         "        I33=0.0054   I22=0.00135   AS2=0.15   AS3=0.15   AMod=1   A2Mod=1   A3Mod=1   JMod=1   "
         "I2Mod=0.35   I3Mod=0.35\n\n"
         "TABLE:  \"AREA SECTION PROPERTIES\"\n"
         "   Section=SLAB150   Material=C30   MatAngle=0   AreaType=Shell   Type=Shell-Thin   DrillDOF=Yes   "
         "Thickness=0.15   "
         "BendThick=0.15\n\n";
}

void writeFrames(Writer& w, const Grid& g) {
    table(w, "CONNECTIVITY - FRAME");
    long long frame = 0;
    for (int storey = 1; storey <= g.storeys; ++storey)
        for (long long iy = 0; iy <= g.baysY; ++iy)
            for (long long ix = 0; ix <= g.baysX; ++ix)
                w << "   Frame=" << ++frame << "   JointI=" << g.joint(storey - 1, iy, ix)
                  << "   JointJ=" << g.joint(storey, iy, ix) << "   IsCurved=No   Length=3.3   GUID=\n";
    for (int storey = 1; storey <= g.storeys; ++storey) {
        for (long long iy = 0; iy <= g.baysY; ++iy)
            for (long long ix = 0; ix < g.baysX; ++ix)
                w << "   Frame=" << ++frame << "   JointI=" << g.joint(storey, iy, ix)
                  << "   JointJ=" << g.joint(storey, iy, ix + 1) << "   IsCurved=No   Length=6   GUID=\n";
        for (long long ix = 0; ix <= g.baysX; ++ix)
            for (long long iy = 0; iy < g.baysY; ++iy)
                w << "   Frame=" << ++frame << "   JointI=" << g.joint(storey, iy, ix)
                  << "   JointJ=" << g.joint(storey, iy + 1, ix) << "   IsCurved=No   Length=6   GUID=\n";
    }
    w << "\n";
    table(w, "FRAME SECTION ASSIGNMENTS");
    for (long long f = 1; f <= g.columns() + g.beams(); ++f)
        w << "   Frame=" << f << "   SectionType=Rectangular   AutoSelect=N.A.   AnalSect="
          << (f <= g.columns() ? "NC500X500" : "EB300X600") << "   MatProp=Default\n";
    w << "\n";
    table(w, "CONNECTIVITY - AREA");
    long long area = 0;
    for (int storey = 1; storey <= g.storeys; ++storey)
        for (long long iy = 0; iy < g.baysY; ++iy)
            for (long long ix = 0; ix < g.baysX; ++ix)
                w << "   Area=" << ++area << "   NumJoints=4   Joint1=" << g.joint(storey, iy, ix)
                  << "   Joint2=" << g.joint(storey, iy, ix + 1)
                  << "   Joint3=" << g.joint(storey, iy + 1, ix + 1)
                  << "   Joint4=" << g.joint(storey, iy + 1, ix) << "   Perimeter=24   AreaArea=36   GUID=\n";
    w << "\n";
    table(w, "AREA SECTION ASSIGNMENTS");
    for (long long a = 1; a <= g.areas(); ++a)
        w << "   Area=" << a << "   Section=SLAB150   MatProp=Default\n";
    w << "\n";
}

void writeLoads(Writer& w, const Grid& g) {
    w << "TABLE:  \"LOAD PATTERN DEFINITIONS\"\n"
         "   LoadPat=DEAD   DesignType=Dead   SelfWtMult=1   GUID=   Notes=\n"
         "   LoadPat=SDEAD   DesignType=\"Super Dead\"   SelfWtMult=0   GUID=   Notes=\n"
         "   LoadPat=PUSH   DesignType=Quake   SelfWtMult=0   GUID=   Notes=\n\n";
    table(w, "FRAME LOADS - DISTRIBUTED");
    for (const char* pattern : {"DEAD", "SDEAD"})
        for (long long beam = g.columns() + 1; beam <= g.columns() + g.beams(); ++beam)
            w << "   Frame=" << beam << "   LoadPat=" << pattern
              << "   CoordSys=GLOBAL   Type=Force   Dir=Gravity   DistType=RelDist   RelDistA=0   RelDistB=1 "
                 "  "
                 "AbsDistA=0   AbsDistB=6   FOverLA=30   FOverLB=30   GUID=\n";
    w << "\n";
    table(w, "JOINT LOADS - FORCE");
    for (int storey = 1; storey <= g.storeys; ++storey)
        for (long long j = 1; j <= g.perLevel(); ++j)
            w << "   Joint=" << storey * g.perLevel() + j
              << "   LoadPat=PUSH   CoordSys=GLOBAL   F1=" << 10LL * storey
              << "   F2=0   F3=0   M1=0   M2=0   M3=0   GUID=\n";
    w << "\nEND TABLE DATA\n";
}

} // namespace

long long syntheticTableBuildingLineCount(const BuildingSize& size) {
    const Grid g{size.storeys, size.baysX, size.baysY};
    const long long tables = 17; // headers and blank lines, counted loosely below
    return 6 + 2 * tables + g.joints() + g.perLevel() + 2 * g.columns() + g.storeys + 8 +
           2 * (g.columns() + g.beams()) + 2 * g.areas() + 3 + 2 * g.beams() + g.columns();
}

std::string syntheticTableBuilding(const BuildingSize& size) {
    const Grid g{size.storeys < 1 ? 1 : size.storeys, size.baysX < 1 ? 1 : size.baysX,
                 size.baysY < 1 ? 1 : size.baysY};
    Writer w;
    w.reserve(static_cast<std::size_t>(syntheticTableBuildingLineCount({g.storeys, g.baysX, g.baysY})) * 150);
    w << "File C:\\Models\\Synthetic.$2k was saved on 1/1/24 at 9:00:00 AM\n\n";
    writeProperties(w, g);
    writeJoints(w, g);
    writeFrames(w, g);
    writeLoads(w, g);
    return w.take();
}

BuildingSize tableBuildingSizeForLines(long long lines) {
    int bays = 1;
    while (syntheticTableBuildingLineCount({bays, bays, bays}) < lines && bays < 100000)
        ++bays;
    BuildingSize best{bays, bays, bays};
    for (int storeys = 1; storeys <= bays; ++storeys) {
        const BuildingSize candidate{storeys, bays, bays};
        if (std::llabs(syntheticTableBuildingLineCount(candidate) - lines) <
            std::llabs(syntheticTableBuildingLineCount(best) - lines))
            best = candidate;
    }
    return best;
}

} // namespace kelvane::bench
