#!/usr/bin/env bash
# Runs a command with a 32-bit Wine for the 32-bit Trimvale.exe that ships.
# Debian's 32-bit Wine lives in a Debian 12 i386 tree of its own under build/
# (made once with debootstrap, kept for later runs), with a 32-bit Wine prefix
# in it; each Windows program runs there through cmake/wine32-run.sh, in a
# private mount and PID namespace that ends with it, on the X display that
# this script starts on the machine (Xvfb with openbox).
#
#     bash scripts/wine32-session.sh COMMAND [ARGUMENT...]
#
# The command finds DISPLAY set, TRIMVALE_WINE_RUN naming the runner and
# TRIMVALE_WINE32_ROUTE saying how 32-bit code runs here. The first line
# printed says that too. Needs root, as debootstrap and chroot do. Each
# program runs in the tree through cmake/i386-run.sh.
#
# Where this machine runs 32-bit x86 code itself (a probe says whether it
# does), the tree's programs run natively; where it does not, or when
# TRIMVALE_WINE32_ROUTE=emulated asks for it, they run through qemu-i386 in a
# user namespace of their own (cmake/i386-run.sh).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
tree=${TRIMVALE_I386_TREE:-$root/build/i386-bookworm}
# The machine's own Debian mirror, as apt has it.
mirror=${TRIMVALE_DEBIAN_MIRROR:-$(
    sed -n 's|^URIs: *\(http[^ ]*/debian\)/*$|\1|p' /etc/apt/sources.list.d/*.sources 2>/dev/null
    sed -n 's|^deb  *\(http[^ ]*/debian\)/*  *bookworm .*|\1|p' /etc/apt/sources.list 2>/dev/null
    true
)}
mirror=${mirror%%$'\n'*}
mirror=${mirror:-http://deb.debian.org/debian}
step="starting"
trap 'echo "wine32-session: failed while $step" >&2' ERR

((EUID == 0)) || { echo "wine32-session: needs root (debootstrap, chroot, namespaces)" >&2; exit 1; }

# A 32-bit x86 program of 96 bytes that exits with 42, written out byte by
# byte: whether it runs tells whether this machine runs i386 code.
step="probing for 32-bit x86 code"
probe=$(mktemp)
printf '\177ELF\001\001\001\000\000\000\000\000\000\000\000\000\002\000\003\000\001\000\000\000\124\200\004\010\064\000\000\000\000\000\000\000\000\000\000\000\064\000\040\000\001\000\000\000\000\000\000\000\001\000\000\000\000\000\000\000\000\200\004\010\000\200\004\010\140\000\000\000\140\000\000\000\005\000\000\000\000\020\000\000\270\001\000\000\000\273\052\000\000\000\315\200' >"$probe"
chmod +x "$probe"
status=0
"$probe" 2>/dev/null || status=$?
rm -f "$probe"
if [[ ${TRIMVALE_WINE32_ROUTE-} == emulated ]]; then
    echo "32-bit Wine: emulated (asked for with TRIMVALE_WINE32_ROUTE=emulated)"
elif ((status == 42)); then
    export TRIMVALE_WINE32_ROUTE=native
    echo "32-bit Wine: native (this machine runs 32-bit x86 code)"
else
    export TRIMVALE_WINE32_ROUTE=emulated
    echo "32-bit Wine: emulated (this machine runs no 32-bit x86 code: the probe ended with $status)"
fi

# The emulated route runs every i386 program through qemu-i386 from Debian 12's
# backports (Debian 12's own is far too slow for Wine): only that one file is
# taken from the package, with an apt configuration of this script's own, and
# nothing is installed on the machine.
if [[ $TRIMVALE_WINE32_ROUTE == emulated ]]; then
    qemu_dir=$root/build/qemu-user
    export TRIMVALE_QEMU_I386=$qemu_dir/qemu-i386
    if [[ ! -x $TRIMVALE_QEMU_I386 ]]; then
        step="fetching qemu-i386 from bookworm-backports ($mirror)"
        rm -rf "$qemu_dir"
        mkdir -p "$qemu_dir/apt/lists/partial" "$qemu_dir/apt/archives/partial"
        echo "deb $mirror bookworm-backports main" >"$qemu_dir/apt/sources.list"
        apt_private=(-o "Dir::Etc::SourceList=$qemu_dir/apt/sources.list"
            -o Dir::Etc::SourceParts=/nonexistent -o "Dir::State=$qemu_dir/apt"
            -o "Dir::Cache=$qemu_dir/apt" -o APT::Sandbox::User=root)
        apt-get "${apt_private[@]}" update -qq >"$qemu_dir/apt.log" 2>&1 ||
            { tail -n 5 "$qemu_dir/apt.log" >&2; false; }
        (cd "$qemu_dir" && apt-get "${apt_private[@]}" download qemu-user >>apt.log 2>&1) ||
            { tail -n 5 "$qemu_dir/apt.log" >&2; false; }
        dpkg-deb --fsys-tarfile "$qemu_dir"/qemu-user_*.deb |
            tar -x -O ./usr/bin/qemu-i386 >"$TRIMVALE_QEMU_I386.part"
        chmod +x "$TRIMVALE_QEMU_I386.part"
        rm -f "$qemu_dir"/qemu-user_*.deb
        mv "$TRIMVALE_QEMU_I386.part" "$TRIMVALE_QEMU_I386"
    fi
fi
export TRIMVALE_I386_TREE=$tree TRIMVALE_WINE_RUN=$root/cmake/wine32-run.sh
# Runs a command as root inside the tree, with the network's names.
in_tree() {
    cp /etc/resolv.conf "$tree/etc/resolv.conf"
    bash "$root/cmake/i386-run.sh" "$@"
}

if [[ ! -f $tree/.trimvale-tree ]]; then
    step="making the i386 tree with debootstrap ($mirror)"
    rm -rf "$tree"
    mkdir -p "$(dirname "$tree")"
    if [[ $TRIMVALE_WINE32_ROUTE == native ]]; then
        debootstrap --arch=i386 --variant=minbase bookworm "$tree" "$mirror" >"$tree.log" 2>&1 ||
            { tail -n 5 "$tree.log" >&2; false; }
    else
        # Unpacked here, configured inside the tree by the emulator; as in a
        # container, the device files are not made.
        debootstrap --foreign --arch=i386 --variant=minbase bookworm "$tree" "$mirror" \
            >"$tree.log" 2>&1 || { tail -n 5 "$tree.log" >&2; false; }
        step="configuring the i386 tree under the emulator"
        in_tree env container=lxc /debootstrap/debootstrap --second-stage >>"$tree.log" 2>&1 ||
            { tail -n 5 "$tree.log" >&2; false; }
    fi
    touch "$tree/.trimvale-tree"
fi
if [[ ! -f $tree/.trimvale-wine ]]; then
    step="installing Debian's 32-bit Wine in the tree"
    in_tree apt-get update -qq >"$tree.log" 2>&1 || { tail -n 5 "$tree.log" >&2; false; }
    DEBIAN_FRONTEND=noninteractive in_tree apt-get install -y -qq --no-install-recommends \
        wine wine32 fonts-wine >"$tree.log" 2>&1 || { tail -n 5 "$tree.log" >&2; false; }
    touch "$tree/.trimvale-wine"
fi

source "$root/scripts/desktop.sh"
trap 'echo "wine32-session: failed while $step" >&2' ERR
cleanup() { stop_desktop; }
trap cleanup EXIT
step="starting the X display"
start_desktop 1280x800x24

if [[ ! -f $tree/root/prefix32/system.reg ]]; then
    step="making the 32-bit Wine prefix"
    bash "$TRIMVALE_WINE_RUN" wineboot --init >/dev/null 2>&1
    [[ -f $tree/root/prefix32/system.reg ]]
fi
# Wine 8 uses its own fonts only from the prefix's font folder.
fonts=$tree/root/prefix32/drive_c/windows/Fonts
mkdir -p "$fonts"
cp -u "$tree"/usr/share/wine/fonts/* "$fonts/"

step="running: $*"
"$@"
