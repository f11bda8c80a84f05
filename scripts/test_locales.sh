#!/usr/bin/env bash
# The tests run under an Italian (decimal comma) and an American (decimal point) setting;
# generates those two C-library locales when the machine lacks them.
set -euo pipefail
have() { locale -a 2>/dev/null | grep -qi "^$1$"; }
if have it_IT.utf8 && have en_US.utf8; then
  exit 0
fi
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
if ! command -v locale-gen >/dev/null 2>&1; then
  install="$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends locales"
  $install || { $sudo apt-get update -qq && $install; }
fi
for l in it_IT en_US; do
  grep -q "^$l.UTF-8 UTF-8" /etc/locale.gen 2>/dev/null ||
    echo "$l.UTF-8 UTF-8" | $sudo tee -a /etc/locale.gen >/dev/null
done
$sudo locale-gen >/dev/null
