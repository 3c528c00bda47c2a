#!/usr/bin/env bash
# Creates the project's Python environment (.venv) and installs the pinned OpenSees Tcl
# interpreter into it. Safe to run again: it does nothing when the pinned version is in place.
set -euo pipefail
cd "$(dirname "$0")/.."

opensees_version="0.1.32"
python=/usr/bin/python3     # Debian's Python: the interpreter runs its Tcl through tkinter
venv=.venv

if ! "$python" -c "import tkinter" 2>/dev/null; then
  echo "setup-solver: $python has no tkinter; install python3-tk (scripts/setup.sh does)" >&2
  exit 1
fi

if [ ! -x "$venv/bin/python" ]; then
  echo "setup-solver: creating $venv"
  "$python" -m venv "$venv"
fi

installed=$("$venv/bin/python" -m pip show opensees 2>/dev/null | sed -n 's/^Version: //p' || true)
if [ "$installed" != "$opensees_version" ]; then
  echo "setup-solver: installing opensees==$opensees_version"
  "$venv/bin/python" -m pip install --disable-pip-version-check --quiet "opensees==$opensees_version"
fi

# A one-line model proves the interpreter starts; a broken install fails here, not in the tests.
probe=$(mktemp -d)
trap 'rm -rf "$probe"' EXIT
printf 'model basic -ndm 2 -ndf 2\nnode 1 0 0\nputs kelvane-solver-ok\n' >"$probe/probe.tcl"
if ! (cd "$probe" && "$OLDPWD/$venv/bin/python" -m opensees probe.tcl 2>&1) | grep -q kelvane-solver-ok; then
  echo "setup-solver: the OpenSees interpreter in $venv does not run" >&2
  exit 1
fi
