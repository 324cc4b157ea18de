-- Vexlo.F database: stock procedures.
--
-- Stock documents (mozgas, mozgas_sorok: intake B, issue K, scrapping S),
-- the stock count (sp_keszletmodosit) and copying a sale item with its
-- recipe (sp_ujcikkmasikbol).
--
-- Every procedure that changes data runs in its own transaction: an error in
-- any step rolls back every step before it and is raised again to the
-- caller, so a document is never half posted and a count never half
-- applied. Called inside the caller's transaction (autocommit off, as the
-- program's transaction guard sets it) a procedure joins that transaction
-- instead: it neither starts nor commits one, and an error leaves the
-- rollback to the caller, so several calls commit or fail together.
--
-- A procedure that creates a row returns its key as a one-row result.
--
-- Refusals are raised with SQLSTATE 45000 and a Hungarian message that the
-- program shows as it is.
--
-- Text parameters are wider than their columns so that an overlong text is
-- refused with a clear message instead of being cut.


-- A new, unposted stock document of kind B (intake), K (issue) or S
-- (scrapping) with the next serial number (mozgaz) of its kind, today's date,
-- the partner text and the recording user's code. Result, one row: mozgas,
-- the new document's key (never to be found as the largest key: another
-- workstation may create one at the same moment).
DROP PROCEDURE IF EXISTS sp_ujmozgas;
DELIMITER $$
CREATE PROCEDURE sp_ujmozgas(
  IN pprntip VARCHAR(10) CHARACTER SET latin2 COLLATE latin2_hungarian_ci,
  IN pugyfel VARCHAR(1000) CHARACTER SET latin2 COLLATE latin2_hungarian_ci,
  IN pfelhasznalo VARCHAR(1000) CHARACTER SET latin2 COLLATE latin2_hungarian_ci)
BEGIN
  DECLARE vtranz INT DEFAULT 0;
  DECLARE vtip CHAR(1) CHARACTER SET latin2 COLLATE latin2_hungarian_ci;
  DECLARE vmozgaz INT;
  DECLARE vkulcs INT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION
  BEGIN
    IF vtranz = 1 THEN
      ROLLBACK;
    END IF;
    RESIGNAL;
  END;

  SET vtip = UPPER(TRIM(COALESCE(pprntip, '')));
  IF CHAR_LENGTH(TRIM(COALESCE(pprntip, ''))) <> 1 OR vtip NOT IN ('B', 'K', 'S') THEN
    SIGNAL SQLSTATE '45000'
      SET MESSAGE_TEXT = 'Ismeretlen bizonylattípus (B, K vagy S lehet).';
  END IF;
  IF CHAR_LENGTH(pugyfel) > 50 THEN
    SIGNAL SQLSTATE '45000'
      SET MESSAGE_TEXT = 'Az ügyfél neve legfeljebb 50 karakter lehet.';
  END IF;
  IF CHAR_LENGTH(pfelhasznalo) > 20 THEN
    SIGNAL SQLSTATE '45000'
      SET MESSAGE_TEXT = 'A felhasználó kódja legfeljebb 20 karakter lehet.';
  END IF;

  IF @@autocommit = 1 THEN
    START TRANSACTION;
    SET vtranz = 1;
  END IF;
  -- The locking read keeps two workstations from taking the same number.
  SELECT COALESCE(MAX(mozgaz), 0) + 1 INTO vmozgaz
    FROM mozgas WHERE prntip = vtip FOR UPDATE;
  INSERT INTO mozgas (datum, ugyfel, konyvelve, storno, prntip, mozgaz, ar, felhasznalo)
    VALUES (CURDATE(), COALESCE(pugyfel, ''), 'N', 'N', vtip, vmozgaz, 0, pfelhasznalo);
  SET vkulcs = LAST_INSERT_ID();
  IF vtranz = 1 THEN
    COMMIT;
  END IF;
  SET vtranz = 0;

  SELECT vkulcs AS mozgas;
END$$
DELIMITER ;


