#!/usr/bin/env bash
# The set-up that run.sh and test.sh share, on a machine where it is neither
# root nor has sudo: it installs nothing, says nothing of sudo, and prints the
# exact command to run as root. Usage: setup_test.sh SOURCE_DIR
set -uo pipefail
cd "$1"
fake_path=$(mktemp -d)
trap 'rm -rf "$fake_path"' EXIT
# Only what the check for missing packages needs: no sudo, no apt-get.
for tool in dpkg-query grep; do ln -s "$(command -v "$tool")" "$fake_path/"; done

output=$(PATH=$fake_path "$BASH" -c '
  source tools/setup.sh
  id() { echo 1000; }  # not root
  banknotes_install_missing no-such-package-banknotes' 2>&1)
status=$?

failed=0
check() {
  if eval "$2"; then echo "PASS: $1"; else echo "FAIL: $1"; failed=$((failed + 1)); fi
}
check "it fails" '[ "$status" -ne 0 ]'
check "it prints the command to run as root" \
  "grep -qxF \"  su -c 'apt-get update && apt-get install -y no-such-package-banknotes'\" <<<\"\$output\""
check "it does not name sudo" '! grep -q sudo <<<"$output"'
check "it does not say it is installing" '! grep -qi installing <<<"$output"'
[ "$failed" -eq 0 ] || printf 'It printed:\n%s\n' "$output"
echo "$((4 - failed)) passed, $failed failed"
[ "$failed" -eq 0 ]
