// The system calls on file handles that text files are read and written
// through, one set per system; shared by the text folder alone.
#pragma once

#include <cstddef>

namespace rowcard {

// Opens `path` for reading only, in binary mode. Returns the handle, or -1.
int system_open_read(const char* path);
// Creates `path` for writing, or opens it as it is. Returns the handle, or -1.
int system_create(const char* path);
// Empties the regular file behind `handle`; anything else is left as it is.
// Returns false when that fails.
bool system_empty(int handle);
// Reads up to `count` bytes at the file's position. Returns the bytes read,
// 0 at the end, or -1.
long system_read(int handle, char* into, std::size_t count);
// Reads up to `count` bytes from the start of a file just opened, leaving its
// position alone where the system can. Returns as `system_read`.
long system_read_start(int handle, char* into, std::size_t count);
// Writes up to `count` bytes. Returns the bytes written, or -1.
long system_write(int handle, const char* from, std::size_t count);
// Closes `handle`. Returns 0, or -1 when the close failed.
int system_close(int handle);

}  // namespace rowcard
