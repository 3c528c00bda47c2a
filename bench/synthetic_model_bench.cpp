// Writes a synthetic building as an s2k file for the benchmarks that run the solver:
// synthetic_model_bench --storeys S --bays B --out FILE (B x B bays), or --frames N for the building
// of about N frames (as the redraw benchmark sizes it). Prints the model's size.
#include "common/text_file.h"
#include "support/synthetic_building.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    kelvane::bench::BuildingSize size;
    std::string out;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        if (name == "--storeys")
            size.storeys = std::atoi(argv[i + 1]);
        else if (name == "--bays")
            size.baysX = size.baysY = std::atoi(argv[i + 1]);
        else if (name == "--frames")
            size = kelvane::bench::buildingSizeForFrames(std::atoll(argv[i + 1]));
        else if (name == "--out")
            out = argv[i + 1];
    }
    if (out.empty() || size.storeys < 1 || size.baysX < 1) {
        std::fprintf(stderr, "usage: synthetic_model_bench (--storeys S --bays B | --frames N) --out FILE\n");
        return 2;
    }
    kelvane::saveTextAtomically(out, kelvane::bench::syntheticBuildingS2k(size));
    std::printf("synthetic building: %d storeys, %d x %d bays, %lld frames\n", size.storeys, size.baysX,
                size.baysY, kelvane::bench::syntheticBuildingFrameCount(size));
    return 0;
}
