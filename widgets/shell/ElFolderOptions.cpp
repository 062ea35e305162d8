#include "widgets/shell/ElFolderOptions.h"

std::uint32_t BrowseFlags(TBrowseForFolderOptions options)
{
    // BIF_RETURNONLYFSDIRS, BIF_DONTGOBELOWDOMAIN, BIF_STATUSTEXT, BIF_RETURNFSANCESTORS,
    // BIF_BROWSEFORCOMPUTER, BIF_BROWSEFORPRINTER, BIF_BROWSEINCLUDEFILES.
    static const std::uint32_t kFlags[] = {0x0001, 0x0002, 0x0004, 0x0008, 0x1000, 0x2000, 0x4000};
    std::uint32_t flags = 0;
    for (int o = bfoFileSysDirsOnly; o <= bfoBrowseIncludeFiles; ++o)
        if (options.Contains(static_cast<TBrowseForFolderOption>(o)))
            flags |= kFlags[o];
    return flags;
}
