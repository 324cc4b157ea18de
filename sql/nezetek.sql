-- Vexlo.F database: views.
--
-- The program reads these as read-only tables. A line of an open bill is a
-- `rendelma` row with fizetve='N' and torolve='N' (its `rendeles` is 0 until
-- the bill is settled); turnover means paid, not voided lines (fizetve='I',
-- torolve='N'), the amount of a line being db*ar.
--
-- Views the program selects without an ORDER BY of its own carry one in their
-- definition (MariaDB and MySQL keep a view's ORDER BY when the outer query
-- has none). The main window relies on this for vw_asztal and vw_asztalossz,
-- the turnover browser for vw_forglista1/vw_forglistama1.
--
-- Computed text columns and text constants are converted explicitly
-- (CONVERT(... USING latin2) COLLATE latin2_hungarian_ci): a view keeps the
-- character set of the connection that created it, and the server refuses
-- to mix that, or latin2's default collation, with the Hungarian columns.
-- So every text column of these views is latin2_hungarian_ci.
--
-- Every view is CREATE OR REPLACE, so the script can be loaded again.

-- Open total per service point; points without open lines have no row.
CREATE OR REPLACE VIEW vw_asztalossz2 AS
SELECT
  r.asztal,
  SUM(r.db * r.ar) AS osszar,
  MIN(r.rogzitve) AS leul
FROM rendelma r
WHERE (r.fizetve = 'N') AND (r.torolve = 'N')
GROUP BY r.asztal;

-- Service points with their waiter's name and open total, ordered by name
-- (the main window lists them in the order returned). `leul` (arrival) is
-- the recording time of the first open line, NULL while the point is free;
-- `osszar` is 0 for a free point.
CREATE OR REPLACE VIEW vw_asztal AS
SELECT
  a.asztal,
  a.asztal_nev,
  a.pincer,
  a.foglalt,
  a.kiszallitas,
  a.szoba,
  p.pincer_nev,
  a.mostfizet,
  a.arkat,
  a.l,
  a.t,
  a.w,
  a.h,
  a.hitelre,
  a.ugyfel,
  a.belepo,
  o.leul,
  a.elmegy,
  a.fo,
  a.fo1,
  COALESCE(o.osszar, 0) AS osszar,
  a.terem
FROM asztal a
  LEFT OUTER JOIN pincer p ON (a.pincer = p.pincer)
  LEFT OUTER JOIN vw_asztalossz2 o ON (a.asztal = o.asztal)
ORDER BY a.asztal_nev, a.asztal;

-- The open bills as the main window's order grid draws them, per service
-- point in this order (the grid shows the rows as returned):
--   'a'  one row per open line, oldest first: item name, and in `sor2` the
--        quantity x unit price and the remark (line breaks of the remark
--        shown as spaces, cut to 80 characters);
--   'c'  one filler row (rendelesazon, cikkazon, ar, db and osszar NULL),
--        drawn empty, which sets the total apart from the items;
--   'b'  the total row: rendelesazon 0, cikkszam_nev 'Összesen', osszar the
--        bill total, cikkazon/ar/db NULL (so "Még egy" adds nothing on it).
-- A service point without open lines has no rows at all: the settlement
-- tests an empty grid to refuse an empty bill. Voided and settled lines are
-- not part of the open bill and are not shown. `rendeles` is 0 on every row.
CREATE OR REPLACE VIEW vw_asztalossz AS
SELECT
  u.sor,
  u.rendelesazon,
  u.asztal,
  u.asztal_nev,
  u.cikkazon,
  u.cikkszam_nev,
  u.db,
  u.ar,
  u.osszar,
  u.sor2,
  u.rendeles
