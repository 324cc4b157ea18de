-- Vexlo.F database: point-of-sale procedures.
--
-- Order lines (rendelma), settling, stock posting of a bill, the cash desk,
-- customer debts and bonus, moving a bill, closing a shift, purging old data,
-- reservations and the translation table.
--
-- A line of an open bill is a rendelma row with fizetve='N' and torolve='N'
-- (rendeles 0). The business day and shift of new lines and entries is the
-- open shift of naplezar (the earliest when several are open, the same one
-- the program continues in).
--
-- Every procedure that changes more than one table, or several rows that
-- belong together, runs in its own transaction: an error in any step rolls
-- back every step before it and is raised again to the caller, so nothing is
-- left half done. Called inside the caller's transaction (autocommit off,
-- as the program's transaction guard sets it) a procedure joins that
-- transaction instead: it neither starts nor commits one, and an error leaves
-- the rollback to the caller, so a whole sale (stock, bill, cash desk)
-- commits or fails together.
--
-- Refusals are raised with SQLSTATE 45000 and a Hungarian message that the
-- program shows as it is. Text parameters are wider than their columns so
-- that an overlong text is refused with a clear message instead of being cut.


-- Appends an open line to the bill of a service point: pasztal, the waiter
-- (0 = the waiter assigned to the service point), item (any number: the
-- discount line of an unset discount item carries 0), unit price, quantity,
-- remark. The line gets the business day and shift of the open
-- shift; with no open shift the line is refused, since it could never be
-- closed into the history. The line is not yet sent to the work-station
-- printers (nyomtatva 'N') and its stock is not yet posted (konyvelve 'N').
--
-- Line numbers continue above the history: when the auto-increment counter
-- of rendelma has been reset (a restore empties the table with TRUNCATE),
-- the first new line takes the number after the largest one in rendeles, so
-- closing the shift never meets a duplicate key.
DROP PROCEDURE IF EXISTS sp_rendelsor;
DELIMITER $$
CREATE PROCEDURE sp_rendelsor(
  IN pasztal INT,
  IN ppincer INT,
  IN pcikkazon INT,
  IN par DOUBLE,
  IN pdb DOUBLE,
  IN pmegjegyzes VARCHAR(1000) CHARACTER SET latin2 COLLATE latin2_hungarian_ci)
BEGIN
  DECLARE vnap DATE DEFAULT NULL;
  DECLARE vmuszak INT DEFAULT NULL;
  DECLARE vpincer INT DEFAULT NULL;
  DECLARE vtortenet INT DEFAULT 0;
  DECLARE vmost INT DEFAULT 0;

  IF CHAR_LENGTH(pmegjegyzes) > 100 THEN
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'A megjegyzés legfeljebb 100 karakter lehet.';
  END IF;
  IF NOT EXISTS (SELECT 1 FROM asztal WHERE asztal = pasztal) THEN
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'Nincs ilyen fodrász.';
  END IF;
  SET vnap = (SELECT nap FROM naplezar WHERE lezarva = 'N' ORDER BY nap, muszak LIMIT 1);
  IF vnap IS NULL THEN
    SIGNAL SQLSTATE '45000'
      SET MESSAGE_TEXT = 'Nincs nyitott műszak: előbb nyiss új napot (Új nap létrehozás).';
  END IF;
  SET vmuszak = (SELECT muszak FROM naplezar WHERE lezarva = 'N' AND nap = vnap
                  ORDER BY muszak LIMIT 1);
  SET vpincer = COALESCE(NULLIF(ppincer, 0), (SELECT pincer FROM asztal WHERE asztal = pasztal), 0);

  SET vtortenet = (SELECT COALESCE(MAX(rendelesazon), 0) FROM rendeles);
  SET vmost = (SELECT COALESCE(MAX(rendelesazon), 0) FROM rendelma);
  IF vmost < vtortenet THEN
    INSERT INTO rendelma (rendelesazon, rendeles, datum, muszak, asztal, pincer, cikkazon, db, ar,
                          fizetve, torolve, storno, megjegyzes, nyomtatva, konyvelve, rogzitve)
      VALUES (vtortenet + 1, 0, vnap, vmuszak, pasztal, vpincer, pcikkazon, pdb, par,
              'N', 'N', 0, pmegjegyzes, 'N', 'N', NOW());
  ELSE
    INSERT INTO rendelma (rendeles, datum, muszak, asztal, pincer, cikkazon, db, ar,
                          fizetve, torolve, storno, megjegyzes, nyomtatva, konyvelve, rogzitve)
      VALUES (0, vnap, vmuszak, pasztal, vpincer, pcikkazon, pdb, par,
              'N', 'N', 0, pmegjegyzes, 'N', 'N', NOW());
  END IF;
