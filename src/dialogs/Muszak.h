#pragma once

// The date and shift dialog "Dátum, műszak megadása": a date panel with the
// Hungarian month names and one radio entry per shift of the day.

#include <QDate>
#include <QDialog>
#include <QList>

class QCalendarWidget;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

class Tfrm_Muszak : public QDialog
{
    Q_OBJECT

public:
    explicit Tfrm_Muszak(QWidget* szulo = nullptr);

    // The date shown, the entries "1. műszak" .. muszakdb + ". műszak", and
    // entry muszak - 1 selected (none when out of range).
    void beallit(const QDate& nap, int muszak, int muszakdb);
    QDate datum() const;
    // The selected entry + 1; 0 when none is selected.
    int muszak() const;

    QCalendarWidget* naptar() const { return m_naptar; }
    QList<QRadioButton*> radioGombok() const { return m_radiok; }
    QPushButton* okGomb() const { return m_ok; }
    QPushButton* megsemGomb() const { return m_megsem; }
    // The month line of the date panel ("2024. Március").
    QString honapFelirat() const;

private:
    void honapFrissit();

    QCalendarWidget* m_naptar = nullptr;
    QLabel* m_honap = nullptr;
    QGroupBox* m_csoport = nullptr;
    QList<QRadioButton*> m_radiok;
    QPushButton* m_ok = nullptr;
    QPushButton* m_megsem = nullptr;
};

// Shows the dialog with the day and shift; OK gives the chosen ones and true,
// otherwise both stay unchanged and the result is false.
bool MuszakValaszt(QDate& nap, int& muszak, QWidget* szulo = nullptr);
