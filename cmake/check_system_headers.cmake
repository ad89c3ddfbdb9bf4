# Fails when a file of the program (src/, tools/) includes a POSIX or Windows header anywhere but in
# the platform layer (src/util/platform_*.cpp), so that the core keeps building on both systems.
# Run as: cmake -DROOT=<source folder> -P check_system_headers.cmake
set(posix "unistd|fcntl|pwd|grp|glob|fnmatch|dirent|langinfo|locale|xlocale|libgen|dlfcn|poll|pthread|sched|semaphore|spawn|strings|syslog|termios|utime|wordexp|iconv|nl_types|netdb|regex|(sys|netinet|arpa|mach)/[a-z_/]+")
set(windows "windows|win[a-z0-9]*|io|direct|process|conio|share|tchar|lmcons|shlobj|shellapi|shlwapi|objbase|combaseapi|knownfolders|[a-z]+api|ws2tcpip|mswsock")
set(pattern "^[ \t]*#[ \t]*include[ \t]*<(${posix}|${windows})\\.h>")

file(GLOB_RECURSE files ${ROOT}/src/*.h ${ROOT}/src/*.cpp ${ROOT}/tools/*.h ${ROOT}/tools/*.cpp)
list(FILTER files EXCLUDE REGEX "/src/util/platform_[a-z]+\\.cpp$")
set(found "")
foreach(file ${files})
  file(STRINGS ${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*<")
  foreach(line ${lines})
    string(TOLOWER "${line}" lower) # Windows header names are written in any case
    if(lower MATCHES "${pattern}")
      file(RELATIVE_PATH name ${ROOT} ${file})
      string(APPEND found "\n  ${name}: ${line}")
    endif()
  endforeach()
endforeach()
if(found)
  message(FATAL_ERROR "System headers belong in src/util/platform_*.cpp (util/platform.h):${found}")
endif()
list(LENGTH files count)
message(STATUS "${count} files include no POSIX or Windows header")
