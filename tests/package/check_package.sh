#!/usr/bin/env bash
# Makes the Debian package from a build, checks its file list and control fields, extracts it into
# a throwaway root and runs the programs there as an installed copy: help, version, the example
# model, the MIME type, the desktop entry, the manual pages and the solver installer.
#   check_package.sh CPACK BUILD_DIR SOURCE_DIR VERSION
set -euo pipefail
cpack=$1 build=$2 source=$3 version=$4

work=$(cd "$(mktemp -d "$build/package-test.XXXXXX")" && pwd)
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
  echo "FAILED: $*" >&2
  failures=$((failures + 1))
}

# expect_eq WHAT ACTUAL EXPECTED
expect_eq() {
  if [ "$2" != "$3" ]; then
    fail "$1"
    diff <(printf '%s\n' "$3") <(printf '%s\n' "$2") | sed 's/^/    /' >&2 || true
  fi
}

running_in_ci() { [ "${CI:-}" = true ]; }

# --- the package ------------------------------------------------------------------------------
"$cpack" --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 || {
  cat "$work/cpack.log" >&2
  echo "FAILED: cpack did not make the package" >&2
  exit 1
}
debs=("$work"/out/kelvane_"$version"_*.deb)
[ -f "${debs[0]}" ] || { echo "FAILED: no kelvane_${version}_*.deb in $work/out" >&2; exit 1; }
deb=${debs[0]}

expected_files=(
  usr/bin/kelvane
  usr/bin/kelvane-cli
  usr/bin/kelvane-install-solver
  usr/share/applications/kelvane.desktop
  usr/share/bash-completion/completions/kelvane
  usr/share/bash-completion/completions/kelvane-cli
  usr/share/icons/hicolor/scalable/apps/kelvane.svg
  usr/share/kelvane/solver/opensees-launcher.sh.in
  usr/share/kelvane/solver/openseespy-launcher.sh.in
  usr/share/kelvane/solver/requirements.txt
  usr/share/man/man1/kelvane-cli.1.gz
  usr/share/man/man1/kelvane-install-solver.1.gz
  usr/share/man/man1/kelvane.1.gz
  usr/share/mime/packages/kelvane.xml
)
for page in "$source"/resources/help/*.html; do
  expected_files+=("usr/share/kelvane/help/$(basename "$page")")
done
for model in "$source"/examples/*; do
  expected_files+=("usr/share/kelvane/examples/$(basename "$model")")
done
files=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./||' | sort)
expect_eq "the package holds exactly the programs, desktop files, manual pages, help pages and examples" \
  "$files" "$(printf '%s\n' "${expected_files[@]}" | sort)"

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libstdc++6 python3 python3-venv python3-tk; do
  [[ ", $depends," == *", $needed "* || ", $depends," == *", $needed,"* ]] || fail "Depends lacks $needed: $depends"
done
expect_eq "package name" "$(dpkg-deb -f "$deb" Package)" kelvane
expect_eq "package version" "$(dpkg-deb -f "$deb" Version)" "$version"

root="$work/root"
dpkg-deb -x "$deb" "$root"
bin="$root/usr/bin"
share="$root/usr/share"

# The installed programs run with a clean environment: no display, no solver anywhere.
mkdir -p "$work/home" "$work/data" "$work/empty"
installed() {
  env -i HOME="$work/home" XDG_DATA_HOME="$work/data" PATH="$work/empty" LANG=C.UTF-8 "$@"
}

# --- the command line ---------------------------------------------------------------------------
version_out=$(installed "$bin/kelvane-cli" --version) || fail "kelvane-cli --version exits non-zero"
expect_eq "kelvane-cli --version without a solver" "$version_out" \
  "kelvane-cli $version
OpenSees: not found. The OpenSees solver \"opensees\" was found neither in the program folder \"$bin\", nor in \"$work/data/kelvane/bin\", nor on the PATH. To install it for your user, run: $bin/kelvane-install-solver"

example="$share/kelvane/examples/three-storey-rc-frame.s2k"
info=$(installed "$bin/kelvane-cli" info "$example") || fail "kelvane-cli info on the installed example fails"
expect_eq "kelvane-cli info on the installed example, as the build's program prints it" "$info" \
  "$("$build/bin/kelvane-cli" info "$source/examples/three-storey-rc-frame.s2k")"
[[ "$info" == nodeCount=40$'\n'frameCount=65* ]] || fail "the installed example is not the three-storey frame: $info"

help=$(installed "$bin/kelvane-cli" --help) || fail "kelvane-cli --help exits non-zero"
commands=$(sed -n '/^Commands:/,/^[^ ]/s/^  \([a-z0-9-]*\) .*/\1/p' <<<"$help")
[ -n "$commands" ] || fail "kelvane-cli --help lists no commands"
for command in $commands; do
  installed "$bin/kelvane-cli" "$command" --help >/dev/null || fail "kelvane-cli $command --help exits non-zero"
done

# --- the desktop program: its help and version need no display ------------------------------------
desktop_help=$(installed "$bin/kelvane" --help) || fail "kelvane --help exits non-zero without a display"
[[ "$desktop_help" == "usage: kelvane "* ]] || fail "kelvane --help: $desktop_help"
desktop_version=$(installed "$bin/kelvane" --version | head -n 1) || fail "kelvane --version exits non-zero"
expect_eq "kelvane --version" "$desktop_version" "kelvane $version"

