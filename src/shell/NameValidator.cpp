#include "shell/NameValidator.h"

#include "persist/Windows1252.h"

QValidator::State NameValidator::validate(QString& input, int& pos) const {
    const QString beforeCursor = PrintableWindows1252(input.left(pos));
    input = beforeCursor + PrintableWindows1252(input.mid(pos));
    pos = static_cast<int>(beforeCursor.size());
    return Acceptable;
}
