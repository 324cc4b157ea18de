#pragma once

// Every command of the main window. Menus, pop-up menus and tool bars only
// point at the actions of these commands (AkcioTar), so a command has one
// caption, hint, shortcut and enabled/visible state wherever it is offered.

#include "Jogok.h"

enum class Parancs {
    // Point of sale
    AsztalSzabad,      // "Fizet"
    AsztalSzabadHitel, // "Hitelre"
    RendelUj,          // "Új rendelés"
    RendelTorol,       // "Töröl" (order line)
    MegEgy,            // "Még egy"
    Kedvezmeny,        // "Kedv%!"
    Kedvezmeny2,       // "Kedv.ebből"
    Szervizdij,        // "Szervizdíj!"
    Bonuszba,
    Bonuszbol,
    AsztalAtul, // "Másik fodrász"
    UjNap,
    NapLezar,
    Lenemzart,
    UjElo,
    TorolElo,
    Tegnap,
    Ma,
    Holnap,
    Frissit,
    KovAblak,
    BetumeretNovel,
    BetuCsokkent,
    Ujra,
    Bejelentkezik,
    Bezar,
    // Other windows
    Bevet,
    Cassa,
    TorzsUgyfel,
    TorzsAsztal,
    TorzsArlista,
    Cikkat,
    Besorolas,
    TorzsGyujto,
    TorzsMert,
    TorzsKat,
    TorzsStorno,
    KeszletModosit,
    Jutalek,
    JutalekNyom,
    JutalekNyom2,
    TorzsFelh,
    Naplo,
    RendszerSQL,
    RegiTorol,
    Adatbazis,
    NyomBeall,
    RendszerBeallit,
    ForgArc,
    // Help
    Sugo,
    Doksi,
    SugoUjdonsag,
    SugoLevel,
    SugoHonlap,
    SugoFontos,
    SugoNevjegy,
    // Reports
    NyomKlt,
    Minkeszlet,
    EgyAsztal,
    ForgAsztal,
    ForgKatMost,
    NyomForgMost2,
    BesNyom,
    BesNyomR,
    SorNegMost,
    SztornoSorMost,
    EgyAsztal2,
    ForgAsztal2,
    NyomForgCikk,
    NyomBesDatum,
    BesNyomRDatum,
    EgyAsztal3,
    NyomForgCikkIdo,
    NyomKatIdoszak,
    NyomBesIdoszak,
    BesNyomRIdoszak,
    SorNeg2,
    NyomStorno,
    Haszon,
    Karton,
    KedvOssz1,
    KedvOssz2,
    SzervDij,
    SzervDij2,
    KedvOssz1a,
    KedvOssz2a,
    SzervDijA,
    SzervDijAI,
    NyomBonusz,
    ForgBes,
    SorNeg,
    SztornoSorok,
    KedvOssz,
    Fogyik,
    Bekerules,
    ForgHet,
    HitelTorleszt,
    ChMegoszlas,
    ForgOra,
    ForgBong,
    MaiForgBong,

    Darab
};

// The rights of a user as bits (JogBit) are in Jogok.h.

// Settings that show or hide an action.
enum class Beallitasfugges {
    Nincs,
    Kedvsor,  // shown while beallit.kedvsor is not 0
    Szervsor, // shown while beallit.szervsor is not 0
    Bonusz,   // shown when the bonus item was set at start-up
    Adossag,  // shown when credit handling was on at start-up
    Honlap,   // shown when the maker's web site is set
    Email,    // shown when the maker's mail address is set
};
