#include "records.h"
#include "bytes.h"

namespace core {

QByteArray SpelerRec::toBytes() const
{
    ByteWriter w(Length);
    w.i32(nummer);
    w.text(naam, 20);
    w.text(voorletters, 7);
    w.i16(ronde);
    w.i16(poule);
    w.i16(teMakenCar);
    w.fixed(moyenne);
    w.i16(aangepastTeMakenCar);
    w.fixed(aangepasteMoyenne);
    return w.bytes();
}

SpelerRec SpelerRec::fromBytes(const char* data)
{
    ByteReader r(data);
    SpelerRec s;
    s.nummer = r.i32();
    s.naam = r.text(20);
    s.voorletters = r.text(7);
    s.ronde = r.i16();
    s.poule = r.i16();
    s.teMakenCar = r.i16();
    s.moyenne = r.fixed();
    s.aangepastTeMakenCar = r.i16();
    s.aangepasteMoyenne = r.fixed();
    return s;
}

namespace {
void writeSide(ByteWriter& w, const UitslagSpeler& s)
{
    w.i32(s.nummer);
    w.i16(s.car);
    w.i16(s.beurten);
    w.i16(s.hoogsteSerie);
    w.fixed(s.moyenne);
    w.i16(s.teMakenCar);
    w.fixed(s.eigenMoyenne);
    w.fixed(s.procentCar);
    w.fixed(s.procentMoy);
    w.i16(s.punten);
    w.i16(s.uitslagCode);
}

UitslagSpeler readSide(ByteReader& r)
{
    UitslagSpeler s;
    s.nummer = r.i32();
    s.car = r.i16();
    s.beurten = r.i16();
    s.hoogsteSerie = r.i16();
    s.moyenne = r.fixed();
    s.teMakenCar = r.i16();
    s.eigenMoyenne = r.fixed();
    s.procentCar = r.fixed();
    s.procentMoy = r.fixed();
    s.punten = r.i16();
    s.uitslagCode = r.i16();
    return s;
}
} // namespace

UitslagSpeler UitslagSpeler::fromBytes(const char* data)
{
    ByteReader r(data);
    return readSide(r);
}

QByteArray UitslagRec::toBytes() const
{
    ByteWriter w(Length);
    w.f64(datum);
    w.i16(ronde);
    w.i16(poule);
    w.i16(uitgespeeld);
    writeSide(w, speler1);
    writeSide(w, speler2);
    QByteArray tail = reserved.left(ReservedLength);
    tail.append(QByteArray(ReservedLength - tail.size(), '\0'));
    w.raw(tail);
    return w.bytes();
}

UitslagRec UitslagRec::fromBytes(const char* data)
{
    ByteReader r(data);
    UitslagRec u;
    u.datum = r.f64();
    u.ronde = r.i16();
    u.poule = r.i16();
    u.uitgespeeld = r.i16();
    u.speler1 = readSide(r);
    u.speler2 = readSide(r);
    u.reserved = r.raw(ReservedLength);
    return u;
}

QByteArray PouleRec::toBytes() const
{
    ByteWriter w(Length);
    w.i16(ronde);
    w.i16(aantalPoules);
    w.i16(automatischGekoppeld);
    w.i16(handmatigGekoppeld);
    return w.bytes();
}

PouleRec PouleRec::fromBytes(const char* data)
{
    ByteReader r(data);
    PouleRec p;
    p.ronde = r.i16();
    p.aantalPoules = r.i16();
    p.automatischGekoppeld = r.i16();
    p.handmatigGekoppeld = r.i16();
    return p;
}

QByteArray ToernooiRec::toBytes() const
{
    ByteWriter w(Length);
    w.text(signatuur, 10);
    w.text(naam, 40);
    w.text(subtitel, 40);
    w.i16(aantalDecimalen);
    w.i16(automatischeBackup);
    w.i16(puntenInMatrix);
    w.i16(laatsteRonde);
    w.i16(carMethode);
    w.fixed(carFactor);
    w.i16(carOptellen);
    w.i16(carAfronding);
    w.i16(puntenSysteem);
    w.i16(puntenWinst);
    w.i16(puntenRemise);
    w.i16(puntenVerlies);
    w.i16(extraPuntWinst);
    w.i16(onbeslistOpProcentCar);
    w.i16(vastAantalBeurten);
    w.i16(puntenOpProcentCar);
    w.i16(standMoyenne);
    w.i16(standSerie);
    w.i16(standProcentCar);
    w.i16(tussentijdsAanpassen);
    w.i16(tussentijdsNaPartij);
    w.fixed(tussentijdsMinimum);
    w.i16(aanpassenPerRonde);
    w.fixed(perRondeMinimum);
    w.text(notitie, 992);
    return w.bytes();
}

ToernooiRec ToernooiRec::fromBytes(const char* data)
{
    ByteReader r(data);
    ToernooiRec t;
    t.signatuur = r.text(10);
    t.naam = r.text(40);
    t.subtitel = r.text(40);
    t.aantalDecimalen = r.i16();
    t.automatischeBackup = r.i16();
    t.puntenInMatrix = r.i16();
    t.laatsteRonde = r.i16();
    t.carMethode = r.i16();
    t.carFactor = r.fixed();
    t.carOptellen = r.i16();
    t.carAfronding = r.i16();
    t.puntenSysteem = r.i16();
    t.puntenWinst = r.i16();
    t.puntenRemise = r.i16();
    t.puntenVerlies = r.i16();
    t.extraPuntWinst = r.i16();
    t.onbeslistOpProcentCar = r.i16();
    t.vastAantalBeurten = r.i16();
    t.puntenOpProcentCar = r.i16();
    t.standMoyenne = r.i16();
    t.standSerie = r.i16();
    t.standProcentCar = r.i16();
    t.tussentijdsAanpassen = r.i16();
    t.tussentijdsNaPartij = r.i16();
    t.tussentijdsMinimum = r.fixed();
    t.aanpassenPerRonde = r.i16();
    t.perRondeMinimum = r.fixed();
    t.notitie = r.text(992);
    return t;
}

QByteArray ClubnaamRec::toBytes() const
{
    ByteWriter w(Length);
    w.text(naam, 40);
    return w.bytes();
}

ClubnaamRec ClubnaamRec::fromBytes(const char* data)
{
    ByteReader r(data);
    ClubnaamRec c;
    c.naam = r.text(40);
    return c;
}

QByteArray VolgnummerRec::toBytes() const
{
    ByteWriter w(Length);
    w.i16(volgnummer);
    return w.bytes();
}

VolgnummerRec VolgnummerRec::fromBytes(const char* data)
{
    ByteReader r(data);
    VolgnummerRec v;
    v.volgnummer = r.i16();
    return v;
}

} // namespace core
