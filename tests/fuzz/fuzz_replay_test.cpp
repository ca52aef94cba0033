// Every input that once made a reader crash or trip a sanitizer, found by
// fuzzing, is kept in tests/data/fuzz/<target>/ and read again here through
// the same entry (the sanitize preset runs them under ASan + UBSan).
#include "fuzz/fuzz_entries.h"
#include "support/fakes.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace ksy {
namespace {

TEST(FuzzRegressions, EveryKeptInputIsReadAgainWithoutFault)
{
    const std::filesystem::path kept = std::filesystem::path(KSY_TEST_DATA_DIR) / "fuzz";
    // The inputs are part of the tree: none found means they went missing.
    ASSERT_TRUE(std::filesystem::is_directory(kept)) << kept;
    int replayed = 0;
    for (const fuzz::NamedEntry& e : fuzz::kEntries) {
        const auto folder = kept / e.name;
        if (!std::filesystem::is_directory(folder))
            continue;
        for (const auto& file : std::filesystem::directory_iterator(folder)) {
            SCOPED_TRACE(file.path().string());
            const std::string bytes = test::readFile(file.path());
            e.entry(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            ++replayed;
        }
    }
    // A sample goes through every entry too, so that an entry broken by a
    // change of its reader is noticed without clang.
    for (const fuzz::NamedEntry& e : fuzz::kEntries) {
        const std::string sample = "1\t\n10000\t1\tCATEGORIE 1\t0\t0\t0\t0\t0\t0\t\n";
        e.entry(reinterpret_cast<const std::uint8_t*>(sample.data()), sample.size());
    }
    RecordProperty("replayed", replayed);
    EXPECT_GE(replayed, 6) << "regression inputs missing from " << kept;
}

} // namespace
} // namespace ksy
