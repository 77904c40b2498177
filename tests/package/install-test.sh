#!/bin/sh
# Installs a build into a temporary root and checks what lands there: the
# files, olvar-tool finding its core files from any folder, the launcher's
# working folder (also when the settings folder is unusable), and the desktop
# entry and metainfo against their validators.
#   install-test.sh BUILD_DIR
set -eu
build=$(cd "$1" && pwd)
root=$(mktemp -d "${TMPDIR:-/tmp}/lumivra-install.XXXXXX")
trap 'rm -rf "$root"' EXIT
fail() { echo "install-test: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$root/usr" >/dev/null
usr=$root/usr
id=com.telvarin.Lumivra
for f in bin/lumivra bin/olvar-tool lib/lumivra/olvar lib/lumivra/Help.chm lib/lumivra/fonts.conf \
    share/icons/hicolor/16x16/apps/$id.png share/icons/hicolor/256x256/apps/$id.png \
    share/icons/hicolor/scalable/apps/$id.svg share/man/man1/lumivra.1.gz \
    share/man/man1/olvar-tool.1.gz share/doc/lumivra/copyright; do
  [ -e "$usr/$f" ] || fail "$f is not installed"
done

# olvar-tool through its link in bin, from a folder without core files
mkdir "$root/elsewhere"
(cd "$build" && ./olvar-tool page 2 1) >"$root/expected"
(cd "$root/elsewhere" && "$usr/bin/olvar-tool" page 2 1) >"$root/installed" 2>"$root/warnings"
[ ! -s "$root/warnings" ] || fail "installed olvar-tool: $(cat "$root/warnings")"
cmp -s "$root/expected" "$root/installed" || fail "installed olvar-tool page 2 1 differs from the build's"

# the launcher, in front of a stand-in reader that prints its working folder
# and the settings folder it is told it could not use
mkdir -p "$root/fake/bin" "$root/fake/lib/lumivra"
cp "$usr/bin/lumivra" "$root/fake/bin/"
printf '#!/bin/sh\necho "$(pwd) ${LUMIVRA_UNUSABLE_SETTINGS_FOLDER:-}"\n' >"$root/fake/lib/lumivra/olvar"
chmod +x "$root/fake/lib/lumivra/olvar"
launch() { (cd "$root/elsewhere" && env "$@" LUMIVRA_UNUSABLE_SETTINGS_FOLDER=old "$root/fake/bin/lumivra"); }
started=$(launch XDG_CONFIG_HOME="$root/config")
[ "$started" = "$root/config/lumivra " ] || fail "launcher with XDG_CONFIG_HOME started in $started"
started=$(launch -u XDG_CONFIG_HOME HOME="$root/home")
[ "$started" = "$root/home/.config/lumivra " ] || fail "launcher with HOME only started in $started"
# a settings folder that cannot be made (below a file, as not even root can):
# the reader still starts, in /, and is told which folder it was
touch "$root/file"
for try in "XDG_CONFIG_HOME=$root/file|$root/file/lumivra" "HOME=$root/file|$root/file/.config/lumivra"; do
  started=$(launch -u XDG_CONFIG_HOME "${try%%|*}" 2>/dev/null) || fail "launcher with ${try%%|*} failed"
  [ "$started" = "/ ${try#*|}" ] || fail "launcher with ${try%%|*} started as: $started"
done

out=$(desktop-file-validate "$usr/share/applications/$id.desktop" 2>&1) || true
[ -z "$out" ] || fail "desktop-file-validate: $out"
out=$(appstreamcli validate --no-net "$usr/share/metainfo/$id.metainfo.xml" 2>&1) ||
  fail "appstreamcli validate: $out"
