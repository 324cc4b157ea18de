-- Vexlo.F database: result-set procedures of the reports.
--
-- Periods are given as two dates, pd1 (first day) and pd2 (last day), both
-- included. Turnover means the paid, not voided lines of the history table
-- `rendeles` (closed business days): fizetve='I' AND torolve='N', the amount
-- of a line being db*ar.
--
-- Unit cost of a sale item (sp_bekerules, sp_haszon): the cost of its recipe,
-- SUM(cikkgyujto.db * gyujto.ar), when it has recipe lines; otherwise the
-- typed cost price cikkszam.bekerules. Category of an item: the name of its
-- category (cikkat.cikkat_nev), or its free-text `kategoria` when it has no
-- category.


-- The price list: code, name, price 1 and category name of every live item
-- (torolve='N'), ordered by category and code for the grouped report.
DROP PROCEDURE IF EXISTS sp_arlista;
DELIMITER $$
CREATE PROCEDURE sp_arlista()
BEGIN
  SELECT c.cikkszam,
         c.cikkszam_nev,
         c.ar,
         k.cikkat_nev
    FROM cikkszam c
    LEFT OUTER JOIN cikkat k ON (k.cikkat = c.cikkat)
   WHERE c.torolve = 'N'
   ORDER BY k.cikkat_nev, c.cikkszam, c.cikkazon;
END$$
DELIMITER ;


-- Cost calculation of the live items: price, unit cost and margin. The
-- margin `arres` is the markup on cost in per cent, (ar - bekerules) /
-- bekerules * 100 (the report prints it with "##0%"); it is NULL when the
-- item has no cost, where a markup has no meaning.
DROP PROCEDURE IF EXISTS sp_bekerules;
DELIMITER $$
CREATE PROCEDURE sp_bekerules()
BEGIN
  SELECT t.cikkszam,
         t.cikkszam_nev,
         t.kategoria,
         t.ar,
         t.bekerules,
         IF(t.bekerules > 0, (t.ar - t.bekerules) / t.bekerules * 100, NULL) AS arres
    FROM (SELECT c.cikkazon,
                 c.cikkszam,
                 c.cikkszam_nev,
                 COALESCE(NULLIF(k.cikkat_nev, ''), c.kategoria, '') AS kategoria,
                 COALESCE(c.ar, 0) AS ar,
                 IF(r.cikkazon IS NULL, COALESCE(c.bekerules, 0), COALESCE(r.koltseg, 0)) AS bekerules
            FROM cikkszam c
            LEFT OUTER JOIN cikkat k ON (k.cikkat = c.cikkat)
            LEFT OUTER JOIN (SELECT cg.cikkazon, SUM(cg.db * g.ar) AS koltseg
                               FROM cikkgyujto cg
                               INNER JOIN gyujto g ON (g.gyujto = cg.gyujto)
                              GROUP BY cg.cikkazon) r ON (r.cikkazon = c.cikkazon)
           WHERE c.torolve = 'N') t
   ORDER BY t.kategoria, t.cikkszam_nev, t.cikkazon;
END$$
DELIMITER ;


-- Credit repayments of the period: the repayment rows (hiteltip 'M') of the
-- debt ledger with the customer's name. The ledger stores a repayment
-- negated; here `osszeg` is the amount repaid, positive, so the report's
-- total is the money that came in.
DROP PROCEDURE IF EXISTS sp_adosfizet;
DELIMITER $$
CREATE PROCEDURE sp_adosfizet(
  IN pd1 DATE,
  IN pd2 DATE)
BEGIN
  SELECT a.ugyfel_ados,
         a.ugyfel,
         a.hiteltip,
         a.datum,
         a.blokk,
         -a.osszeg AS osszeg,
         u.ugyfel_nev
    FROM ugyfel_ados a
    LEFT OUTER JOIN ugyfel u ON (u.ugyfel = a.ugyfel)
   WHERE a.hiteltip = 'M'
     AND a.datum BETWEEN pd1 AND pd2
   ORDER BY a.datum, a.ugyfel_ados;
END$$
DELIMITER ;