FROM (
  SELECT
    CONVERT('a' USING latin2) COLLATE latin2_hungarian_ci AS sor,
    1 AS sorrend,
    CAST(r.rendelesazon AS SIGNED) AS rendelesazon,
    r.asztal,
    a.asztal_nev,
    r.cikkazon,
    COALESCE(c.cikkszam_nev, r.megjegyzes, '') AS cikkszam_nev,
    CAST(ROUND(r.db) AS SIGNED) AS db,
    r.ar,
    r.db * r.ar AS osszar,
    LEFT(CONCAT(
      -- quantity: up to two decimals, trailing zeros dropped, decimal comma;
      -- the numbers are made latin2 to join the latin2 remark
      CONVERT(CONCAT(
        REPLACE(TRIM(TRAILING '.' FROM TRIM(TRAILING '0' FROM
          REPLACE(FORMAT(r.db, 2), ',', ' '))), '.', ','),
        ' x ',
        REPLACE(FORMAT(r.ar, 0), ',', ' ')) USING latin2) COLLATE latin2_hungarian_ci,
      IF(COALESCE(r.megjegyzes, '') = '', '',
         CONCAT('  ', REPLACE(REPLACE(r.megjegyzes, '\r', ' '), '\n', ' ')))
    ), 80) AS sor2,
    r.rendeles
  FROM rendelma r
    LEFT OUTER JOIN asztal a ON (r.asztal = a.asztal)
    LEFT OUTER JOIN cikkszam c ON (r.cikkazon = c.cikkazon)
  WHERE (r.fizetve = 'N') AND (r.torolve = 'N')
  UNION ALL
  SELECT
    CONVERT('c' USING latin2) COLLATE latin2_hungarian_ci, 2, NULL, o.asztal, a.asztal_nev, NULL,
    NULL, NULL, NULL, NULL,
    CONVERT('' USING latin2) COLLATE latin2_hungarian_ci, 0
  FROM vw_asztalossz2 o
    LEFT OUTER JOIN asztal a ON (o.asztal = a.asztal)
  UNION ALL
  SELECT
    CONVERT('b' USING latin2) COLLATE latin2_hungarian_ci, 3, 0, o.asztal, a.asztal_nev, NULL,
    CONVERT('Összesen' USING latin2) COLLATE latin2_hungarian_ci, NULL, NULL, o.osszar,
    CONVERT('' USING latin2) COLLATE latin2_hungarian_ci, 0
  FROM vw_asztalossz2 o
    LEFT OUTER JOIN asztal a ON (o.asztal = a.asztal)
) u
ORDER BY u.asztal, u.sorrend, u.rendelesazon;

-- Total of each bill of today: rendeles 0 is the open bill of the point.
CREATE OR REPLACE VIEW vw_osszar AS
SELECT
  r.asztal,
  r.rendeles,
  SUM(r.db * r.ar) AS osszar
FROM rendelma r
WHERE (r.torolve = 'N')
GROUP BY r.asztal, r.rendeles;

-- The amount of the open bill that earns bonus: what the guest pays for
-- goods and services. Tips (borravalo='I') earn nothing; the discount line
-- and the line of bonus spent lower the amount, so no bonus is earned on
-- bonus. Never below 0.
CREATE OR REPLACE VIEW vw_bonusz AS
SELECT
  r.asztal,
  GREATEST(0, SUM(IF(COALESCE(c.borravalo, 'N') = 'I', 0, r.db * r.ar))) AS osszeg
FROM rendelma r
  LEFT OUTER JOIN cikkszam c ON (r.cikkazon = c.cikkazon)
WHERE (r.fizetve = 'N') AND (r.torolve = 'N')
GROUP BY r.asztal;

-- Receipt lines of today grouped by item, price and remark, with the gross
-- amount and the net amount by the item's VAT rate. Voided lines are left
-- out; the caller filters by (asztal, fizetve) or by rendeles.
CREATE OR REPLACE VIEW vw_nyomblokk AS
SELECT
  r.datum,
  r.asztal,
  r.ar,
  c.cikkszam_nev,
  r.cikkazon,
  p.pincer_nev,
  a.asztal_nev,
  SUM(r.db * r.ar) / (1 + COALESCE(c.afakulcs, 0) / 100) AS netto,
  SUM(r.db * r.ar) AS brutto,
  r.megjegyzes,
  SUM(r.db) AS osszdb,
  r.fizetve,
  r.rendeles,
  c.afakulcs
FROM rendelma r
  LEFT OUTER JOIN cikkszam c ON (r.cikkazon = c.cikkazon)
  LEFT OUTER JOIN pincer p ON (r.pincer = p.pincer)
  LEFT OUTER JOIN asztal a ON (r.asztal = a.asztal)
