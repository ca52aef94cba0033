#include "results/heat_comment_form.h"

#include "results/heat_comment_file.h"
#include "results/heat_result_section.h"
#include "storage/encoding.h"

namespace ksy {

HeatCommentForm::HeatCommentForm(std::string condition, std::string comment)
    : condition_(std::move(condition))
    , comment_(std::move(comment))
{
}

bool HeatCommentForm::open(const WorkFolder& folder, std::optional<HeatCommentForm>& out)
{
    std::string condition;
    std::string comment;
    const bool read = readHeatComment(folder, condition, comment);
    out.emplace(std::move(condition), std::move(comment));
    return read;
}

TrackConditionChoice HeatCommentForm::choice() const
{
    if (condition_ == kTrackConditionRain)
        return TrackConditionChoice::Rain;
    if (condition_ == kTrackConditionIce)
        return TrackConditionChoice::Ice;
    return TrackConditionChoice::Dry;
}

void HeatCommentForm::choose(TrackConditionChoice choice)
{
    switch (choice) {
    case TrackConditionChoice::Dry:
        condition_ = std::string(kTrackConditionDry);
        break;
    case TrackConditionChoice::Rain:
        condition_ = std::string(kTrackConditionRain);
        break;
    case TrackConditionChoice::Ice:
        condition_ = std::string(kTrackConditionIce);
        break;
    }
}

std::optional<std::string> HeatCommentForm::editComment(std::string_view utf8)
{
    if (!isStorableText(utf8))
        return commentUtf8();
    std::string bytes = utf8ToCp1252(utf8).value_or(std::string());
    if (bytes.size() <= static_cast<std::size_t>(kMaxCommentLength)) {
        comment_ = std::move(bytes);
        return std::nullopt;
    }
    // One Windows-1252 byte is one character.
    bytes.resize(kMaxCommentLength);
    comment_ = std::move(bytes);
    return commentUtf8();
}

std::string HeatCommentForm::commentUtf8() const
{
    return cp1252ToUtf8(comment_);
}

bool HeatCommentForm::save(const WorkFolder& folder) const
{
    return writeHeatComment(folder, condition_, comment_);
}

} // namespace ksy
