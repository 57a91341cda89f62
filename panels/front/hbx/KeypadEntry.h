#pragma once
// The rules of the keypad entry display: what stays in it after each key.

#include <QString>

namespace dalto::front::hbx {

struct KeypadText {
    QString text;            // the display after the key
    bool accepted = true;    // false: the key was refused and removed again
    bool pointTyped = false; // the accepted key was "."
};

// text is the display with the key just typed as its last character. Accepted are
// the digits, and "." while the display holds no other ".". Without a "." the
// display keeps 4 digits: a fifth pushes the first out and the rest lose their
// leading zeros. With a "." it keeps the last 5 characters, and a "." pushed to
// the front gives way to the digit after it. A lone "." reads "0.". In memory
// recall the display holds the one digit typed last.
KeypadText ApplyKeypadRules(const QString& text, bool memoryRecall);

// The display after any change, however it was made (a key, a paste, a tool
// setting the text): shown is the display as the rules last left it, changed the
// display now. Characters added at the end go through the rules one at a time,
// as keys typed there would; any other change (an insertion, a deletion, a
// replacement) is taken as the whole new text typed from an empty display.
// accepted: some character was; pointTyped: the last accepted one was ".".
KeypadText ApplyKeypadChange(const QString& shown, const QString& changed, bool memoryRecall);

// The numeric value of the entry display.
float EntryValue(const QString& text);

} // namespace dalto::front::hbx
