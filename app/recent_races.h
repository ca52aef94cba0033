#pragma once
// The races saved or loaded last, newest first, so that after a restart the
// official finds the race of the day again in "Fichier" > "Courses récentes",
// and the load and save dialogs open where races are kept. The list lives in
// the working folder's "Private/CoursesRecentes.txt", one full path (UTF-8)
// a line.
#include <filesystem>
#include <string>
#include <vector>

namespace ksy {

inline constexpr const char* kRecentRacesFile = "Private/CoursesRecentes.txt";

class RecentRaces {
public:
    static constexpr std::size_t kCount = 5;

    // Reads the list (none when the file is missing).
    explicit RecentRaces(std::filesystem::path file);

    const std::vector<std::string>& paths() const { return paths_; }
    // The race goes first (once), the sixth is forgotten; the file is rewritten.
    void add(const std::string& utf8Path);
    // A race no longer where it was.
    void remove(const std::string& utf8Path);
    // The folder of the newest race, or `fallback` when there is none.
    std::string folder(const std::string& fallback) const;

private:
    void write() const;

    std::filesystem::path file_;
    std::vector<std::string> paths_;
};

} // namespace ksy
