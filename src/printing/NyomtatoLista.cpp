#include "NyomtatoLista.h"

#include <algorithm>

void TNyomtatoLista::aktualisBeallit(int index)
{
    m_aktualis = (index >= 0 && index < darab()) ? index : (m_sorok.isEmpty() ? -1 : 0);
}

const TNyomtato* TNyomtatoLista::aktualisSor() const
{
    return m_aktualis >= 0 && m_aktualis < darab() ? &m_sorok.at(m_aktualis) : nullptr;
}

void TNyomtatoLista::beallit(const QList<TNyomtato>& sorok)
{
    m_sorok = sorok;
    rendez();
    m_aktualis = m_sorok.isEmpty() ? -1 : 0;
}

void TNyomtatoLista::betolt(const QString& fajl)
{
    beallit(NyomtatoListaOlvas(fajl));
}

void TNyomtatoLista::ment(const QString& fajl) const
{
    NyomtatoListaIr(fajl, m_sorok);
}

int TNyomtatoLista::kovetkezoSorszam() const
{
    return m_sorok.isEmpty() ? 1 : m_sorok.constLast().nyomtato + 1;
}

void TNyomtatoLista::rendez()
{
    std::stable_sort(m_sorok.begin(), m_sorok.end(), [](const TNyomtato& a, const TNyomtato& b) {
        return a.nyomtato < b.nyomtato;
    });
}

int TNyomtatoLista::indexSzammal(int nyomtato) const
{
    for (int i = 0; i < darab(); ++i)
        if (m_sorok.at(i).nyomtato == nyomtato)
            return i;
    return -1;
}

void TNyomtatoLista::hozzaad(TNyomtato ny)
{
    NyomtatoNevekBeallit(ny);
    m_sorok << ny;
    // The new row is the last of its number after a stable sort.
    const int szam = ny.nyomtato;
    rendez();
    int uj = -1;
    for (int i = 0; i < darab(); ++i)
        if (m_sorok.at(i).nyomtato == szam)
            uj = i;
    m_aktualis = uj;
}

void TNyomtatoLista::torol(int index)
{
    if (index >= 0 && index < darab())
        m_sorok.removeAt(index);
    ujraszamoz();
}

void TNyomtatoLista::ujraszamoz()
{
    for (int i = 0; i < darab(); ++i)
        m_sorok[i].nyomtato = i + 1;
    m_aktualis = m_sorok.isEmpty() ? -1 : 0;
}

void TNyomtatoLista::csere(int regi, int uj)
{
    // The numbers are swapped directly, so no number (not even 99) is ever
    // used as a placeholder; a missing neighbour number is simply taken.
    const int szomszed = indexSzammal(uj);
    if (szomszed >= 0)
        m_sorok[szomszed].nyomtato = regi;
    m_sorok[m_aktualis].nyomtato = uj;
    const TNyomtato mozgatott = m_sorok.at(m_aktualis);
    rendez();
    m_aktualis = int(m_sorok.indexOf(mozgatott));
}

bool TNyomtatoLista::feljebb()
{
    const TNyomtato* akt = aktualisSor();
    if (!akt || akt->nyomtato <= 1)
        return false;
    csere(akt->nyomtato, akt->nyomtato - 1);
    return true;
}

bool TNyomtatoLista::lejjebb()
{
    const TNyomtato* akt = aktualisSor();
    if (!akt || akt->nyomtato >= darab())
        return false;
    csere(akt->nyomtato, akt->nyomtato + 1);
    return true;
}
