// The system calls behind rowcard-prep's safe writing: a lock on the folder,
// files that take their name only when whole, and termination signals held back.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace rowcard {

// Temporary names tried beside a file before giving up: each run has its own
// (the process number is in them), so only a leftover of a crashed run with
// the same number can take one.
inline constexpr int TEMPORARY_TRIES = 100;

// Reads all of `path` into `bytes`. Returns an empty string, or why it could
// not ("it is a folder, not a file", the system's words).
std::string read_whole(const std::string& path, std::string& bytes);

// Returns this process's number, which its temporary names carry.
int process_number();

// Returns the `k`-th temporary name that the process `process` gives a file
// it is writing as `name`: beside it, so that a rename never crosses file systems.
std::string temporary_name(const std::string& name, int process, int k);

// A lock on the working folder; the system drops it when the process ends.
struct folder_lock {
    std::intptr_t handle = -1;
};

// What asking for the folder lock gave.
enum class lock_outcome {
    held,         // this process holds the lock
    busy,         // another process holds it
    unsupported,  // the folder's file system offers no lock: the run goes on without one
};

// Takes the lock on the working folder without waiting.
lock_outcome lock_folder(folder_lock& lock);

// Makes the folder's new names durable (where the system allows), then lets
// the lock go. An unheld lock is left as it is.
void unlock_folder(folder_lock& lock);

// A file being written in the working folder that is not in its place yet.
struct pending_file {
    int handle = -1;
    std::string temporary;  // its temporary name; empty while it has none (a nameless file)
};

// Creates a file that `publish_pending` will later put in place as `name`:
// nameless where the system allows it, so that no kill can leave it behind,
// else under a new temporary name beside `name`. Returns an empty string, or
// the message that says why not.
std::string create_pending(pending_file& file, const std::string& name);

// Writes all of `bytes` to the file; an empty `bytes` writes nothing. Returns
// false on a write error (a full disk, a file-size limit).
bool write_pending(pending_file& file, std::string_view bytes);

// Puts the file on the disk whole, ready to publish. Returns false when the
// system reports that it could not (a full disk found late, an I/O error).
bool finish_pending(pending_file& file);

// Puts the finished file in place as `name`, replacing what is there at once.
// Returns an empty string, or the message that says why not; the file is then
// discarded.
std::string publish_pending(pending_file& file, const std::string& name);

// Removes the file, named or not; nothing of it stays.
void discard_pending(pending_file& file);

// The termination signals (Ctrl-C, SIGTERM, SIGHUP, SIGQUIT) held back while
// files are written and published.
struct held_signals {
    unsigned held = 0;  // which of them this process held back
    bool active = false;
};

// Holds back the termination signals: one that comes waits for `release_signals`.
void hold_signals(held_signals& signals);

// Returns true when a termination signal came while they were held.
bool signal_waiting(const held_signals& signals);

// Lets the held signals through: a signal that came meanwhile now ends the
// process, as it would have without the hold.
void release_signals(held_signals& signals);

}  // namespace rowcard