WHERE (r.torolve = 'N')
GROUP BY r.datum, r.asztal, a.asztal_nev, r.rendeles, r.fizetve, r.cikkazon,
  c.cikkszam_nev, c.afakulcs, r.ar, r.megjegyzes, r.pincer, p.pincer_nev
ORDER BY r.asztal, r.rendeles, c.cikkszam_nev, r.ar;

-- The same receipt lines for the bills of closed days (history): a bill is
-- reprinted from here once its day has been closed.
CREATE OR REPLACE VIEW vw_nyomblokk_tortenet AS
SELECT
  r.datum,
  r.asztal,
  r.ar,
  c.cikkszam_nev,
  r.cikkazon,
  p.pincer_nev,
  a.asztal_nev,
  SUM(r.db * r.ar) / (1 + COALESCE(c.afakulcs, 0) / 100) AS netto,
  SUM(r.db * r.ar) AS brutto,
  r.megjegyzes,
  SUM(r.db) AS osszdb,
  r.fizetve,
  r.rendeles,
  c.afakulcs
FROM rendeles r
  LEFT OUTER JOIN cikkszam c ON (r.cikkazon = c.cikkazon)
  LEFT OUTER JOIN pincer p ON (r.pincer = p.pincer)
  LEFT OUTER JOIN asztal a ON (r.asztal = a.asztal)
WHERE (r.torolve = 'N')
GROUP BY r.datum, r.asztal, a.asztal_nev, r.rendeles, r.fizetve, r.cikkazon,
  c.cikkszam_nev, c.afakulcs, r.ar, r.megjegyzes, r.pincer, p.pincer_nev
ORDER BY r.asztal, r.rendeles, c.cikkszam_nev, r.ar;

-- One row per settled bill of the closed days (history), oldest first.
CREATE OR REPLACE VIEW vw_forglista1 AS
SELECT
  r.datum,
  r.muszak,
  r.rendeles,
  MAX(r.asztal) AS asztal,
  MAX(a.asztal_nev) AS asztal_nev,
  MAX(p.pincer_nev) AS pincer_nev,
  SUM(r.db * r.ar) AS ar
FROM rendeles r
  LEFT OUTER JOIN asztal a ON (r.asztal = a.asztal)
  LEFT OUTER JOIN pincer p ON (r.pincer = p.pincer)
WHERE (r.rendeles > 0) AND (r.torolve = 'N')
GROUP BY r.datum, r.muszak, r.rendeles
ORDER BY r.datum, r.muszak, r.rendeles;

-- The same for the business day in progress.
CREATE OR REPLACE VIEW vw_forglistama1 AS
SELECT
  r.datum,
  r.muszak,
  r.rendeles,
  MAX(r.asztal) AS asztal,
  MAX(a.asztal_nev) AS asztal_nev,
  MAX(p.pincer_nev) AS pincer_nev,
  SUM(r.db * r.ar) AS ar
FROM rendelma r
  LEFT OUTER JOIN asztal a ON (r.asztal = a.asztal)
  LEFT OUTER JOIN pincer p ON (r.pincer = p.pincer)
WHERE (r.rendeles > 0) AND (r.torolve = 'N')
GROUP BY r.datum, r.muszak, r.rendeles
ORDER BY r.datum, r.muszak, r.rendeles;

-- The lines of those bills.
CREATE OR REPLACE VIEW vw_forglista2 AS
SELECT
  r.datum,
  r.muszak,
  r.rendeles,
  c.cikkszam_nev,
  r.db,
  r.ar,
  r.db * r.ar AS osszar,
  r.cikkazon,
  r.rogzitve,
  r.rendelesazon,
  r.asztal,
  r.megjegyzes
FROM rendeles r
  LEFT OUTER JOIN cikkszam c ON (r.cikkazon = c.cikkazon)
WHERE (r.rendeles > 0) AND (r.torolve = 'N')
ORDER BY r.rendelesazon;

