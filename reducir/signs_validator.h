#pragma once

#include <QValidator>

// Validates a result as the player types it: signs 1, X (or x) and 2 with
// blanks or hyphens between them. Fewer than 14 signs are intermediate,
// exactly 14 acceptable (core/typed_signs.h), and any other character or a
// 15th sign is refused as typed.
class SignsValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};
