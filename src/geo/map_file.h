#pragma once
// The map file in memory (mapped read-only, or a private copy of given bytes) with its header,
// section bounds and small tables checked and its arrays located.

#include "geo/map_format.h"
#include "geo/world_map.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace ondrell {

class MapFile {
  public:
    ~MapFile();
    MapFile(MapFile &&other) noexcept;
    MapFile &operator=(MapFile &&other) noexcept;

    // nullopt with a reason in *error when the file is missing, truncated, of another format or
    // damaged as far as the check looks.
    static std::optional<MapFile> Open(const std::string &path, MapCheck check, std::string *error);
    // The same on a private copy of the file read into memory.
    static std::optional<MapFile> ReadCopy(const std::string &path, MapCheck check, std::string *error);
    // The same on bytes held in memory (copied); name stands for the file in messages.
    static std::optional<MapFile> FromBytes(std::string_view bytes, const std::string &name, MapCheck check,
                                            std::string *error);

    template <typename T> const T *Array(const mapfile::Section &section) const {
        return reinterpret_cast<const T *>(base_ + section.offset);
    }
    const mapfile::Header &Header() const { return *reinterpret_cast<const mapfile::Header *>(base_); }

  private:
    MapFile(const char *base, std::size_t size, std::unique_ptr<std::uint64_t[]> copy)
        : base_(base), size_(size), copy_(std::move(copy)) {}
    const char *base_ = nullptr;
    std::size_t size_ = 0;
    std::unique_ptr<std::uint64_t[]> copy_; // owns the bytes when they are not a mapping
};

// Rewrites the section and header checksums of a map image whose header and sections are in
// bounds (the builder's last step; tests use it to damage a map behind its checksums' back).
// False when the layout does not fit in size.
bool SealMap(char *bytes, std::size_t size);

} // namespace ondrell
