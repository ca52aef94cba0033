#include "planning/race_track_form.h"

#include "databases/database_files.h"
#include "databases/french_collation.h"
#include "storage/race_file.h"

#include <algorithm>

namespace ksy {

namespace {
template <typename Record>
std::vector<std::string> namesUpToFirstEmpty(const std::vector<Record>& table)
{
    std::vector<std::string> names;
    for (const auto& r : table) {
        if (r.name.empty()) break;
        names.push_back(r.name);
    }
    return names;
}

int indexOf(const std::vector<std::string>& names, const std::string& name)
{
    if (name.empty()) return -1;
    const auto it = std::find(names.begin(), names.end(), name);
    return it == names.end() ? -1 : static_cast<int>(it - names.begin());
}
} // namespace

RaceTrackForm::RaceTrackForm(
    RaceTrack track, const std::vector<Club>& clubs, const std::vector<Course>& courses)
    : track_(std::move(track))
    , clubNames_(namesUpToFirstEmpty(clubs))
    , courseNames_(namesUpToFirstEmpty(courses))
    , courses_(courses.begin(), courses.begin() + static_cast<long>(courseNames_.size()))
{
    // The drop-downs read in French order; the database files keep theirs.
    std::ranges::stable_sort(clubNames_, frenchLess);
    std::ranges::stable_sort(
        courses_, [](const Course& a, const Course& b) { return frenchLess(a.name, b.name); });
    std::ranges::transform(courses_, courseNames_.begin(), &Course::name);
    if (indexOf(clubNames_, track_.club) < 0) track_.club.clear();
    if (indexOf(courseNames_, track_.trackName) < 0) track_.trackName.clear();
    raceNameText_ = track_.raceName;
    protectionText_ = std::to_string(track_.lapProtectionSeconds);
}

RaceTrackForm RaceTrackForm::open(const WorkFolder& folder, Prompts& prompts)
{
    const auto clubs = loadClubs(folder.file(kClubFile));
    reportLoad(clubs, kClubCapacity, "Clubs", prompts);
    const auto courses = loadCourses(folder.file(kCourseFile));
    reportLoad(courses, kCourseCapacity, "Parcours", prompts);
    RaceTrack track;
    if (!readRaceTrack(workingRaceFile(folder), track))
        prompts.error(translate("Storage", kCannotOpenRaceFile.data()));
    return RaceTrackForm(track, clubs.records, courses.records);
}

int RaceTrackForm::selectedClub() const
{
    return indexOf(clubNames_, track_.club);
}
int RaceTrackForm::selectedCourse() const
{
    return indexOf(courseNames_, track_.trackName);
}

const Course* RaceTrackForm::chosenCourse() const
{
    const int i = selectedCourse();
    return i < 0 ? nullptr : &courses_[static_cast<std::size_t>(i)];
}

std::string RaceTrackForm::text(int control) const
{
    const Course* c = chosenCourse();
    switch (control) {
    case RaceName:
        return raceNameText_;
    case LapProtection:
        return protectionText_;
    case CourseName:
        return c ? c->name : "";
    case CourseLength:
        return c ? c->length : "";
    case LapRecord:
        return c ? c->lapRecordText : "";
    case RecordHolder:
        return c ? c->recordHolder : "";
    case Place:
        return c ? c->place : "";
    default:
        return "";
    }
}

void RaceTrackForm::typeRaceName(std::string_view text)
{
    raceNameText_ = std::string(text.substr(0, kRaceNameLimit));
    if (!isAllowedRaceName(raceNameText_)) raceNameText_.clear();
    track_.raceName = raceNameText_;
}

void RaceTrackForm::chooseClub(int index)
{
    if (index >= 0 && index < static_cast<int>(clubNames_.size()))
        track_.club = clubNames_[static_cast<std::size_t>(index)];
}

void RaceTrackForm::chooseCourse(int index)
{
    if (index < 0 || index >= static_cast<int>(courseNames_.size())) return;
    track_.trackName = courseNames_[static_cast<std::size_t>(index)];
    typeLapProtection(courses_[static_cast<std::size_t>(index)].lapProtectionTime);
}

void RaceTrackForm::typeLapProtection(std::string_view text)
{
    protectionText_.clear();
    for (char c : text)
        if (c >= '0' && c <= '9' && protectionText_.size() < kLapProtectionLimit)
            protectionText_ += c;
    const int value = protectionText_.empty() ? 0 : std::stoi(protectionText_);
    track_.lapProtectionSeconds = std::max(value, RaceTrack::kMinLapProtection);
}

bool RaceTrackForm::save(const WorkFolder& folder, Prompts& prompts) const
{
    switch (writeRaceTrack(workingRaceFile(folder), track_, &prompts)) {
    case RewriteResult::Written:
        return true;
    case RewriteResult::CannotOpen:
        prompts.error(translate("Storage", kCannotOpenRaceFile.data()));
        return false;
    case RewriteResult::TitleNotFound:
        return false;
    }
    return false;
}

} // namespace ksy
