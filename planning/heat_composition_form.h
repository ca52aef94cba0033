#pragma once
// The rules of the "Répartition des séries" dialog (CATEGORIEQUALIFSREPARTITION)
// without any widget: the two numbers and their clamps, the scroll position
// of the painted list, the arrow clicks that move plan entries, the lock once
// results are stored, and what "Générer" writes (the header's rounds and
// heats, then the plan section, which must already exist).
#include "planning/heat_composition.h"
#include "planning/race_track.h"
#include "race/participants.h"
#include "services/prompts.h"
#include "services/sound_player.h"
#include "services/translate.h"
#include "storage/race_model.h"
#include "storage/work_folder.h"

#include <string>
#include <string_view>

namespace ksy {

inline constexpr std::string_view kTooManyHeats = KSY_TRANSLATE_NOOP(
    "HeatComposition", "Le nombre de séries générées ne doit pas être supérieur à 20");
inline constexpr std::string_view kMoveSound = "sons/beep1.wav";

class HeatCompositionForm {
public:
    // Control ids of the dialog template.
    enum Control : int {
        CategoryName = 4501,
        PilotsPerHeatEdit = 4502,
        RoundsEdit = 4503,
        PrintButton = 4504,
        ScrollBar = 4505,
        GenerateButton = 1,
        CancelButton = 2,
    };
    static constexpr int kVisibleRows = 20;

    // Opening: reads the race header, the race's track, the category's
    // participants and plan. Each failure shows its "Erreur" box and the form
    // goes on with what it has. category is 1 to 9.
    HeatCompositionForm(WorkFolder folder, int category, Prompts& prompts);

    int category() const { return category_; }
    const std::string& categoryName() const; // Windows-1252
    const RaceTrack& track() const { return track_; }
    const ParticipantList& participants() const { return participants_; }
    const HeatComposition& composition() const { return composition_; }
    // Once a heat result of the category is stored the plan cannot change.
    bool readOnly() const;
    bool isEnabled(int control) const;

    // The numeric edits: their text and their character limit.
    std::string editText(int control) const;
    static int maxLength(int control);
    // A text change of 4502 or 4503: digits only, cut to the limit; above
    // the maximum the value is clamped and editText() gives the rewritten
    // text; 0 or empty stores 1 and leaves the text as typed. Changing the
    // pilots per heat sends the list back to its first row.
    void typeText(int control, std::string_view text);

    int heatsPerRound() const { return composition_.heatsPerRound(); }

    // The scroll bar beside the list: shown when the heats hold more rows
    // than the list shows, ranging over the rows that do not fit.
    bool scrollBarShown() const { return scrollMaximum() > 0; }
    int scrollMaximum() const;
    int scrollPosition() const { return scroll_; }
    // Each returns whether the position changed (the list must be repainted).
    bool scrollTo(int position);
    bool scrollLines(int delta);
    bool scrollToFirst() { return scrollTo(0); }
    bool scrollToLast() { return scrollTo(scrollMaximum()); }

    // A left button press at (x, y) in the dialog's pixels. On an arrow, the
    // two entries are exchanged and the move sound played. Returns whether
    // the list changed.
    bool press(int x, int y, SoundPlayer& sounds);

    // "Générer": false when the dialog must stay open (more than 20 heats);
    // true once it has written what it could (failures shown) and closes.
    bool generate();

private:
    void normaliseScroll();

    WorkFolder folder_;
    int category_;
    Prompts& prompts_;
    RaceHeader header_;
    bool headerRead_ = false;
    RaceTrack track_;
    ParticipantList participants_;
    HeatComposition composition_;
    std::string pilotsText_;
    std::string roundsText_;
    int scroll_ = 0;
};

} // namespace ksy