-- Appends a line (next `sor` of the document) to an unposted document and
-- brings the document total up to date: the total is recomputed from the
-- lines, so it can never drift from them.
DROP PROCEDURE IF EXISTS sp_ujmozgassor;
DELIMITER $$
CREATE PROCEDURE sp_ujmozgassor(
  IN pmozgas INT,
  IN pgyujto INT,
  IN pdb DOUBLE,
  IN par DOUBLE)
BEGIN
  DECLARE vtranz INT DEFAULT 0;
  DECLARE vkonyvelve CHAR(1) CHARACTER SET latin2 COLLATE latin2_hungarian_ci DEFAULT NULL;
  DECLARE vvan INT DEFAULT 0;
  DECLARE vsor INT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION
  BEGIN
    IF vtranz = 1 THEN
      ROLLBACK;
    END IF;
    RESIGNAL;
  END;

  IF pdb IS NULL OR par IS NULL THEN
    SIGNAL SQLSTATE '45000'
      SET MESSAGE_TEXT = 'A mennyiség és az egységár megadása kötelező.';
  END IF;

  IF @@autocommit = 1 THEN
    START TRANSACTION;
    SET vtranz = 1;
  END IF;
  -- Locking the header serialises line changes and posting of one document.
  SELECT konyvelve INTO vkonyvelve FROM mozgas WHERE mozgas = pmozgas FOR UPDATE;
  IF vkonyvelve IS NULL THEN
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'A bizonylat nem létezik.';
  END IF;
  IF vkonyvelve = 'I' THEN
    SIGNAL SQLSTATE '45000'
      SET MESSAGE_TEXT = 'Könyvelt bizonylathoz nem adható új sor.';
  END IF;
  SELECT COUNT(*) INTO vvan FROM gyujto WHERE gyujto = pgyujto;
  IF vvan = 0 THEN
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'A gyűjtő nem létezik.';
  END IF;

  SELECT COALESCE(MAX(sor), 0) + 1 INTO vsor FROM mozgas_sorok WHERE mozgas = pmozgas;
  INSERT INTO mozgas_sorok (mozgas, sor, gyujto, db, ar)
    VALUES (pmozgas, vsor, pgyujto, pdb, par);
  UPDATE mozgas
     SET ar = (SELECT COALESCE(SUM(s.db * s.ar), 0) FROM mozgas_sorok s WHERE s.mozgas = pmozgas)
   WHERE mozgas = pmozgas;
  IF vtranz = 1 THEN
    COMMIT;
  END IF;
END$$
DELIMITER ;


-- Removes one line of an unposted document and brings the total up to date.
-- The other lines keep their numbers; a new line takes the largest plus one.
DROP PROCEDURE IF EXISTS sp_sortorol;
DELIMITER $$
CREATE PROCEDURE sp_sortorol(
  IN pmozgas INT,
  IN psor INT)
BEGIN
  DECLARE vtranz INT DEFAULT 0;
  DECLARE vkonyvelve CHAR(1) CHARACTER SET latin2 COLLATE latin2_hungarian_ci DEFAULT NULL;
  DECLARE vvan INT DEFAULT 0;
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
  SELECT konyvelve INTO vkonyvelve FROM mozgas WHERE mozgas = pmozgas FOR UPDATE;
  IF vkonyvelve IS NULL THEN
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'A bizonylat nem létezik.';
  END IF;
  IF vkonyvelve = 'I' THEN
    SIGNAL SQLSTATE '45000'
      SET MESSAGE_TEXT = 'Könyvelt bizonylat sora nem törölhető.';
  END IF;
  SELECT COUNT(*) INTO vvan FROM mozgas_sorok WHERE mozgas = pmozgas AND sor = psor;
  IF vvan = 0 THEN
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'A bizonylat sora nem található.';
  END IF;

  DELETE FROM mozgas_sorok WHERE mozgas = pmozgas AND sor = psor;
  UPDATE mozgas
     SET ar = (SELECT COALESCE(SUM(s.db * s.ar), 0) FROM mozgas_sorok s WHERE s.mozgas = pmozgas)
   WHERE mozgas = pmozgas;
  IF vtranz = 1 THEN
    COMMIT;
  END IF;
END$$
DELIMITER ;


