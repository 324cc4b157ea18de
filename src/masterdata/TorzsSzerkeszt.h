#pragma once

// The one shape of the master editors: a fixed dialog with labelled fields
// bound to columns of the table description's table, "OK" and "Mégsem".
// The dialog reads its row (or the new row's values) itself, limits every
// text edit to its column's length, checks the window's required fields on
// "OK" and saves through SorMent; a save the server refuses keeps the
// dialog open with "Hiányos, vagy hibás adatmegadás" and the server's text.
// Enter moves to the next control (not in a multi-line remark); the
// position is kept in the INI section of the dialog's name.

#include "TablaLeiras.h"

#include <QDialog>
#include <QHash>
#include <QVariantMap>
#include <functional>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QButtonGroup;
class QToolButton;

class TorzsSzerkeszt : public QDialog
{
    Q_OBJECT

public:
    // kulcs: the row to edit, -1 for a new one.
    TorzsSzerkeszt(const TablaLeiras& leiras, const QString& nev, const QString& felirat, int kulcs,
                   QWidget* szulo = nullptr);

    // Fields, in tab order.
    QLineEdit* szoveg(const QString& mezo, const QString& cimke, bool nagybetu = false);
    QLineEdit* szam(const QString& mezo, const QString& cimke, bool egesz = false,
                    bool csakOlvas = false);
    QCheckBox* jelzo(const QString& mezo, const QString& cimke);
    QPlainTextEdit* memo(const QString& mezo, const QString& cimke);
    // A read-only name box with a "…" button that runs `valaszt` (the
    // current key in, the chosen key or -1 out) and shows `nev` of the key.
    QToolButton* valaszto(const QString& mezo, const QString& cimke,
                          std::function<int(int)> valaszt, std::function<QString(int)> nev);
    // Radio buttons: item i stores ertekek[i].
    QButtonGroup* radio(const QString& mezo, const QString& cimke, const QStringList& elemek,
                        const QVariantList& ertekek);
    QComboBox* combo(const QString& mezo, const QString& cimke, const QString& sql);
    // A drop-down list: item i stores ertekek[i].
    QComboBox* lista(const QString& mezo, const QString& cimke, const QStringList& elemek,
                     const QVariantList& ertekek);
    // Further fields go into a new column beside the previous ones.
    void ujOszlop();
    // The OK and cancel buttons; call after the fields.
    void gombok();

    // Reads the row (or makes the new row's values) into the controls.
    // Throws DbHiba, or Hiba when the row is gone.
    void betolt();
    // The values as the controls hold them.
    QVariantMap ertekek() const;
    QVariantMap& sor() { return m_sor; }
    int kulcs() const { return m_kulcs; }
    // The saved key after "OK", -1 otherwise.
    int eredmeny() const { return m_eredmeny; }
    // A key shown to the operator in advance (moved on if taken meanwhile).
    void ajanlottKulcs(int k) { m_ajanlott = k; }
    QWidget* mezoVezerlo(const QString& mezo) const { return m_vezerlok.value(mezo); }
    QPushButton* okGomb() const { return m_ok; }

    // Required fields: an empty one shows the message and takes the focus.
    void kotelezo(const QString& mezo, const QString& uzenet);
    // Extra steps on "OK" before the save; false keeps the dialog open.
    std::function<bool(QVariantMap&)> okElott;

    void accept() override;

private:
    void mezoHozzaad(const QString& mezo, const QString& cimke, QWidget* w, QWidget* sorElem);
    void vezerlokbe();

    TablaLeiras m_leiras;
    int m_kulcs;
    int m_ajanlott = 0;
    int m_eredmeny = -1;
    QFormLayout* m_urlap;
    class QHBoxLayout* m_oszlopok;
    QPushButton* m_ok = nullptr;
    QVariantMap m_sor;
    QStringList m_mezok;
    QHash<QString, QWidget*> m_vezerlok;
    QHash<QString, QString> m_cimkek;
    QHash<QString, QVariantList> m_radioErtekek;
    QHash<QString, QVariantList> m_listaErtekek;
    QHash<QString, std::function<QString(int)>> m_nevek;
    QHash<QString, QLineEdit*> m_nevDobozok;
    QList<std::pair<QString, QString>> m_kotelezok;
    QStringList m_egeszek;
    QStringList m_nagybetuk;
};

// The editor's entry routine: reads the row, shows the dialog, gives the
// saved key or -1.
int SzerkesztoFuttat(TorzsSzerkeszt& d);
