#include "publish.h"

#include "live/race_site.h"
#include "live/static_export.h"
#include "services/translate.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>

namespace {

std::filesystem::path pathOf(std::string_view utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

} // namespace

int runPublish(int argc, char** argv)
{
    if (argc != 5 || std::string_view(argv[3]) != "--out") {
        std::cerr << "usage: kestrametrix-cli publish RACE --out DIR\n";
        return 2;
    }
    std::ifstream in(pathOf(argv[2]), std::ios::binary);
    if (!in) {
        std::cerr << "kestrametrix-cli: "
                  << ksy::fillText(
                         ksy::translate("CliPublish", "impossible de lire la course %1"), {argv[2]})
                  << "\n";
        return 2;
    }
    const std::string bytes {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    ksy::RaceSite site = ksy::readRaceSite(bytes);
    ksy::readStoredRankings(pathOf(argv[2]), site);
    if (site.categories.empty()) {
        std::cerr << "kestrametrix-cli: "
                  << ksy::fillText(
                         ksy::translate("CliPublish", "%1 n'est pas un fichier de course"),
                         {argv[2]})
                  << "\n";
        return 2;
    }
    std::string error;
    const auto pages = ksy::staticPages(site);
    if (!ksy::writeStaticPages(pages, pathOf(argv[4]), error)) {
        std::cerr << "kestrametrix-cli: " << error << "\n";
        return 1;
    }
    std::cout << ksy::fillText(ksy::translate("CliPublish", "%1 fichiers écrits dans %2"),
                     {std::to_string(pages.size()), argv[4]})
              << "\n";
    return 0;
}
