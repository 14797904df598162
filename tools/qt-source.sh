#!/usr/bin/env bash
# qt-source.sh DIR: unpacks Debian's qt6-base source, at the version of the
# installed qt6-base-dev, into DIR. Uses a private apt configuration inside DIR
# whose deb-src lines reuse the archive that the installed package came from;
# nothing under /etc/apt is written.
set -euo pipefail
dir=$1
version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
apt_dir=$dir/apt
mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial" "$apt_dir/parts"

# The archives apt lists for the installed version, as "URI suite/component":
# the lines under the "***" entry of apt-cache policy.
apt-cache policy qt6-base-dev | awk '
  /^ \*\*\* / { installed = 1; next }
  /^ [^ ]/ || /^  [^ ]/ { installed = 0 }
  installed && $2 ~ /:\/\// { split($3, where, "/"); print "deb-src", $2, where[1], where[2] }
' | sort -u >"$apt_dir/sources.list"
if [ ! -s "$apt_dir/sources.list" ]; then
  echo "qt6-base-dev $version comes from no archive apt knows; cannot fetch its source" >&2
  exit 1
fi

private_apt=(-o "Dir::Etc::SourceList=$apt_dir/sources.list" -o "Dir::Etc::SourceParts=$apt_dir/parts"
  -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir/cache"
  -o "APT::Sandbox::User=$(id -un)")
apt-get "${private_apt[@]}" update
cd "$dir"
apt-get "${private_apt[@]}" source "qt6-base=$version"
