// The platform services on Windows, through the wide-character calls so that any path and name works.
#include "util/platform.h"

#include <algorithm>
#include <cerrno>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <lmcons.h>
#include <sys/stat.h>

namespace ondrell::platform {
namespace {

std::wstring Wide(const std::string &text) {
    if (text.empty())
        return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0)
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
    return wide;
}

std::string Utf8(const wchar_t *text, int length = -1) {
    if (length == 0)
        return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    if (n <= 0)
        return {};
    std::string utf8(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, length, utf8.data(), n, nullptr, nullptr);
    if (length < 0) // the count included the terminating NUL
        utf8.pop_back();
    return utf8;
}

// The system's description of a Win32 error code.
std::string Describe(DWORD code) {
    wchar_t *text = nullptr;
    const DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                       FORMAT_MESSAGE_IGNORE_INSERTS,
                                   nullptr, code, 0, reinterpret_cast<wchar_t *>(&text), 0, nullptr);
    std::string description = n > 0 ? Utf8(text, static_cast<int>(n)) : "error " + std::to_string(code);
    LocalFree(text);
    while (!description.empty() && (description.back() == '\n' || description.back() == '\r' ||
                                    description.back() == ' ' || description.back() == '.'))
        description.pop_back();
    return description;
}

HANDLE HandleOf(int fd) {
    return reinterpret_cast<HANDLE>(_get_osfhandle(fd));
}

int ErrnoOf(DWORD code) {
    switch (code) {
    case ERROR_ACCESS_DENIED:
        return EACCES;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    default:
        return EIO;
    }
}

SYSTEMTIME SystemTimeOf(const std::tm &when) {
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(when.tm_year + 1900);
    st.wMonth = static_cast<WORD>(when.tm_mon + 1);
    st.wDay = static_cast<WORD>(when.tm_mday);
    st.wDayOfWeek = static_cast<WORD>(when.tm_wday);
    st.wHour = static_cast<WORD>(when.tm_hour);
    st.wMinute = static_cast<WORD>(when.tm_min);
    st.wSecond = static_cast<WORD>(when.tm_sec);
    return st;
}

std::string LocaleText(LCTYPE item, const char *fallback) {
    wchar_t buffer[100];
    const int n = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, item, buffer, 100);
    const std::string text = n > 1 ? Utf8(buffer) : std::string();
    return text.empty() ? fallback : text;
}

} // namespace

std::tm LocalTime(std::time_t when) {
    std::tm local{};
    localtime_s(&local, &when);
    return local;
}

std::string RegionalDateText(const std::tm &when) {
    const SYSTEMTIME st = SystemTimeOf(when);
    wchar_t buffer[128];
    return GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, buffer, 128, nullptr) > 0
               ? Utf8(buffer)
               : std::string();
}

std::string RegionalTimeText(const std::tm &when) {
    const SYSTEMTIME st = SystemTimeOf(when);
    wchar_t buffer[128];
    return GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &st, nullptr, buffer, 128) > 0 ? Utf8(buffer)
                                                                                       : std::string();
}

std::string RegionalDateSeparator() {
    return LocaleText(LOCALE_SDATE, "/");
}

std::string RegionalTimeSeparator() {
    return LocaleText(LOCALE_STIME, ":");
}

std::string LoginName() {
    wchar_t buffer[UNLEN + 1];
    DWORD size = UNLEN + 1;
    return GetUserNameW(buffer, &size) ? Utf8(buffer) : std::string();
}

std::FILE *OpenFile(const std::string &path, const char *mode) {
    return _wfopen(Wide(path).c_str(), Wide(mode).c_str());
}

std::filesystem::path PathFromUtf8(const std::string &path) {
    return std::filesystem::path(Wide(path));
}

int OpenForWriting(const std::string &path, bool create) {
    const int flags = _O_WRONLY | _O_BINARY | _O_NOINHERIT | (create ? _O_CREAT | _O_EXCL : 0);
    return _wopen(Wide(path).c_str(), flags, _S_IREAD | _S_IWRITE);
}