-- Posts a document to stock. An intake (B) raises, an issue (K) or a
-- scrapping (S) lowers the stock `db` of every line's holder by the line
-- quantity. A document is posted once; an empty document is not posted (it
-- would be frozen with nothing in it).
--
-- Purchase price: an intake makes the unit price of its last line for a
-- holder (lines with a price above 0 only; a free sample leaves the price
-- alone) the holder's purchase price `ar`, the unit cost the recipes use.
-- Every such change is kept in `arvaltozas` with the price it replaced, so a
-- reversal can put that price back. Issues and scrapping leave prices alone.
--
-- The posting is written to the action log (naplozas) under the given user.
DROP PROCEDURE IF EXISTS sp_mozgkonyvel;
DELIMITER $$
CREATE PROCEDURE sp_mozgkonyvel(
  IN pmozgas INT,
  IN pfelhasznalo VARCHAR(1000) CHARACTER SET latin2 COLLATE latin2_hungarian_ci)
BEGIN
  DECLARE vtranz INT DEFAULT 0;
  DECLARE vtip CHAR(1) CHARACTER SET latin2 COLLATE latin2_hungarian_ci DEFAULT NULL;
  DECLARE vkonyvelve CHAR(1) CHARACTER SET latin2 COLLATE latin2_hungarian_ci;
  DECLARE vmozgaz INT;
  DECLARE vdarab INT DEFAULT 0;
  DECLARE vszorzo DOUBLE;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION
  BEGIN
    IF vtranz = 1 THEN
      ROLLBACK;
    END IF;
    RESIGNAL;
  END;

  IF CHAR_LENGTH(pfelhasznalo) > 20 THEN
    SIGNAL SQLSTATE '45000'
      SET MESSAGE_TEXT = 'A felhasználó kódja legfeljebb 20 karakter lehet.';
  END IF;

  IF @@autocommit = 1 THEN
    START TRANSACTION;
    SET vtranz = 1;
  END IF;
  SELECT prntip, konyvelve, mozgaz INTO vtip, vkonyvelve, vmozgaz
    FROM mozgas WHERE mozgas = pmozgas FOR UPDATE;
  IF vtip IS NULL THEN
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'A bizonylat nem létezik.';
  END IF;
  IF vkonyvelve = 'I' THEN
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'A bizonylat már könyvelve lett!';
  END IF;
  SELECT COUNT(*) INTO vdarab FROM mozgas_sorok WHERE mozgas = pmozgas;
  IF vdarab = 0 THEN
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'Üres bizonylat nem könyvelhető.';
  END IF;

  SET vszorzo = IF(vtip = 'B', 1, -1);
  UPDATE gyujto g
    INNER JOIN (SELECT s.gyujto, SUM(s.db) AS db
                  FROM mozgas_sorok s
                 WHERE s.mozgas = pmozgas
                 GROUP BY s.gyujto) l ON (l.gyujto = g.gyujto)
     SET g.db = g.db + vszorzo * l.db;

  IF vtip = 'B' THEN
    INSERT INTO arvaltozas (gyujto, mozgas, regiar, ujar)
      SELECT g.gyujto, pmozgas, g.ar, s.ar
        FROM mozgas_sorok s
        INNER JOIN gyujto g ON (g.gyujto = s.gyujto)
       WHERE s.mozgas = pmozgas
         AND s.ar > 0
         AND s.sor = (SELECT MAX(s2.sor) FROM mozgas_sorok s2
                       WHERE s2.mozgas = pmozgas AND s2.gyujto = s.gyujto AND s2.ar > 0);
    UPDATE gyujto g
      INNER JOIN arvaltozas a ON (a.gyujto = g.gyujto AND a.mozgas = pmozgas)
       SET g.ar = a.ujar;
  END IF;

  UPDATE mozgas SET konyvelve = 'I' WHERE mozgas = pmozgas;
  INSERT INTO naplozas (felhasznalo, mit)
    VALUES (pfelhasznalo, CONCAT('Készletbizonylat könyvelése: ', vtip, LPAD(vmozgaz, 7, '0')));
  IF vtranz = 1 THEN
    COMMIT;
  END IF;
END$$
DELIMITER ;


