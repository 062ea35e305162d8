// The folder dialog's option set and window positions, and the shell flags the options
// stand for. No Windows API here: the flag values are the shell's published ones.
#pragma once

#include <cstdint>
#include <initializer_list>

// The order is the stored ordinal; bit n of the set is ordinal n.
enum TBrowseForFolderOption {
    bfoFileSysDirsOnly,
    bfoDontGoBelowDomain,
    bfoStatusText,
    bfoFileSysAncestors,
    bfoBrowseForComputer,
    bfBrowseForPrinter,  // spelled so in stored window descriptions
    bfoBrowseIncludeFiles,
    bfoShowPath,  // no shell flag: the selected path goes to the status line
};

class TBrowseForFolderOptions {
public:
    TBrowseForFolderOptions() = default;
    TBrowseForFolderOptions(std::initializer_list<TBrowseForFolderOption> options)
    {
        for (TBrowseForFolderOption o : options)
            Include(o);
    }
    static TBrowseForFolderOptions FromBits(std::uint8_t bits)
    {
        TBrowseForFolderOptions set;
        set.bits_ = bits;
        return set;
    }

    bool Contains(TBrowseForFolderOption o) const { return (bits_ >> o) & 1u; }
    void Include(TBrowseForFolderOption o) { bits_ = static_cast<std::uint8_t>(bits_ | (1u << o)); }
    void Exclude(TBrowseForFolderOption o) { bits_ = static_cast<std::uint8_t>(bits_ & ~(1u << o)); }
    std::uint8_t Bits() const { return bits_; }
    bool operator==(const TBrowseForFolderOptions&) const = default;

private:
    std::uint8_t bits_ = 0;
};

enum TFolderDialogPosition { fdpDefault, fdpScreenCenter, fdpDesktopCenter, fdpMainFormCenter, fdpOwnerFormCenter };

// The shell's BIF_ flags for the options; bfoShowPath adds none.
std::uint32_t BrowseFlags(TBrowseForFolderOptions options);
