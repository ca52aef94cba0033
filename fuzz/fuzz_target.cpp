// A libFuzzer target: KSY_FUZZ_ENTRY names the entry of fuzz_entries.h.
#include "fuzz/fuzz_entries.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ksy::fuzz::KSY_FUZZ_ENTRY(data, size);
    return 0;
}
