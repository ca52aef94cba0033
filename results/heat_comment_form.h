#pragma once
// The comment dialog's rules: the track condition chosen by three radio
// buttons and a free comment of at most 98 characters that the race file can
// hold (Windows-1252, no TAB or line break). It reads "CommentaireSerie.res"
// when it opens and writes it on "Valider".
#include "storage/work_folder.h"

#include <optional>
#include <string>
#include <string_view>

namespace ksy {

enum class TrackConditionChoice { Dry, Rain, Ice };

class HeatCommentForm {
public:
    static constexpr int kMaxCommentLength = 98;

    // What the dialog starts from (Windows-1252 texts).
    HeatCommentForm(std::string condition, std::string comment);
    // Reads the file; false when it cannot be opened (the texts are then empty).
    static bool open(const WorkFolder& folder, std::optional<HeatCommentForm>& out);

    // "Sec" checks the first button, and so does any text other than
    // "Pluie" and "Glace".
    TrackConditionChoice choice() const;
    void choose(TrackConditionChoice choice);

    // A change of the edit (UTF-8). Nothing when it is kept as typed; else the
    // text the edit must show instead: the previous comment when the text holds
    // a character the file cannot store, or its first 98 characters.
    std::optional<std::string> editComment(std::string_view utf8);

    const std::string& condition() const { return condition_; }
    const std::string& comment() const { return comment_; }
    std::string commentUtf8() const;

    // "Valider": false when the file cannot be written.
    bool save(const WorkFolder& folder) const;

private:
    std::string condition_;
    std::string comment_;
};

} // namespace ksy
