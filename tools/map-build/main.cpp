// ondrell-map-build: converts Natural Earth 1:10 m boundaries (world-atlas countries-10m.json,
// TopoJSON) into the program's compact map file.
//
// Usage: ondrell-map-build <countries-10m.json> <output.map>

#include "area_symbols.h"
#include "map_builder.h"
#include "topojson_reader.h"

#include <exception>
#include <iostream>

int main(int argc, char **argv) {
    if (argc != 3) {
        std::cerr << "usage: ondrell-map-build <countries-10m.json> <output.map>\n";
        return 2;
    }
    try {
        using namespace ondrell::mapbuild;
        const auto features = ReadCountries(argv[1]);
        const auto areas = AssignAreas(features);
        const MapStats stats = WriteMapFile(areas, argv[2]);
        std::cout << "ondrell-map-build: " << stats.areas << " areas, " << stats.polygons << " polygons, "
                  << stats.edges << " edges (" << stats.boundaryEdges << " on boundaries), "
                  << stats.mixedCells << " mixed cells, " << stats.bytes << " bytes -> " << argv[2] << "\n";
        return 0;
    } catch (const std::exception &e) {
        std::cerr << "ondrell-map-build: " << e.what() << "\n";
        return 1;
    }
}
