-- Vexlo.F database: tables.
--
-- Every table is InnoDB in latin2 with the Hungarian collation. The script
-- only creates what is missing (CREATE TABLE IF NOT EXISTS), so loading it
-- again over a database leaves the data alone; views and procedures that
-- follow are replaced by their current definitions.
--
-- Keys marked "next" are chosen by the program as MAX()+1; "auto" keys are
-- assigned by the server. A reference column holds 0 for "none". Flags are
-- one character, 'I' yes and 'N' no.

CREATE TABLE IF NOT EXISTS verzio (
  verzio VARCHAR(15) NOT NULL,
  PRIMARY KEY (verzio)
) ENGINE=InnoDB DEFAULT CHARSET=latin2 COLLATE=latin2_hungarian_ci;

-- Service points (hairdressers' chairs).
CREATE TABLE IF NOT EXISTS asztal (
  asztal INT NOT NULL,                         -- next
  asztal_nev VARCHAR(20) DEFAULT NULL,
  pincer INT NOT NULL DEFAULT 0,
  foglalt CHAR(1) NOT NULL DEFAULT 'N',
  kiszallitas CHAR(1) NOT NULL DEFAULT 'N',
  szoba CHAR(1) NOT NULL DEFAULT 'N',
  mostfizet CHAR(1) NOT NULL DEFAULT 'N',
  l INT NOT NULL DEFAULT 0,
  t INT NOT NULL DEFAULT 0,
  w INT NOT NULL DEFAULT 200,
  h INT NOT NULL DEFAULT 100,
  hitelre CHAR(1) NOT NULL DEFAULT 'N',
  ugyfel INT NOT NULL DEFAULT 0,
  arkat INT NOT NULL DEFAULT 1,
  terem INT NOT NULL DEFAULT 0,
  -- seating of the current guest (shown with the seating panel)
  belepo CHAR(1) NOT NULL DEFAULT 'N',
  elmegy DATETIME DEFAULT NULL,
  fo INT NOT NULL DEFAULT 0,
  fo1 INT NOT NULL DEFAULT 0,
  PRIMARY KEY (asztal),
  KEY asztal_nev (asztal_nev)
) ENGINE=InnoDB DEFAULT CHARSET=latin2 COLLATE=latin2_hungarian_ci;

-- Settings: one row.
CREATE TABLE IF NOT EXISTS beallit (
  beallit INT NOT NULL DEFAULT 1,
  blokknyomtat CHAR(1) NOT NULL DEFAULT 'N',
  konyhablokknyomtat CHAR(1) NOT NULL DEFAULT 'N',
  osszeglatszik CHAR(1) NOT NULL DEFAULT 'N',
  vanbeleptetes CHAR(1) NOT NULL DEFAULT 'N',
  vanfigyelmeztetes CHAR(1) NOT NULL DEFAULT 'N',
  elobbnyomkep CHAR(1) NOT NULL DEFAULT 'N',
  csiliviliblokk CHAR(1) NOT NULL DEFAULT 'N',
  keskenyblokk CHAR(1) NOT NULL DEFAULT 'N',
  vanszervizjelszo CHAR(1) NOT NULL DEFAULT 'N',
  vanadossag CHAR(1) NOT NULL DEFAULT 'N',
  vanvaluta CHAR(1) NOT NULL DEFAULT 'N',
  mutatafa CHAR(1) NOT NULL DEFAULT 'N',
  kedvnevhez CHAR(1) NOT NULL DEFAULT 'N',
  pincerkerdez CHAR(1) NOT NULL DEFAULT 'N',
  pincerpin CHAR(1) NOT NULL DEFAULT 'N',
  pincernyom CHAR(1) NOT NULL DEFAULT 'N',
  bonuszcikkazon INT NOT NULL DEFAULT -1,
  kedvsor INT NOT NULL DEFAULT 0,
  szervsor INT NOT NULL DEFAULT 0,
  muszakdb INT NOT NULL DEFAULT 1,
  gombszeles INT NOT NULL DEFAULT 100,
  afa1 DOUBLE NOT NULL DEFAULT 27,
  afa2 DOUBLE NOT NULL DEFAULT 18,
  afa3 DOUBLE NOT NULL DEFAULT 5,
  kisadagar DOUBLE NOT NULL DEFAULT 0,
  szervizjelszo VARCHAR(20) DEFAULT NULL,
  stornojelszo VARCHAR(20) DEFAULT NULL,
  udvozletszoveg VARCHAR(42) DEFAULT NULL,
  udvozletszoveg2 VARCHAR(42) DEFAULT NULL,
  PRIMARY KEY (beallit)
) ENGINE=InnoDB DEFAULT CHARSET=latin2 COLLATE=latin2_hungarian_ci;

-- Item classifications (commission groups).
CREATE TABLE IF NOT EXISTS besorolas (
  besorolas INT NOT NULL,                      -- next
  besorolas_nev VARCHAR(50) DEFAULT NULL,
  PRIMARY KEY (besorolas)
) ENGINE=InnoDB DEFAULT CHARSET=latin2 COLLATE=latin2_hungarian_ci;

-- Customer bonus ledger.
CREATE TABLE IF NOT EXISTS bonusz (
  bonusz INT NOT NULL AUTO_INCREMENT,
  ugyfel INT NOT NULL DEFAULT 0,
  osszeg_be DOUBLE NOT NULL DEFAULT 0,
  osszeg_ki DOUBLE NOT NULL DEFAULT 0,
  egyenleg DOUBLE NOT NULL DEFAULT 0,
  rogzitve DATETIME DEFAULT CURRENT_TIMESTAMP,
  PRIMARY KEY (bonusz),
  KEY ugyfel (ugyfel),
  KEY rogzitve (rogzitve)
) ENGINE=InnoDB DEFAULT CHARSET=latin2 COLLATE=latin2_hungarian_ci;

-- Cash-desk entries.
CREATE TABLE IF NOT EXISTS cassa (
  cassa INT NOT NULL AUTO_INCREMENT,
  cassatip CHAR(1) DEFAULT NULL,
  datum DATE DEFAULT NULL,
  ido TIME DEFAULT NULL,
  pincer INT NOT NULL DEFAULT 0,
  asztal INT NOT NULL DEFAULT 0,
  osszeg DOUBLE NOT NULL DEFAULT 0,
  nyito DOUBLE NOT NULL DEFAULT 0,
  zaro DOUBLE NOT NULL DEFAULT 0,
  szoveg VARCHAR(50) DEFAULT NULL,
  eredetiszoveg VARCHAR(50) DEFAULT NULL,
  rogzitve DATETIME DEFAULT CURRENT_TIMESTAMP,
  PRIMARY KEY (cassa),
  KEY datum (datum)
) ENGINE=InnoDB DEFAULT CHARSET=latin2 COLLATE=latin2_hungarian_ci;

-- Cash-desk entry kinds and the sign of their amounts.
CREATE TABLE IF NOT EXISTS cassatip (
  cassatip CHAR(1) NOT NULL,
  cassatip_nev VARCHAR(25) DEFAULT NULL,
  szorzo INT NOT NULL DEFAULT 1,
  PRIMARY KEY (cassatip)
) ENGINE=InnoDB DEFAULT CHARSET=latin2 COLLATE=latin2_hungarian_ci;

-- Item categories.
CREATE TABLE IF NOT EXISTS cikkat (
  cikkat INT NOT NULL AUTO_INCREMENT,
  cikkat_nev VARCHAR(50) DEFAULT NULL,
  vankedvdb CHAR(1) NOT NULL DEFAULT 'N',
  kedvdb INT NOT NULL DEFAULT 0,
  kedvszaz INT NOT NULL DEFAULT 0,
  PRIMARY KEY (cikkat)
) ENGINE=InnoDB DEFAULT CHARSET=latin2 COLLATE=latin2_hungarian_ci;

-- Recipes: the stock holders one unit of a sale item consumes.
CREATE TABLE IF NOT EXISTS cikkgyujto (
  cikkazon INT NOT NULL,
  gyujto INT NOT NULL,
  db DOUBLE NOT NULL DEFAULT 0,
  PRIMARY KEY (cikkazon, gyujto),
  KEY gyujto (gyujto)
) ENGINE=InnoDB DEFAULT CHARSET=latin2 COLLATE=latin2_hungarian_ci;

-- Sale items: the price list.
CREATE TABLE IF NOT EXISTS cikkszam (
  cikkazon INT NOT NULL,                       -- next
  cikkszam VARCHAR(15) DEFAULT NULL,
  cikkszam_nev VARCHAR(42) DEFAULT NULL,
  mert INT NOT NULL DEFAULT 0,
  ar DOUBLE DEFAULT 0,
  torolve CHAR(1) NOT NULL DEFAULT 'N',
  port1 CHAR(1) NOT NULL DEFAULT '0',
  port2 CHAR(1) NOT NULL DEFAULT '0',
  port3 CHAR(1) NOT NULL DEFAULT '0',
  port4 CHAR(1) NOT NULL DEFAULT '0',
  kategoria VARCHAR(25) DEFAULT NULL,
  pgepgyujto VARCHAR(5) DEFAULT NULL,
  kellar CHAR(1) NOT NULL DEFAULT 'N',
  vankedv CHAR(1) NOT NULL DEFAULT 'I',
  vanszerviz CHAR(1) NOT NULL DEFAULT 'I',
  aktiv CHAR(1) NOT NULL DEFAULT 'I',
  ar2 DOUBLE DEFAULT 0,
  ar3 DOUBLE DEFAULT 0,
  afakulcs DOUBLE NOT NULL DEFAULT 27,
  besorolas INT NOT NULL DEFAULT 0,
  cikkat INT NOT NULL DEFAULT 0,
  szin INT NOT NULL DEFAULT 0,
  gyorsanfogy CHAR(1) NOT NULL DEFAULT 'N',
  ezetel CHAR(1) NOT NULL DEFAULT 'N',
  ezszobadij CHAR(1) NOT NULL DEFAULT 'N',
  szorfelnott CHAR(1) NOT NULL DEFAULT 'N',
  szorgyermek CHAR(1) NOT NULL DEFAULT 'N',
  szornap CHAR(1) NOT NULL DEFAULT 'N',
  ar4 DOUBLE DEFAULT 0,
  borravalo CHAR(1) NOT NULL DEFAULT 'N',
  bekerules DOUBLE DEFAULT 0,
  PRIMARY KEY (cikkazon),
  KEY cikkszam (cikkszam),
  KEY cikkszam_nev (cikkszam_nev),
  KEY cikkat (cikkat),
  KEY besorolas (besorolas)
) ENGINE=InnoDB DEFAULT CHARSET=latin2 COLLATE=latin2_hungarian_ci;

-- Reservations: one row per booked half-hour slot; the rows of one booking
-- share `azon`.
CREATE TABLE IF NOT EXISTS elojegyzes (
  elojegyzes INT NOT NULL AUTO_INCREMENT,
  azon INT NOT NULL DEFAULT 0,
  asztal INT NOT NULL DEFAULT 0,
  datum DATE DEFAULT NULL,
  ora INT NOT NULL DEFAULT 0,
  szoveg VARCHAR(50) DEFAULT NULL,
  nev VARCHAR(50) DEFAULT NULL,
  PRIMARY KEY (elojegyzes),
  KEY asztal_datum (asztal, datum, ora),
  KEY azon (azon)
) ENGINE=InnoDB DEFAULT CHARSET=latin2 COLLATE=latin2_hungarian_ci;

-- Users and their rights.
CREATE TABLE IF NOT EXISTS felhasznalo (
  felhasznalo VARCHAR(20) NOT NULL,
  felhasznalo_nev VARCHAR(20) DEFAULT NULL,
  jelszo VARCHAR(128) DEFAULT NULL,            -- salted hash "pbkdf2$sha256$..."
  rendszergazda CHAR(1) DEFAULT 'N',
  torzsszerkeszt CHAR(1) DEFAULT 'N',
  napzar CHAR(1) DEFAULT 'N',
  nyomtathat CHAR(1) DEFAULT 'N',
  bevetelezes CHAR(1) DEFAULT 'N',
  kasszanez CHAR(1) DEFAULT 'N',
  csakmainyomtat CHAR(1) DEFAULT 'N',
  selejtezes CHAR(1) DEFAULT 'N',
  kiadas CHAR(1) DEFAULT 'N',
  kedvezmenytadhat CHAR(1) DEFAULT 'N',
  pincer INT NOT NULL DEFAULT 0,
  rogzitve DATETIME DEFAULT CURRENT_TIMESTAMP,
  PRIMARY KEY (felhasznalo)
) ENGINE=InnoDB DEFAULT CHARSET=latin2 COLLATE=latin2_hungarian_ci;

-- Databases made before passwords were hashed have a narrower password
-- column: it is widened once and never narrowed (a second load changes
-- nothing).
SET @vexlof_jelszo = IF((SELECT CHARACTER_MAXIMUM_LENGTH FROM information_schema.COLUMNS
                         WHERE TABLE_SCHEMA = DATABASE() AND TABLE_NAME = 'felhasznalo'
                           AND COLUMN_NAME = 'jelszo') < 128,
  'ALTER TABLE felhasznalo MODIFY jelszo VARCHAR(128) DEFAULT NULL', 'DO 0');
PREPARE vexlof_jelszo_bovit FROM @vexlof_jelszo;
EXECUTE vexlof_jelszo_bovit;
DEALLOCATE PREPARE vexlof_jelszo_bovit;

-- Stock holders: raw materials and stocked goods.
CREATE TABLE IF NOT EXISTS gyujto (
  gyujto INT NOT NULL AUTO_INCREMENT,
  gyujto_kod VARCHAR(15) DEFAULT NULL,
  gyujto_nev VARCHAR(42) DEFAULT NULL,
  kategoria INT NOT NULL DEFAULT 0,
  mert INT NOT NULL DEFAULT 0,
  afakulcs DOUBLE NOT NULL DEFAULT 27,
  db DOUBLE NOT NULL DEFAULT 0,
  kelldb CHAR(1) NOT NULL DEFAULT 'I',
  torolve CHAR(1) NOT NULL DEFAULT 'N',
  ar DOUBLE DEFAULT 0,
  ujdb DOUBLE DEFAULT NULL,
  minkeszlet DOUBLE DEFAULT 1,
  rogzitve DATETIME DEFAULT CURRENT_TIMESTAMP,
  PRIMARY KEY (gyujto),
  KEY gyujto_kod (gyujto_kod),
  KEY kategoria (kategoria),
  KEY mert (mert)
) ENGINE=InnoDB DEFAULT CHARSET=latin2 COLLATE=latin2_hungarian_ci;

-- Happy-hour percentages per weekday, item code and hour range.
CREATE TABLE IF NOT EXISTS happy (
  happy INT NOT NULL AUTO_INCREMENT,
  cikkszam VARCHAR(15) DEFAULT NULL,
  hetnapja INT NOT NULL DEFAULT 1,
  oratol INT NOT NULL DEFAULT 0,
  oraig INT NOT NULL DEFAULT 24,
  szazalek DOUBLE NOT NULL DEFAULT 0,
  PRIMARY KEY (happy),
  KEY cikkszam_nap (cikkszam, hetnapja)
) ENGINE=InnoDB DEFAULT CHARSET=latin2 COLLATE=latin2_hungarian_ci;

-- Commission percentages per service point and classification.
CREATE TABLE IF NOT EXISTS jutalek (
  asztal INT NOT NULL,
  besorolas INT NOT NULL,
  szazalek DOUBLE NOT NULL DEFAULT 0,
  PRIMARY KEY (asztal, besorolas)
) ENGINE=InnoDB DEFAULT CHARSET=latin2 COLLATE=latin2_hungarian_ci;

-- Stock holder categories.
CREATE TABLE IF NOT EXISTS kategoria (
  kategoria INT NOT NULL,                      -- next
  kategoria_nev VARCHAR(25) DEFAULT NULL,
  PRIMARY KEY (kategoria)
) ENGINE=InnoDB DEFAULT CHARSET=latin2 COLLATE=latin2_hungarian_ci;

-- Units of measure.
CREATE TABLE IF NOT EXISTS mert (
  mert INT NOT NULL,                           -- next
  mert_nev VARCHAR(20) DEFAULT NULL,
  PRIMARY KEY (mert)
) ENGINE=InnoDB DEFAULT CHARSET=latin2 COLLATE=latin2_hungarian_ci;

-- Stock documents: intake (B), scrapping (S), issue (K).
CREATE TABLE IF NOT EXISTS mozgas (
  mozgas INT NOT NULL AUTO_INCREMENT,
  datum DATE DEFAULT NULL,
  ugyfel VARCHAR(50) DEFAULT NULL,
  konyvelve CHAR(1) NOT NULL DEFAULT 'N',
  storno CHAR(1) NOT NULL DEFAULT 'N',
  prntip CHAR(1) DEFAULT NULL,
  mozgaz INT NOT NULL DEFAULT 0,
  ar DOUBLE NOT NULL DEFAULT 0,
  rogzitve DATETIME DEFAULT CURRENT_TIMESTAMP,
  felhasznalo VARCHAR(20) DEFAULT NULL,
  PRIMARY KEY (mozgas),
  KEY datum (datum),
  KEY prntip (prntip, mozgaz)
) ENGINE=InnoDB DEFAULT CHARSET=latin2 COLLATE=latin2_hungarian_ci;

CREATE TABLE IF NOT EXISTS mozgas_sorok (
  mozgas INT NOT NULL,
  sor INT NOT NULL,
  gyujto INT NOT NULL DEFAULT 0,
  db DOUBLE NOT NULL DEFAULT 0,
  ar DOUBLE NOT NULL DEFAULT 0,
  PRIMARY KEY (mozgas, sor),
  KEY gyujto (gyujto)
) ENGINE=InnoDB DEFAULT CHARSET=latin2 COLLATE=latin2_hungarian_ci;

-- Business days and shifts.
CREATE TABLE IF NOT EXISTS naplezar (
  nap DATE NOT NULL,
  muszak INT NOT NULL,
  lezarva CHAR(1) NOT NULL DEFAULT 'N',
  PRIMARY KEY (nap, muszak),
  KEY lezarva (lezarva)
) ENGINE=InnoDB DEFAULT CHARSET=latin2 COLLATE=latin2_hungarian_ci;

-- Login log. The code column takes a whole user code (20), so that every
-- attempt can be recorded.
CREATE TABLE IF NOT EXISTS naplo (
  Az INT NOT NULL AUTO_INCREMENT,
  datum DATE DEFAULT NULL,
  felhasznalo VARCHAR(20) DEFAULT NULL,
  sikeres CHAR(1) DEFAULT NULL,
  ido TIME DEFAULT NULL,
  PRIMARY KEY (Az),
  KEY datum (datum)
) ENGINE=InnoDB DEFAULT CHARSET=latin2 COLLATE=latin2_hungarian_ci;

-- Action log of administrative actions.
CREATE TABLE IF NOT EXISTS naplozas (
  naplozas INT NOT NULL AUTO_INCREMENT,
  felhasznalo VARCHAR(20) DEFAULT NULL,
  mit VARCHAR(255) DEFAULT NULL,
  rogzitve DATETIME DEFAULT CURRENT_TIMESTAMP,
  PRIMARY KEY (naplozas)
) ENGINE=InnoDB DEFAULT CHARSET=latin2 COLLATE=latin2_hungarian_ci;

-- Half-hour slots 0..47.
CREATE TABLE IF NOT EXISTS ora (
  ora INT NOT NULL,
  PRIMARY KEY (ora)
) ENGINE=InnoDB DEFAULT CHARSET=latin2 COLLATE=latin2_hungarian_ci;

-- Waiters.
CREATE TABLE IF NOT EXISTS pincer (
  pincer INT NOT NULL,
  pincer_nev VARCHAR(20) DEFAULT NULL,
  PRIMARY KEY (pincer)
) ENGINE=InnoDB DEFAULT CHARSET=latin2 COLLATE=latin2_hungarian_ci;

-- Order lines of the business day in progress: open and settled bills until
-- the shift is closed. `nyomtatva` marks the lines already sent to the
-- work-station printers; `konyvelve` the lines whose recipe consumption has
-- been debited from stock, so that a settlement repeated after a failure
-- never debits a line twice.
CREATE TABLE IF NOT EXISTS rendelma (
  rendelesazon INT NOT NULL AUTO_INCREMENT,
  rendeles INT NOT NULL DEFAULT 0,
  datum DATE DEFAULT NULL,
  muszak INT NOT NULL DEFAULT 1,
  asztal INT NOT NULL DEFAULT 0,
  pincer INT NOT NULL DEFAULT 0,
  cikkazon INT NOT NULL DEFAULT 0,
  db DOUBLE NOT NULL DEFAULT 0,
  ar DOUBLE NOT NULL DEFAULT 0,
  fizetve CHAR(1) NOT NULL DEFAULT 'N',
  torolve CHAR(1) NOT NULL DEFAULT 'N',
  storno INT NOT NULL DEFAULT 0,
  megjegyzes VARCHAR(100) DEFAULT NULL,
  nyomtatva CHAR(1) NOT NULL DEFAULT 'N',
  konyvelve CHAR(1) NOT NULL DEFAULT 'N',
  rogzitve DATETIME DEFAULT CURRENT_TIMESTAMP,
  PRIMARY KEY (rendelesazon),
  KEY nyitott (asztal, fizetve, torolve),
  KEY rendeles (rendeles),
  KEY datum_muszak (datum, muszak),
  KEY cikkazon (cikkazon)
) ENGINE=InnoDB DEFAULT CHARSET=latin2 COLLATE=latin2_hungarian_ci;

-- Order-line history of closed business days.
CREATE TABLE IF NOT EXISTS rendeles (
  rendelesazon INT NOT NULL,
  rendeles INT NOT NULL DEFAULT 0,
  datum DATE DEFAULT NULL,
  muszak INT NOT NULL DEFAULT 1,
  asztal INT NOT NULL DEFAULT 0,
  pincer INT NOT NULL DEFAULT 0,
  cikkazon INT NOT NULL DEFAULT 0,
  db DOUBLE NOT NULL DEFAULT 0,
  ar DOUBLE NOT NULL DEFAULT 0,
  fizetve CHAR(1) NOT NULL DEFAULT 'N',
  torolve CHAR(1) NOT NULL DEFAULT 'N',
  storno INT NOT NULL DEFAULT 0,
  megjegyzes VARCHAR(100) DEFAULT NULL,
  nyomtatva CHAR(1) NOT NULL DEFAULT 'N',
  konyvelve CHAR(1) NOT NULL DEFAULT 'N',
  rogzitve DATETIME DEFAULT CURRENT_TIMESTAMP,
  PRIMARY KEY (rendelesazon),
  KEY datum_muszak (datum, muszak),
  KEY rendeles (rendeles),
  KEY asztal (asztal, datum),
  KEY cikkazon (cikkazon, datum)
) ENGINE=InnoDB DEFAULT CHARSET=latin2 COLLATE=latin2_hungarian_ci;

-- Void reasons.
CREATE TABLE IF NOT EXISTS storno (
  storno INT NOT NULL,                         -- typed or next
  storno_nev VARCHAR(50) DEFAULT NULL,
  PRIMARY KEY (storno)
) ENGINE=InnoDB DEFAULT CHARSET=latin2 COLLATE=latin2_hungarian_ci;

-- Rooms.
CREATE TABLE IF NOT EXISTS terem (
  terem INT NOT NULL,
  terem_nev VARCHAR(50) DEFAULT NULL,
  PRIMARY KEY (terem)
) ENGINE=InnoDB DEFAULT CHARSET=latin2 COLLATE=latin2_hungarian_ci;

-- The business's own data: one row.
CREATE TABLE IF NOT EXISTS tulajdonos (
  azon INT NOT NULL DEFAULT 1,
  tulajdonos VARCHAR(100) DEFAULT NULL,
  telefon VARCHAR(25) DEFAULT NULL,
  mobil VARCHAR(25) DEFAULT NULL,
  fax VARCHAR(25) DEFAULT NULL,
  irsz VARCHAR(5) DEFAULT NULL,
  varos VARCHAR(25) DEFAULT NULL,
  cim VARCHAR(50) DEFAULT NULL,
  adoszam VARCHAR(11) DEFAULT NULL,
  bankszamlaszam VARCHAR(24) DEFAULT NULL,
  PRIMARY KEY (azon)
) ENGINE=InnoDB DEFAULT CHARSET=latin2 COLLATE=latin2_hungarian_ci;

-- Customers.
CREATE TABLE IF NOT EXISTS ugyfel (
  ugyfel INT NOT NULL,                         -- next
  ugyfel_nev VARCHAR(25) DEFAULT NULL,
  telefon VARCHAR(25) DEFAULT NULL,
  megjegyzes VARCHAR(512) DEFAULT NULL,
  osszeg DOUBLE NOT NULL DEFAULT 0,
  torolve CHAR(1) NOT NULL DEFAULT 'N',
  kedv DOUBLE NOT NULL DEFAULT 0,
  rogzitve DATETIME DEFAULT CURRENT_TIMESTAMP,
  bonusz DOUBLE NOT NULL DEFAULT 0,
  PRIMARY KEY (ugyfel),
  KEY ugyfel_nev (ugyfel_nev)
) ENGINE=InnoDB DEFAULT CHARSET=latin2 COLLATE=latin2_hungarian_ci;

-- Customer debt ledger: P a bill on credit, M a repayment (stored negated).
CREATE TABLE IF NOT EXISTS ugyfel_ados (
  ugyfel_ados INT NOT NULL AUTO_INCREMENT,
  ugyfel INT NOT NULL DEFAULT 0,
  hiteltip CHAR(1) DEFAULT NULL,
  datum DATE DEFAULT NULL,
  blokk TEXT,
  osszeg DOUBLE NOT NULL DEFAULT 0,
  rendeles INT NOT NULL DEFAULT -1,
  PRIMARY KEY (ugyfel_ados),
  KEY ugyfel_datum (ugyfel, datum),
  KEY datum (datum)
) ENGINE=InnoDB DEFAULT CHARSET=latin2 COLLATE=latin2_hungarian_ci;

-- ---------------------------------------------------------------------------
-- Bookkeeping of the stock procedures (eljarasok_keszlet.sql). The program
-- never names these tables; only the procedures write them.
-- ---------------------------------------------------------------------------

-- Stock count corrections written by sp_keszletmodosit and listed by
-- sp_karton: one row per holder whose counted quantity differed from its
-- stock (old quantity, counted quantity, difference = new - old, user).
CREATE TABLE IF NOT EXISTS karton (
  karton INT NOT NULL AUTO_INCREMENT,
  gyujto INT NOT NULL DEFAULT 0,
  regidb DOUBLE DEFAULT NULL,
  ujdb DOUBLE DEFAULT NULL,
  db DOUBLE NOT NULL DEFAULT 0,
  felhasznalo VARCHAR(20) DEFAULT NULL,
  rogzitve DATETIME DEFAULT CURRENT_TIMESTAMP,
  PRIMARY KEY (karton),
  KEY gyujto (gyujto),
  KEY rogzitve (rogzitve)
) ENGINE=InnoDB DEFAULT CHARSET=latin2 COLLATE=latin2_hungarian_ci;

-- Purchase price changes made by posting an intake (sp_mozgkonyvel): the
-- holder's price before (regiar) and after (ujar). A reversal of the intake
-- (sp_mozgkonyvelstorno) marks its rows `visszavonva` and puts the old price
-- back where the intake's price is still the current one.
CREATE TABLE IF NOT EXISTS arvaltozas (
  arvaltozas INT NOT NULL AUTO_INCREMENT,
  gyujto INT NOT NULL DEFAULT 0,
  mozgas INT NOT NULL DEFAULT 0,
  regiar DOUBLE DEFAULT NULL,
  ujar DOUBLE DEFAULT NULL,
  visszavonva CHAR(1) NOT NULL DEFAULT 'N',
  rogzitve DATETIME DEFAULT CURRENT_TIMESTAMP,
  PRIMARY KEY (arvaltozas),
  KEY gyujto (gyujto),
  KEY mozgas (mozgas)
) ENGINE=InnoDB DEFAULT CHARSET=latin2 COLLATE=latin2_hungarian_ci;
