#pragma once

// Widget helpers every window uses: the program's colours, the application
// style (focus colour), the window conventions (geometry kept in the INI file,
// font size, Enter moving to the next control), the sort-column highlight of
// list grids, filling combo boxes from a query, the window-text translation
// and the small run-time input dialog.

#include <QChar>
#include <QColor>
#include <QFont>
#include <QList>
#include <QSize>
#include <QString>
#include <Qt>

class QAbstractButton;
class QApplication;
class QCoreApplication;
class QComboBox;
class QFontMetrics;
class QHeaderView;
class QLabel;
class QTableView;
class QWidget;

// The key (sort) column of list grids.
QColor KiemeloSzin();
// A focused edit, combo box or date picker.
QColor FokuszSzin();
// The selected row of the point-of-sale grids.
QColor KijeloltSzin();

// Application-wide conventions, set once by main() and by widget tests: a
// focused QLineEdit, QComboBox, QAbstractSpinBox (date edits included),
// QPlainTextEdit or QTextEdit is painted FokuszSzin and gets its own colour
// back when it loses the focus.
void AlkalmazasStilus(QApplication& app);

// The Hungarian face of the program, set once by main() and by the widget
// tests that check it: Hungary's Hungarian becomes the default locale
// (decimal comma, month and day names) and Qt's own texts (the file and font
// dialogs, the edits' context menu, the standard buttons) are translated
// from "qtbase_hu" in Qt's translations folder, or in the "translations"
// folder beside the program. False when no translation could be loaded (the
// locale is set all the same).
bool MagyarFelulet(QCoreApplication& app);

// The window conventions for a dialog or window, called once after its
// controls exist (the window's objectName() names its INI section, e.g.
// "frm_Inp"):
// - the font point size becomes Beall.BetuMeret;
// - when first shown: FormForditas, then the position (fixed windows) or
//   position and size (meretezheto; the size before showing is the design
//   size) is restored from the INI file, fitted into the work area;
// - when hidden or closed after being shown: the position (and size) is saved;
//   a failure to write the INI file is ignored;
// - with enterLep, Enter pressed in a one-line edit, combo box, check box or
//   spin box moves the focus to the next control.
void AblakBeallit(QWidget* ablak, bool meretezheto, bool enterLep = true);
// Enter pressed in `mezo` (or in a control inside it, such as a date edit's
// text) presses `gomb` instead of moving the focus on: the last field of a
// form confirms it, as the operator expects.
void EnterGomb(QWidget* mezo, QAbstractButton* gomb);

// Marks the column a list is sorted by: that column is painted KiemeloSzin,
// the others in the window colour. The column is kept in the view's dynamic
// property "kiemeltOszlop" and painted by KiemeltOszlopDelegate, which is
// installed when the view still has Qt's default delegate (a window with a
// delegate of its own derives it from KiemeltOszlopDelegate). -1 marks none.
void OszlopKiemel(QTableView* racs, int oszlop);

// A font given in pixels, as the window layouts state their fonts
// ("Segoe UI 27 px", "Arial 15 px bold").
QFont PixelBetu(const QString& csalad, int pixel, bool felkover = false);

// The title panel under a list window's tool bar: the title in bold
// 15-pixel Arial on a framed panel, right-aligned (callers add the two
// trailing spaces) or centred.
QLabel* CimPanel(const QString& cim, Qt::Alignment igazitas, QWidget* szulo);
// A read-only list grid: whole rows selected, one at a time, no row header,
// rows a little higher than the text.
void ListaRacsBeallit(QTableView* racs);

// The width a grid column needs to show its whole title: at the header's
// font and at one point larger (the windows' font-size step), with the
// header's margins and, when the header shows one, the sort mark.
int CimSzelesseg(const QHeaderView* fejlec, int oszlop);
// Sets the columns of a list grid to their shares (percent, one per column)
// of (grid width - levonas), each at least CimSzelesseg wide; a grid too
// narrow for the titles scrolls sideways instead of clipping them.
void OszlopAranyok(QTableView* racs, const QList<int>& szazalekok, int levonas);

// Fills a combo box from the first column of a query (NULL gives an empty
// item), after the optional first item. A non-editable combo box (the
// drop-down-list kind) that has items gets the first one selected; an
// editable one shows `elso` (an empty text when none is given). Server errors
// are raised as DbHiba before the combo box is touched.
void ComboFeltolt(QComboBox* combo, const QString& sql, const QString& elso = {});
// The same for a combo box that stands for a data field: the text of an
// editable one is kept (it is the field's value), never set to `elso`.
void DBComboFeltolt(QComboBox* combo, const QString& sql, const QString& elso = {});

// Passes the window's texts (title, labels, buttons, group boxes, check
// boxes, actions) through Forditas; does nothing while Beall.nyelv is 0.
void FormForditas(QWidget* ablak);

// A small input dialog built at run time and centred on the screen: the
// prompt above an edit holding `szoveg` selected (at most 255 characters,
// with the input mask - Qt's input-mask syntax - and, when given, the
// password character), "OK" and "Mégsem". True and the edited text on "OK".
bool BeviteliAblak(const QString& felirat, const QString& kerdes, const QString& maszk,
                   QString& szoveg, QChar jelszoKarakter = QChar(), QWidget* szulo = nullptr);

// The average width of the letters A-Z and a-z (integer division by 52) and
// the height of the font.
QSize AtlagKarakterSzelesseg(const QFontMetrics& fm);
