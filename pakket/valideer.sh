#!/bin/sh
# valideer.sh TOOL DEBIAN_PACKAGE [ARGUMENTS...]: runs TOOL ARGUMENTS, or reports the
# check as skipped (exit 77) when TOOL is not installed.
tool=$1 pakket=$2
shift 2
if ! command -v "$tool" >/dev/null 2>&1; then
  echo "$tool ontbreekt (Debian-pakket $pakket): controle overgeslagen"
  exit 77
fi
exec "$tool" "$@"
