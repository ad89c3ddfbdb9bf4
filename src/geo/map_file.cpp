#include "geo/map_file.h"

#include "util/platform.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <utility>

namespace ondrell {

namespace mf = mapfile;

namespace {

struct NamedSection {
    mf::Section mf::Header::*section;
    std::size_t recordSize;
    std::size_t alignment;
    const char *name;
};
const NamedSection kSections[] = {
    {&mf::Header::areas, sizeof(mf::AreaRecord), alignof(mf::AreaRecord), "area table"},
    {&mf::Header::cellFirst, sizeof(std::uint32_t), alignof(std::uint32_t), "cell table"},
    {&mf::Header::cellArea, sizeof(std::uint16_t), alignof(std::uint16_t), "cell areas"},
    {&mf::Header::groups, sizeof(mf::CellGroup), alignof(mf::CellGroup), "cell groups"},
    {&mf::Header::cellEdges, sizeof(mf::CellEdge), alignof(mf::CellEdge), "cell edges"},
    {&mf::Header::nodes, sizeof(mf::BvhNode), alignof(mf::BvhNode), "boundary trees"},
    {&mf::Header::nodeEdges, sizeof(mf::BoundaryEdge), alignof(mf::BoundaryEdge), "boundary edges"},
    {&mf::Header::areaNodes, sizeof(mf::BvhNode), alignof(mf::BvhNode), "area tree"},
    {&mf::Header::areaOrder, sizeof(std::uint32_t), alignof(std::uint32_t), "area tree"},
};

bool Fits(const mf::Section &s, const NamedSection &n, std::size_t size) {
    return s.offset % n.alignment == 0 && s.offset >= sizeof(mf::Header) && s.offset <= size &&
           s.count <= (size - s.offset) / n.recordSize;
}

std::uint64_t SectionChecksum(const char *base, const mf::Section &s, const NamedSection &n) {
    return mf::Checksum(base + s.offset, s.count * n.recordSize);
}

std::uint64_t HeaderChecksum(const char *base) {
    return mf::Checksum(base, offsetof(mf::Header, headerChecksum));
}

bool ValidSymbol(const char (&symbol)[4]) {
    std::size_t length = 0;
    while (length < 4 && symbol[length] != '\0')
        ++length;
    if (length == 0 || length > 3)
        return false;
    for (std::size_t i = 0; i < 4; ++i) {
        const char c = symbol[i];
        const bool allowed = i < length ? (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') : c == '\0';
        if (!allowed)
            return false;
    }
    return true;
}

// Empty when the image passes; else what is wrong, to follow the file's name.
std::string Problem(const char *base, std::size_t size, MapCheck check) {
    if (size < sizeof(mf::Header))
        return " is too short to be a map file";
    mf::Header h;
    std::memcpy(&h, base, sizeof h);
    if (std::memcmp(h.magic, mf::kMagic, sizeof h.magic) != 0)
        return " is not an Ondrell map file";
    if (h.version != mf::kVersion || h.gridCols != mf::kGridCols || h.gridRows != mf::kGridRows)
        return " was written for another version of the program";
    if (h.fileSize != size)
        return " is truncated or damaged";
    if (HeaderChecksum(base) != h.headerChecksum)
        return " is damaged (header)";
    for (const auto &n : kSections)
        if (!Fits(h.*n.section, n, size))
            return " is truncated or damaged";
    const std::size_t cells = std::size_t(h.gridCols) * h.gridRows;
    if (h.cellFirst.count != cells + 1 || h.cellArea.count != cells || h.areas.count >= mf::kNoArea)
        return " is damaged (cell table)";
    // The small tables every query starts from are always checked; the large ones only for a full
    // check. Queries bound every index they read from them either way.
    for (const auto &n : kSections) {
        const bool small = n.section == &mf::Header::areas || n.section == &mf::Header::areaNodes ||
                           n.section == &mf::Header::areaOrder;
        if ((small || check == MapCheck::Full) &&
            SectionChecksum(base, h.*n.section, n) != (h.*n.section).checksum)
            return std::string(" is damaged (") + n.name + ")";
    }
    const auto *cellFirst = reinterpret_cast<const std::uint32_t *>(base + h.cellFirst.offset);
    if (cellFirst[0] != 0 || cellFirst[cells] != h.groups.count)
        return " is damaged (cell table)";
    const auto *areas = reinterpret_cast<const mf::AreaRecord *>(base + h.areas.offset);
    for (std::size_t a = 0; a < h.areas.count; ++a)
        if (!ValidSymbol(areas[a].symbol) || areas[a].rootNode > h.nodes.count ||
            areas[a].nodeCount > h.nodes.count - areas[a].rootNode)
            return " is damaged (area table)";
    const auto *order = reinterpret_cast<const std::uint32_t *>(base + h.areaOrder.offset);
    for (std::size_t i = 0; i < h.areaOrder.count; ++i)
        if (order[i] >= h.areas.count)
            return " is damaged (area tree)";
    return {};
}

std::optional<MapFile> Refuse(const std::string &name, const std::string &problem, std::string *error) {
    if (error)
        *error = name + problem;
    return std::nullopt;
}

} // namespace

MapFile::~MapFile() {
    if (base_ && !copy_)
        platform::Unmap(base_, size_);
}

MapFile::MapFile(MapFile &&other) noexcept
    : base_(std::exchange(other.base_, nullptr)), size_(std::exchange(other.size_, 0)),
      copy_(std::move(other.copy_)) {}

MapFile &MapFile::operator=(MapFile &&other) noexcept {
    if (this != &other) {
        if (base_ && !copy_)
            platform::Unmap(base_, size_);
        base_ = std::exchange(other.base_, nullptr);
        size_ = std::exchange(other.size_, 0);
        copy_ = std::move(other.copy_);
    }
    return *this;
}

std::optional<MapFile> MapFile::Open(const std::string &path, MapCheck check, std::string *error) {
    const platform::MappedFile mapped = platform::MapReadOnly(path);
    if (!mapped.data)
        return Refuse("", mapped.error, error);
    MapFile file(mapped.data, mapped.size, nullptr);
    if (const std::string problem = Problem(file.base_, file.size_, check); !problem.empty())
        return Refuse(path, problem, error);
    return file;
}

std::optional<MapFile> MapFile::ReadCopy(const std::string &path, MapCheck check, std::string *error) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(platform::PathFromUtf8(path), ec);
    if (ec)
        return Refuse("", "cannot open " + path + ": " + ec.message(), error);
    std::ifstream in(platform::PathFromUtf8(path), std::ios::binary);
    if (!in)
        return Refuse("", "cannot open " + path, error);
    if (size == 0)
        return Refuse(path, " is empty or unreadable", error);
    // Whole 8-byte words, so every section offset keeps the alignment it has in the file.
    auto copy = std::make_unique_for_overwrite<std::uint64_t[]>(size / 8 + 1);
    char *base = reinterpret_cast<char *>(copy.get());
    if (!in.read(base, std::streamsize(size)))
        return Refuse(path, " is truncated or damaged", error); // it shrank while being read
    MapFile file(base, size, std::move(copy));
    if (const std::string problem = Problem(file.base_, file.size_, check); !problem.empty())
        return Refuse(path, problem, error);
    return file;
}

std::optional<MapFile> MapFile::FromBytes(std::string_view bytes, const std::string &name, MapCheck check,
                                          std::string *error) {
    // Whole 8-byte words, so every section offset keeps the alignment it has in a file.
    auto copy = std::make_unique<std::uint64_t[]>(bytes.size() / 8 + 1);
    std::memcpy(copy.get(), bytes.data(), bytes.size());
    const char *base = reinterpret_cast<const char *>(copy.get());
    MapFile file(base, bytes.size(), std::move(copy));
    if (const std::string problem = Problem(file.base_, file.size_, check); !problem.empty())
        return Refuse(name, problem, error);
    return file;
}

bool SealMap(char *bytes, std::size_t size) {
    if (size < sizeof(mf::Header))
        return false;
    mf::Header h;
    std::memcpy(&h, bytes, sizeof h);
    for (const auto &n : kSections) {
        if (!Fits(h.*n.section, n, size))
            return false;
        (h.*n.section).checksum = SectionChecksum(bytes, h.*n.section, n);
    }
    std::memcpy(bytes, &h, sizeof h);
    h.headerChecksum = HeaderChecksum(bytes);
    std::memcpy(bytes, &h, sizeof h);
    return true;
}

} // namespace ondrell