END$$
DELIMITER ;


-- Removes the open lines of one item (the discount or the service-charge
-- item) from the open bill of a service point, before a new one is written.
-- The lines are deleted, not voided: they are computed lines, not sales.
-- Lines of other items, voided lines and settled bills stay.
DROP PROCEDURE IF EXISTS sp_kedvtorol;
DELIMITER $$
CREATE PROCEDURE sp_kedvtorol(
  IN pasztal INT,
  IN pcikkazon INT)
BEGIN
  DELETE FROM rendelma
   WHERE asztal = pasztal AND cikkazon = pcikkazon
     AND fizetve = 'N' AND torolve = 'N';
END$$
DELIMITER ;


-- Recomputes asztal.foglalt: 'I' exactly for the service points that have
-- open lines.
DROP PROCEDURE IF EXISTS sp_setfoglalt;
DELIMITER $$
CREATE PROCEDURE sp_setfoglalt()
BEGIN
  UPDATE asztal a
     SET a.foglalt = IF(EXISTS (SELECT 1 FROM rendelma r
                                 WHERE r.asztal = a.asztal
                                   AND r.fizetve = 'N' AND r.torolve = 'N'), 'I', 'N');
END$$
DELIMITER ;


-- Marks every line of the service point not yet sent to the work-station
-- printers as sent.
DROP PROCEDURE IF EXISTS sp_rnyomupd;
DELIMITER $$
CREATE PROCEDURE sp_rnyomupd(
  IN pasztal INT)
BEGIN
  UPDATE rendelma SET nyomtatva = 'I'
   WHERE asztal = pasztal AND nyomtatva = 'N';
END$$
DELIMITER ;


-- The open lines of the service point not yet sent to the work-station
-- printers, oldest first, with the item's four printer assignments ('0' for
-- none; a line without an item is assigned nowhere).
DROP PROCEDURE IF EXISTS sp_rnyom;
DELIMITER $$
CREATE PROCEDURE sp_rnyom(
  IN pasztal INT)
BEGIN
  SELECT
    r.rendelesazon,
    r.asztal,
    c.cikkszam,
    COALESCE(c.cikkszam_nev, '') AS cikkszam_nev,
    r.db,
    COALESCE(r.megjegyzes, '') AS megjegyzes,
    COALESCE(c.port1, '0') AS port1,
    COALESCE(c.port2, '0') AS port2,
    COALESCE(c.port3, '0') AS port3,
    COALESCE(c.port4, '0') AS port4
  FROM rendelma r
    LEFT OUTER JOIN cikkszam c ON (r.cikkazon = c.cikkazon)
  WHERE r.asztal = pasztal AND r.nyomtatva = 'N'
    AND r.fizetve = 'N' AND r.torolve = 'N'
  ORDER BY r.rendelesazon;
END$$
DELIMITER ;


-- The unsent open lines of the service point that one printer (1 to 4)
-- prints: those whose item names that printer in any of its four
-- assignments. Any other printer number gives no rows. The quantity is
-- rounded to a whole number for the ticket.
DROP PROCEDURE IF EXISTS sp_rnyom2;
DELIMITER $$
CREATE PROCEDURE sp_rnyom2(
  IN pasztal INT,
  IN pport INT)
BEGIN
  DECLARE vport CHAR(1) CHARACTER SET latin2 COLLATE latin2_hungarian_ci DEFAULT '-';
  IF pport BETWEEN 1 AND 4 THEN
    SET vport = CAST(pport AS CHAR);
  END IF;
  SELECT
    a.asztal_nev,
    c.cikkszam,
    c.cikkszam_nev,
    COALESCE(r.megjegyzes, '') AS megjegyzes,
    CAST(ROUND(r.db) AS SIGNED) AS db,
    r.rendelesazon
  FROM rendelma r
    INNER JOIN cikkszam c ON (r.cikkazon = c.cikkazon)
    LEFT OUTER JOIN asztal a ON (r.asztal = a.asztal)
  WHERE r.asztal = pasztal AND r.nyomtatva = 'N'
    AND r.fizetve = 'N' AND r.torolve = 'N'
    AND vport IN (c.port1, c.port2, c.port3, c.port4)
  ORDER BY r.rendelesazon;
END$$
DELIMITER ;