-- Reverses a posted document: undoes exactly its stock effect (an intake
-- lowers, an issue or scrapping raises the holders' stock again) and marks
-- it `storno`='I'. It stays posted, so it can still be printed. A document
-- is reversed once.
--
-- Purchase prices set by the intake are put back to the price they replaced,
-- but only where this document's price is still the holder's current one:
-- when a later intake or an edit has changed the price since, that newer
-- price stays.
DROP PROCEDURE IF EXISTS sp_mozgkonyvelstorno;
DELIMITER $$
CREATE PROCEDURE sp_mozgkonyvelstorno(
  IN pmozgas INT)
BEGIN
  DECLARE vtranz INT DEFAULT 0;
  DECLARE vtip CHAR(1) CHARACTER SET latin2 COLLATE latin2_hungarian_ci DEFAULT NULL;
  DECLARE vkonyvelve CHAR(1) CHARACTER SET latin2 COLLATE latin2_hungarian_ci;
  DECLARE vstorno CHAR(1) CHARACTER SET latin2 COLLATE latin2_hungarian_ci;
  DECLARE vmozgaz INT;
  DECLARE vszorzo DOUBLE;
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
  SELECT prntip, konyvelve, storno, mozgaz INTO vtip, vkonyvelve, vstorno, vmozgaz
    FROM mozgas WHERE mozgas = pmozgas FOR UPDATE;
  IF vtip IS NULL THEN
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'A bizonylat nem létezik.';
  END IF;
  IF vkonyvelve <> 'I' THEN
    SIGNAL SQLSTATE '45000'
      SET MESSAGE_TEXT = 'Nem könyvelt bizonylat nem sztornózható.';
  END IF;
  IF vstorno = 'I' THEN
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'A bizonylat már sztornózva lett!';
  END IF;

  SET vszorzo = IF(vtip = 'B', 1, -1);
  UPDATE gyujto g
    INNER JOIN (SELECT s.gyujto, SUM(s.db) AS db
                  FROM mozgas_sorok s
                 WHERE s.mozgas = pmozgas
                 GROUP BY s.gyujto) l ON (l.gyujto = g.gyujto)
     SET g.db = g.db - vszorzo * l.db;

  IF vtip = 'B' THEN
    -- Only where this document made the holder's latest price change and the
    -- price is still the one it set.
    UPDATE gyujto g
      INNER JOIN arvaltozas a ON (a.gyujto = g.gyujto AND a.mozgas = pmozgas)
      INNER JOIN (SELECT a2.gyujto, MAX(a2.arvaltozas) AS utolso
                    FROM arvaltozas a2
                   WHERE a2.visszavonva = 'N'
                   GROUP BY a2.gyujto) u ON (u.gyujto = a.gyujto AND u.utolso = a.arvaltozas)
       SET g.ar = a.regiar
     WHERE g.ar = a.ujar;
    UPDATE arvaltozas SET visszavonva = 'I' WHERE mozgas = pmozgas;
  END IF;

  UPDATE mozgas SET storno = 'I' WHERE mozgas = pmozgas;
  INSERT INTO naplozas (felhasznalo, mit)
    VALUES (NULL, CONCAT('Készletbizonylat sztornó: ', vtip, LPAD(vmozgaz, 7, '0')));
  IF vtranz = 1 THEN
    COMMIT;
  END IF;
END$$
DELIMITER ;


-- Applies a stock count: every holder whose counted quantity `ujdb` is set
-- gets it as its new stock `db`. Each real change (counted differs from the
-- computed stock) is recorded in `karton` with the old and new quantity, the
-- difference and the user, for the correction list (sp_karton); a count
-- that confirms the stock leaves no row. The counts are then cleared
-- (`ujdb` = NULL), so a count can never be applied twice, for example after
-- sales have moved the stock on. No stock documents are written for it.
DROP PROCEDURE IF EXISTS sp_keszletmodosit;
DELIMITER $$
CREATE PROCEDURE sp_keszletmodosit(
  IN pfelhasznalo VARCHAR(1000) CHARACTER SET latin2 COLLATE latin2_hungarian_ci)
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

  IF CHAR_LENGTH(pfelhasznalo) > 20 THEN
    SIGNAL SQLSTATE '45000'
      SET MESSAGE_TEXT = 'A felhasználó kódja legfeljebb 20 karakter lehet.';
  END IF;

  IF @@autocommit = 1 THEN
    START TRANSACTION;
    SET vtranz = 1;
  END IF;
  SELECT COUNT(*) INTO vdarab FROM gyujto WHERE ujdb IS NOT NULL FOR UPDATE;
  INSERT INTO karton (gyujto, regidb, ujdb, db, felhasznalo)
    SELECT gyujto, db, ujdb, ujdb - db, pfelhasznalo
      FROM gyujto
     WHERE ujdb IS NOT NULL AND ujdb <> db
     ORDER BY gyujto_kod, gyujto;
  UPDATE gyujto SET db = ujdb, ujdb = NULL WHERE ujdb IS NOT NULL;
  IF vtranz = 1 THEN
    COMMIT;
  END IF;
END$$
DELIMITER ;


-- Copies a sale item under a new code: the new item gets the next
-- `cikkazon` (returned as the one-row result cikkazon), every field of the
-- source with the given code, and the source's recipe. The copy is live even
-- when the source was deleted. The code is stored as given; it may equal
-- another item's code (the copy dialog offers the source's own code).
DROP PROCEDURE IF EXISTS sp_ujcikkmasikbol;
DELIMITER $$
CREATE PROCEDURE sp_ujcikkmasikbol(
  IN pcikkazon INT,
  IN pcikkszam VARCHAR(1000) CHARACTER SET latin2 COLLATE latin2_hungarian_ci)
