#pragma once
// The figures of a game that follow from caramboles, innings and targets.
#include "records.h"

namespace core {

struct SideInput {
    qint32 nummer = 0;
    qint16 car = 0;
    qint16 beurten = 0;
    qint16 hoogsteSerie = 0;
    qint16 teMakenCar = 0;
    Fixed eigenMoyenne;
};

// Fills game moyennes, percentages, result codes and points for point
// systems 1 (win/draw/loss), 2 (fixed innings, a point per full 10 %) and
// 3 (12/11 points, a point per full 10 % otherwise).
UitslagRec deriveResult(const ToernooiRec& t, const SideInput& a, const SideInput& b,
                        qint16 ronde, qint16 poule, double datum);

} // namespace core
