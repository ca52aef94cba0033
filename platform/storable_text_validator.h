#pragma once
#include <QValidator>

class QLineEdit;

namespace ksy {

// Refuses, as it is typed or pasted, any text that cannot go into a file field:
// a character without a Windows-1252 byte, a TAB, CR or line feed. Every edit
// that feeds a file uses it (see limitToStorableText).
class StorableTextValidator : public QValidator {
    Q_OBJECT
public:
    explicit StorableTextValidator(QObject* parent = nullptr)
        : QValidator(parent)
    {
    }
    State validate(QString& input, int& pos) const override;
};

// Gives the edit the validator and a length limit in characters (one
// character is one byte in the file).
void limitToStorableText(QLineEdit* edit, int maxLength);

} // namespace ksy
