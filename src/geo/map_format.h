#pragma once
// Layout of the compact map file written by ondrell-map-build and read by WorldMap.
// The file is a header followed by flat arrays; the reader maps it into memory and uses the
// arrays in place, so loading costs no parsing. The layout is the same on every platform:
// little-endian numbers, IEEE floats, fixed-size records at 8-byte aligned offsets (checked below).

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>

namespace ondrell::mapfile {

static_assert(std::endian::native == std::endian::little,
              "the map file is read in place: a big-endian build needs a converting loader");
static_assert(std::numeric_limits<float>::is_iec559 && sizeof(float) == 4, "the map file holds IEEE floats");

inline constexpr char kMagic[8] = {'O', 'N', 'D', 'M', 'A', 'P', '0', '1'};
inline constexpr std::uint32_t kVersion = 2;

// The point-in-area grid: cells of kCellDeg degrees from (-180, -90).
inline constexpr double kCellDeg = 0.25;
inline constexpr int kGridCols = 1440;
inline constexpr int kGridRows = 720;
// A cell's reference point: its centre moved by a small odd offset so that it never falls on a
// boundary vertex, whose coordinates lie on a regular grid in the source data.
inline constexpr double kRefOffsetLon = 0.0123457;
inline constexpr double kRefOffsetLat = 0.0098765;

inline constexpr std::uint16_t kNoArea = 0xFFFF;
// Deepest tree the builder writes (it splits at the median) is far below this; the reader stops here.
inline constexpr int kMaxTreeDepth = 48;

struct Section {
    std::uint64_t offset = 0;   // bytes from the start of the file
    std::uint64_t count = 0;    // number of records
    std::uint64_t checksum = 0; // Checksum() of the section's bytes
};

struct Header {
    char magic[8];
    std::uint32_t version = kVersion;
    std::uint32_t gridCols = kGridCols;
    std::uint32_t gridRows = kGridRows;
    std::uint32_t reserved = 0;
    std::uint64_t fileSize = 0;
    Section areas;                    // AreaRecord, sorted by symbol
    Section cellFirst;                // uint32 per cell plus one: first CellGroup of the cell
    Section cellArea;                 // uint16 per cell: the area holding the whole cell (kNoArea: none)
    Section groups;                   // CellGroup
    Section cellEdges;                // CellEdge
    Section nodes;                    // BvhNode: the areas' trees
    Section nodeEdges;                // BoundaryEdge
    Section areaNodes;                // BvhNode: one tree over the areas' root boxes, root first
    Section areaOrder;                // uint32 area index: the leaves of the area tree point here
    std::uint64_t headerChecksum = 0; // Checksum() of the header bytes before this field
};

struct AreaRecord {
    char symbol[4];          // 1 to 3 of A-Z 0-9, NUL-padded
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

// Bounding-volume tree over boxes in earth-centred coordinates (km). An inner node (count 0) has
// its children at first and first + 1, always after the node itself; a leaf holds the items
// [first, first + count) (boundary edges in an area's tree, areaOrder entries in the area tree).
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

static_assert(sizeof(Section) == 24 && sizeof(Header) == 256 && offsetof(Header, areas) == 32 &&
              offsetof(Header, headerChecksum) == 248);
static_assert(sizeof(AreaRecord) == 16 && sizeof(CellGroup) == 12 && sizeof(CellEdge) == 16 &&
              sizeof(BvhNode) == 32 && sizeof(BoundaryEdge) == 40);

// A fast 64-bit checksum of a byte range (four independent multiply-rotate lanes over 8-byte
// words, then the tail byte by byte). It finds damage, not tampering.
inline std::uint64_t Checksum(const unsigned char *p, std::size_t n) {
    constexpr std::uint64_t kP1 = 0x9E3779B185EBCA87ull, kP2 = 0xC2B2AE3D27D4EB4Full;
    std::uint64_t lane[4] = {kP1, kP2, ~kP1, ~kP2};
    std::size_t i = 0;
    for (; i + 32 <= n; i += 32)
        for (int k = 0; k < 4; ++k) {
            std::uint64_t w;
            std::memcpy(&w, p + i + 8 * k, 8);
            lane[k] = std::rotl(lane[k] + w * kP2, 31) * kP1;
        }
    std::uint64_t h = n;
    for (const std::uint64_t v : lane)
        h = std::rotl(h ^ v, 27) * kP1 + kP2;
    for (; i < n; ++i)
        h = std::rotl(h ^ p[i], 11) * kP1;
    return h ^ (h >> 29);
}

inline std::uint64_t Checksum(const void *p, std::size_t n) {
    return Checksum(static_cast<const unsigned char *>(p), n);
}

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