-- Computed raw-material use of the period: for every stock holder, the sum
-- over the period's sold lines of line quantity times the recipe quantity
-- (today's recipes). Holders that nothing consumed are not listed.
DROP PROCEDURE IF EXISTS sp_alapanyagfogy;
DELIMITER $$
CREATE PROCEDURE sp_alapanyagfogy(
  IN pd1 DATE,
  IN pd2 DATE)
BEGIN
  SELECT g.gyujto_kod,
         g.gyujto_nev,
         f.mennyiseg
    FROM (SELECT cg.gyujto, SUM(r.db * cg.db) AS mennyiseg
            FROM rendeles r
            INNER JOIN cikkgyujto cg ON (cg.cikkazon = r.cikkazon)
           WHERE r.fizetve = 'I'
             AND r.torolve = 'N'
             AND r.datum BETWEEN pd1 AND pd2
           GROUP BY cg.gyujto) f
    INNER JOIN gyujto g ON (g.gyujto = f.gyujto)
   ORDER BY g.gyujto_kod, g.gyujto;
END$$
DELIMITER ;


-- Profit by margin for the period, per sold item: quantity `db`, sales value
-- `elad_ar` (SUM(db*ar)) and purchase value `besz_ar` (quantity times the
-- item's unit cost), grouped and ordered by category. Discount lines are
-- items too and lower the sales value of their category.
DROP PROCEDURE IF EXISTS sp_haszon;
DELIMITER $$
CREATE PROCEDURE sp_haszon(
  IN pd1 DATE,
  IN pd2 DATE)
BEGIN
  SELECT COALESCE(NULLIF(k.cikkat_nev, ''), c.kategoria, '') AS kategoria,
         c.cikkszam_nev,
         e.db,
         e.elad_ar,
         e.db * IF(r.cikkazon IS NULL, COALESCE(c.bekerules, 0), COALESCE(r.koltseg, 0)) AS besz_ar
    FROM (SELECT rl.cikkazon, SUM(rl.db) AS db, SUM(rl.db * rl.ar) AS elad_ar
            FROM rendeles rl
           WHERE rl.fizetve = 'I'
             AND rl.torolve = 'N'
             AND rl.datum BETWEEN pd1 AND pd2
           GROUP BY rl.cikkazon) e
    INNER JOIN cikkszam c ON (c.cikkazon = e.cikkazon)
    LEFT OUTER JOIN cikkat k ON (k.cikkat = c.cikkat)
    LEFT OUTER JOIN (SELECT cg.cikkazon, SUM(cg.db * g.ar) AS koltseg
                       FROM cikkgyujto cg
                       INNER JOIN gyujto g ON (g.gyujto = cg.gyujto)
                      GROUP BY cg.cikkazon) r ON (r.cikkazon = c.cikkazon)
   ORDER BY 1, c.cikkszam_nev, c.cikkazon;
END$$
DELIMITER ;


-- Turnover by weekday for the period: always seven rows, `nap` 1 (Monday,
-- "Hétfő") to 7 (Sunday, "Vasárnap"). `osszar` is the weekday's total;
-- `atlag`, `maximum` and `minimum` are the average, largest and smallest
-- daily turnover over the business days of that weekday that had any sales
-- (a closed day does not pull the average down). A weekday without sales
-- shows 0 everywhere.
DROP PROCEDURE IF EXISTS sp_naponkent;
DELIMITER $$
CREATE PROCEDURE sp_naponkent(
  IN pd1 DATE,
  IN pd2 DATE)
BEGIN
  SELECT n.nap,
         n.nap_nev,
         COALESCE(SUM(d.osszar), 0) AS osszar,
         COALESCE(AVG(d.osszar), 0) AS atlag,
         COALESCE(MAX(d.osszar), 0) AS maximum,
         COALESCE(MIN(d.osszar), 0) AS minimum
    FROM (SELECT 1 AS nap, 'Hétfő' AS nap_nev
          UNION ALL SELECT 2, 'Kedd'
          UNION ALL SELECT 3, 'Szerda'
          UNION ALL SELECT 4, 'Csütörtök'
          UNION ALL SELECT 5, 'Péntek'
          UNION ALL SELECT 6, 'Szombat'
          UNION ALL SELECT 7, 'Vasárnap') n
    LEFT OUTER JOIN (SELECT r.datum, SUM(r.db * r.ar) AS osszar
                       FROM rendeles r
                      WHERE r.fizetve = 'I'
                        AND r.torolve = 'N'
                        AND r.datum BETWEEN pd1 AND pd2
                      GROUP BY r.datum) d ON (WEEKDAY(d.datum) + 1 = n.nap)
   GROUP BY n.nap, n.nap_nev
   ORDER BY n.nap;
END$$
DELIMITER ;


-- Stock count corrections recorded in the period (by the day they were
-- recorded), in the order of recording: row number, time, user, the
-- correction (new minus old quantity) and the holder's name.
DROP PROCEDURE IF EXISTS sp_karton;
DELIMITER $$
CREATE PROCEDURE sp_karton(
  IN pd1 DATE,
  IN pd2 DATE)
BEGIN
  SELECT k.karton,
         k.rogzitve,
         k.felhasznalo,
         k.db,
         g.gyujto_nev
    FROM karton k
    LEFT OUTER JOIN gyujto g ON (g.gyujto = k.gyujto)
   WHERE k.rogzitve >= pd1
     AND k.rogzitve < pd2 + INTERVAL 1 DAY
   ORDER BY k.rogzitve, k.karton;
END$$
DELIMITER ;


-- One stock document for printing: the header fields (the columns of
-- `mozgas`, with `ar` the document total, and `mozgazstr`, for example
-- B0000012) on every row, and one row per line in line order with the
-- holder's code, name and unit, the quantity `db`, the unit price `egysar`
-- as entered on the line and the line value `brutto` = db * egysar. The
-- lines' `brutto` add up to the document total. A document without lines or
-- an unknown document gives no rows.
DROP PROCEDURE IF EXISTS sp_bevszall;
DELIMITER $$
CREATE PROCEDURE sp_bevszall(
  IN pmozgas INT)
BEGIN
  SELECT m.mozgas,
         m.datum,
         m.ugyfel,
         m.konyvelve,
         m.storno,
         m.prntip,
         m.mozgaz,
         m.ar,
         m.rogzitve,
         m.felhasznalo,
         CONCAT(m.prntip, LPAD(m.mozgaz, 7, '0')) AS mozgazstr,
         s.sor,
         s.gyujto,
         g.gyujto_kod,
         g.gyujto_nev,
         me.mert_nev,
         s.db,
         s.ar AS egysar,
         s.db * s.ar AS brutto
    FROM mozgas m
    INNER JOIN mozgas_sorok s ON (s.mozgas = m.mozgas)
    LEFT OUTER JOIN gyujto g ON (g.gyujto = s.gyujto)
    LEFT OUTER JOIN mert me ON (me.mert = g.mert)
   WHERE m.mozgas = pmozgas
   ORDER BY s.sor;
END$$
DELIMITER ;
