#pragma once
// The dialog BASETRANSPONDEURS bound to a TransponderPackEditor. Object names
// are the control ids ("3301", "3303" .. "3322"); "Ok" is "1", "Echap" "2".
#include "databases/editors/transponder_pack_editor.h"

#include <QDialog>
#include <array>

class QLineEdit;
class QListWidget;

namespace ksy {

class TransponderPackDialog : public QDialog {
    Q_OBJECT
public:
    TransponderPackDialog(TransponderPackEditor form, const WorkFolder& folder, Prompts& prompts,
        QWidget* parent = nullptr);

    const TransponderPackEditor& form() const { return form_; }

private:
    void refresh();

    TransponderPackEditor form_;
    const WorkFolder& folder_;
    Prompts& prompts_;
    QListWidget* list_ = nullptr;
    QLineEdit* label_ = nullptr;
    std::array<QLineEdit*, TransponderPack::kSlots> edits_ {};
    bool refreshing_ = false;
};

} // namespace ksy
