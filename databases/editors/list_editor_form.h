#pragma once
// What the four list editors (pilots, clubs, tracks, frequencies) show and
// accept, without any widget: a name list kept sorted, the N°ID of the
// selection, the " Nouveau" addition, "Supprimer", the detail fields of the
// selected entry and, for pilots and tracks, its image. One Qt dialog binds
// any of them. Texts crossing this interface are UTF-8; the tables hold
// Windows-1252 bytes.
#include "services/prompts.h"
#include "storage/work_folder.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ksy {

enum class FieldKind {
    Text, // any storable text
    Digits, // a numeric edit
    Choice, // a sorted drop-down: only one of its entries
    ReadOnly, // shown, never typed into
    Button, // a push button acting on the selected entry ("Effacer")
};

struct EditorField {
    int control = 0;
    std::string_view label; // UTF-8
    FieldKind kind = FieldKind::Text;
    int maxLength = 0; // characters an edit accepts
    // A transponder number: 1 to 6 digits, stored in the six-digit form.
    bool transponder = false;
};

// The fixed texts and control ids of one editor.
struct EditorTexts {
    std::string_view objectName; // the dialog's template name, "BASEPILOTES"
    std::string_view title;
    std::string_view heading;
    std::string_view listCaption;
    std::string_view newCaption; // " Nouveau" or " Nouvelle"
    int newControl = 0;
    int addControl = 0;
    int removeControl = 0;
    int idControl = 0;
    int listControl = 0;
    int nameControl = 0; // read-only name of the selection; 0: none
    int newNameLimit = 0; // characters of the new-name edit
};

// The image frame in dialog pixels; the picture is drawn stretched over it.
struct ImageFrameArea {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

class ListEditorForm {
public:
    virtual ~ListEditorForm() = default;

    virtual const EditorTexts& texts() const = 0;
    virtual const std::vector<EditorField>& fields() const = 0;

    // The list, in table order.
    virtual std::vector<std::string> names() const = 0;
    virtual std::optional<std::size_t> selected() const = 0;
    // N°ID: the 1-based position of the selection, 0 without one.
    std::size_t idNumber() const { return selected() ? *selected() + 1 : 0; }
    virtual void select(std::size_t index) = 0;

    // " Nouveau" / "Ajouter": true when the name was added (the edit is then
    // emptied); a refusal changes nothing and says nothing.
    virtual bool add(std::string_view typedUtf8) = 0;
    // "Supprimer": removes the selection, then selects the first entry.
    virtual bool remove() = 0;

    // The selection's field as its control shows it ("" without a selection).
    virtual std::string text(int control) const = 0;
    // A change of an edit or a choice in a drop-down. False when the control
    // refuses the text (the edit must not show it); a Choice takes only one
    // of its entries.
    virtual bool setText(int control, std::string_view utf8) = 0;
    // The entries of a drop-down, sorted.
    virtual std::vector<std::string> choices(int control) const = 0;
    // A push button of the details ("Effacer").
    virtual void press(int control) = 0;

    // The image of the selection; nothing when this editor has none.
    virtual std::optional<ImageFrameArea> imageFrame() const { return std::nullopt; }
    virtual std::string imagePath() const { return {}; }
    // False when the path cannot be stored (too long, not Windows-1252).
    virtual bool setImagePath(std::string_view /*utf8*/) { return false; }

    // "Ok": writes the file; a failure is reported through `prompts`.
    virtual bool save(const WorkFolder& folder, Prompts& prompts) const = 0;
};

} // namespace ksy
