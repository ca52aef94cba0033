#include "databases/editors/frequency_editor.h"

#include "databases/database_files.h"
#include "databases/database_writers.h"
#include "services/translate.h"

namespace ksy {
namespace {

using F = FrequencyEditor;

EditorTexts frequencyTexts()
{
    EditorTexts t;
    t.objectName = "BASEFREQUENCES";
    t.title = KSY_TRANSLATE_NOOP("DatabaseEditors", "Base de données Fréquences radio");
    t.heading =
        KSY_TRANSLATE_NOOP("DatabaseEditors", "Base de données : Fréquences radio disponibles");
    t.listCaption = KSY_TRANSLATE_NOOP("DatabaseEditors", "Fréquences");
    t.newCaption = KSY_TRANSLATE_NOOP("DatabaseEditors", " Nouvelle");
    t.newControl = F::New;
    t.addControl = F::Add;
    t.removeControl = F::Remove;
    t.idControl = F::Id;
    t.listControl = F::List;
    t.newNameLimit = 6;
    return t;
}

} // namespace

FrequencyEditor::FrequencyEditor(std::vector<RadioFrequency> frequencies)
    : ListEditor(frequencyTexts(), {kFrequencyCapacity, true, false, false}, &RadioFrequency::value,
          {}, std::move(frequencies))
{
}

FrequencyEditor FrequencyEditor::open(const WorkFolder& folder, Prompts& prompts)
{
    auto frequencies = loadFrequencies(folder.file(kFrequencyFile));
    reportLoad(frequencies, kFrequencyCapacity, "Fréquences", prompts);
    return FrequencyEditor(std::move(frequencies.records));
}

bool FrequencyEditor::save(const WorkFolder& folder, Prompts& prompts) const
{
    if (writeFrequencies(folder.file(kFrequencyFile), records_)) return true;
    prompts.error(openErrorText("Frequences"));
    return false;
}

} // namespace ksy
