#include "databases/editors/club_editor.h"

#include "databases/database_files.h"
#include "databases/database_writers.h"

namespace ksy {
namespace {

using C = ClubEditor;

EditorTexts clubTexts()
{
    EditorTexts t;
    t.objectName = "BASECLUBS";
    t.title = "Base de données Clubs";
    t.heading = "Base de données : Liste des clubs";
    t.listCaption = "Clubs  (100 max)";
    t.newCaption = " Nouveau";
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
        {{C::Acronym, "Sigle :", K::Text, 13}, &Club::acronym},
        {{C::Address, "Adresse :", K::Text, 38}, &Club::address},
        {{C::Address2, "(suite)", K::Text, 38}, &Club::address2},
        {{C::Postcode, "Code Postal :", K::Text, 13}, &Club::postcode},
        {{C::City, "Ville :", K::Text, 38}, &Club::city},
        {{C::CountryChoice, "Pays :", K::Choice}, &Club::country},
        {{C::Telephone, "Telephone :", K::Text, 18}, &Club::telephone},
        {{C::Email, "Email :", K::Text, 38}, &Club::email},
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
