#include "geo/map_file.h"

#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ondrell {

namespace mf = mapfile;

MapFile::~MapFile() {
    if (base_)
        munmap(const_cast<char *>(base_), size_);
}

MapFile::MapFile(MapFile &&other) noexcept
    : base_(std::exchange(other.base_, nullptr)), size_(std::exchange(other.size_, 0)) {}

MapFile &MapFile::operator=(MapFile &&other) noexcept {
    if (this != &other) {
        if (base_)
            munmap(const_cast<char *>(base_), size_);
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
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        Fail(error, "cannot open map file " + path + ": " + std::strerror(errno));
        return std::nullopt;
    }
    struct stat st {};
    if (fstat(fd, &st) != 0 || st.st_size <= 0) {
        ::close(fd);
        Fail(error, path + " is empty or unreadable");
        return std::nullopt;
    }
    const auto size = static_cast<std::size_t>(st.st_size);
    void *base = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
    ::close(fd);
    if (base == MAP_FAILED) {
        Fail(error, "cannot map " + path + ": " + std::strerror(errno));
        return std::nullopt;
    }
    MapFile file(static_cast<const char *>(base), size);
    if (!Check(file.base_, size, path, error))
        return std::nullopt;
    return file;
}

} // namespace ondrell
