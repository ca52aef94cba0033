#include "databases/editors/course_editor.h"

#include "databases/database_files.h"
#include "databases/database_writers.h"
#include "services/translate.h"

namespace ksy {
namespace {

using C = CourseEditor;

EditorTexts courseTexts()
{
    EditorTexts t;
    t.objectName = "BASEPARCOURS";
    t.title = KSY_TRANSLATE_NOOP("DatabaseEditors", "Base de données Parcours");
    t.heading = KSY_TRANSLATE_NOOP("DatabaseEditors", "Base de données : Liste des parcours");
    t.listCaption = KSY_TRANSLATE_NOOP("DatabaseEditors", "Parcours  (50 max)");
    t.newCaption = KSY_TRANSLATE_NOOP("DatabaseEditors", " Nouveau");
    t.newControl = C::New;
    t.addControl = C::Add;
    t.removeControl = C::Remove;
    t.idControl = C::Id;
    t.listControl = C::List;
    t.nameControl = C::Name;
    t.newNameLimit = 38;
    return t;
}

std::vector<FieldBinding<Course>> courseFields()
{
    using K = FieldKind;
    return {
        {{C::Length, KSY_TRANSLATE_NOOP("DatabaseEditors", "Longueur :"), K::Digits, 4},
            &Course::length},
        {{C::LapRecord, KSY_TRANSLATE_NOOP("DatabaseEditors", "Record du tour :"), K::ReadOnly},
            &Course::lapRecordText},
        {{C::RecordHolder, KSY_TRANSLATE_NOOP("DatabaseEditors", "par"), K::ReadOnly},
            &Course::recordHolder},
        {{C::ClearRecord, KSY_TRANSLATE_NOOP("DatabaseEditors", "Effacer"), K::Button}},
        {{C::LapProtection, KSY_TRANSLATE_NOOP("DatabaseEditors", "Temps de protection tour :"),
             K::Digits, 3},
            &Course::lapProtectionTime},
        {{C::Place, KSY_TRANSLATE_NOOP("DatabaseEditors", "Ville / Plage :"), K::Text, 38},
            &Course::place},
    };
}

} // namespace

CourseEditor::CourseEditor(std::vector<Course> courses)
    : ListEditor(courseTexts(), {kCourseCapacity, false, false, false}, &Course::name,
          courseFields(), std::move(courses))
{
    setImage(&Course::imagePath, Course::kImagePathWidth, {541, 51, 754, 199});
}

CourseEditor CourseEditor::open(const WorkFolder& folder, Prompts& prompts)
{
    auto courses = loadCourses(folder.file(kCourseFile));
    reportLoad(courses, kCourseCapacity, "Parcours", prompts);
    return CourseEditor(std::move(courses.records));
}

void CourseEditor::press(int control)
{
    Course* c = current();
    if (control != ClearRecord || !c) return;
    c->lapRecordText.clear();
    c->recordHolder.clear();
    c->lapRecordMs = 0; // the split parts derive from it
}

bool CourseEditor::save(const WorkFolder& folder, Prompts& prompts) const
{
    if (writeCourses(folder.file(kCourseFile), records_)) return true;
    prompts.error(openErrorText("Parcours"));
    return false;
}

} // namespace ksy
