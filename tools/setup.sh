#!/usr/bin/env bash
# Installs what the build and the tests need on a Debian machine (run as root).
set -euo pipefail
pacchetti=(build-essential cmake g++ qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev
           libpolyclipping-dev locales python3 python3-ezdxf librecad poppler-utils xvfb xauth
           fonts-liberation2 fontconfig)  # "Arial" of the plan texts: a metric-compatible font
# Qt's own buttons and dialogs in Italian ("qtbase_it").
pacchetti+=(qt6-translations-l10n)
mancanti=()
# Office readers that open the report's RTF files in the tests.
pacchetti+=(unrtf libreoffice-writer-nogui)
for p in "${pacchetti[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || mancanti+=("$p")
done
if [ ${#mancanti[@]} -gt 0 ]; then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${mancanti[@]}"
fi
# Tests check that numbers read and write alike under a decimal-comma locale.
if ! locale -a 2>/dev/null | grep -qi '^it_IT\.utf-\?8$'; then
  grep -q '^it_IT.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null || echo 'it_IT.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
fi
