#include "support/synthetic_building.h"

#include <charconv>
#include <cstdlib>

namespace kelvane::bench {
namespace {

constexpr int kBay = 6000;
constexpr int kStorey = 3300;

// Appends text and integers without streams: the files reach tens of megabytes.
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
    long long joint(int level, int iy, int ix) const { return level * perLevel() + iy * nx() + ix + 1; }
    long long gridJoints() const { return (storeys + 1) * perLevel(); }
    long long master(int storey) const { return gridJoints() + storey; }
    long long beamsPerLevel() const { return baysX * ny() + baysY * nx(); }
    long long columnsTotal() const { return storeys * perLevel(); }
    long long firstBeam(int storey) const { return columnsTotal() + (storey - 1) * beamsPerLevel() + 1; }
};

void writeHeader(Writer& w, const Grid& g) {
    w << "; Synthetic building: " << static_cast<long long>(g.storeys) << " storeys, "
      << static_cast<long long>(g.baysX) << " x " << static_cast<long long>(g.baysY) << " bays\n\n"
      << "SYSTEM\n  DOF=UX,UY,UZ,RX,RY,RZ  LENGTH=mm  FORCE=N\n\n";
}

void writeJoints(Writer& w, const Grid& g) {
    w << "JOINT\n";
    for (int level = 0; level <= g.storeys; ++level)
        for (int iy = 0; iy <= g.baysY; ++iy)
            for (int ix = 0; ix <= g.baysX; ++ix)
                w << "  " << g.joint(level, iy, ix) << "  X=" << static_cast<long long>(ix) * kBay
                  << "  Y=" << static_cast<long long>(iy) * kBay
                  << "  Z=" << static_cast<long long>(level) * kStorey << "\n";
    for (int storey = 1; storey <= g.storeys; ++storey)
        w << "  " << g.master(storey) << "  X=" << static_cast<long long>(g.baysX) * kBay / 2
          << "  Y=" << static_cast<long long>(g.baysY) * kBay / 2
          << "  Z=" << static_cast<long long>(storey) * kStorey << "\n";
    w << "\n";
}

void writeSupportsDiaphragmsAndMasses(Writer& w, const Grid& g) {
    w << "RESTRAINT\n";
    for (long long j = 1; j <= g.perLevel(); ++j)
        w << "  ADD=" << j << "  DOF=U1,U2,U3,R1,R2,R3\n";
    w << "\nCONSTRAINT\n";
    for (int storey = 1; storey <= g.storeys; ++storey) {
        w << "  NAME=" << static_cast<long long>(storey) << "  TYPE=DIAPHRAGM  AXIS=Z\n";
        for (long long j = 1; j <= g.perLevel(); ++j)
            w << "    ADD=" << storey * g.perLevel() + j << "\n";
        w << "    ADD=" << g.master(storey) << "\n";
    }
    w << "\nMASS\n";
    for (long long j = g.perLevel() + 1; j <= g.gridJoints(); ++j)
        w << "  ADD=" << j << "  U1=14.68  U2=14.68  U3=14.68\n";
    w << "\n";
}

void writeMaterialsAndSections(Writer& w) {
    w << "MATERIAL\n"
         "  NAME=STEEL  IDES=S  M=7.85E-09  W=7.7E-05\n"
         "    T=0  E=200000  U=.3  A=1.17E-05  FY=355\n"
         "  NAME=CONC  IDES=C  M=2.4E-09  W=2.36E-05\n"
         "    T=0  E=30000  U=.2  A=9.9E-06\n\n"
         "FRAME SECTION\n"
         "  NAME=NC500X500  MAT=CONC  SH=R  T=500,500\n"
         "  NAME=NB300X600  MAT=CONC  SH=R  T=600,300\n"
         "  NAME=EB300X500  MAT=CONC  SH=R  T=500,300\n\n"
         "SHELL SECTION\n"
         "  NAME=SLAB150  MAT=CONC  MATANG=0  Shell  TH=150,150\n\n";
}

void writeFrames(Writer& w, const Grid& g) {
    w << "FRAME\n";
    long long frame = 0;
    for (int storey = 1; storey <= g.storeys; ++storey)
        for (int iy = 0; iy <= g.baysY; ++iy)
            for (int ix = 0; ix <= g.baysX; ++ix)
                w << "  " << ++frame << "  J=" << g.joint(storey - 1, iy, ix) << ","
                  << g.joint(storey, iy, ix) << "  SEC=NC500X500  NSEG=2  ANG=0\n";
    for (int storey = 1; storey <= g.storeys; ++storey) {
        const char* section = storey == g.storeys ? "EB300X500" : "NB300X600";
        for (int iy = 0; iy <= g.baysY; ++iy)
            for (int ix = 0; ix < g.baysX; ++ix)
                w << "  " << ++frame << "  J=" << g.joint(storey, iy, ix) << ","
                  << g.joint(storey, iy, ix + 1) << "  SEC=" << section << "  NSEG=4  ANG=0\n";
        for (int ix = 0; ix <= g.baysX; ++ix)
            for (int iy = 0; iy < g.baysY; ++iy)
                w << "  " << ++frame << "  J=" << g.joint(storey, iy, ix) << ","
                  << g.joint(storey, iy + 1, ix) << "  SEC=" << section << "  NSEG=4  ANG=0\n";
    }
    w << "\nSHELL\n";
    long long area = 0;
    for (int storey = 1; storey <= g.storeys; ++storey)
        for (int iy = 0; iy < g.baysY; ++iy)
            for (int ix = 0; ix < g.baysX; ++ix)
                w << "  " << ++area << "  J=" << g.joint(storey, iy, ix) << "," << g.joint(storey, iy, ix + 1)
                  << "," << g.joint(storey, iy + 1, ix) << "," << g.joint(storey, iy + 1, ix + 1)
                  << "  SEC=SLAB150\n";
    w << "\n";
}

void writeLoads(Writer& w, const Grid& g) {
    w << "LOAD\n  NAME=DEAD  SW=1\n    TYPE=DISTRIBUTED  SPAN\n";
    const long long lastBeam = g.columnsTotal() + g.storeys * g.beamsPerLevel();
    for (long long beam = g.columnsTotal() + 1; beam <= lastBeam; ++beam)
        w << "      ADD=" << beam << "  RD=0,1  UZ=-30,-30\n";
    w << "  NAME=PUSH\n    TYPE=FORCE\n";
    for (int storey = 1; storey <= g.storeys; ++storey)
        w << "      ADD=" << g.master(storey) << "  UX=" << 10000LL * storey << "\n";
    w << "\nEND\n";
}

} // namespace

