#pragma once

// The period dialog: first and last day with five quick presets relative to
// the workstation's date.

#include <QDate>
#include <QDialog>
#include <QString>

class QDateEdit;
class QPushButton;

class Tfrm_Idoszak : public QDialog
{
    Q_OBJECT

public:
    explicit Tfrm_Idoszak(QWidget* szulo = nullptr);

    void beallit(const QDate& tol, const QDate& ig);
    QDate tol() const;
    QDate ig() const;

    QDateEdit* eAlso() const { return m_eAlso; }
    QDateEdit* eFelso() const { return m_eFelso; }

    // The workstation's date the presets start from (tests fix it).
    void setMa(const QDate& ma) { m_ma = ma; }

protected:
    bool eventFilter(QObject* obj, QEvent* e) override;

private:
    void elore(int fajta);

    QDateEdit* m_eAlso = nullptr;
    QDateEdit* m_eFelso = nullptr;
    QDate m_ma;
};

// Asks for a period. Returns true on OK with both dates set; false leaves
// them untouched. An empty caption keeps "Időszak megadása".
bool IdoszakKer(QDate& tol, QDate& ig, const QString& felirat = {}, QWidget* szulo = nullptr);
