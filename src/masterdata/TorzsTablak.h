#pragma once

// The five small master lists: units of measure, void reasons, stock holder
// categories, item categories and item classifications, with their editors
// and entry routines (initial key and pick flag in, the chosen key or -1
// out).

#include "TorzsLista.h"

class Tfrm_TorzsMe : public TorzsLista
{
    Q_OBJECT
public:
    explicit Tfrm_TorzsMe(QWidget* szulo = nullptr);

protected:
    int szerkeszto(int kulcs) override;
};

class Tfrm_TorzsStorno : public TorzsLista
{
    Q_OBJECT
public:
    explicit Tfrm_TorzsStorno(QWidget* szulo = nullptr);

protected:
    int szerkeszto(int kulcs) override;
};

class Tfrm_TorzsKategoria : public TorzsLista
{
    Q_OBJECT
public:
    explicit Tfrm_TorzsKategoria(QWidget* szulo = nullptr);

protected:
    int szerkeszto(int kulcs) override;
};

class Tfrm_TorzsCikkat : public TorzsLista
{
    Q_OBJECT
public:
    explicit Tfrm_TorzsCikkat(QWidget* szulo = nullptr);

protected:
    int szerkeszto(int kulcs) override;
};

class Tfrm_TorzsBesorolas : public TorzsLista
{
    Q_OBJECT
public:
    explicit Tfrm_TorzsBesorolas(QWidget* szulo = nullptr);

protected:
    int szerkeszto(int kulcs) override;
};

int MertValaszt(int kezdo, bool valasztas, QWidget* szulo = nullptr);
// Also gives the chosen row's name (empty for NULL), only on OK.
int MertValasztNev(int kezdo, bool valasztas, QString& nev, QWidget* szulo = nullptr);
int StornoValaszt(int kezdo, bool valasztas, QWidget* szulo = nullptr);
int KategoriaValaszt(int kezdo, bool valasztas, QWidget* szulo = nullptr);
int CikkatValaszt(int kezdo, bool valasztas, QWidget* szulo = nullptr);
int CikkatValasztNev(int kezdo, bool valasztas, QString& nev, QWidget* szulo = nullptr);
int BesorolasValaszt(int kezdo, bool valasztas, QWidget* szulo = nullptr);
int BesorolasValasztNev(int kezdo, bool valasztas, QString& nev, QWidget* szulo = nullptr);
