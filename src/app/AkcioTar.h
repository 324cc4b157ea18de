#pragma once

// The action registry of the main window: one QAction per command with its
// caption, hint, shortcut and tag, the guards that run before a command
// (rights tested on execution, the closed-shift test), and the one place
// that sets every action's enabled and visible state from the rights, the
// settings and the shift state.

#include "Beall.h"
#include "Parancs.h"

#include <QObject>
#include <QString>
#include <array>
#include <functional>

class QAction;
class QWidget;

struct AkcioLeiras {
    Parancs parancs;
    const char* nev;     // "aAsztalSzabad"
    const char* felirat; // caption (UTF-8)
    const char* sugo;    // hint; nullptr: the caption
    int billentyu;       // shortcut as a combined key, 0: none
    bool tag10;          // follows the shift state
    bool muszakOr;       // refuses with "Műszak már le lett zárva" while closed
    unsigned mutatJog;   // shown when any of these rights is set; 0: always
    unsigned probaJog;   // tested on execution; 0: not tested
    Beallitasfugges beallitas;
};

// What the enabled and visible states are computed from.
struct AkcioAllapot {
    TJog jog;
    int kedvsor = 0;
    int szervsor = 0;
    bool bonusz = false;        // bonuszcikkazon > 0 at start-up
    bool adossag = false;       // vanadossag at start-up
    bool muszakNyitott = false; // the current shift is open
    bool honlap = false;        // the maker's web site is known
    bool email = false;         // the maker's mail address is known
};

class AkcioTar : public QObject
{
    Q_OBJECT

public:
    // Creates every action as a child of the window and adds it there, so
    // each shortcut works from any control of the window.
    explicit AkcioTar(QWidget* ablak);

    QAction* akcio(Parancs p) const { return m_akciok[std::size_t(p)]; }
    static const AkcioLeiras& leiras(Parancs p);
    // The command of an action; Parancs::Darab for a foreign action.
    Parancs parancsa(const QAction* a) const;

    // The routine a command runs after its guards. A command without a
    // routine stays disabled.
    void kezelo(Parancs p, std::function<void()> fv);
    bool vanKezelo(Parancs p) const { return bool(m_kezelok[std::size_t(p)]); }

    // The closed-shift guard: `lezarva` tells whether the current shift is
    // closed; `lezartTalalt` runs after the refusal (it refreshes the state
    // display).
    void muszakOr(std::function<bool()> lezarva, std::function<void()> lezartTalalt);

    // Sets enabled and visible of every action:
    //   visible = shown by the rights (any of them) and by the settings,
    //   enabled = visible, has a routine and, for tag-10 actions, the shift
    //             is open.
    void alkalmaz(const AkcioAllapot& allapot);
    const AkcioAllapot& allapot() const { return m_allapot; }
    // Re-applies the last state with another shift state.
    void muszakAllapot(bool nyitott);
    void jogok(const TJog& jog);

    // What the rights table grants.
    static unsigned jogBitek(const TJog& jog);
    static bool latszik(const AkcioLeiras& l, const AkcioAllapot& a);

    // Runs a command with its guards, as a click or its shortcut does.
    void futtat(Parancs p);

private:
    std::array<QAction*, std::size_t(Parancs::Darab)> m_akciok{};
    std::array<std::function<void()>, std::size_t(Parancs::Darab)> m_kezelok{};
    std::function<bool()> m_lezarva;
    std::function<void()> m_lezartTalalt;
    AkcioAllapot m_allapot;
};
