#pragma once
// Layout of the compact map file written by ondrell-map-build and read by WorldMap.
// The file is a header followed by flat arrays; the reader maps it into memory and uses the
// arrays in place, so loading costs no parsing. All numbers are little-endian, as on the host.

#include <cmath>
#include <cstdint>

namespace ondrell::mapfile {

inline constexpr char kMagic[8] = {'O', 'N', 'D', 'M', 'A', 'P', '0', '1'};
inline constexpr std::uint32_t kVersion = 1;

// The point-in-area grid: cells of kCellDeg degrees from (-180, -90).
inline constexpr double kCellDeg = 0.25;
inline constexpr int kGridCols = 1440;
inline constexpr int kGridRows = 720;
// A cell's reference point: its centre moved by a small odd offset so that it never falls on a
// boundary vertex, whose coordinates lie on a regular grid in the source data.
inline constexpr double kRefOffsetLon = 0.0123457;
inline constexpr double kRefOffsetLat = 0.0098765;

inline constexpr std::uint16_t kNoArea = 0xFFFF;

struct Section {
    std::uint64_t offset = 0; // bytes from the start of the file
    std::uint64_t count = 0;  // number of records
};

struct Header {
    char magic[8];
    std::uint32_t version = kVersion;
    std::uint32_t gridCols = kGridCols;
    std::uint32_t gridRows = kGridRows;
    std::uint32_t reserved = 0;
    std::uint64_t fileSize = 0;
    Section areas;     // AreaRecord, sorted by symbol
    Section cellFirst; // uint32 per cell plus one: first CellGroup of the cell
    Section cellArea;  // uint16 per cell: the area holding the whole cell (kNoArea: none)
    Section groups;    // CellGroup
    Section cellEdges; // CellEdge
    Section nodes;     // BvhNode
    Section nodeEdges; // BoundaryEdge
};

struct AreaRecord {
    char symbol[4];          // NUL-padded
    std::uint32_t rootNode;  // in nodes
    std::uint32_t nodeCount; // 0 when the area has no boundary edges
    std::uint32_t reserved;
};

// The edges of one polygon inside one mixed cell, and whether the cell's reference point lies
// inside that polygon. A cell without groups lies entirely in cellArea.
struct CellGroup {
    std::uint32_t firstEdge;
    std::uint16_t edgeCount;
    std::uint16_t area;
    std::uint32_t refInside;
};

struct CellEdge {
    float ax, ay, bx, by; // lon, lat of both ends
};

// Bounding-volume tree over an area's boundary edges in earth-centred coordinates (km).
// An inner node (count 0) has its children at first and first + 1; a leaf holds the edges
// [first, first + count) of nodeEdges.
struct BvhNode {
    float lo[3];
    float hi[3];
    std::uint32_t first;
    std::uint32_t count;
};

struct BoundaryEdge {
    float a[3], b[3]; // earth-centred km
    float alon, alat, blon, blat;
};

// WGS84 earth-centred, earth-fixed position in km.
inline void ToEcef(double lonDeg, double latDeg, double out[3]) {
    constexpr double kA = 6378.137;
    constexpr double kF = 1 / 298.257223563;
    constexpr double kE2 = kF * (2 - kF);
    constexpr double kRad = 3.14159265358979323846 / 180;
    const double lat = latDeg * kRad, lon = lonDeg * kRad;
    const double s = std::sin(lat), c = std::cos(lat);
    const double n = kA / std::sqrt(1 - kE2 * s * s);
    out[0] = n * c * std::cos(lon);
    out[1] = n * c * std::sin(lon);
    out[2] = n * (1 - kE2) * s;
}

} // namespace ondrell::mapfile