# --- desktop entry, MIME type, icon ---------------------------------------------------------------
desktop="$share/applications/kelvane.desktop"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$desktop" || fail "desktop-file-validate refuses kelvane.desktop"
else
  fail "desktop-file-validate is missing (scripts/setup.sh installs desktop-file-utils)"
fi
grep -qx 'Categories=Science;Engineering;' "$desktop" || fail "kelvane.desktop is not in Science/Engineering"
grep -qx 'Exec=kelvane %f' "$desktop" || fail "kelvane.desktop does not open the file it is given"
mime_type=$(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "$share/mime/packages/kelvane.xml")
grep -qx "MimeType=$mime_type;" "$desktop" || fail "kelvane.desktop does not open $mime_type"
mkdir -p "$work/mime/packages"
cp "$share/mime/packages/kelvane.xml" "$work/mime/packages/"
if update-mime-database "$work/mime" 2>"$work/mime.log"; then
  for glob in '*.s2k' '*.$2k'; do
    grep -qxF "$mime_type:$glob" "$work/mime/globs" || fail "the MIME database does not map $glob to $mime_type"
  done
else
  fail "update-mime-database refuses kelvane.xml: $(cat "$work/mime.log")"
fi
grep -q '<svg' "$share/icons/hicolor/scalable/apps/kelvane.svg" || fail "the icon is no SVG picture"

# --- manual pages, completion, help pages --------------------------------------------------------
for page in "$share"/man/man1/*.1.gz; do
  warnings=$(zcat "$page" | groff -man -Tutf8 -ww -z 2>&1) || fail "groff fails on $(basename "$page")"
  expect_eq "groff warnings for $(basename "$page")" "$warnings" ""
done
cli_page=$(zcat "$share/man/man1/kelvane-cli.1.gz")
for command in $commands; do
  grep -qx ".SS $command" <<<"$cli_page" || fail "the kelvane-cli manual page lacks the command $command"
done
expect_eq "the installed completion is the one kelvane-cli writes" \
  "$(cat "$share/bash-completion/completions/kelvane-cli")" "$(installed "$bin/kelvane-cli" --bash-completion)"
for completion in "$share"/bash-completion/completions/*; do
  bash -n "$completion" || fail "$(basename "$completion") completion is no valid bash"
done
for page in "$source"/resources/help/*.html; do
  cmp -s "$page" "$share/kelvane/help/$(basename "$page")" || fail "the installed $(basename "$page") differs"
done

# --- the solver installer -------------------------------------------------------------------------
# The pins as the installer reads them, from the installed copy of solver/requirements.txt.
pins=$(sed 's/#.*//; s/[[:space:]]//g; /^$/d' "$share/kelvane/solver/requirements.txt" | tr '\n' ' ')
pins=${pins% }
expect_eq "the installed pins are the project's" "$pins" \
  "$(sed 's/#.*//; s/[[:space:]]//g; /^$/d' "$source/solver/requirements.txt" | tr '\n' ' ' | sed 's/ $//')"
installer_env=(env -i HOME="$work/home" XDG_DATA_HOME="$work/data" PATH=/usr/bin:/bin PIP_NO_INDEX=1)
plan=$("${installer_env[@]}" "$bin/kelvane-install-solver" --dry-run) || fail "kelvane-install-solver --dry-run fails"
expect_eq "kelvane-install-solver --dry-run in an empty data folder" "$plan" \
  "kelvane-install-solver: creating the Python environment $work/data/kelvane/venv
kelvane-install-solver: installing $pins into $work/data/kelvane/venv
kelvane-install-solver: writing the launcher $work/data/kelvane/bin/opensees
kelvane-install-solver: writing the launcher $work/data/kelvane/bin/openseespy
kelvane-install-solver: dry run, nothing changed"
[ ! -e "$work/data/kelvane" ] || fail "the dry run changed the data folder"

# With the project's environment (which holds the pins) no download is needed: the installer only
# writes the launcher, and the installed programs then find and run the solver through it.
if [ -x "$source/.venv/bin/python" ]; then
  if "${installer_env[@]}" "$bin/kelvane-install-solver" --venv "$source/.venv" >"$work/install.log" 2>&1; then
    opensees_pin=$(tr ' ' '\n' <<<"$pins" | sed -n 's/^opensees==//p')
    expect_eq "kelvane-cli --version with the user's solver" "$(installed "$bin/kelvane-cli" --version)" \
      "kelvane-cli $version
OpenSees $opensees_pin ($work/data/kelvane/bin/opensees)"
    mkdir -p "$work/job"
    printf 'model basic -ndm 2 -ndf 2\nnode 1 0 0\nputs installed-solver-ran\n' >"$work/job/probe.tcl"
    run=$(installed "$bin/kelvane-cli" run "$work/job/probe.tcl") || fail "kelvane-cli run with the user's solver fails"
    expect_eq "kelvane-cli run with the user's solver" "$run" installed-solver-ran
  else
    fail "kelvane-install-solver with the project's environment: $(cat "$work/install.log")"
  fi
elif running_in_ci; then
  fail "the project's Python environment .venv is missing (scripts/setup.sh makes it)"
else
  echo "skipped the installed solver: no .venv (scripts/setup.sh makes it)"
fi

if ((failures)); then
  echo "$failures check(s) of the package failed" >&2
  exit 1
fi
echo "package $(basename "$deb") checked"
