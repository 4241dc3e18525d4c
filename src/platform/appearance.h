#pragma once
// The program's look and language, set once at start-up before any window
// opens (tests that measure windows call them too).

namespace platform {

// The forms are laid out in twips for an 8.25 pt sans-serif, and name the
// fonts "MS Sans Serif", "Arial", "Arial Narrow", "Times New Roman" and
// "Courier New"; the metric-compatible Liberation fonts stand in where those
// are missing, so that every text keeps the room it was designed for.
void UseProgramFonts();

// The program's own icon, three carom balls, on the main window and every
// window it opens (child windows inside it set it themselves).
void UseProgramIcon();

// Every text in Dutch, Qt's own included (buttons of the system dialogs,
// month and day names of the date pickers), while number texts keep the
// decimal separator of the system's regional settings.
void UseDutchTexts();

}  // namespace platform
