#pragma once
// The variation's side of the internet actions: the upload item and the
// start-up checks see the variation's lines and the main ticket's selection,
// the version check waits while extension mode is on, the upload writes the
// variation's file, and the internet items follow every change of the
// variation.
class InternetVezerlo;
class QObject;

// The internet controller's variation and main-ticket hooks (VariacioSorok,
// VanKijeloles, Bovites, VariacioFeltoltes).
void InternetVariacioHorgai(InternetVezerlo& iv);
// The hooks, and the variation controller's valtozott carried to the
// controller (the connection ends with kontextus).
void InternetVariacioBekotese(InternetVezerlo& iv, const QObject* kontextus);
