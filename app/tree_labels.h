#pragma once
// The race tree's own items ("Piste", "Course", "Manche1", "Classement M1"…)
// in the official's language. The tree and the race file keep their codes
// and French names; only what is shown changes.
#include <QString>
#include <string>

namespace ksy {

// The label to show for the item of `code` whose French label is `french`;
// the names of categories and pilots are shown as they are.
QString shownTreeLabel(int code, const std::string& french);

} // namespace ksy
