#include "app/recent_races.h"

#include <algorithm>
#include <fstream>

namespace ksy {
namespace {

std::filesystem::path fromUtf8(const std::string& utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

} // namespace

RecentRaces::RecentRaces(std::filesystem::path file)
    : file_(std::move(file))
{
    std::ifstream in(file_, std::ios::binary);
    std::string line;
    while (paths_.size() < kCount && std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty() && std::find(paths_.begin(), paths_.end(), line) == paths_.end())
            paths_.push_back(line);
    }
}

void RecentRaces::add(const std::string& utf8Path)
{
    if (utf8Path.empty())
        return;
    std::erase(paths_, utf8Path);
    paths_.insert(paths_.begin(), utf8Path);
    if (paths_.size() > kCount)
        paths_.resize(kCount);
    write();
}

void RecentRaces::remove(const std::string& utf8Path)
{
    if (std::erase(paths_, utf8Path) != 0)
        write();
}

std::string RecentRaces::folder(const std::string& fallback) const
{
    if (paths_.empty())
        return fallback;
    const auto u8 = fromUtf8(paths_.front()).parent_path().u8string();
    return u8.empty() ? fallback : std::string(u8.begin(), u8.end());
}

void RecentRaces::write() const
{
    // A list that cannot be written only costs the menu its entries.
    std::error_code ec;
    std::filesystem::create_directories(file_.parent_path(), ec);
    std::ofstream out(file_, std::ios::binary | std::ios::trunc);
    for (const std::string& p : paths_)
        out << p << '\n';
}

} // namespace ksy
