// The operating system's pieces that rowcard and its companions share: which
// file a path names, where a second thread runs, colour on a console, the
// wait of a console window opened for one program, and the end of its output.
#pragma once

#include <cstdio>
#include <cstddef>
#include <filesystem>
#include <thread>

namespace rowcard {

// The mode a new file is created with, before the user's umask: read and
// write for all, as every ordinary program makes its files.
inline constexpr unsigned NEW_FILE_MODE = 0666;

// True when `a` and `b` name one file: the same path written two ways, or one
// existing file reached through a link. Missing files are never the same.
bool same_file(const std::filesystem::path& a, const std::filesystem::path& b);

// True when something, a dangling link included, stands at `path`.
bool present(const std::filesystem::path& path);

// True when `path`, its links followed, reaches a regular file; false for
// folders, devices, FIFOs and paths that reach nothing.
bool regular_file(const std::filesystem::path& path);

// Returns how many processors this process may run on, at least 1: a second
// thread gains nothing where it is 1.
std::size_t usable_processors();

// Moves `thread`, just started, off the processor its caller runs on, where
// the process may use another. Linux queues a new thread beside its creator,
// and there it waits until the creator's time slice ends, for milliseconds,
// while another processor stands idle. Elsewhere it does nothing.
void place_apart(std::thread& thread);

// Lets the calling thread, placed apart, run on every processor the process
// may use again, so that the scheduler can balance it as any other.
void free_placement();

// Returns whether standard output is a terminal that may show colour: never
// when NO_COLOR is set; on Windows, after switching the console to escape
// codes. Only a program's main calls it: it changes the console's mode.
bool colour_console();

// On Windows, waits for Enter when this process has the console to itself, as
// when it was started by a double-click or by a file dropped on it, so that
// its words stay readable; the prompt goes to `prompt`. Elsewhere it does
// nothing. Only a program's main calls it: it reads the console.
void wait_if_own_console(std::FILE* prompt);

// Flushes and closes standard output; returns false when some of what was
// written to it never arrived (a full disk, a closed descriptor), so that a
// lost report is not taken for a success. Nothing written gives true. Only a
// program's main calls it, last: standard output is gone afterwards.
bool close_standard_output();

}  // namespace rowcard
