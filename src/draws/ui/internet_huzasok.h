#pragma once
// The draws' side of the internet actions: a database downloaded from the
// maker is read as the game's database before it may replace the one in
// use, the operator's result file is merged into the game's database, the
// database commands may stop an update of the built-in database, and an
// updated built-in database is loaded again and listed.
class InternetVezerlo;
class QObject;

// The internet controller's draws hooks (FrissitesElott, LetoltottAdatbazis,
// NaprakeszFrissites).
void InternetHuzasokHorgai(InternetVezerlo& iv);
// The hooks, and the reload after adatbazisFrissult (the connection ends
// with kontextus).
void InternetHuzasokBekotese(InternetVezerlo& iv, const QObject* kontextus);
