#include "storage/race_model.h"

namespace ksy {

void ParticipantNames::clear()
{
    for (auto& category : names_)
        category.fill(std::string());
}

const std::string& ParticipantNames::name(int category, int j) const
{
    return names_.at(static_cast<std::size_t>(category - 1)).at(static_cast<std::size_t>(j));
}

void ParticipantNames::setName(int category, int j, std::string_view name)
{
    names_.at(static_cast<std::size_t>(category - 1)).at(static_cast<std::size_t>(j)) =
        std::string(name.substr(0, kParticipantNameWidth - 1));
}

std::vector<std::string> ParticipantNames::listed(int category) const
{
    std::vector<std::string> out;
    for (const auto& name : names_.at(static_cast<std::size_t>(category - 1))) {
        if (name.empty())
            break;
        out.push_back(name);
    }
    return out;
}

std::string defaultCategoryName(int category)
{
    return "CATEGORIE " + std::to_string(category);
}

void Race::clear()
{
    header.clear();
    participants.clear();
    heatFlags.clear();
    trackName.clear();
}

void Race::resetToNew()
{
    clear();
    header.selection = 10000;
    header.categories.count = 1;
    category(1).name = defaultCategoryName(1);
}

bool Race::addCategory()
{
    auto& table = header.categories;
    if (table.count < 0 || table.count >= kMaxCategories)
        return false;
    ++table.count;
    table.category(table.count) = CategoryRecord {};
    table.category(table.count).name = defaultCategoryName(table.count);
    return true;
}

bool Race::renameCategory(int c, std::string_view name)
{
    if (c < 1 || c > categoryCount())
        return false;
    std::string kept;
    for (char ch : name.substr(0, kCategoryNameMaxLength))
        if (ch != '\t' && ch != '\n' && ch != '\r' && ch != '\0')
            kept += ch;
    category(c).name = kept;
    return true;
}

} // namespace ksy