-- The number the next settled bill gets: one over the bill numbers of today
-- (rendelma) and of the history (rendeles). sp_fizet numbers by it, and the
-- receipt of a bill not yet settled shows it.
DROP FUNCTION IF EXISTS fn_kovrendeles;
DELIMITER $$
CREATE FUNCTION fn_kovrendeles()
RETURNS INT
READS SQL DATA
BEGIN
  RETURN GREATEST((SELECT COALESCE(MAX(rendeles), 0) FROM rendelma),
                  (SELECT COALESCE(MAX(rendeles), 0) FROM rendeles)) + 1;
END$$
DELIMITER ;


-- Settles the open bill of a service point: its open, not voided lines get
-- one new bill number and fizetve 'I'; voided lines take no part. The number
-- is fn_kovrendeles(), the next one over the bill numbers of today
-- (rendelma) and of the history (rendeles), so bill numbers never repeat across days and the
-- latest bill always has the largest number. The service point's occupied
-- flag becomes pfoglalt ('N': left free).
--
-- Result, one row: rendeles (the new number; 0 and nothing numbered when the
-- bill was empty), osszar (the bill total) and asztal_nev.
DROP PROCEDURE IF EXISTS sp_fizet;
DELIMITER $$
CREATE PROCEDURE sp_fizet(
  IN pasztal INT,
  IN pfoglalt VARCHAR(10) CHARACTER SET latin2 COLLATE latin2_hungarian_ci)
