// A heat section edited by hand: a lap count of -7 or 9999, binary bytes,
// a line cut short. The heat is shown without results, the official is told
// which section and line, and the section is not rewritten on leaving it.
#include "heat_session_fixture.h"
#include "results/heat_result_section.h"

#include <functional>
#include <gtest/gtest.h>

namespace ksy {
namespace {

using test::giveLaps;
using test::SessionRace;

// The stored heat's section with the slot line of `pilot` changed by `edit`.
std::string edited(const std::string& bytes, const std::string& pilot,
    const std::function<std::string(std::string)>& edit)
{
    const std::size_t at = bytes.find(pilot + "\t", bytes.find("Cat\xE9gorie1M1S2\t\n"));
    const std::size_t end = bytes.find('\n', at);
    return bytes.substr(0, at) + edit(bytes.substr(at, end - at)) + bytes.substr(end);
}

std::string withField(std::string line, int index, const std::string& value)
{
    std::size_t from = 0;
    for (int i = 0; i < index; ++i)
        from = line.find('\t', from) + 1;
    return line.replace(from, line.find('\t', from) - from, value);
}

} // namespace

TEST(DamagedHeat, AHandEditedHeatIsShownEmptySaidAndLeftAsItIs)
{
    const std::vector<std::pair<std::string, std::function<std::string(std::string)>>> edits = {
        {"count -7", [](std::string l) { return withField(l, 1, "-7"); }},
        {"count 9999", [](std::string l) { return withField(l, 1, "9999"); }},
        {"binary", [](std::string l) { return l.replace(3, 2, std::string("\x01\x00", 2)); }},
        {"cut", [](std::string l) { return l.substr(0, l.size() - 8); }},
        {"time", [](std::string l) { return withField(l, 7, "-596000"); }},
    };
    for (const auto& [what, edit] : edits) {
        SCOPED_TRACE(what);
        SessionRace r;
        RunEntryTable slots = r.load(1, 2).slots;
        giveLaps(slots.slot(2), 3);
        ASSERT_TRUE(r.session.storeShownHeat(r.race, slots, false, r.prompts).written);
        const std::string hand = edited(r.bytes(), "Denis", edit);
        ASSERT_NE(hand, r.bytes());
        test::writeFile(r.file(), hand);
        r.prompts.boxes.clear();

        const LoadedHeat shown = r.load(1, 2);
        ASSERT_EQ(r.prompts.boxes.size(), 1u);
        const std::string said = r.prompts.boxes[0].text;
        EXPECT_NE(said.find("Cat\xC3\xA9gorie1M1S2"), std::string::npos) << said;
        EXPECT_NE(said.find("ligne 2 de la section"), std::string::npos) << said;
        EXPECT_FALSE(shown.slots.hasResults());
        EXPECT_FALSE(r.session.hasResults());
        // Left without a change: the file keeps what the official wrote.
        EXPECT_FALSE(r.session.storeShownHeat(r.race, shown.slots, false, r.prompts).due);
        EXPECT_EQ(r.bytes(), hand);
        RunEntryTable table;
        HeatResultTexts texts;
        std::string fault;
        EXPECT_EQ(loadHeatResult(r.file(), "Cat\xE9gorie1M1S2", table, texts, &fault),
            HeatResultRead::Damaged);
        EXPECT_EQ(fault.rfind("ligne 2 de la section : ", 0), 0u) << fault;
    }
}

} // namespace ksy