CREATE OR REPLACE VIEW vw_forglistama2 AS
SELECT
  r.datum,
  r.muszak,
  r.rendeles,
  c.cikkszam_nev,
  r.db,
  r.ar,
  r.db * r.ar AS osszar,
  r.cikkazon,
  r.rogzitve,
  r.rendelesazon,
  r.asztal,
  r.megjegyzes
FROM rendelma r
  LEFT OUTER JOIN cikkszam c ON (r.cikkazon = c.cikkazon)
WHERE (r.rendeles > 0) AND (r.torolve = 'N')
ORDER BY r.rendelesazon;

-- Turnover per business day and hour of recording, history and today
-- together. `ora` is the hour range as text ("09-10"), `nap` the weekday of
-- the business day, '0' Monday to '6' Sunday.
CREATE OR REPLACE VIEW vw_forgora AS
SELECT
  x.ora,
  x.nap,
  x.datum,
  SUM(x.osszar) AS ar
FROM (
  SELECT
    CONVERT(CONCAT(LPAD(HOUR(r.rogzitve), 2, '0'), '-', LPAD(HOUR(r.rogzitve) + 1, 2, '0'))
            USING latin2) COLLATE latin2_hungarian_ci AS ora,
    CONVERT(WEEKDAY(r.datum) USING latin2) COLLATE latin2_hungarian_ci AS nap,
    r.datum,
    r.db * r.ar AS osszar
  FROM rendeles r
  WHERE (r.fizetve = 'I') AND (r.torolve = 'N') AND (r.rogzitve IS NOT NULL)
  UNION ALL
  SELECT
    CONVERT(CONCAT(LPAD(HOUR(r.rogzitve), 2, '0'), '-', LPAD(HOUR(r.rogzitve) + 1, 2, '0'))
            USING latin2) COLLATE latin2_hungarian_ci,
    CONVERT(WEEKDAY(r.datum) USING latin2) COLLATE latin2_hungarian_ci,
    r.datum,
    r.db * r.ar
  FROM rendelma r
  WHERE (r.fizetve = 'I') AND (r.torolve = 'N') AND (r.rogzitve IS NOT NULL)
) x
GROUP BY x.datum, x.nap, x.ora
ORDER BY x.datum, x.ora;

-- Commission rates with their names, for the existing service points and
-- classifications (rows left behind by a deleted service point are not
-- offered for editing).
CREATE OR REPLACE VIEW vw_jutalek AS
SELECT
  j.asztal,
  a.asztal_nev,
  j.besorolas,
  b.besorolas_nev,
  j.szazalek
FROM jutalek j
  INNER JOIN asztal a ON (j.asztal = a.asztal)
  INNER JOIN besorolas b ON (j.besorolas = b.besorolas)
ORDER BY a.asztal_nev, b.besorolas_nev;

-- Commission per sold line of the closed business days (history), like the
-- other period reports. The commission is paid on the margin:
--   osszar    = db * ar                       (turnover of the line)
--   bekerules = db * the item's cost price    (cikkszam.bekerules)
--   jutalek   = (osszar - bekerules) * szazalek / 100
-- with the rate of the service point and the item's classification (0 when
-- no rate is set). Discount lines thus lower the commission.
CREATE OR REPLACE VIEW vw_jutalekszamol AS
SELECT
  r.datum,
  r.muszak,
  r.asztal,
  a.asztal_nev,
  COALESCE(c.besorolas, 0) AS besorolas,
  b.besorolas_nev,
  COALESCE(j.szazalek, 0) AS szazalek,
  r.db * r.ar AS osszar,
  r.db * COALESCE(c.bekerules, 0) AS bekerules,
  (r.db * r.ar - r.db * COALESCE(c.bekerules, 0)) * COALESCE(j.szazalek, 0) / 100 AS jutalek,
  r.cikkazon,
  r.rendeles
FROM rendeles r
  LEFT OUTER JOIN asztal a ON (r.asztal = a.asztal)
  LEFT OUTER JOIN cikkszam c ON (r.cikkazon = c.cikkazon)
  LEFT OUTER JOIN besorolas b ON (c.besorolas = b.besorolas)
  LEFT OUTER JOIN jutalek j ON (j.asztal = r.asztal) AND (j.besorolas = c.besorolas)
WHERE (r.fizetve = 'I') AND (r.torolve = 'N');
