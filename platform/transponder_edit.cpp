#include "platform/transponder_edit.h"

#include "databases/transponder_number.h"

#include <QLineEdit>
#include <memory>

namespace ksy {

void bindTransponderEdit(QLineEdit* edit, Prompts& prompts, TransponderEditBinding binding)
{
    edit->setMaxLength(static_cast<int>(kTransponderDigits));
    struct State {
        TransponderEditBinding binding;
        QString lastGood; // what the edit showed before a refused keystroke
        bool changed = false;
    };
    auto state = std::make_shared<State>(State {std::move(binding), edit->text(), false});
    QObject::connect(edit, &QLineEdit::textChanged, edit, [state](const QString& text) {
        if (transponderNumber(text.toStdString()))
            state->lastGood = text;
    });
    QObject::connect(
        edit, &QLineEdit::textEdited, edit, [edit, &prompts, state](const QString& text) {
            if (state->binding.store(text.toStdString())) {
                state->changed = true;
                return;
            }
            edit->setText(state->lastGood);
            prompts.error(transponderRefusal(text.toStdString()));
        });
    QObject::connect(edit, &QLineEdit::editingFinished, edit, [edit, state] {
        const QString shown = QString::fromStdString(state->binding.stored());
        if (edit->text() != shown)
            edit->setText(shown);
        // Warn once per change, not each time the edit merely loses focus.
        if (state->changed && state->binding.left)
            state->binding.left();
        state->changed = false;
    });
}

} // namespace ksy
