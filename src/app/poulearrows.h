#pragma once
// The two arrow buttons that step a window through the poules of the round.
#include <QWidget>

namespace modStootplanner {

// Index 0 steps back, 1 forward. False when the poule cannot move (already
// at the first or last); otherwise moves it and enables the arrows so that
// neither points past the first or last poule.
inline bool StepPoule(int index, qint16& poule, int aantal, QWidget* vorige, QWidget* volgende)
{
    if (index == 1) {
        if (poule >= aantal)
            return false;
        ++poule;
    } else {
        if (poule <= 1)
            return false;
        --poule;
    }
    vorige->setEnabled(poule != 1);
    volgende->setEnabled(poule != aantal);
    return true;
}

} // namespace modStootplanner