BEGIN
  DECLARE vtranz INT DEFAULT 0;
  DECLARE vdarab INT DEFAULT 0;
  DECLARE vuj INT DEFAULT 0;
  DECLARE vma INT DEFAULT 0;
  DECLARE vtort INT DEFAULT 0;
  DECLARE vossz DOUBLE DEFAULT 0;
  DECLARE vnev VARCHAR(20) CHARACTER SET latin2 COLLATE latin2_hungarian_ci DEFAULT NULL;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION
  BEGIN
    IF vtranz = 1 THEN
      ROLLBACK;
    END IF;
    RESIGNAL;
  END;

  IF @@autocommit = 1 THEN
    START TRANSACTION;
    SET vtranz = 1;
  END IF;
  SELECT COUNT(*), COALESCE(SUM(db * ar), 0) INTO vdarab, vossz
    FROM rendelma
   WHERE asztal = pasztal AND fizetve = 'N' AND torolve = 'N'
     FOR UPDATE;
  IF vdarab > 0 THEN
    -- The number fn_kovrendeles() shows on an open bill, read here with
    -- locking reads of the largest numbers: a settlement at another
    -- workstation waits here until this one ends and then reads the number
    -- taken, so two bills never share a number. (A plain read would see the
    -- transaction's snapshot and hand out the same number twice.)
    SELECT rendeles INTO vma FROM rendelma ORDER BY rendeles DESC LIMIT 1 FOR UPDATE;
    SELECT rendeles INTO vtort FROM rendeles ORDER BY rendeles DESC LIMIT 1 FOR UPDATE;
    SET vuj = GREATEST(COALESCE(vma, 0), COALESCE(vtort, 0)) + 1;
    UPDATE rendelma SET rendeles = vuj, fizetve = 'I'
     WHERE asztal = pasztal AND fizetve = 'N' AND torolve = 'N';
  END IF;
  UPDATE asztal SET foglalt = IF(pfoglalt = 'I', 'I', 'N') WHERE asztal = pasztal;
  SET vnev = (SELECT asztal_nev FROM asztal WHERE asztal = pasztal);
  IF vtranz = 1 THEN
    COMMIT;
  END IF;
  SET vtranz = 0;

  SELECT vuj AS rendeles, vossz AS osszar, vnev AS asztal_nev;
END$$
DELIMITER ;


-- Debits the stock holders through the recipes of the service point's open,
-- not voided lines: each holder loses the sum of line quantity x recipe
-- quantity. Only holders whose stock is tracked (kelldb 'I') change. Each
-- line is posted once (konyvelve 'I'), so running it again after a failed
-- settlement debits only lines added since; a posted line voided in the
-- meantime is credited back. Must run while the lines are still open,
-- before sp_fizet.
DROP PROCEDURE IF EXISTS sp_keszletkonyvel;
DELIMITER $$
CREATE PROCEDURE sp_keszletkonyvel(
  IN pasztal INT)
BEGIN
  DECLARE vtranz INT DEFAULT 0;
  DECLARE vdarab INT DEFAULT 0;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION
  BEGIN
    IF vtranz = 1 THEN
      ROLLBACK;
    END IF;
    RESIGNAL;
  END;

  IF @@autocommit = 1 THEN
    START TRANSACTION;
    SET vtranz = 1;
  END IF;
  SELECT COUNT(*) INTO vdarab
    FROM rendelma
   WHERE asztal = pasztal AND fizetve = 'N'
     AND ((torolve = 'N' AND konyvelve = 'N') OR (torolve = 'I' AND konyvelve = 'I'))
     FOR UPDATE;
  IF vdarab > 0 THEN
    UPDATE gyujto g
      INNER JOIN (SELECT cg.gyujto, SUM(r.db * cg.db) AS fogy
                    FROM rendelma r
                    INNER JOIN cikkgyujto cg ON (cg.cikkazon = r.cikkazon)
                   WHERE r.asztal = pasztal AND r.fizetve = 'N' AND r.torolve = 'I'
                     AND r.konyvelve = 'I'
                   GROUP BY cg.gyujto) f ON (f.gyujto = g.gyujto)
       SET g.db = g.db + f.fogy
     WHERE g.kelldb = 'I';
    UPDATE rendelma SET konyvelve = 'N'
     WHERE asztal = pasztal AND fizetve = 'N' AND torolve = 'I' AND konyvelve = 'I';
    UPDATE gyujto g
      INNER JOIN (SELECT cg.gyujto, SUM(r.db * cg.db) AS fogy
                    FROM rendelma r
                    INNER JOIN cikkgyujto cg ON (cg.cikkazon = r.cikkazon)
                   WHERE r.asztal = pasztal AND r.fizetve = 'N' AND r.torolve = 'N'
                     AND r.konyvelve = 'N'
                   GROUP BY cg.gyujto) f ON (f.gyujto = g.gyujto)
       SET g.db = g.db - f.fogy
     WHERE g.kelldb = 'I';
    UPDATE rendelma SET konyvelve = 'I'
     WHERE asztal = pasztal AND fizetve = 'N' AND torolve = 'N' AND konyvelve = 'N';
  END IF;
  IF vtranz = 1 THEN
    COMMIT;
  END IF;
END$$
DELIMITER ;


-- Appends a cash-desk entry: kind (a cassatip), service point (-1 for
-- deposits and withdrawals), signed amount (withdrawals come negative), text.
-- Date: the business day of the open shift, today when none is open; time:
-- now. The balances chain: nyito is the zaro of the previous entry (0 for
-- the first) and zaro = nyito + amount. The waiter is the one assigned to
-- the service point.
DROP PROCEDURE IF EXISTS sp_cassaad;
DELIMITER $$
CREATE PROCEDURE sp_cassaad(
  IN ptip VARCHAR(10) CHARACTER SET latin2 COLLATE latin2_hungarian_ci,
  IN pasztal INT,
  IN posszeg DOUBLE,
  IN pszoveg VARCHAR(1000) CHARACTER SET latin2 COLLATE latin2_hungarian_ci)
BEGIN
  DECLARE vtranz INT DEFAULT 0;
  DECLARE vnyito DOUBLE DEFAULT 0;
  DECLARE vnap DATE DEFAULT NULL;
  DECLARE vpincer INT DEFAULT 0;
  DECLARE vtip CHAR(1) CHARACTER SET latin2 COLLATE latin2_hungarian_ci DEFAULT NULL;
  DECLARE CONTINUE HANDLER FOR NOT FOUND SET vnyito = 0;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION
  BEGIN
    IF vtranz = 1 THEN
      ROLLBACK;
    END IF;
    RESIGNAL;
  END;

  -- the kind as the cassatip table spells it ('f' is taken as 'F')
  SET vtip = (SELECT cassatip FROM cassatip WHERE cassatip = ptip LIMIT 1);
  IF vtip IS NULL THEN
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'Ismeretlen pénzmozgás típus.';
  END IF;
  IF CHAR_LENGTH(pszoveg) > 50 THEN
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'A kassza szövege legfeljebb 50 karakter lehet.';
  END IF;
  IF posszeg IS NULL THEN
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'Hiányzó összeg.';
  END IF;

  SET vnap = COALESCE((SELECT nap FROM naplezar WHERE lezarva = 'N' ORDER BY nap, muszak LIMIT 1),
                      CURDATE());
  SET vpincer = COALESCE((SELECT pincer FROM asztal WHERE asztal = pasztal), 0);

  IF @@autocommit = 1 THEN
    START TRANSACTION;
    SET vtranz = 1;
  END IF;
  -- the lock on the last entry keeps two entries from taking one balance
  SELECT zaro INTO vnyito FROM cassa ORDER BY cassa DESC LIMIT 1 FOR UPDATE;
  INSERT INTO cassa (cassatip, datum, ido, pincer, asztal, osszeg, nyito, zaro, szoveg, rogzitve)
    VALUES (vtip, vnap, CURTIME(), vpincer, pasztal, posszeg, COALESCE(vnyito, 0),
            COALESCE(vnyito, 0) + posszeg, pszoveg, NOW());
  IF vtranz = 1 THEN
    COMMIT;
  END IF;
END$$
DELIMITER ;


-- A customer debt entry: bill number (-1 for none), kind, customer, text
-- (the receipt of the bill, or the repayment text), amount.
--   P  a bill taken on credit: the ledger row holds +amount, the debt grows;
--   M  a repayment: the ledger row holds -amount, the debt falls; the money
--      taken is also entered in the cash desk as kind 'T' ("Hitel
--      törlesztés", service point -1), so the drawer balance stays true.
-- The date is the business day of the open shift, today when none is open.
-- Unknown kinds and customers are refused.
DROP PROCEDURE IF EXISTS sp_hitelad;
DELIMITER $$
CREATE PROCEDURE sp_hitelad(
  IN prendeles INT,
  IN ptip VARCHAR(10) CHARACTER SET latin2 COLLATE latin2_hungarian_ci,
  IN pugyfel INT,
  IN pszoveg MEDIUMTEXT CHARACTER SET latin2 COLLATE latin2_hungarian_ci,
  IN posszeg DOUBLE)
BEGIN
  DECLARE vtranz INT DEFAULT 0;
  DECLARE vtip CHAR(1) CHARACTER SET latin2 COLLATE latin2_hungarian_ci;
  DECLARE vosszeg DOUBLE;
  DECLARE vnap DATE DEFAULT NULL;
  DECLARE vnyito DOUBLE DEFAULT 0;
  DECLARE vnev VARCHAR(25) CHARACTER SET latin2 COLLATE latin2_hungarian_ci DEFAULT NULL;
  DECLARE CONTINUE HANDLER FOR NOT FOUND SET vnyito = 0;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION
  BEGIN
    IF vtranz = 1 THEN
      ROLLBACK;
    END IF;
    RESIGNAL;
  END;

  SET vtip = UPPER(LEFT(ptip, 1));
  IF CHAR_LENGTH(ptip) <> 1 OR vtip NOT IN ('P', 'M') THEN
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'Ismeretlen hiteltípus (P vagy M lehet).';
  END IF;
  IF NOT EXISTS (SELECT 1 FROM ugyfel WHERE ugyfel = pugyfel) THEN
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'Nincs ilyen ügyfél.';
  END IF;
  IF CHAR_LENGTH(pszoveg) > 65535 THEN
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'A szöveg túl hosszú.';
  END IF;
  IF posszeg IS NULL THEN
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'Hiányzó összeg.';
  END IF;

  SET vosszeg = IF(vtip = 'P', posszeg, -posszeg);
  SET vnap = COALESCE((SELECT nap FROM naplezar WHERE lezarva = 'N' ORDER BY nap, muszak LIMIT 1),
                      CURDATE());

  IF @@autocommit = 1 THEN
    START TRANSACTION;
    SET vtranz = 1;
  END IF;
  SELECT ugyfel_nev INTO vnev FROM ugyfel WHERE ugyfel = pugyfel FOR UPDATE;
  INSERT INTO ugyfel_ados (ugyfel, hiteltip, datum, blokk, osszeg, rendeles)
    VALUES (pugyfel, vtip, vnap, pszoveg, vosszeg, COALESCE(prendeles, -1));
  UPDATE ugyfel SET osszeg = osszeg + vosszeg WHERE ugyfel = pugyfel;
  IF vtip = 'M' THEN
    SELECT zaro INTO vnyito FROM cassa ORDER BY cassa DESC LIMIT 1 FOR UPDATE;
    INSERT INTO cassa (cassatip, datum, ido, pincer, asztal, osszeg, nyito, zaro, szoveg, rogzitve)
      VALUES ('T', vnap, CURTIME(), 0, -1, posszeg, COALESCE(vnyito, 0),
              COALESCE(vnyito, 0) + posszeg,
              LEFT(CONCAT(COALESCE(NULLIF(pszoveg, ''),
                                   CONVERT('Törlesztés' USING latin2) COLLATE latin2_hungarian_ci),
                          ': ', COALESCE(vnev, '')), 50),
              NOW());
  END IF;
  IF vtranz = 1 THEN
    COMMIT;
  END IF;
END$$
DELIMITER ;


-- Moves the open, not voided lines of bill prendeles (0: the open bill) from
-- one service point to another; onto an occupied point they merge into its
-- open bill. Lines keep their sent-to-printer state, so nothing is printed
-- twice. Both points' occupied flags are recomputed. The target must exist;
-- moving a bill onto its own service point changes nothing.
DROP PROCEDURE IF EXISTS sp_atul;
DELIMITER $$
CREATE PROCEDURE sp_atul(
  IN prendeles INT,
  IN pforras INT,
  IN pcel INT)
BEGIN
  DECLARE vtranz INT DEFAULT 0;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION
  BEGIN
    IF vtranz = 1 THEN
      ROLLBACK;
    END IF;
    RESIGNAL;
  END;

  IF NOT EXISTS (SELECT 1 FROM asztal WHERE asztal = pcel) THEN
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'Nincs ilyen fodrász.';
  END IF;

  IF pforras <> pcel THEN
    IF @@autocommit = 1 THEN
      START TRANSACTION;
      SET vtranz = 1;
    END IF;
    UPDATE rendelma SET asztal = pcel
     WHERE asztal = pforras AND rendeles = prendeles
       AND fizetve = 'N' AND torolve = 'N';
    UPDATE asztal a
       SET a.foglalt = IF(EXISTS (SELECT 1 FROM rendelma r
                                   WHERE r.asztal = a.asztal
                                     AND r.fizetve = 'N' AND r.torolve = 'N'), 'I', 'N')
     WHERE a.asztal IN (pforras, pcel);
    IF vtranz = 1 THEN
      COMMIT;
    END IF;
  END IF;
END$$
DELIMITER ;


-- Credits bonus to a customer: ugyfel.bonusz grows by the amount and a
-- bonusz row records it (osszeg_be) with the balance after it. An amount of
-- 0 records nothing; a negative amount or an unknown customer is refused.
DROP PROCEDURE IF EXISTS sp_bonuszba;
DELIMITER $$
CREATE PROCEDURE sp_bonuszba(
  IN pugyfel INT,
  IN posszeg DOUBLE)
BEGIN
  DECLARE vtranz INT DEFAULT 0;
  DECLARE vegyenleg DOUBLE DEFAULT NULL;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION
  BEGIN
    IF vtranz = 1 THEN
      ROLLBACK;
    END IF;
    RESIGNAL;
  END;

  IF posszeg IS NULL OR posszeg < 0 THEN
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'A bónusz összege nem lehet negatív.';
  END IF;
  IF NOT EXISTS (SELECT 1 FROM ugyfel WHERE ugyfel = pugyfel) THEN
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'Nincs ilyen ügyfél.';
  END IF;

  IF posszeg > 0 THEN
    IF @@autocommit = 1 THEN
      START TRANSACTION;
      SET vtranz = 1;
    END IF;
    UPDATE ugyfel SET bonusz = bonusz + posszeg WHERE ugyfel = pugyfel;
    SET vegyenleg = (SELECT bonusz FROM ugyfel WHERE ugyfel = pugyfel);
    INSERT INTO bonusz (ugyfel, osszeg_be, osszeg_ki, egyenleg, rogzitve)
      VALUES (pugyfel, posszeg, 0, vegyenleg, NOW());
    IF vtranz = 1 THEN
      COMMIT;
    END IF;
  END IF;
END$$
DELIMITER ;


-- Spends bonus of a customer: ugyfel.bonusz falls by the amount and a bonusz
-- row records it (osszeg_ki) with the balance after it. More than the
-- balance is refused (the balance never goes below 0); an amount of 0
-- records nothing. The bonus line of the bill is written by the caller
-- through sp_rendelsor.
DROP PROCEDURE IF EXISTS sp_bonuszbol;
DELIMITER $$
CREATE PROCEDURE sp_bonuszbol(
  IN pugyfel INT,
  IN posszeg DOUBLE)
BEGIN
  DECLARE vtranz INT DEFAULT 0;
  DECLARE vegyenleg DOUBLE DEFAULT NULL;
  DECLARE vuzenet VARCHAR(200) CHARACTER SET utf8mb4;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION
  BEGIN
    IF vtranz = 1 THEN
      ROLLBACK;
    END IF;
    RESIGNAL;
  END;

  IF posszeg IS NULL OR posszeg < 0 THEN
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'A bónusz összege nem lehet negatív.';
  END IF;
  IF NOT EXISTS (SELECT 1 FROM ugyfel WHERE ugyfel = pugyfel) THEN
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'Nincs ilyen ügyfél.';
  END IF;

  IF posszeg > 0 THEN
    IF @@autocommit = 1 THEN
      START TRANSACTION;
      SET vtranz = 1;
    END IF;
    SELECT bonusz INTO vegyenleg FROM ugyfel WHERE ugyfel = pugyfel FOR UPDATE;
    -- a float balance may miss the amount by a rounding error
    IF posszeg > vegyenleg + 0.000001 THEN
      SET vuzenet = CONCAT('Nincs elég bónusz (egyenleg: ', ROUND(vegyenleg, 2), ').');
      SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = vuzenet;
    END IF;
    SET vegyenleg = GREATEST(vegyenleg - posszeg, 0);
    UPDATE ugyfel SET bonusz = vegyenleg WHERE ugyfel = pugyfel;
    INSERT INTO bonusz (ugyfel, osszeg_be, osszeg_ki, egyenleg, rogzitve)
      VALUES (pugyfel, 0, posszeg, vegyenleg, NOW());
    IF vtranz = 1 THEN
      COMMIT;
    END IF;
  END IF;
END$$
DELIMITER ;


-- Closes a business day and shift: its lines (settled and voided ones
-- alike) move from rendelma to the history table rendeles, and naplezar
-- marks the shift closed (a missing row is created closed). A shift with an
-- open bill is refused: its lines would otherwise leave the point of sale
-- unpaid. Closing a closed shift again changes nothing.
DROP PROCEDURE IF EXISTS sp_napzar;
DELIMITER $$
CREATE PROCEDURE sp_napzar(
  IN pnap DATE,
  IN pmuszak INT)
BEGIN
  DECLARE vtranz INT DEFAULT 0;
  DECLARE vnyitott INT DEFAULT 0;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION
  BEGIN
    IF vtranz = 1 THEN
      ROLLBACK;
    END IF;
    RESIGNAL;
  END;

  IF pnap IS NULL OR pmuszak IS NULL THEN
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'Hiányzó nap vagy műszak.';
  END IF;

  IF @@autocommit = 1 THEN
    START TRANSACTION;
    SET vtranz = 1;
  END IF;
  SELECT COUNT(*) INTO vnyitott
    FROM rendelma
   WHERE datum = pnap AND muszak = pmuszak AND fizetve = 'N' AND torolve = 'N'
     FOR UPDATE;
  IF vnyitott > 0 THEN
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'Van még kifizetetlen rendelés. Zárás sikertelen.';
  END IF;
  INSERT INTO rendeles (rendelesazon, rendeles, datum, muszak, asztal, pincer, cikkazon, db, ar,
                        fizetve, torolve, storno, megjegyzes, nyomtatva, konyvelve, rogzitve)
    SELECT rendelesazon, rendeles, datum, muszak, asztal, pincer, cikkazon, db, ar,
           fizetve, torolve, storno, megjegyzes, nyomtatva, konyvelve, rogzitve
      FROM rendelma
     WHERE datum = pnap AND muszak = pmuszak
     ORDER BY rendelesazon;
  DELETE FROM rendelma WHERE datum = pnap AND muszak = pmuszak;
  INSERT INTO naplezar (nap, muszak, lezarva) VALUES (pnap, pmuszak, 'I')
    ON DUPLICATE KEY UPDATE lezarva = 'I';
  IF vtranz = 1 THEN
    COMMIT;
  END IF;
END$$
DELIMITER ;


-- Purges data older than the date (strictly before it): the order-line
-- history (rendeles), reservations, the login log and the closed shifts of
-- naplezar (a missing shift counts as closed, so the reports still refuse
-- nothing). Cash-desk entries, debts, bonus and stock documents are records
-- of money and goods and stay. A date later than today is refused, since it
-- would delete coming reservations.
DROP PROCEDURE IF EXISTS sp_torol;
DELIMITER $$
CREATE PROCEDURE sp_torol(
  IN pdatum DATE)
BEGIN
  DECLARE vtranz INT DEFAULT 0;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION
  BEGIN
    IF vtranz = 1 THEN
      ROLLBACK;
    END IF;
    RESIGNAL;
  END;

  IF pdatum IS NULL THEN
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'Hiányzó dátum.';
  END IF;
  IF pdatum > CURDATE() THEN
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'A dátum nem lehet későbbi a mai napnál.';
  END IF;

  IF @@autocommit = 1 THEN
    START TRANSACTION;
    SET vtranz = 1;
  END IF;
  DELETE FROM rendeles WHERE datum < pdatum;
  DELETE FROM elojegyzes WHERE datum < pdatum;
  DELETE FROM naplo WHERE datum < pdatum;
  DELETE FROM naplezar WHERE nap < pdatum AND lezarva = 'I';
  IF vtranz = 1 THEN
    COMMIT;
  END IF;
END$$
DELIMITER ;


-- Books a reservation: one elojegyzes row per half-hour slot from pora on,
-- pdb slots, all sharing one new azon (the largest so far plus one, so
-- consecutive bookings differ in colour).
--   * A booking that would run past 23:30 ends with the day's last slot.
--   * A booking that would overlap another booking of the same service point
--     and day is refused as a whole ("Foglalt időpont: hh:mm", the first
--     taken slot), so bookings never share a slot.
--   * Less than one slot, a slot outside 0..47, an unknown service point or
--     a text longer than its column is refused.
-- The rows are written in slot order. Result, one row: elojegyzes (the key
-- of the booking's last row) and azon (the booking identifier); the program
-- takes its new booking from here, never as the largest key, which may be
-- another workstation's booking made at the same moment.
DROP PROCEDURE IF EXISTS sp_ujelojegyzes;
DELIMITER $$
CREATE PROCEDURE sp_ujelojegyzes(
  IN pasztal INT,
  IN pdatum DATE,
  IN pora INT,
  IN pdb INT,
  IN pszoveg VARCHAR(1000) CHARACTER SET latin2 COLLATE latin2_hungarian_ci,
  IN pnev VARCHAR(1000) CHARACTER SET latin2 COLLATE latin2_hungarian_ci)
BEGIN
  DECLARE vtranz INT DEFAULT 0;
  DECLARE vutolso INT;
  DECLARE vora INT;
  DECLARE vfoglalt INT DEFAULT NULL;
  DECLARE vazon INT;
  DECLARE vkulcs INT DEFAULT 0;
  DECLARE vuzenet VARCHAR(200) CHARACTER SET utf8mb4;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION
  BEGIN
    IF vtranz = 1 THEN
      ROLLBACK;
    END IF;
    RESIGNAL;
  END;

  IF pdatum IS NULL THEN
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'Hiányzó dátum.';
  END IF;
  IF pora IS NULL OR pora < 0 OR pora > 47 THEN
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'Hibás időpont.';
  END IF;
  IF pdb IS NULL OR pdb < 1 THEN
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'Az előjegyzés legalább fél óra hosszú.';
  END IF;
  IF CHAR_LENGTH(pszoveg) > 50 OR CHAR_LENGTH(pnev) > 50 THEN
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'A szöveg és a név legfeljebb 50 karakter lehet.';
  END IF;
  IF NOT EXISTS (SELECT 1 FROM asztal WHERE asztal = pasztal) THEN
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'Nincs ilyen fodrász.';
  END IF;

  SET vutolso = LEAST(pora + pdb - 1, 47);

  IF @@autocommit = 1 THEN
    START TRANSACTION;
    SET vtranz = 1;
  END IF;
  -- The identifier first: this locking read of the largest one queues the
  -- bookings of several workstations behind one another before they lock
  -- slots. Two bookings at once may still deadlock on the slot index; the
  -- program runs the call again then.
  SELECT azon INTO vazon FROM elojegyzes ORDER BY azon DESC LIMIT 1 FOR UPDATE;
  SET vazon = COALESCE(vazon, 0) + 1;
  SELECT MIN(ora) INTO vfoglalt
    FROM elojegyzes
   WHERE asztal = pasztal AND datum = pdatum AND ora BETWEEN pora AND vutolso
     FOR UPDATE;
  IF vfoglalt IS NOT NULL THEN
    SET vuzenet = CONCAT('Foglalt időpont: ', LPAD(vfoglalt DIV 2, 2, '0'), ':',
                         IF(vfoglalt MOD 2 = 0, '00', '30'));
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = vuzenet;
  END IF;
  SET vora = pora;
  WHILE vora <= vutolso DO
    INSERT INTO elojegyzes (azon, asztal, datum, ora, szoveg, nev)
      VALUES (vazon, pasztal, pdatum, vora, pszoveg, pnev);
    SET vkulcs = LAST_INSERT_ID();
    SET vora = vora + 1;
  END WHILE;
  IF vtranz = 1 THEN
    COMMIT;
  END IF;
  SET vtranz = 0;

  SELECT vkulcs AS elojegyzes, vazon AS azon;
END$$
DELIMITER ;


-- Translation pairs (nyelv: the original text, nyelv2: its translation) of
-- a language. No language besides the program's own Hungarian (0) is kept,
-- so the result has its two columns and no rows.
DROP PROCEDURE IF EXISTS sp_nyelv;
DELIMITER $$
CREATE PROCEDURE sp_nyelv(
  IN pnyelv INT)
BEGIN
  SELECT
    CAST('' AS CHAR(50) CHARACTER SET latin2) COLLATE latin2_hungarian_ci AS nyelv,
    CAST('' AS CHAR(255) CHARACTER SET latin2) COLLATE latin2_hungarian_ci AS nyelv2
  FROM DUAL
  WHERE 1 = 0;
END$$
DELIMITER ;
