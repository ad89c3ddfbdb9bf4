#pragma once
// A read-only memory mapping of the map file with its header checked and its arrays located.

#include "geo/map_format.h"

#include <optional>
#include <string>

namespace ondrell {

class MapFile {
  public:
    ~MapFile();
    MapFile(MapFile &&other) noexcept;
    MapFile &operator=(MapFile &&other) noexcept;

    // nullopt with a reason in *error when the file is missing, truncated or of another format.
    static std::optional<MapFile> Open(const std::string &path, std::string *error);

    template <typename T> const T *Array(const mapfile::Section &section) const {
        return reinterpret_cast<const T *>(base_ + section.offset);
    }
    const mapfile::Header &Header() const { return *reinterpret_cast<const mapfile::Header *>(base_); }

  private:
    MapFile(const char *base, std::size_t size) : base_(base), size_(size) {}
    const char *base_ = nullptr;
    std::size_t size_ = 0;
};

} // namespace ondrell