long long syntheticBuildingFrameCount(const BuildingSize& size) {
    const Grid g{size.storeys, size.baysX, size.baysY};
    return g.columnsTotal() + g.storeys * g.beamsPerLevel();
}

long long syntheticBuildingLineCount(const BuildingSize& size) {
    const Grid g{size.storeys, size.baysX, size.baysY};
    const long long frames = syntheticBuildingFrameCount(size);
    const long long areas = static_cast<long long>(g.storeys) * g.baysX * g.baysY;
    const long long header = 5;
    const long long joints = g.gridJoints() + g.storeys + 2;
    const long long restraints = g.perLevel() + 2;
    const long long constraints = g.storeys * (g.perLevel() + 2) + 2;
    const long long masses = g.storeys * g.perLevel() + 2;
    const long long materialsAndSections = 6 + 5 + 3;
    const long long loads = 1 + 2 + g.storeys * g.beamsPerLevel() + 2 + g.storeys + 1 + 1;
    return header + joints + restraints + constraints + masses + materialsAndSections + (frames + 2) +
           (areas + 2) + loads;
}

std::string syntheticBuildingS2k(int storeys, int baysX, int baysY) {
    const Grid g{storeys < 1 ? 1 : storeys, baysX < 1 ? 1 : baysX, baysY < 1 ? 1 : baysY};
    Writer w;
    w.reserve(static_cast<std::size_t>(syntheticBuildingLineCount({g.storeys, g.baysX, g.baysY})) * 40);
    writeHeader(w, g);
    writeJoints(w, g);
    writeSupportsDiaphragmsAndMasses(w, g);
    writeMaterialsAndSections(w);
    writeFrames(w, g);
    writeLoads(w, g);
    return w.take();
}

namespace {

// The square plan whose building (storeys at most the bays) comes closest to the target.
template <class Measure> BuildingSize closestSize(long long target, Measure measure) {
    int bays = 1;
    while (measure(BuildingSize{bays, bays, bays}) < target && bays < 100000)
        ++bays;
    BuildingSize best{bays, bays, bays};
    for (int storeys = 1; storeys <= bays; ++storeys) {
        const BuildingSize candidate{storeys, bays, bays};
        if (std::llabs(measure(candidate) - target) < std::llabs(measure(best) - target))
            best = candidate;
    }
    return best;
}

} // namespace

BuildingSize buildingSizeForLines(long long lines) {
    return closestSize(lines, syntheticBuildingLineCount);
}

BuildingSize buildingSizeForFrames(long long frames) {
    return closestSize(frames, syntheticBuildingFrameCount);
}

std::string syntheticBuildingS2kWithLines(long long lines) {
    return syntheticBuildingS2k(buildingSizeForLines(lines));
}

} // namespace kelvane::bench
