#include "databases/editors/pilot_editor.h"

#include "databases/database_files.h"
#include "databases/database_writers.h"
#include "services/translate.h"

namespace ksy {
namespace {

using P = PilotEditor;

EditorTexts pilotTexts()
{
    EditorTexts t;
    t.objectName = "BASEPILOTES";
    t.title = KSY_TRANSLATE_NOOP("DatabaseEditors", "Base de données Pilotes");
    t.heading = KSY_TRANSLATE_NOOP("DatabaseEditors", "Base de données : Liste des pilotes");
    t.listCaption = KSY_TRANSLATE_NOOP("DatabaseEditors", "Pilotes  (1000 max)");
    t.newCaption = KSY_TRANSLATE_NOOP("DatabaseEditors", " Nouveau");
    t.newControl = P::New;
    t.addControl = P::Add;
    t.removeControl = P::Remove;
    t.idControl = P::Id;
    t.listControl = P::List;
    t.nameControl = P::Name;
    t.newNameLimit = 38;
    return t;
}

std::vector<FieldBinding<Pilot>> pilotFields()
{
    using K = FieldKind;
    return {
        {{P::Address, KSY_TRANSLATE_NOOP("DatabaseEditors", "Adresse :"), K::Text, 38},
            &Pilot::address},
        {{P::Address2, KSY_TRANSLATE_NOOP("DatabaseEditors", "(suite)"), K::Text, 38},
            &Pilot::address2},
        {{P::Postcode, KSY_TRANSLATE_NOOP("DatabaseEditors", "Code Postal :"), K::Text, 13},
            &Pilot::postcode},
        {{P::City, KSY_TRANSLATE_NOOP("DatabaseEditors", "Ville :"), K::Text, 38}, &Pilot::city},
        {{P::CountryChoice, KSY_TRANSLATE_NOOP("DatabaseEditors", "Pays :"), K::Choice},
            &Pilot::country},
        {{P::Telephone, KSY_TRANSLATE_NOOP("DatabaseEditors", "Telephone :"), K::Text, 18},
            &Pilot::telephone},
        {{P::Email, KSY_TRANSLATE_NOOP("DatabaseEditors", "Email :"), K::Text, 38}, &Pilot::email},
        {{P::Licence, KSY_TRANSLATE_NOOP("DatabaseEditors", "N°licence :"), K::Text, 18},
            &Pilot::licence},
        {{P::BirthDate, KSY_TRANSLATE_NOOP("DatabaseEditors", "Date de naissance :"), K::Text, 18},
            &Pilot::birthDate},
        {{P::Transponder, KSY_TRANSLATE_NOOP("DatabaseEditors", "Transpond. :"), K::Digits, 6,
             true},
            &Pilot::transponder},
        {{P::ClubChoice, KSY_TRANSLATE_NOOP("DatabaseEditors", "Club :"), K::Choice}, &Pilot::club},
    };
}

} // namespace

PilotEditor::PilotEditor(std::vector<Pilot> pilots, const std::vector<std::string>& countries,
    const std::vector<std::string>& clubs, bool clubsKnown)
    : ListEditor(pilotTexts(), {kPilotCapacity, false, true, true}, &Pilot::name, pilotFields(),
          std::move(pilots))
{
    setChoices(CountryChoice, countries);
    setChoices(ClubChoice, clubs);
    setImage(&Pilot::photoPath, Pilot::kPhotoPathWidth, {541, 31, 754, 179});
    // A pilot keeps only a club that still exists; the change reaches the file
    // on the next "Ok".
    if (clubsKnown)
        for (auto& p : records_)
            if (std::ranges::find(clubs, p.club) == clubs.end()) p.club.clear();
}

PilotEditor PilotEditor::open(const WorkFolder& folder, Prompts& prompts)
{
    const auto countries = loadCountries(folder.file(kCountryFile));
    reportLoad(countries.opened, 0, kCountryCount, "Pays", prompts);
    const auto clubs = loadClubs(folder.file(kClubFile));
    reportLoad(clubs.opened, 0, kClubCapacity, "Clubs", prompts);
    auto pilots = loadPilots(folder.file(kPilotFile));
    reportLoad(pilots, kPilotCapacity, "Pilotes", prompts);
    return PilotEditor(std::move(pilots.records), countryNames(countries.records),
        clubNames(clubs.records), clubs.opened && clubs.ignored == 0);
}

bool PilotEditor::save(const WorkFolder& folder, Prompts& prompts) const
{
    if (writePilots(folder.file(kPilotFile), records_)) return true;
    prompts.error(openErrorText("Pilotes"));
    return false;
}

void PilotEditor::replacePilots(std::vector<Pilot> pilots)
{
    std::erase_if(pilots, [](const Pilot& p) { return p.name.empty(); });
    records_ = std::move(pilots);
    if (!records_.empty())
        select(0);
}

} // namespace ksy
