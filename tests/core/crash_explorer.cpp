#include "crash_explorer.h"

#include <algorithm>
#include <cstdlib>
#include <set>
#include <stdexcept>

namespace {

using Kind = FileOperation::Kind;

struct PendingWrite {
    std::int64_t offset = 0;
    std::string data;
};

struct Inode {
    std::string durable;
    std::string live;
    std::vector<PendingWrite> pending;
};

struct NameChange {
    Kind kind; // Open (a name made), Rename, Remove
    std::string name, to;
    int inode = 0;
};

void put(std::string& content, std::int64_t offset, std::string_view data)
{
    const auto at = static_cast<std::size_t>(offset);
    if (content.size() < at + data.size())
        content.resize(at + data.size(), '\0');
    content.replace(at, data.size(), data);
}

// What a write not yet synced may have left of content.
void writeOutcomes(const std::string& content, const PendingWrite& write,
                   std::set<std::string>& outcomes)
{
    outcomes.insert(content);
    std::string whole = content;
    put(whole, write.offset, write.data);
    outcomes.insert(whole);

    for (const std::size_t cut : tearPoints(write.offset, write.data.size())) {
        std::string torn = content;
        put(torn, write.offset, std::string_view(write.data).substr(0, cut));
        outcomes.insert(torn);
    }

    constexpr std::int64_t kSector = 512;
    const std::int64_t end = write.offset + static_cast<std::int64_t>(write.data.size());
    const std::int64_t first = write.offset / kSector;
    const std::int64_t count = (end - 1) / kSector - first + 1;
    if (count > 16)
        throw std::runtime_error("a write of more sectors than the explorer tries in every subset");
    for (std::uint32_t subset = 1; subset + 1 < (1u << count); ++subset) {
        std::string persisted = content;
        for (std::int64_t s = 0; s < count; ++s) {
            if (!(subset & (1u << s)))
                continue;
            const std::int64_t from = std::max(write.offset, (first + s) * kSector);
            const std::int64_t to = std::min(end, (first + s + 1) * kSector);
            put(persisted, from,
                std::string_view(write.data)
                    .substr(static_cast<std::size_t>(from - write.offset),
                            static_cast<std::size_t>(to - from)));
        }
        outcomes.insert(persisted);
        // The file's new length may reach the disk before the sectors that fill it.
        if (static_cast<std::int64_t>(persisted.size()) < end) {
            persisted.resize(static_cast<std::size_t>(end), '\0');
            outcomes.insert(persisted);
        }
    }
}

std::set<std::string> contentOutcomes(const Inode& inode)
{
    std::set<std::string> outcomes{inode.durable};
    for (const PendingWrite& write : inode.pending) {
        std::set<std::string> next;
        for (const std::string& content : outcomes)
            writeOutcomes(content, write, next);
        outcomes = std::move(next);
    }
    return outcomes;
}

struct Disk {
    std::vector<Inode> inodes;
    std::map<std::string, int> durableNames, liveNames;
    std::vector<NameChange> pendingNames;
    std::map<int, int> handleInode;

    explicit Disk(const FolderFiles& before)
    {
        for (const auto& [name, bytes] : before) {
            liveNames[name] = durableNames[name] = static_cast<int>(inodes.size());
            inodes.push_back({bytes, bytes, {}});
        }
    }

    Inode& of(int handle) { return inodes.at(static_cast<std::size_t>(handleInode.at(handle))); }

    void apply(const FileTrace::Step& step)
    {
        switch (step.kind) {
        case Kind::Open: {
            const auto found = liveNames.find(step.name);
            if (found == liveNames.end()) {
                const int made = static_cast<int>(inodes.size());
                inodes.emplace_back();
                liveNames[step.name] = made;
                pendingNames.push_back({Kind::Open, step.name, {}, made});
                handleInode[step.handle] = made;
            } else {
                handleInode[step.handle] = found->second;
            }
            break;
        }
        case Kind::Write: {
            Inode& inode = of(step.handle);
            put(inode.live, step.offset, step.data);
            inode.pending.push_back({step.offset, std::string(step.data)});
            break;
        }
        case Kind::Sync: {
            Inode& inode = of(step.handle);
            inode.durable = inode.live;
            inode.pending.clear();
            break;
        }
        case Kind::Rename:
            liveNames[step.to] = liveNames.at(step.name);
            liveNames.erase(step.name);
            pendingNames.push_back({Kind::Rename, step.name, step.to, 0});
            break;
        case Kind::Remove:
            liveNames.erase(step.name);
            pendingNames.push_back({Kind::Remove, step.name, {}, 0});
            break;
        case Kind::SyncFolder:
            for (const NameChange& change : pendingNames)
                replay(change, durableNames);
            pendingNames.clear();
            break;
        }
    }

