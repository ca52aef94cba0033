#pragma once
// The transponder pack editor BASETRANSPONDEURS: the 20 packs of the file,
// their labels fixed, their 20 transponder slots edited as digits.
#include "databases/records.h"
#include "services/prompts.h"
#include "services/translate.h"
#include "storage/work_folder.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ksy {

class TransponderPackEditor {
public:
    enum Control : int {
        List = 3301,
        Label = 3302,
        FirstTransponder = 3303, // "transpondeur1 :"; the 20th is 3322
    };
    static constexpr std::string_view kObjectName = "BASETRANSPONDEURS";
    static constexpr std::string_view kTitle =
        KSY_TRANSLATE_NOOP("DatabaseEditors", "Base de données Transpondeurs");
    static constexpr std::string_view kHeading =
        KSY_TRANSLATE_NOOP("DatabaseEditors", "Base de données : Transpondeurs club");
    static constexpr std::string_view kListCaption =
        KSY_TRANSLATE_NOOP("DatabaseEditors", "Packs transpondeurs");
    static constexpr int kTransponderLimit = 6;

    // Missing packs are empty; there are always 20.
    explicit TransponderPackEditor(std::vector<TransponderPack> packs);

    // Reads the file; "Erreur: impossible d'ouvrir la base de données
    // Transpondeurs" when it cannot.
    static TransponderPackEditor open(const WorkFolder& folder, Prompts& prompts);

    // The 20 labels (UTF-8), in file order.
    std::vector<std::string> labels() const;
    std::size_t selected() const { return selected_; }
    void select(std::size_t pack);

    std::string label() const; // of the selected pack
    // Slot 0 to 19 of the selected pack.
    std::string transponder(std::size_t slot) const;
    // A change of a transponder edit: 1 to 6 digits are stored in the
    // six-digit form, an empty text empties the slot; false (nothing stored)
    // for anything else.
    bool setTransponder(std::size_t slot, std::string_view text);

    const std::vector<TransponderPack>& packs() const { return packs_; }

    // Writes the 20 packs; "Erreur: impossible d'ouvrir la base de données
    // Transpondeurs" when it cannot.
    bool save(const WorkFolder& folder, Prompts& prompts) const;

private:
    std::vector<TransponderPack> packs_;
    std::size_t selected_ = 0;
};

} // namespace ksy
