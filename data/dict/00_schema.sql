-- Tables of the dictionary database (DICT/系统词典.db). Schema only: the rows are in the
-- later files of this folder, which the build runs after this one in name order.
--
-- Codes are INTEGER columns: the program compares them as numbers. TRANCODE.类别 is TEXT
-- ("1" to "4"). Within one 类别 the TRANCODE rows are read in insertion order (rowid),
-- which is the field order of the submission text file and the exchange XML, so insert
-- them in that order. Where several rows share a code (设计规模, 储量单位), the first
-- inserted row is the one the look-ups use.

-- Administrative regions: six-digit code; province PP0000, city PPCC00, county PPCCNN.
-- 100000 is the root of the region tree.
CREATE TABLE 行政区代码 (
    代码 INTEGER NOT NULL PRIMARY KEY,
    名称 TEXT
);

-- Minerals: 矿类 is the code of the mineral class (矿类词表.代码); 设计规模 is the unit
-- of the design capacity shown beside the capacity field, e.g. "万吨/年".
CREATE TABLE 矿产代码词表 (
    矿类 INTEGER,
    矿产代码 INTEGER,
    矿产名称 TEXT,
    设计规模 TEXT
);
CREATE INDEX 矿产代码词表_矿产代码 ON 矿产代码词表 (矿产代码);

-- Mineral classes, the top level of the mineral tree.
CREATE TABLE 矿类词表 (
    代码 INTEGER,
    矿类名称 TEXT
);

-- Code lists of the form combos, one run of rows per 类别.
CREATE TABLE 综合词表 (
    类别 INTEGER,
    代码 INTEGER,
    名称 TEXT
);
CREATE INDEX 综合词表_类别_代码 ON 综合词表 (类别, 代码);

-- Field maps of the submission files. 类别 "1": kind 5 (key in 新立); "2": kinds 1-4
-- (keys in 新立, 变更, 延续, 注销); "3": kind 6 (新立); "4": kind 7 (新立).
-- 字段名 is the field name of the editor control, the key columns hold the key of the
-- field in the submission text file (empty: the kind does not carry the field), and
-- 英文名 holds its element name in the exchange XML.
CREATE TABLE TRANCODE (
    类别 TEXT,
    字段名 TEXT,
    英文名 TEXT,
    新立 TEXT,
    变更 TEXT,
    延续 TEXT,
    注销 TEXT
);
CREATE INDEX TRANCODE_类别 ON TRANCODE (类别);

-- Reserve units and scale thresholds, one row per mineral and unit/ore type.
-- 储量单位 holds no blank (a unit list item is "单位 说明", split at the first blank);
-- 说明 names the ore type; SST is the lower bound of the large scale, SSX of the medium
-- scale (NULL when the mineral has none).
CREATE TABLE 储量规模词表 (
    矿产代码 INTEGER,
    储量单位 TEXT,
    说明 TEXT COLLATE NOCASE,
    SST REAL,
    SSX REAL
);
CREATE INDEX 储量规模词表_矿产代码_说明 ON 储量规模词表 (矿产代码, 说明);
