#pragma once

// The profile table of the printer window, without the window: the rows in
// `nyomtato` order, a current row, and the operations of the window's
// actions (append, delete with renumbering, move up and down).

#include "Nyomtato.h"

#include <QList>
#include <QString>

class TNyomtatoLista
{
public:
    const QList<TNyomtato>& sorok() const { return m_sorok; }
    int darab() const { return int(m_sorok.size()); }
    // The current row (index into sorok()), -1 when the table is empty.
    int aktualis() const { return m_aktualis; }
    void aktualisBeallit(int index);
    const TNyomtato* aktualisSor() const;

    // Replaces the rows (sorted by `nyomtato`); the first becomes current.
    void beallit(const QList<TNyomtato>& sorok);
    // Loads and saves the profile file (Hiba on failure).
    void betolt(const QString& fajl);
    void ment(const QString& fajl) const;

    // The number a new profile gets: the last row's number + 1 (1 when empty).
    int kovetkezoSorszam() const;
    // Posts a new profile: sets its display names from the codes, sorts the
    // table by `nyomtato` and makes the new row current.
    void hozzaad(TNyomtato ny);
    // Deletes the row (when it exists) and then renumbers every row 1, 2, 3
    // ... in its current order; the first row becomes current.
    void torol(int index);
    void ujraszamoz();
    // Swaps the current profile's number with the one above (a > 1) or below
    // (b < row count); the moved profile stays current. False when nothing
    // moved.
    bool feljebb();
    bool lejjebb();

private:
    int indexSzammal(int nyomtato) const;
    void csere(int regi, int uj);
    void rendez();

    QList<TNyomtato> m_sorok;
    int m_aktualis = -1;
};
