#pragma once

// The nine rights of a user in one table: the field of the rights record
// TJog, the flag column of `felhasznalo`, the captions of the user editor
// and of the user list, and the bit the action table tests. Login, the user
// editor and list, and the main window's actions all read this table.

#include "Beall.h"

#include <array>

class QSqlRecord;

// The rights as bits, for "shown when any of these is set" and "tested on
// execution".
enum JogBit : unsigned {
    JogNincs = 0,
    JogTorzsszerkeszt = 1u << 0,
    JogRendszergazda = 1u << 1,
    JogNapzar = 1u << 2,
    JogNyomtathat = 1u << 3,
    JogBevetelezes = 1u << 4,
    JogSelejtezes = 1u << 5,
    JogKiadas = 1u << 6,
    JogKasszanez = 1u << 7,
    JogKedvezmeny = 1u << 8,
};

struct JogLeiras {
    bool TJog::*mezo;
    const char* oszlop;       // the flag column of `felhasznalo`
    const char* felirat;      // the user editor's check box
    const char* listaFelirat; // the user list's column; nullptr: not listed
    JogBit bit;
};

// In the user editor's order.
inline constexpr std::array<JogLeiras, 9> Jogok{{
    {&TJog::rendszergazda, "rendszergazda", "Rendszergazda", "teljes jog", JogRendszergazda},
    {&TJog::torzsszerkeszt, "torzsszerkeszt", "Törzsadattárakat szerkesztheti", "törzsszerkeszt",
     JogTorzsszerkeszt},
    {&TJog::napzar, "napzar", "Napot lezárhat", "nap lezárás", JogNapzar},
    {&TJog::nyomtathat, "nyomtathat", "Listákat nyomtathat", "nyomtathat", JogNyomtathat},
    {&TJog::bevetelezes, "bevetelezes", "Bevételezés", "bevételezés", JogBevetelezes},
    {&TJog::selejtezes, "selejtezes", "Selejtezés", nullptr, JogSelejtezes},
    {&TJog::kiadas, "kiadas", "Áru kiadás", nullptr, JogKiadas},
    {&TJog::kasszanez, "kasszanez", "Kasszát nézheti?", "kassza?", JogKasszanez},
    {&TJog::kedvezmenytadhat, "kedvezmenytadhat", "Kedvezményt adhat", nullptr, JogKedvezmeny},
}};

// The bits of the rights set in the record.
unsigned JogBitek(const TJog& jog);
// Sets the nine rights from a row of `felhasznalo`: true only for "I".
void JogokOlvas(TJog& jog, const QSqlRecord& sor);