BEGIN
  DECLARE vtranz INT DEFAULT 0;
  DECLARE vvan INT DEFAULT 0;
  DECLARE vuj INT;
  DECLARE EXIT HANDLER FOR SQLEXCEPTION
  BEGIN
    IF vtranz = 1 THEN
      ROLLBACK;
    END IF;
    RESIGNAL;
  END;

  IF TRIM(COALESCE(pcikkszam, '')) = '' THEN
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'Termék kódjának megadása kötelező.';
  END IF;
  IF CHAR_LENGTH(pcikkszam) > 15 THEN
    SIGNAL SQLSTATE '45000'
      SET MESSAGE_TEXT = 'A cikkszám legfeljebb 15 karakter lehet.';
  END IF;

  IF @@autocommit = 1 THEN
    START TRANSACTION;
    SET vtranz = 1;
  END IF;
  SELECT COUNT(*) INTO vvan FROM cikkszam WHERE cikkazon = pcikkazon;
  IF vvan = 0 THEN
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'A másolandó cikk nem létezik.';
  END IF;
  SELECT COALESCE(MAX(cikkazon), 0) + 1 INTO vuj FROM cikkszam FOR UPDATE;

  INSERT INTO cikkszam (cikkazon, cikkszam, cikkszam_nev, mert, ar, torolve,
                        port1, port2, port3, port4, kategoria, pgepgyujto,
                        kellar, vankedv, vanszerviz, aktiv, ar2, ar3, afakulcs,
                        besorolas, cikkat, szin, gyorsanfogy, ezetel, ezszobadij,
                        szorfelnott, szorgyermek, szornap, ar4, borravalo, bekerules)
    SELECT vuj, pcikkszam, cikkszam_nev, mert, ar, 'N',
           port1, port2, port3, port4, kategoria, pgepgyujto,
           kellar, vankedv, vanszerviz, aktiv, ar2, ar3, afakulcs,
           besorolas, cikkat, szin, gyorsanfogy, ezetel, ezszobadij,
           szorfelnott, szorgyermek, szornap, ar4, borravalo, bekerules
      FROM cikkszam WHERE cikkazon = pcikkazon;
  INSERT INTO cikkgyujto (cikkazon, gyujto, db)
    SELECT vuj, gyujto, db FROM cikkgyujto WHERE cikkazon = pcikkazon;
  IF vtranz = 1 THEN
    COMMIT;
  END IF;
  SET vtranz = 0;

  SELECT vuj AS cikkazon;
END$$
DELIMITER ;
