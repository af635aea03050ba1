#!/bin/sh
# Writes sidereal_reference.tsv: local apparent sidereal time from an independent ephemeris
# program (Debian's swetest, Swiss Ephemeris) for one moment in every year from 1800 to 2200, at
# a spread of times of day and east longitudes. The chart test compares a complete chart's
# sidereal time with these values; neither the build nor the tests run this script.
#
#   apt-get install -y swetest swe-basic-data
#   sh horoscope/tests/data/MaakSterrentijdReferentie.sh > horoscope/tests/data/sidereal_reference.tsv
#
# Columns: year, month, day, hours, minutes, seconds (Gregorian, universal time), east longitude
# in d.mm (degrees.minutes, west negative), the Julian day (UT) swetest computed, and its local
# apparent sidereal time in hours (ARMC / 15, ARMC = Greenwich apparent sidereal time * 15 + the
# longitude).
set -eu
versie=$(swetest -h 2>/dev/null | sed -n 's/^ *Version: *//p' | head -n 1)
echo "# swetest ${versie}: local apparent sidereal time (UT1 input, ARMC / 15)"
printf 'year\tmonth\tday\thour\tminute\tsecond\tlong_dmm\tjd_ut\tlst_h\n'
i=0
while [ "$i" -le 400 ]; do
  jaar=$((1800 + i))
  maand=$((1 + (i * 7) % 12))
  dag=$((1 + (i * 11) % 28))
  uur=$(((i * 5) % 24))
  minuut=$(((i * 17) % 60))
  seconde=$(((i * 29) % 60))
  graden=$(((i * 37) % 360 - 179))
  boogmin=$(((i * 13) % 60))
  # d.mm and decimal degrees of the same longitude, west negative.
  if [ "$graden" -lt 0 ]; then teken=-; abs=$((-graden)); else teken=; abs=$graden; fi
  dmm=$(printf '%s%d.%02d' "$teken" "$abs" "$boogmin")
  decimaal=$(awk -v g="$abs" -v m="$boogmin" -v t="$teken" 'BEGIN { printf "%s%.10f", t, g + m / 60 }')
  uit=$(swetest -b"$dag.$maand.$jaar" -ut"$uur:$minuut:$seconde" -p0 -fPl -house"$decimaal",0,p 2>&1)
  jd=$(printf '%s\n' "$uit" | awk '/^UT:/ { print $2 }')
  armc=$(printf '%s\n' "$uit" | awk '/^ARMC/ { print $2 }')
  lst=$(awk -v a="$armc" 'BEGIN { printf "%.10f", a / 15 }')
  printf '%d\t%d\t%d\t%d\t%d\t%d\t%s\t%s\t%s\n' "$jaar" "$maand" "$dag" "$uur" "$minuut" "$seconde" \
    "$dmm" "$jd" "$lst"
  i=$((i + 1))
done
