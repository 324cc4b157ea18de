#pragma once

// The date dialog: one date picker, OK and Mégsem.

#include <QDate>
#include <QDialog>
#include <QString>

class QDateEdit;

class Tfrm_Datumbe : public QDialog
{
    Q_OBJECT

public:
    explicit Tfrm_Datumbe(QWidget* szulo = nullptr);

    void beallit(const QDate& datum);
    QDate datum() const;
    QDateEdit* eDatum() const { return m_eDatum; }

private:
    QDateEdit* m_eDatum = nullptr;
};

// Asks for a date. Returns true on OK with the date set; false leaves it
// untouched. An empty caption keeps "Dátum megadása".
bool DatumKer(QDate& datum, const QString& felirat = {}, QWidget* szulo = nullptr);
