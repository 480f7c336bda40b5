#pragma once

#include <QValidator>

// Keeps the name field to what a record file can hold: whatever else is typed or pasted
// is dropped as it arrives, so the player sees at once the name that will be stored.
class NameValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};
