#pragma once
// A line edit for a transponder number, the same in every dialog: up to six
// characters; each accepted change is stored at once, a refused one is undone
// with a French message; when the official leaves the edit it shows the
// stored six-digit form ("1201" becomes "001201").
#include "services/prompts.h"

#include <functional>
#include <string>

class QLineEdit;

namespace ksy {

struct TransponderEditBinding {
    // Takes the typed text (UTF-8); false when it is not a transponder number.
    std::function<bool(const std::string&)> store;
    // The stored form, shown when the edit is left.
    std::function<std::string()> stored;
    // Called after the edit was left (for the shared-transponder warning).
    std::function<void()> left;
};

void bindTransponderEdit(QLineEdit* edit, Prompts& prompts, TransponderEditBinding binding);

} // namespace ksy
