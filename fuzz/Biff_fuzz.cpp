// Any archive after the "BIFFV1  " signature: see ArchiveFuzz.h.
#include "ArchiveFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return FuzzArchive(data, size, game::ArchiveForm::Biff);
}
