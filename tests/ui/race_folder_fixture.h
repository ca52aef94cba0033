#pragma once
// The working folder the planning dialog tests start from: a new race whose
// category 1 is "STANDART", a track, and 45 pilots in the pilot database.
#include "databases/database_files.h"
#include "databases/database_writers.h"
#include "storage/race_file.h"
#include "support/fakes.h"

#include <QString>
#include <QWidget>
#include <filesystem>
#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <vector>

namespace ksy::test {

template <typename W> W* child(QWidget& dialog, const QString& id)
{
    auto* w = dialog.findChild<W*>(id);
    EXPECT_TRUE(w) << id.toStdString();
    return w;
}

// 45 pilots with licences and transponders, spread over clubs in turn.
inline std::vector<Pilot> fortyFivePilots(const std::vector<std::string>& clubs)
{
    const char* first[] = {"Jean", "Marie", "Pierre", "Sophie", "Luc", "Claire", "Hugo",
        "L\351a",
        "Paul", "Emma", "Thomas", "Chlo\xE9", "Nicolas", "Camille", "Yann"};
    const char* last[] = {"Dupont",
        "Lef\350vre",
        "Martin", "Leroy", "Moreau", "Fournier", "Girard", "Bonnet", "Lambert", "Fontaine",
        "Rousseau", "Vincent", "Muller", "Faure", "Andr\xE9", "Mercier", "Blanc", "Gu\xE9rin",
        "Boyer", "Garnier", "Chevalier", "Fran\xE7ois", "Legrand", "Gauthier", "Garcia", "Perrin",
        "Robin", "Cl\xE9ment", "Morin", "Nicolas", "Henry", "Roussel", "Mathieu", "Gautier",
        "Masson", "Marchand", "Duval", "Denis", "Dumont", "Marie", "Lemaire", "No\xEBl", "Meyer",
        "Dufour", "Meunier"};
    std::vector<Pilot> pilots;
    for (int i = 0; i < 45; ++i) {
        Pilot p;
        p.name = std::string(last[i]) + " " + first[i % 15];
        p.licence = "FFCV-" + std::to_string(20417 + 37 * i);
        p.transponder = "00" + std::to_string(4100 + 13 * i);
        p.club = clubs[static_cast<std::size_t>(i) % clubs.size()];
        pilots.push_back(p);
    }
    return pilots;
}

struct RaceFolder {
    TempDir dir;
    WorkFolder folder {dir.path()};
    FakePrompts prompts;

    // images: the files of data/images the dialogs under test print with.
    RaceFolder(std::initializer_list<const char*> images, const std::vector<Pilot>& pilots)
    {
        std::filesystem::create_directories(dir.path() / "Private");
        std::filesystem::create_directories(dir.path() / "images");
        for (const char* image : images)
            std::filesystem::copy_file(
                std::filesystem::path(KSY_SOURCE_DIR) / "data/images" / image,
                dir.path() / "images" / image);
        writeFile(workingRaceFile(folder), newRaceFileBytes());
        writePilots(folder.file(kPilotFile), pilots);
        RaceHeader header;
        readRaceHeader(workingRaceFile(folder), header);
        header.categories.category(1).name = "STANDART";
        writeRaceHeader(workingRaceFile(folder), header);
        writeRaceTrack(workingRaceFile(folder),
            {"Grand Prix de la C\xF4te d'Opale", "CLV Berck", "Berck-sur-Mer", 15});
    }
};

} // namespace ksy::test
