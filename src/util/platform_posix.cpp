// The platform services on POSIX systems (Linux, macOS).
#include "util/platform.h"

#include "util/dates.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <langinfo.h>
#include <locale.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ondrell::platform {
namespace {

// The environment's LC_TIME (C when unset or unknown), apart from the process's own locale.
class UserTimeLocale {
  public:
    UserTimeLocale() {
        loc_ = newlocale(LC_TIME_MASK, "", static_cast<locale_t>(0));
        if (loc_ == static_cast<locale_t>(0))
            loc_ = newlocale(LC_TIME_MASK, "C", static_cast<locale_t>(0));
    }
    ~UserTimeLocale() {
        if (loc_ != static_cast<locale_t>(0))
            freelocale(loc_);
    }
    UserTimeLocale(const UserTimeLocale &) = delete;
    UserTimeLocale &operator=(const UserTimeLocale &) = delete;

    std::string Format(const std::tm &when, const char *format) const {
        char buffer[128];
        if (loc_ == static_cast<locale_t>(0) || strftime_l(buffer, sizeof buffer, format, &when, loc_) == 0)
            return {};
        return buffer;
    }
    std::string Item(nl_item item) const {
        return loc_ == static_cast<locale_t>(0) ? std::string() : std::string(nl_langinfo_l(item, loc_));
    }

  private:
    locale_t loc_;
};

} // namespace

std::tm LocalTime(std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    return local;
}

std::string RegionalDateText(const std::tm &when) {
    return UserTimeLocale().Format(when, "%x");
}

std::string RegionalTimeText(const std::tm &when) {
    return UserTimeLocale().Format(when, "%X");
}

std::string RegionalDateSeparator() {
    return DateSeparatorOfFormat(UserTimeLocale().Item(D_FMT));
}

std::string RegionalTimeSeparator() {
    return TimeSeparatorOfFormat(UserTimeLocale().Item(T_FMT));
}

std::string LoginName() {
    const passwd *entry = getpwuid(geteuid());
    return entry && entry->pw_name ? entry->pw_name : "";
}

std::FILE *OpenFile(const std::string &path, const char *mode) {
    return std::fopen(path.c_str(), mode);
}

std::filesystem::path PathFromUtf8(const std::string &path) {
    return std::filesystem::path(path);
}

int OpenForWriting(const std::string &path, bool create) {
    return create ? ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666)
                  : ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
}

int LockForWriting(int fd) {
    // flock belongs to the open file, so a second descriptor of this process is refused as well.
    return ::flock(fd, LOCK_EX | LOCK_NB) == 0 ? 0 : errno == EWOULDBLOCK ? EWOULDBLOCK : errno;
}

int FileInfo(int fd, bool &regular, long long &size) {
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return errno;
    regular = S_ISREG(info.st_mode);
    size = info.st_size;
    return 0;
}

long long WriteSome(int fd, const char *data, std::size_t size) {
    return ::write(fd, data, size);
}

int CutFile(int fd, long long end) {
    if (::ftruncate(fd, end) != 0 || ::lseek(fd, end, SEEK_SET) != end)
        return errno;
    return 0;
}

int FlushToDisk(int fd) {
    if (fsync(fd) == 0 || errno == EINVAL || errno == EROFS)
        return 0;
    return errno;
}

int CloseFile(int fd) {
    return ::close(fd) == 0 ? 0 : errno;
}

int RemoveFile(const std::string &path) {
    return ::unlink(path.c_str()) == 0 ? 0 : errno;
}

MappedFile MapReadOnly(const std::string &path) {
    MappedFile mapped;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        mapped.error = "cannot open " + path + ": " + std::strerror(errno);
        return mapped;
    }
    struct stat st {};
    if (fstat(fd, &st) != 0 || st.st_size <= 0) {
        ::close(fd);
        mapped.error = path + " is empty or unreadable";
        return mapped;
    }
    const auto size = static_cast<std::size_t>(st.st_size);
    void *base = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
    const int err = errno;
    ::close(fd);
    if (base == MAP_FAILED) {
        mapped.error = "cannot map " + path + ": " + std::strerror(err);
        return mapped;
    }
    mapped.data = static_cast<const char *>(base);
    mapped.size = size;
    return mapped;
}

void Unmap(const char *data, std::size_t size) {
    if (data)
        munmap(const_cast<char *>(data), size);
}

std::vector<FolderEntry> ListFolder(const std::string &folder, const std::string &pattern) {
    std::vector<FolderEntry> entries;
    DIR *dir = opendir(folder.empty() ? "." : folder.c_str());
    if (!dir)
        return entries;
    const std::string prefix = folder.empty() || folder.back() == '/' ? folder : folder + "/";
    while (const dirent *entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name == "." || name == ".." || fnmatch(pattern.c_str(), name.c_str(), FNM_PERIOD) != 0)
            continue;
        struct stat st {};
        if (stat((prefix + name).c_str(), &st) == 0) // follows links, as a listing by name does
            entries.push_back({name, S_ISDIR(st.st_mode)});
    }
    closedir(dir);
    return entries;
}

std::string GetEnv(const std::string &name) {
    const char *value = std::getenv(name.c_str());
    return value ? value : "";
}

void SetEnv(const std::string &name, const char *value) {
    if (value)
        setenv(name.c_str(), value, 1);
    else
        unsetenv(name.c_str());
}

void UseBinaryStdout() {}

bool StandardErrorIsTerminal() {
    return isatty(STDERR_FILENO) == 1;
}

} // namespace ondrell::platform
