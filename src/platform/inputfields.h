#pragma once
// Behaviour shared by every input field: its whole text is selected on
// entry, Enter moves to the next field, and the keys it takes are filtered.
//
// Usage:
//     platform::setupInputField(ui.Text1, platform::KeyFilter::WholeNumber);
//     platform::setupInputField(Text2, platform::KeyFilter::Moyenne);
// Backspace, Delete, cursor keys and shortcuts always work; pasted text is
// filtered character by character like typed text.

#include <QString>

class QLineEdit;
class QWidget;

namespace platform {

enum class KeyFilter {
    Any,          // every key
    WholeNumber,  // digits
    Moyenne,      // digits and a point, never a comma
    Name,         // printable characters
    FileName,     // A-Z, a-z, 0-9, space and "-" (names that become file names)
};

// True when the character may be typed into a field with this filter.
bool acceptsChar(KeyFilter filter, QChar c);
// The text with every character the filter refuses removed.
QString filterText(KeyFilter filter, const QString& text);

// Installs select-on-entry, Enter-to-next-field and the key filter.
void setupInputField(QLineEdit* field, KeyFilter filter);

// Selects the whole text of a field (on entry).
void SelectAllText(QLineEdit* field);

}  // namespace platform
