// A file system for tests: the platform's own underneath, every call recorded as a line
// ("mkdir override", "flush override/<tmp>") with paths relative to a root folder, and any
// one call made to fail with a given code, before it reaches the platform.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "framework/Exceptions.h"
#include "game/FileSystem.h"

namespace gametest {

class RecordingFiles : public game::FileSystem {
public:
    explicit RecordingFiles(game::Path root) : root_(std::move(root)) {}

    std::vector<std::string> calls;
    // The call numbered `failAt` (counted from 1 over all calls, or over those that start
    // with `failOn` when it is set) raises `failCode`; 0: none.
    int failAt = 0;
    std::string failOn;
    int failCode = 5;
    // The failing call does its work first, then raises (a replace or removal only).
    bool failAfter = false;
    // Each write takes only half of what it is given.
    bool shortWrites = false;

    // The calls that change the disk or flush it, in order: queries left out.
    std::vector<std::string> Changes() const
    {
        std::vector<std::string> changes;
        for (const std::string& call : calls)
            if (!call.starts_with("kind ") && !call.starts_with("target ") && !call.starts_with("list ") &&
                !call.starts_with("read ") && !call.starts_with("open ") && !call.starts_with("check "))
                changes.push_back(call);
        return changes;
    }

    game::EntryKind KindOf(const game::Path& path, game::Links links) override
    {
        Call(links == game::Links::Kept ? "kind" : "target", path);
        return Platform().KindOf(path, links);
    }
    std::unique_ptr<game::ByteSource> OpenForReading(const game::Path& file) override
    {
        Call("open", file);
        return Platform().OpenForReading(file);
    }
    void CreateFolder(const game::Path& path) override
    {
        Call("mkdir", path);
        Platform().CreateFolder(path);
    }
    std::unique_ptr<game::OutputFile> CreateNew(const game::Path& path) override
    {
        Call("create", path);
        return std::make_unique<File>(*this, Platform().CreateNew(path), Shown(path));
    }
    void FlushFolder(const game::Path& folder) override
    {
        Call("flush-folder", folder);
        Platform().FlushFolder(folder);
    }
    void Replace(const game::Path& from, const game::Path& to) override
    {
        Call("replace " + Shown(from), to);
        Platform().Replace(from, to);
        RaiseAfter();
    }
    void RemoveFile(const game::Path& file) override
    {
        Call("remove", file);
        Platform().RemoveFile(file);
        RaiseAfter();
    }
    // Never failed: it is what cleans up after a failure.
    bool Discard(const game::Path& path) noexcept override { return Platform().Discard(path); }
    void CheckReplaceable(const game::Path& file) override
    {
        Call("check", file);
        Platform().CheckReplaceable(file);
    }
    std::string ReadWhole(const game::Path& file, std::size_t limit) override
    {
        Call("read", file);
        return Platform().ReadWhole(file, limit);
    }
    std::vector<game::FolderEntry> ListFolder(const game::Path& folder) override
    {
        Call("list", folder);
        return Platform().ListFolder(folder);
    }
    // Taken and let go are both recorded: the lock's span shows in the calls.
    std::unique_ptr<game::HeldLock> LockFile(const game::Path& file, int waitMilliseconds) override
    {
        Call("lock", file);
        auto held = Platform().LockFile(file, waitMilliseconds);
        return held ? std::make_unique<Lock>(*this, std::move(held), Shown(file)) : nullptr;
    }

private:
    class File : public game::OutputFile {
    public:
        File(RecordingFiles& owner, std::unique_ptr<game::OutputFile> file, std::string name)
            : owner_(owner), file_(std::move(file)), name_(std::move(name))
        {
        }
        std::size_t Write(std::string_view data) override
        {
            owner_.Record("write " + name_);
            return file_->Write(owner_.shortWrites ? data.substr(0, data.size() / 2) : data);
        }
        void FlushToDisk() override
        {
            owner_.Record("flush " + name_);
            file_->FlushToDisk();
        }
        void Close() override
        {
            owner_.Record("close " + name_);
            file_->Close();
        }
        void TakeModeOf(const game::Path& file) override
        {
            owner_.Record("mode " + name_ + " of " + owner_.Shown(file));
            file_->TakeModeOf(file);
        }

    private:
        RecordingFiles& owner_;
        std::unique_ptr<game::OutputFile> file_;
        std::string name_;
    };

    class Lock : public game::HeldLock {
    public:
        Lock(RecordingFiles& owner, std::unique_ptr<game::HeldLock> held, std::string name)
            : owner_(owner), held_(std::move(held)), name_(std::move(name))
        {
        }
        ~Lock() override { owner_.calls.push_back("unlock " + name_); }

    private:
        RecordingFiles& owner_;
        std::unique_ptr<game::HeldLock> held_;
        std::string name_;
    };

    static game::FileSystem& Platform() { return game::PlatformFiles(); }

    // The path below the root with '/' between its parts; a temporary file's name as <tmp>.
    std::string Shown(const game::Path& path) const
    {
        std::string shown = game::ToUtf8(path), root = game::ToUtf8(root_);
        shown = shown == root ? "." : shown.starts_with(root) ? shown.substr(root.size() + 1) : shown;
        for (char& c : shown)
            if (c == '\\')
                c = '/';
        if (shown.ends_with(".tmp"))
            shown = shown.substr(0, shown.rfind('/') + 1) + "<tmp>";
        return shown;
    }
    void Call(const std::string& what, const game::Path& path) { Record(what + " " + Shown(path)); }
    void Record(const std::string& call)
    {
        calls.push_back(call);
        if (call.starts_with(failOn) && ++counted_ == failAt && !(failing_ = failAfter))
            throw fw::EInOutError(failCode);
    }
    void RaiseAfter()
    {
        if (std::exchange(failing_, false))
            throw fw::EInOutError(failCode);
    }

    game::Path root_;
    int counted_ = 0;
    bool failing_ = false;
};

}  // namespace gametest
