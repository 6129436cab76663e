// The calls by which the scan and the run open, read and write files, in one
// place so that tests can make them fail. Each is a drop-in for the system
// call of the same name. In the product they are the system calls themselves;
// a build that defines VORLANE_FAULT_SEAM declares them only, and the tests'
// fault hooks define them.
#pragma once

#include <fcntl.h>
#include <sys/types.h>
#include <unistd.h>

#include <cstddef>

namespace vorlane::io {

#ifdef VORLANE_FAULT_SEAM

int Open(const char* path, int flags, mode_t mode = 0);
ssize_t Read(int fd, void* buffer, std::size_t size);
ssize_t Write(int fd, const void* buffer, std::size_t size);

#else

inline int Open(const char* path, int flags, mode_t mode = 0) { return ::open(path, flags, mode); }
inline ssize_t Read(int fd, void* buffer, std::size_t size) { return ::read(fd, buffer, size); }
inline ssize_t Write(int fd, const void* buffer, std::size_t size) { return ::write(fd, buffer, size); }

#endif

}  // namespace vorlane::io
