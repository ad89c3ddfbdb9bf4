#include "geo/map_file.h"

#include "util/platform.h"

#include <cstring>
#include <utility>

namespace ondrell {

namespace mf = mapfile;

MapFile::~MapFile() {
    platform::Unmap(base_, size_);
}

MapFile::MapFile(MapFile &&other) noexcept
    : base_(std::exchange(other.base_, nullptr)), size_(std::exchange(other.size_, 0)) {}

MapFile &MapFile::operator=(MapFile &&other) noexcept {
    if (this != &other) {
        platform::Unmap(base_, size_);
        base_ = std::exchange(other.base_, nullptr);
        size_ = std::exchange(other.size_, 0);
    }
    return *this;
}

namespace {

template <typename T> bool Fits(const mf::Section &s, std::size_t size) {
    return s.offset % alignof(T) == 0 && s.offset <= size && s.count <= (size - s.offset) / sizeof(T);
}

bool Fail(std::string *error, std::string text) {
    if (error)
        *error = std::move(text);
    return false;
}

bool Check(const char *base, std::size_t size, const std::string &path, std::string *error) {
    if (size < sizeof(mf::Header))
        return Fail(error, path + " is too short to be a map file");
    mf::Header h;
    std::memcpy(&h, base, sizeof h);
    if (std::memcmp(h.magic, mf::kMagic, sizeof h.magic) != 0)
        return Fail(error, path + " is not an Ondrell map file");
    if (h.version != mf::kVersion || h.gridCols != mf::kGridCols || h.gridRows != mf::kGridRows)
        return Fail(error, path + " was written for another version of the program");
    const std::size_t cells = std::size_t(h.gridCols) * h.gridRows;
    if (h.fileSize != size || !Fits<mf::AreaRecord>(h.areas, size) ||
        !Fits<std::uint32_t>(h.cellFirst, size) || !Fits<std::uint16_t>(h.cellArea, size) ||
        !Fits<mf::CellGroup>(h.groups, size) || !Fits<mf::CellEdge>(h.cellEdges, size) ||
        !Fits<mf::BvhNode>(h.nodes, size) || !Fits<mf::BoundaryEdge>(h.nodeEdges, size) ||
        h.cellFirst.count != cells + 1 || h.cellArea.count != cells)
        return Fail(error, path + " is truncated or damaged");
    // The small tables that lead into the large ones; the rest is trusted as the converter wrote it.
    const auto *cellFirst = reinterpret_cast<const std::uint32_t *>(base + h.cellFirst.offset);
    if (cellFirst[cells] != h.groups.count)
        return Fail(error, path + " is damaged (cell table)");
    const auto *areas = reinterpret_cast<const mf::AreaRecord *>(base + h.areas.offset);
    for (std::size_t a = 0; a < h.areas.count; ++a)
        if (areas[a].rootNode > h.nodes.count || areas[a].nodeCount > h.nodes.count - areas[a].rootNode)
            return Fail(error, path + " is damaged (area table)");
    return true;
}

} // namespace

std::optional<MapFile> MapFile::Open(const std::string &path, std::string *error) {
    const platform::MappedFile mapped = platform::MapReadOnly(path);
    if (!mapped.data) {
        Fail(error, mapped.error);
        return std::nullopt;
    }
    const std::size_t size = mapped.size;
    MapFile file(mapped.data, size);
    if (!Check(file.base_, size, path, error))
        return std::nullopt;
    return file;
}

} // namespace ondrell
