#include "databases/editors/transponder_pack_editor.h"

#include "databases/database_files.h"
#include "databases/database_writers.h"
#include "databases/editors/list_editor.h"
#include "databases/transponder_number.h"

namespace ksy {

TransponderPackEditor::TransponderPackEditor(std::vector<TransponderPack> packs)
    : packs_(std::move(packs))
{
    packs_.resize(kTransponderPackCount);
}

TransponderPackEditor TransponderPackEditor::open(const WorkFolder& folder, Prompts& prompts)
{
    auto packs = loadTransponderPacks(folder.file(kTransponderPackFile));
    reportLoad(packs, kTransponderPackCount, "Transpondeurs", prompts);
    return TransponderPackEditor(std::move(packs.records));
}

std::vector<std::string> TransponderPackEditor::labels() const
{
    std::vector<std::string> out;
    for (const auto& p : packs_)
        out.push_back(cp1252ToUtf8(p.label));
    return out;
}

void TransponderPackEditor::select(std::size_t pack)
{
    if (pack < packs_.size()) selected_ = pack;
}

std::string TransponderPackEditor::label() const
{
    return cp1252ToUtf8(packs_[selected_].label);
}

std::string TransponderPackEditor::transponder(std::size_t slot) const
{
    return slot < TransponderPack::kSlots ? packs_[selected_].transponders[slot] : std::string();
}

bool TransponderPackEditor::setTransponder(std::size_t slot, std::string_view text)
{
    const auto number = transponderNumber(text);
    if (slot >= TransponderPack::kSlots || !number)
        return false;
    packs_[selected_].transponders[slot] = *number;
    return true;
}

bool TransponderPackEditor::save(const WorkFolder& folder, Prompts& prompts) const
{
    if (writeTransponderPacks(folder.file(kTransponderPackFile), packs_)) return true;
    prompts.error(openErrorText("Transpondeurs"));
    return false;
}

} // namespace ksy
