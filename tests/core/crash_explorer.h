#pragma once
// Every state a power cut could leave one folder in, during a recorded run of the file layer,
// under a conservative model of the disk (that of the ALICE study, OSDI 2014).

#include "core/os_file.h"

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

// The files of one folder, by name, with their bytes.
using FolderFiles = std::map<std::string, std::string>;

// What the file layer did while it lived, with names taken within the one folder of the run.
class FileTrace : private FileObserver {
public:
    struct Step {
        FileOperation::Kind kind;
        int handle = 0; // Open, Write, Sync: one number per opening
        std::string name{}, to{};
        std::int64_t offset = 0;
        std::string data{};
    };

    FileTrace();
    ~FileTrace();
    FileTrace(const FileTrace&) = delete;
    FileTrace& operator=(const FileTrace&) = delete;

    const std::vector<Step>& steps() const { return m_steps; }

private:
    void observe(const FileOperation& operation) override;

    std::vector<Step> m_steps;
    std::map<const OsFile*, int> m_handles;
};

// Calls visit once for each distinct state, with returned set for those of the cut after the
// last step, when the run had returned. The model:
// - a cut after every prefix of the steps;
// - at the cut, every write not yet synced is lost, whole, or torn at a byte boundary (all of
//   them for a write of at most 1 KiB, else see tearPoints), or persisted by any subset of its
//   512-byte sectors; a subset that grows the file leaves the rest as zeros, up to the last
//   persisted sector or up to the write's end;
// - a name made, renamed or removed and not yet followed by a folder sync may or may not have
//   happened, each independently;
// - a sync makes every earlier write of that file durable; a folder sync, every earlier name.
void forEachCrashState(const FolderFiles& before, const std::vector<FileTrace::Step>& steps,
                       const std::function<void(const FolderFiles& files, bool returned)>& visit);

// Where a write of size bytes at offset may be cut. Every byte when T10_ALL_TEARS is set or
// the write is at most 1 KiB; else a sample that keeps every byte within two of a 512-byte
// sector edge, of a 100-byte field edge (in the file and in the write) and of either end,
// and every 61st byte between.
std::vector<std::size_t> tearPoints(std::int64_t offset, std::size_t size);
