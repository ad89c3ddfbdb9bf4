#pragma once
// The few operating-system services the core needs. platform_posix.cpp and platform_windows.cpp
// implement them and the build compiles one; no other file of the core includes a system header.
// Paths and texts are UTF-8 on every system (Windows takes them through its wide-character calls).

#include <cstddef>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

namespace ondrell::platform {

// The calendar time of `when` in the local time zone.
std::tm LocalTime(std::time_t when);

// The system's default text for the date of `when` and for its time of day, as the user's regional
// settings write them (POSIX: LC_TIME of the environment, C when unset; Windows: the user's locale),
// whatever locale the process has set. "" when the system gives none.
std::string RegionalDateText(const std::tm &when);
std::string RegionalTimeText(const std::tm &when);

// The separator the user's regional settings put between the parts of a date ("/" when they show
// none) and between those of a time of day (":" when none).
std::string RegionalDateSeparator();
std::string RegionalTimeSeparator();

// The login name of the user running the program; "" when the system knows none.
std::string LoginName();

// fopen for a UTF-8 path.
std::FILE *OpenFile(const std::string &path, const char *mode);

// A UTF-8 path as the standard library's path type (its narrow constructor is not UTF-8 on Windows).
std::filesystem::path PathFromUtf8(const std::string &path);

// Files held by descriptor (an int, -1 for none). Calls that fail give an errno value (or -1 with
// errno set, as the POSIX calls they stand for).

// Opens an existing file for writing without changing it, or (create) makes a new one, failing with
// EEXIST when it exists. -1 with errno set on failure.
int OpenForWriting(const std::string &path, bool create);
// Locks the file against every other writer, a second descriptor of this process included, until
// it is closed. 0, EWOULDBLOCK when another holds it, or the errno value of the failure.
int LockForWriting(int fd);
// Whether the file is a regular file (not a device or pipe), and its size. errno value or 0.
int FileInfo(int fd, bool &regular, long long &size);
// One write of up to `size` bytes: the count written, or -1 with errno set.
long long WriteSome(int fd, const char *data, std::size_t size);
// Cuts the file to `end` bytes and moves the write position there. errno value or 0.
int CutFile(int fd, long long end);
// Forces what was written onto the disk. errno value or 0; a file the system cannot force (a
// device, a read-only medium) gives 0.
int FlushToDisk(int fd);
// Closes the descriptor, releasing its lock. errno value or 0.
int CloseFile(int fd);
// Removes a file. errno value or 0.
int RemoveFile(const std::string &path);

// A whole file mapped read-only into memory.
struct MappedFile {
    const char *data = nullptr; // nullptr when mapping failed
    std::size_t size = 0;
    std::string error; // why it failed: "cannot open <path>: <reason>", "<path> is empty", ...
};
MappedFile MapReadOnly(const std::string &path);
// Releases a mapping made by MapReadOnly (data and size as it gave them).
void Unmap(const char *data, std::size_t size);

struct FolderEntry {
    std::string name;
    bool isFolder = false;
};
// The entries of `folder` whose names match `pattern` (* any run of characters, ? one character;
// Windows compares without regard to case). A name beginning with "." matches only a pattern that
// begins with "."; "." and ".." are never listed. Empty when the folder cannot be read.
std::vector<FolderEntry> ListFolder(const std::string &folder, const std::string &pattern);

// The value of an environment variable, "" when it is unset (UTF-8 on Windows too).
std::string GetEnv(const std::string &name);

// Sets an environment variable of this process, or removes it when value is nullptr. Windows
// keeps no empty values: "" removes the variable there.
void SetEnv(const std::string &name, const char *value);

// Makes the standard output stream write bytes as they are: Windows would turn each "\n" into
// "\r\n", so a program's output would differ between systems. Nothing to do on POSIX systems.
void UseBinaryStdout();

// True when the standard error stream is a terminal (progress lines make sense there).
bool StandardErrorIsTerminal();

} // namespace ondrell::platform
