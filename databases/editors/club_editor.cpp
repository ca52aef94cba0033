#include "databases/editors/club_editor.h"

#include "databases/database_files.h"
#include "databases/database_writers.h"
#include "services/translate.h"

namespace ksy {
namespace {

using C = ClubEditor;

EditorTexts clubTexts()
{
    EditorTexts t;
    t.objectName = "BASECLUBS";
    t.title = KSY_TRANSLATE_NOOP("DatabaseEditors", "Base de données Clubs");
    t.heading = KSY_TRANSLATE_NOOP("DatabaseEditors", "Base de données : Liste des clubs");
    t.listCaption = KSY_TRANSLATE_NOOP("DatabaseEditors", "Clubs  (100 max)");
    t.newCaption = KSY_TRANSLATE_NOOP("DatabaseEditors", " Nouveau");
    t.newControl = C::New;
    t.addControl = C::Add;
    t.removeControl = C::Remove;
    t.idControl = C::Id;
    t.listControl = C::List;
    t.nameControl = C::Name;
    t.newNameLimit = 48;
    return t;
}

std::vector<FieldBinding<Club>> clubFields()
{
    using K = FieldKind;
    return {
        {{C::Acronym, KSY_TRANSLATE_NOOP("DatabaseEditors", "Sigle :"), K::Text, 13},
            &Club::acronym},
        {{C::Address, KSY_TRANSLATE_NOOP("DatabaseEditors", "Adresse :"), K::Text, 38},
            &Club::address},
        {{C::Address2, KSY_TRANSLATE_NOOP("DatabaseEditors", "(suite)"), K::Text, 38},
            &Club::address2},
        {{C::Postcode, KSY_TRANSLATE_NOOP("DatabaseEditors", "Code Postal :"), K::Text, 13},
            &Club::postcode},
        {{C::City, KSY_TRANSLATE_NOOP("DatabaseEditors", "Ville :"), K::Text, 38}, &Club::city},
        {{C::CountryChoice, KSY_TRANSLATE_NOOP("DatabaseEditors", "Pays :"), K::Choice},
            &Club::country},
        {{C::Telephone, KSY_TRANSLATE_NOOP("DatabaseEditors", "Telephone :"), K::Text, 18},
            &Club::telephone},
        {{C::Email, KSY_TRANSLATE_NOOP("DatabaseEditors", "Email :"), K::Text, 38}, &Club::email},
    };
}

} // namespace

ClubEditor::ClubEditor(std::vector<Club> clubs, const std::vector<std::string>& countries)
    : ListEditor(clubTexts(), {kClubCapacity, false, false, false}, &Club::name, clubFields(),
          std::move(clubs))
{
    setChoices(CountryChoice, countries);
}

ClubEditor ClubEditor::open(const WorkFolder& folder, Prompts& prompts)
{
    const auto countries = loadCountries(folder.file(kCountryFile));
    reportLoad(countries.opened, 0, kCountryCount, "Pays", prompts);
    auto clubs = loadClubs(folder.file(kClubFile));
    reportLoad(clubs, kClubCapacity, "Clubs", prompts);
    return ClubEditor(std::move(clubs.records), countryNames(countries.records));
}

bool ClubEditor::save(const WorkFolder& folder, Prompts& prompts) const
{
    if (writeClubs(folder.file(kClubFile), records_)) return true;
    prompts.error(openErrorText("Clubs"));
    return false;
}

} // namespace ksy