    static void replay(const NameChange& change, std::map<std::string, int>& names)
    {
        switch (change.kind) {
        case Kind::Open:
            names[change.name] = change.inode;
            break;
        case Kind::Rename:
            if (const auto from = names.find(change.name); from != names.end()) {
                const int inode = from->second;
                names.erase(from);
                names[change.to] = inode;
            }
            break;
        default:
            names.erase(change.name);
            break;
        }
    }

    void crashStates(const std::function<void(const FolderFiles&)>& visit) const
    {
        if (pendingNames.size() > 16)
            throw std::runtime_error("too many names not yet durable");
        for (std::uint32_t subset = 0; subset < (1u << pendingNames.size()); ++subset) {
            std::map<std::string, int> names = durableNames;
            for (std::size_t i = 0; i < pendingNames.size(); ++i) {
                if (subset & (1u << i))
                    replay(pendingNames[i], names);
            }
            // Every combination of the outcomes of the files those names reach.
            std::vector<std::pair<std::string, std::vector<std::string>>> choices;
            for (const auto& [name, inode] : names) {
                const std::set<std::string> outcomes =
                    contentOutcomes(inodes[static_cast<std::size_t>(inode)]);
                choices.emplace_back(name,
                                     std::vector<std::string>(outcomes.begin(), outcomes.end()));
            }
            std::vector<std::size_t> pick(choices.size(), 0);
            for (;;) {
                FolderFiles files;
                for (std::size_t i = 0; i < choices.size(); ++i)
                    files[choices[i].first] = choices[i].second[pick[i]];
                visit(files);
                std::size_t i = 0;
                while (i < choices.size() && ++pick[i] == choices[i].second.size())
                    pick[i++] = 0;
                if (i == choices.size())
                    break;
            }
        }
    }
};

} // namespace

FileTrace::FileTrace()
{
    fileObserver = this;
}

FileTrace::~FileTrace()
{
    fileObserver = nullptr;
}

void FileTrace::observe(const FileOperation& operation)
{
    Step step{operation.kind};
    if (operation.file) {
        if (operation.kind == Kind::Open)
            m_handles[operation.file] = static_cast<int>(m_handles.size()) + 1;
        step.handle = m_handles.at(operation.file);
    }
    if (operation.path)
        step.name = operation.path->filename().string();
    if (operation.to)
        step.to = operation.to->filename().string();
    step.offset = operation.offset;
    step.data = std::string(operation.data);
    m_steps.push_back(std::move(step));
}

void forEachCrashState(const FolderFiles& before, const std::vector<FileTrace::Step>& steps,
                       const std::function<void(const FolderFiles& files, bool returned)>& visit)
{
    std::set<std::pair<bool, FolderFiles>> seen;
    Disk disk(before);
    for (std::size_t cut = 0;; ++cut) {
        const bool returned = cut == steps.size();
        disk.crashStates([&](const FolderFiles& files) {
            if (seen.emplace(returned, files).second)
                visit(files, returned);
        });
        if (returned)
            break;
        disk.apply(steps[cut]);
    }
}

std::vector<std::size_t> tearPoints(std::int64_t offset, std::size_t size)
{
    const bool every = size <= 1024 || std::getenv("T10_ALL_TEARS");
    const auto near = [](std::int64_t at, std::int64_t edge) {
        const std::int64_t r = ((at % edge) + edge) % edge;
        return r <= 2 || r >= edge - 2;
    };
    std::vector<std::size_t> points;
    for (std::size_t cut = 1; cut < size; ++cut) {
        const auto k = static_cast<std::int64_t>(cut);
        if (every || cut <= 2 || cut + 2 >= size || cut % 61 == 0 || near(offset + k, 512) ||
            near(offset + k, 100) || near(k, 100))
            points.push_back(cut);
    }
    return points;
}
