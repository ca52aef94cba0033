#include "platform/transponder_edit.h"

#include "databases/transponder_number.h"

#include <QLineEdit>
#include <memory>

namespace ksy {

void bindTransponderEdit(QLineEdit* edit, Prompts& prompts, TransponderEditBinding binding)
{
    edit->setMaxLength(static_cast<int>(kTransponderDigits));
    auto changed = std::make_shared<bool>(false);
    auto b = std::make_shared<TransponderEditBinding>(std::move(binding));
    QObject::connect(
        edit, &QLineEdit::textEdited, edit, [edit, &prompts, changed, b](const QString& text) {
            if (b->store(text.toStdString())) {
                *changed = true;
                return;
            }
            edit->setText(QString::fromStdString(b->stored()));
            prompts.error(transponderRefusal(text.toStdString()));
        });
    QObject::connect(edit, &QLineEdit::editingFinished, edit, [edit, changed, b] {
        const QString shown = QString::fromStdString(b->stored());
        if (edit->text() != shown)
            edit->setText(shown);
        // Warn once per change, not each time the edit merely loses focus.
        if (*changed && b->left)
            b->left();
        *changed = false;
    });
}

} // namespace ksy