int LockForWriting(int fd) {
    const HANDLE handle = HandleOf(fd);
    if (handle == INVALID_HANDLE_VALUE)
        return EBADF;
    // One byte far beyond the end of any notice file: a second writer is kept out as flock keeps it
    // out on POSIX systems, while the notice bytes stay readable (Windows locks are mandatory, so a
    // lock over them would refuse every reader, the tool's validate included).
    OVERLAPPED beyond{};
    beyond.OffsetHigh = 0x40000000; // 2^62
    if (LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &beyond))
        return 0;
    const DWORD code = GetLastError();
    return code == ERROR_LOCK_VIOLATION || code == ERROR_SHARING_VIOLATION ? EWOULDBLOCK : ErrnoOf(code);
}

int FileInfo(int fd, bool &regular, long long &size) {
    struct _stat64 info {};
    if (_fstat64(fd, &info) != 0)
        return errno;
    regular = (info.st_mode & _S_IFREG) != 0;
    size = info.st_size;
    return 0;
}

long long WriteSome(int fd, const char *data, std::size_t size) {
    return _write(fd, data, static_cast<unsigned>(std::min<std::size_t>(size, 1u << 30)));
}

int CutFile(int fd, long long end) {
    if (const errno_t err = _chsize_s(fd, end); err != 0)
        return err;
    return _lseeki64(fd, end, SEEK_SET) == end ? 0 : errno;
}

int FlushToDisk(int fd) {
    const HANDLE handle = HandleOf(fd);
    if (handle == INVALID_HANDLE_VALUE)
        return EBADF;
    if (FlushFileBuffers(handle))
        return 0;
    const DWORD code = GetLastError();
    // Consoles and pipes cannot be forced; there is nothing on a disk to wait for.
    return code == ERROR_INVALID_HANDLE || code == ERROR_INVALID_FUNCTION ? 0 : ErrnoOf(code);
}

int CloseFile(int fd) {
    return _close(fd) == 0 ? 0 : errno;
}

int RemoveFile(const std::string &path) {
    return _wunlink(Wide(path).c_str()) == 0 ? 0 : errno;
}

MappedFile MapReadOnly(const std::string &path) {
    MappedFile mapped;
    const HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        mapped.error = "cannot open " + path + ": " + Describe(GetLastError());
        return mapped;
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file, &size) || size.QuadPart <= 0) {
        CloseHandle(file);
        mapped.error = path + " is empty or unreadable";
        return mapped;
    }
    const HANDLE mapping = CreateFileMappingW(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
    const DWORD mappingError = GetLastError();
    CloseHandle(file);
    const void *view = mapping ? MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0) : nullptr;
    const DWORD viewError = GetLastError();
    if (mapping)
        CloseHandle(mapping); // the view keeps the mapping alive
    if (!view) {
        mapped.error = "cannot map " + path + ": " + Describe(mapping ? viewError : mappingError);
        return mapped;
    }
    mapped.data = static_cast<const char *>(view);
    mapped.size = static_cast<std::size_t>(size.QuadPart);
    return mapped;
}

void Unmap(const char *data, std::size_t) {
    if (data)
        UnmapViewOfFile(data);
}

std::vector<FolderEntry> ListFolder(const std::string &folder, const std::string &pattern) {
    std::vector<FolderEntry> entries;
    std::wstring query = Wide(folder);
    if (!query.empty() && query.back() != L'/' && query.back() != L'\\')
        query += L'\\';
    query += Wide(pattern);
    WIN32_FIND_DATAW found;
    const HANDLE search =
        FindFirstFileExW(query.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE)
        return entries;
    const bool dotPattern = !pattern.empty() && pattern.front() == '.';
    do {
        const std::string name = Utf8(found.cFileName);
        if (name == "." || name == ".." || (name.front() == '.' && !dotPattern))
            continue;
        entries.push_back({name, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return entries;
}

std::string GetEnv(const std::string &name) {
    const wchar_t *value = _wgetenv(Wide(name).c_str());
    return value ? Utf8(value) : std::string();
}

void SetEnv(const std::string &name, const char *value) {
    _wputenv_s(Wide(name).c_str(), Wide(value ? value : "").c_str());
}

void UseBinaryStdout() {
    std::fflush(stdout);
    _setmode(_fileno(stdout), _O_BINARY);
}

bool StandardErrorIsTerminal() {
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), &mode) != 0;
}

} // namespace ondrell::platform
