#pragma once

// The price list "Árlista": the sale items with their recipe pane
// ("Receptúra"), copying an item, the cost calculation list, and the item
// editor "Árlista tétel".

#include "TablaLeiras.h"
#include "TorzsLista.h"

#include <QStringList>
#include <functional>

class QLabel;
class TorzsModell;

class Tfrm_TorzsCikkszam : public TorzsLista
{
    Q_OBJECT
public:
    explicit Tfrm_TorzsCikkszam(QWidget* szulo = nullptr);

    QTableView* receptGrid() const { return m_receptGrid; }
    TorzsModell* receptModell() const { return m_receptModell; }
    QString receptTetelek() const;
    QString receptBekerules() const;

    // The steps of the extra actions, also run by the tests.
    void receptUj();
    void receptTorol();
    void masol();
    void bekerules();

    // The item import window and the printed price list, when the program
    // has them; their actions stay disabled without them.
    static std::function<void(QWidget*)>& importAblak();
    static std::function<void(QWidget*)>& arlistaNyomtat();

protected:
    int szerkeszto(int kulcs) override;
    void aktualisValtozott() override;

private:
    TablaLeiras m_receptLeiras;
    TorzsModell* m_receptModell = nullptr;
    QTableView* m_receptGrid = nullptr;
    QLabel* m_tetelek = nullptr;
    QLabel* m_receptAr = nullptr;
};

// The cost calculation as a text document: header "Bekerülés számítás", the
// column line (not with sprint), one line per item (two with sprint),
// footer.
QStringList BekerulesLista(bool sprint);

int ArlistaValaszt(int kezdo, bool valasztas, QWidget* szulo = nullptr);
int CikkszamSzerkeszt(int cikkazon, QWidget* szulo = nullptr);
