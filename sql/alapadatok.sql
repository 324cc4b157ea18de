-- Seed rows a new database needs. INSERT IGNORE keeps existing rows, so the
-- script can be loaded again over a database in use.

-- The version is filled in from the build (VEXLOF_VERZIO).
INSERT IGNORE INTO verzio (verzio) VALUES ('@VEXLOF_VERZIO@');

INSERT IGNORE INTO ora (ora) VALUES
  (0),(1),(2),(3),(4),(5),(6),(7),(8),(9),(10),(11),(12),(13),(14),(15),
  (16),(17),(18),(19),(20),(21),(22),(23),(24),(25),(26),(27),(28),(29),(30),(31),
  (32),(33),(34),(35),(36),(37),(38),(39),(40),(41),(42),(43),(44),(45),(46),(47);

-- Settings: one row with the defaults of a new salon. Receipts print as text
-- on the receipt printer; reports open in the preview first; credit handling
-- is on; no discount, service-charge or bonus item is chosen yet; one shift
-- a day; empty void and service-charge passwords (an empty entry matches).
INSERT IGNORE INTO beallit (beallit,
  blokknyomtat, konyhablokknyomtat, osszeglatszik, vanbeleptetes, vanfigyelmeztetes,
  elobbnyomkep, csiliviliblokk, keskenyblokk, vanszervizjelszo, vanadossag, vanvaluta,
  mutatafa, kedvnevhez, pincerkerdez, pincerpin, pincernyom,
  bonuszcikkazon, kedvsor, szervsor, muszakdb, gombszeles,
  afa1, afa2, afa3, kisadagar,
  szervizjelszo, stornojelszo, udvozletszoveg, udvozletszoveg2)
VALUES (1,
  'I', 'N', 'I', 'N', 'N',
  'I', 'N', 'N', 'N', 'I', 'N',
  'N', 'N', 'N', 'N', 'N',
  -1, 0, 0, 1, 100,
  27, 18, 5, 0,
  '', '', 'Köszönjük, hogy nálunk járt!', '');

-- The business's own data: to be filled in by the salon.
INSERT IGNORE INTO tulajdonos (azon, tulajdonos, telefon, mobil, fax, irsz, varos, cim,
  adoszam, bankszamlaszam)
VALUES (1, 'Szalon', '', '', '', '', '', '', '', '');

-- Cash-desk entry kinds and the sign of their amounts. 'T' is written by
-- sp_hitelad when a customer repays a debt in cash.
INSERT IGNORE INTO cassatip (cassatip, cassatip_nev, szorzo) VALUES
  ('F', 'Fizetés', 1),
  ('B', 'Kp berakás', 1),
  ('K', 'Kp kivétel', -1),
  ('T', 'Hitel törlesztés', 1);

-- One waiter (the point of sale records waiter 0, "none", on its lines) and
-- one room.
INSERT IGNORE INTO pincer (pincer, pincer_nev) VALUES (1, 'Recepció');
INSERT IGNORE INTO terem (terem, terem_nev) VALUES (1, 'Szalon');

-- The administrator: every right.
INSERT IGNORE INTO felhasznalo (felhasznalo, felhasznalo_nev, jelszo,
  rendszergazda, torzsszerkeszt, napzar, nyomtathat, bevetelezes, kasszanez,
  csakmainyomtat, selejtezes, kiadas, kedvezmenytadhat, pincer)
VALUES ('rendszergazda', 'Rendszergazda', 'kobzeti',
  'I', 'I', 'I', 'I', 'I', 'I', 'I', 'I', 'I', 'I', 0);
