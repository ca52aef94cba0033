#pragma once
// The rules of the dialog COURSEPARCOURS ("Piste"): the race's name, its
// organising club and course chosen from the databases, the lap protection
// time copied from the chosen course and kept at 2 seconds at least. Texts
// are Windows-1252 bytes, as in the files; the Qt dialog converts.
#include "databases/records.h"
#include "planning/race_track.h"
#include "services/prompts.h"
#include "storage/work_folder.h"

#include <string>
#include <string_view>
#include <vector>

namespace ksy {

class RaceTrackForm {
public:
    enum Control : int {
        Ok = 1,
        Cancel = 2,
        RaceName = 4101,
        ClubList = 4102,
        CourseList = 4103,
        CourseName = 4104,
        CourseLength = 4105,
        LapRecord = 4106,
        RecordHolder = 4107,
        Place = 4108,
        LapProtection = 4109,
    };
    static constexpr int kRaceNameLimit = 48;
    static constexpr int kLapProtectionLimit = 3;

    // The stored track and the database tables: the drop-downs list the names
    // up to the first empty one, and a stored club or course that is no longer
    // among them is dropped from the race.
    RaceTrackForm(
        RaceTrack track, const std::vector<Club>& clubs, const std::vector<Course>& courses);

    // Opening: loads the clubs, the courses and the race's section, reporting
    // each file that cannot be opened; the dialog opens all the same.
    static RaceTrackForm open(const WorkFolder& folder, Prompts& prompts);

    const RaceTrack& track() const { return track_; }
    const std::vector<std::string>& clubNames() const { return clubNames_; }
    const std::vector<std::string>& courseNames() const { return courseNames_; }
    int selectedClub() const; // index in clubNames(), -1 for none
    int selectedCourse() const; // index in courseNames(), -1 for none

    // What an edit shows: the race name, the protection time as typed, and the
    // read-only data of the chosen course (4104 to 4108).
    std::string text(int control) const;

    // 4101 changed: cut to 48 characters; a name that could be taken for a
    // section title empties the race name and the edit.
    void typeRaceName(std::string_view text);
    void chooseClub(int index);
    // The course's own protection time goes into 4109, as if typed there.
    void chooseCourse(int index);
    // 4109 changed: digits only, 3 at most; below 2 the time stored is 2 while
    // the edit keeps what was typed.
    void typeLapProtection(std::string_view text);

    // "Valider": writes the section; failures are reported. The dialog closes
    // whatever the outcome.
    bool save(const WorkFolder& folder, Prompts& prompts) const;

private:
    const Course* chosenCourse() const;

    RaceTrack track_;
    std::vector<std::string> clubNames_;
    std::vector<std::string> courseNames_;
    std::vector<Course> courses_;
    std::string raceNameText_;
    std::string protectionText_;
};

} // namespace ksy
