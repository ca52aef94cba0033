#pragma once
// The rules the four list editors share, over a table of records named by one
// of their text fields: additions refused silently (empty, leading blank,
// too long, not storable, duplicate, full table, and per editor reserved
// names or a required length), removal of every entry of the selected name,
// the sort after each change, the selection and the detail fields.
#include "databases/database_sort.h"
#include "databases/editors/list_editor_form.h"
#include "databases/transponder_number.h"
#include "storage/encoding.h"

#include <algorithm>
#include <map>
#include <utility>

namespace ksy {

struct ListRules {
    std::size_t capacity = 0;
    bool exactLength = false; // the new name must have exactly newNameLimit characters
    bool ignoreCaseDuplicates = false; // "Dupont" then refuses "DUPONT"
    bool reservedNames = false; // names that the race file reads as titles or markers
};

// The Windows-1252 bytes of a typed text, or nothing when it cannot be
// stored or holds more than maxLength characters.
std::optional<std::string> storableField(std::string_view utf8, std::size_t maxLength);

bool isAllDigits(std::string_view text);

// Drop-down entries: UTF-8, in French reading order (see french_collation.h).
std::vector<std::string> sortedChoices(const std::vector<std::string>& names);

template <typename Record> struct FieldBinding {
    EditorField field;
    std::string Record::*member = nullptr; // nothing for a button
};

template <typename Record> class ListEditor : public ListEditorForm {
public:
    using Member = std::string Record::*;

    const EditorTexts& texts() const override { return texts_; }
    const std::vector<EditorField>& fields() const override { return fields_; }

    std::vector<std::string> names() const override
    {
        std::vector<std::string> out;
        for (const auto& r : records_)
            out.push_back(cp1252ToUtf8(r.*key_));
        return out;
    }
    std::optional<std::size_t> selected() const override { return selected_; }
    void select(std::size_t index) override
    {
        if (index < records_.size()) selected_ = index;
    }

    bool add(std::string_view typedUtf8) override
    {
        const auto name = storableField(typedUtf8, static_cast<std::size_t>(texts_.newNameLimit));
        if (!name || name->empty() || name->front() == ' ') return false;
        if (rules_.exactLength && name->size() != static_cast<std::size_t>(texts_.newNameLimit))
            return false;
        if (rules_.reservedNames && isReservedName(*name)) return false;
        const bool duplicate = std::ranges::any_of(records_, [&](const Record& r) {
            return rules_.ignoreCaseDuplicates ? sameNameIgnoringCase(r.*key_, *name)
                                               : r.*key_ == *name;
        });
        if (duplicate || records_.size() >= rules_.capacity) return false;
        // A new entry starts blank: it never inherits a removed entry's data.
        Record record {};
        record.*key_ = *name;
        records_.push_back(std::move(record));
        sort();
        const auto it =
            std::ranges::find_if(records_, [&](const Record& r) { return r.*key_ == *name; });
        selected_ = static_cast<std::size_t>(it - records_.begin());
        return true;
    }

    bool remove() override
    {
        if (!selected_) return false;
        const std::string name = records_[*selected_].*key_;
        std::erase_if(records_, [&](const Record& r) { return r.*key_ == name; });
        sort();
        selected_ = records_.empty() ? std::nullopt : std::optional<std::size_t>(0);
        return true;
    }

    std::string text(int control) const override
    {
        const Record* r = current();
        if (!r) return {};
        if (control == texts_.nameControl) return cp1252ToUtf8(r->*key_);
        const auto* b = binding(control);
        return b && b->member ? cp1252ToUtf8(r->*(b->member)) : std::string();
    }

    bool setText(int control, std::string_view utf8) override
    {
        Record* r = current();
        const auto* b = binding(control);
        if (!r || !b || !b->member) return false;
        const EditorField& f = b->field;
        if (f.kind == FieldKind::ReadOnly || f.kind == FieldKind::Button) return false;
        if (f.transponder) {
            const auto number = transponderNumber(utf8);
            if (!number)
                return false;
            r->*(b->member) = *number;
            return true;
        }
        std::size_t limit = static_cast<std::size_t>(f.maxLength);
        if (f.kind == FieldKind::Choice) {
            const auto entries = choices(control);
            if (std::ranges::find(entries, utf8) == entries.end()) return false;
            limit = utf8.size();
        }
        const auto bytes = storableField(utf8, limit);
        if (!bytes) return false;
        if (f.kind == FieldKind::Digits && !isAllDigits(*bytes))
            return false;
        r->*(b->member) = *bytes;
        return true;
    }

    std::vector<std::string> choices(int control) const override
    {
        const auto it = choices_.find(control);
        return it == choices_.end() ? std::vector<std::string>() : it->second;
    }

    void press(int /*control*/) override { }

    std::optional<ImageFrameArea> imageFrame() const override
    {
        return image_ ? std::optional(frame_) : std::nullopt;
    }
    std::string imagePath() const override
    {
        const Record* r = current();
        return r && image_ ? cp1252ToUtf8(r->*image_) : std::string();
    }
    bool setImagePath(std::string_view utf8) override
    {
        Record* r = current();
        if (!r || !image_) return false;
        const auto bytes = storableField(utf8, imageWidth_ - 1);
        if (!bytes) return false;
        r->*image_ = *bytes;
        return true;
    }

    const std::vector<Record>& records() const { return records_; }

protected:
    ListEditor(EditorTexts texts, ListRules rules, Member key,
        std::vector<FieldBinding<Record>> bindings, std::vector<Record> records)
        : texts_(texts)
        , rules_(rules)
        , key_(key)
        , bindings_(std::move(bindings))
        , records_(std::move(records))
    {
        for (const auto& b : bindings_)
            fields_.push_back(b.field);
        // A record without a name can be neither listed nor saved; dropping it
        // here keeps the records after it.
        std::erase_if(records_, [&](const Record& r) { return (r.*key_).empty(); });
        if (!records_.empty()) selected_ = 0;
    }

    void setImage(Member member, std::size_t width, ImageFrameArea frame)
    {
        image_ = member;
        imageWidth_ = width;
        frame_ = frame;
    }
    // Entries of a drop-down, Windows-1252 as read from their file.
    void setChoices(int control, const std::vector<std::string>& names)
    {
        choices_[control] = sortedChoices(names);
    }

    Record* current() { return selected_ ? &records_[*selected_] : nullptr; }
    const Record* current() const { return selected_ ? &records_[*selected_] : nullptr; }

private:
    const FieldBinding<Record>* binding(int control) const
    {
        const auto it = std::ranges::find_if(
            bindings_, [&](const auto& b) { return b.field.control == control; });
        return it == bindings_.end() ? nullptr : &*it;
    }
    void sort()
    {
        sortByName(records_, [this](const Record& r) -> std::string_view { return r.*key_; });
    }

    EditorTexts texts_;
    ListRules rules_;
    Member key_;
    std::vector<FieldBinding<Record>> bindings_;
    std::vector<EditorField> fields_;
    std::map<int, std::vector<std::string>> choices_;
    Member image_ = nullptr;
    std::size_t imageWidth_ = 0;
    ImageFrameArea frame_;

protected:
    std::vector<Record> records_;

private:
    std::optional<std::size_t> selected_;
};

} // namespace ksy
