#pragma once

// General helpers without widgets: field value conversions, fixed-width text
// for receipt lists, SQL literals and line-based statement editing, tolerant
// number parsing, number and date formats, the scrambling of stored
// connection strings and a few date helpers.
//
// The message boxes, OszlopKiemel and BeviteliAblak live in the widget
// library (dialogs/SegedUI.h); the folders and INI access in Mappak.h and
// IniFajl.h.

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariant>

// --- Field value conversions -------------------------------------------------

// The default for NULL (or an invalid variant), else the value's text form.
QString Szoveg(const QVariant& ertek, const QString& alap = QString());
// The default for NULL, else the value as an integer; a float is rounded
// half to even. Throws std::invalid_argument for a text that is no number.
int Egesz(const QVariant& ertek, int alap = 0);
// The default for NULL, else the value as a float. Throws
// std::invalid_argument for a text that is no number.
double Szam(const QVariant& ertek, double alap = 0.0);
// "0" for NULL, else the value as an integer in decimal.
QString EgeszSzoveg(const QVariant& ertek);
template <typename T> T Ha(bool feltetel, const T& a, const T& b)
{
    return feltetel ? a : b;
}
// True exactly when the text is "I".
bool IgenE(const QString& szoveg);
bool IgenE(const QVariant& ertek);
// b / a, or 0 when a is 0.
double Osztas(double a, double b);

// --- Fixed-width text --------------------------------------------------------

// NULL gives w spaces; longer text is cut to w characters, shorter padded.
QString BalraIgazit(const QVariant& ertek, int w);
// NULL gives an empty text; leading spaces up to w; never cuts. w is 0..255.
QString JobbraIgazit(const QVariant& ertek, int w);
// Cut to w, or (w div 2 - length div 2) leading spaces; no trailing spaces.
QString Kozepre(const QString& szoveg, int w);
QString SzokozNelkul(const QString& szoveg);
QString KarakterCsere(const QVariant& ertek, QChar c, QChar d);
QString KarakterTorles(const QString& halmaz, const QString& szoveg);
int KarakterDarab(QChar c, const QString& szoveg);
// The n-th field (from 1) of the text; any of the separator characters ends a
// field. Empty when the text has fewer fields.
QString Mezo(const QString& elvalasztok, const QString& szoveg, int n);
// Control codes from a text like "27,64": fields 1..10 as character codes.
QString KodSzoveg(const QString& szoveg);

// --- SQL literals ------------------------------------------------------------

// Backslash doubled, CR as \r, LF as \n. NULL gives an empty text.
QString SqlEscape(const QVariant& ertek);
// As SqlEscape, but CR becomes \n and LF is dropped.
QString SqlSorEscape(const QVariant& ertek);
// The quoted SQL text literal: escaped, apostrophes doubled, in apostrophes.
QString SqlIdez(const QVariant& ertek);
// Shortest decimal text (up to 15 significant digits) with a decimal point.
QString SzamSql(double szam);
// 'yyyy-mm-dd', or 'mm/dd/yyyy' with the flag set.
QString SqlDatum(const QDate& datum, bool amerikai = false);
// 'yyyy-mm-dd hh:mm:ss'.
QString SqlDatumIdo(const QDateTime& ido);

// --- Editing an SQL statement held as lines ---------------------------------

QString OrderByCsere(const QStringList& sorok, const QString& oszlopok);
QString WhereCsere(const QStringList& sorok, const QString& feltetel, bool csakElso);
QString WhereBovit(const QStringList& sorok, const QString& bovites);
// Convenience overloads on a statement text whose lines are separated by
// line breaks.
QString OrderByCsere(const QString& sql, const QString& oszlopok);
QString WhereCsere(const QString& sql, const QString& feltetel, bool csakElso);
QString WhereBovit(const QString& sql, const QString& bovites);
QStringList SqlSorok(const QString& sql);

// --- Number parsing from typed text -----------------------------------------

// The workstation's decimal separator (of the default QLocale).
QChar TizedesJel();
// Trim, keep digits , - . ; normalise the separators; the default when the
// text does not convert.
double SzamErtek(const QString& szoveg, double alap = 0.0);
// The trimmed text keeping digits, a leading "-" and the first "," or ".".
QString SzamKarakterek(const QString& szoveg);
// SzamKarakterek as an integer; 0 when empty or not an integer.
int EgeszErtek(const QString& szoveg);

// --- Number forms ------------------------------------------------------------

// Rounded to the nearest integer, halves to even ("as whole").
long long KerekitParosra(double szam);
// The shortest decimal form (up to 15 significant digits) with the
// workstation's decimal separator ("as text").
QString SzamSzoveg(double szam);
// A numeric display picture in the manner of the pictures used throughout the
// program: "### ### ##0", "### ### ##0.00", "######0.00", "00000", "##0%".
// "0" forces a digit, "#" shows one when significant; spaces (and other
// literal characters) between integer placeholders group the digits and are
// dropped before the first significant digit; the decimal part takes the
// workstation's decimal separator; trailing literals ("%") are copied.
QString SzamFormat(double szam, const QString& kep);

// --- Dates -------------------------------------------------------------------

// Hungarian month and day names ("Január", "hétfő").
QString HonapNev(int honap);
QString NapNev(int hetNapja); // 1 = Monday
// A date-time picture: yyyy, yy, mmmm, mmm, mm, m, dddd, dd, d, hh, h, nn, ss,
// "mm" right after an hour means minutes; other characters are copied.
QString DatumFormat(const QDateTime& ido, const QString& kep);
QString DatumFormat(const QDate& datum, const QString& kep);
int Ev(const QDate& datum);
int Honap(const QDate& datum);
// ISO 8601 week number.
int Het(const QDate& datum);
// The same day in the previous month, or that month's last day.
QDate EgyHonappalKorabban(const QDate& datum);

// --- Scrambled strings -------------------------------------------------------

QString Kodol(const QString& szoveg);
QString Dekodol(const QString& szoveg);
