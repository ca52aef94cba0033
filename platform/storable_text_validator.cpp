#include "platform/storable_text_validator.h"

#include "storage/encoding.h"

#include <QLineEdit>

namespace ksy {

QValidator::State StorableTextValidator::validate(QString& input, int&) const
{
    return isStorableText(input.toStdString()) ? Acceptable : Invalid;
}

void limitToStorableText(QLineEdit* edit, int maxLength)
{
    edit->setMaxLength(maxLength);
    edit->setValidator(new StorableTextValidator(edit));
}

} // namespace ksy
