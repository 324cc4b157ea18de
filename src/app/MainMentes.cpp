// The main window's automatic backups: after a day close on a worker thread
// (nothing of the day close waits on it), at a normal close when the day was
// worked, and a failure shown on the status bar until a good backup.

#include "Main.h"

#include "AutoMentes.h"
#include "Beall.h"
#include "DbHiba.h"
#include "Kapcsolat.h"
#include "Mappak.h"

#include <QLabel>

void Tfrm_Main::autoMentesIndit()
{
    if (!m_autoMento) {
        m_autoMento = new AutoMento(IniFajl(), AdatMappa() + QStringLiteral("/Temp/auto"), this);
        connect(m_autoMento, &AutoMento::kesz, this, &Tfrm_Main::autoMentesKesz);
    }
    // A failure of an earlier run stays on show until a good backup.
    const QString allapot = AutoMentesAllapot(IniFajl());
    m_mentesHiba->setText(allapot);
    m_mentesHiba->setToolTip(allapot);
    m_mentesHiba->setVisible(!allapot.isEmpty());
}

void Tfrm_Main::autoMentesNapzar()
{
    if (m_autoMento)
        m_autoMento->indit(Kapcsolat::foAdat());
}

void Tfrm_Main::autoMentesKilepes()
{
    if (!m_autoMento)
        return;
    m_autoMento->var();
    bool kell = false;
    try {
        kell = AutoMentesKell(IniFajl(), AktNap);
    } catch (const DbHiba&) {
        // Without the database there is nothing to save now.
    }
    if (kell)
        m_autoMento->most(Kapcsolat::foAdat());
}

void Tfrm_Main::autoMentesKesz(const AutoMentesEredmeny& e)
{
    if (!e.volt)
        return;
    const QString allapot = e.sikeres ? QString() : AutoMentesAllapot(IniFajl());
    m_mentesHiba->setText(e.sikeres ? QString()
                                    : (allapot.isEmpty()
                                           ? QStringLiteral("Automatikus mentés sikertelen (") +
                                                 e.hiba + QLatin1Char(')')
                                           : allapot));
    m_mentesHiba->setToolTip(m_mentesHiba->text());
    m_mentesHiba->setVisible(!e.sikeres);
    if (e.sikeres)
        m_statusz[0]->setText(QStringLiteral("Automatikus mentés kész: ") + e.fajl);
}
