#pragma once
// The fixed-length records of the tournament files and the program folder.
// Every record is packed, little-endian, and read and written whole.
#include "fixed.h"
#include <QByteArray>
#include <QString>

namespace core {

// Yes/no fields are 16-bit: -1 is yes, 0 is no; only -1 counts as yes.
constexpr qint16 Ja = -1;
constexpr qint16 Nee = 0;
inline bool isJa(qint16 v) { return v == Ja; }
inline qint16 jaNee(bool b) { return b ? Ja : Nee; }

struct SpelerRec {
    static constexpr int Length = 55;
    qint32 nummer = 0;
    QString naam;         // 20
    QString voorletters;  // 7
    qint16 ronde = 0;
    qint16 poule = 0;
    qint16 teMakenCar = 0;
    Fixed moyenne;
    qint16 aangepastTeMakenCar = 0;
    Fixed aangepasteMoyenne;

    QByteArray toBytes() const;
    static SpelerRec fromBytes(const char* data);
    bool operator==(const SpelerRec&) const = default;
};

struct UitslagSpeler {
    static constexpr int Length = 48;
    qint32 nummer = 0;
    qint16 car = 0;
    qint16 beurten = 0;
    qint16 hoogsteSerie = 0;
    Fixed moyenne;
    qint16 teMakenCar = 0;
    Fixed eigenMoyenne;
    Fixed procentCar;
    Fixed procentMoy;
    qint16 punten = 0;
    qint16 uitslagCode = 0;  // 1 win, 2 draw, 3 loss
    static UitslagSpeler fromBytes(const char* data);
    bool operator==(const UitslagSpeler&) const = default;
};

struct UitslagRec {
    static constexpr int Length = 122;
    static constexpr int Speler1Offset = 14;
    static constexpr int Speler2Offset = 62;
    static constexpr int ReservedLength = 12;
    double datum = 0;
    qint16 ronde = 0;
    qint16 poule = 0;
    qint16 uitgespeeld = 0;
    UitslagSpeler speler1;
    UitslagSpeler speler2;
    // Reserved tail: zeros in new records, kept as read on rewrite.
    QByteArray reserved = QByteArray(ReservedLength, '\0');

    QByteArray toBytes() const;
    static UitslagRec fromBytes(const char* data);
    bool operator==(const UitslagRec&) const = default;
};

struct PouleRec {
    static constexpr int Length = 8;
    qint16 ronde = 0;
    qint16 aantalPoules = 0;
    qint16 automatischGekoppeld = 0;
    qint16 handmatigGekoppeld = 0;

    QByteArray toBytes() const;
    static PouleRec fromBytes(const char* data);
    bool operator==(const PouleRec&) const = default;
};

struct ToernooiRec {
    static constexpr int Length = 1148;
    static constexpr const char* Signatuur = "STOOTPL-T1";
    QString signatuur;       // 10
    QString naam;            // 40
    QString subtitel;        // 40
    qint16 aantalDecimalen = 2;
    qint16 automatischeBackup = 0;
    qint16 puntenInMatrix = 0;
    qint16 laatsteRonde = 1;
    qint16 carMethode = 1;   // 1 formula, 2 free entry
    Fixed carFactor;
    qint16 carOptellen = 0;
    qint16 carAfronding = 1; // 1 normal, 2 up, 3 down
    qint16 puntenSysteem = 1;
    qint16 puntenWinst = 2;
    qint16 puntenRemise = 1;
    qint16 puntenVerlies = 0;
    qint16 extraPuntWinst = 0;
    qint16 onbeslistOpProcentCar = 0;
    qint16 vastAantalBeurten = 0;
    qint16 puntenOpProcentCar = 0;
    qint16 standMoyenne = 0;
    qint16 standSerie = 0;
    qint16 standProcentCar = 0;
    qint16 tussentijdsAanpassen = 0;
    qint16 tussentijdsNaPartij = 0;
    Fixed tussentijdsMinimum;
    qint16 aanpassenPerRonde = 0;
    Fixed perRondeMinimum;
    QString notitie;         // 992

    bool hasSignature() const { return signatuur == QLatin1String(Signatuur); }
    QByteArray toBytes() const;
    static ToernooiRec fromBytes(const char* data);
    bool operator==(const ToernooiRec&) const = default;
};

struct ClubnaamRec {
    static constexpr int Length = 40;
    QString naam;
    QByteArray toBytes() const;
    static ClubnaamRec fromBytes(const char* data);
};

struct VolgnummerRec {
    static constexpr int Length = 2;
    qint16 volgnummer = 0;
    QByteArray toBytes() const;
    static VolgnummerRec fromBytes(const char* data);
};

} // namespace core
