#pragma once

// The reservation column of the main window: the header with the service
// point's name and the day, the tool bar ("Új", "Töröl", "Tegnap", "Ma",
// "Holnap") and one day of the book in half-hour slots.

#include <QDate>
#include <QWidget>
#include <functional>

class EloModell;
class QLabel;
class QTableView;
class QToolBar;

class EloOszlop : public QWidget
{
    Q_OBJECT

public:
    explicit EloOszlop(QWidget* szulo = nullptr);

    // Shows the service point's book for the day (`EloNap` = nap). Throws
    // DbHiba.
    void EloToltes(int asztal, const QDate& nap);
    // "Új": books the selected free slot ("Foglalt időpont" on a booked one).
    void Uj();
    // "Töröl": deletes every slot of the selected booking on that day.
    void Torol();
    void Tegnap();
    void Ma();
    void Holnap();

    QDate EloNap() const { return m_eloNap; }
    int asztal() const { return m_asztal; }
    int aktualisSor() const;
    void sorValaszt(int sor);

    QLabel* fejlec() const { return m_fejlec; }
    QToolBar* eszkoztar() const { return m_eszkoztar; }
    QTableView* racs() const { return m_racs; }
    EloModell* modell() const { return m_modell; }

    // The booking dialog (EloUj by default; tests answer it themselves).
    std::function<int(int asztal, int ora, const QString& ora2, const QDate& nap)> eloUj;

private:
    void oszlopok();

    QLabel* m_fejlec = nullptr;
    QToolBar* m_eszkoztar = nullptr;
    QTableView* m_racs = nullptr;
    EloModell* m_modell = nullptr;
    QDate m_eloNap;
    int m_asztal = 0;
};
