# fresh-debian.sh, sourced by the release checks: a fresh Debian system of this machine's release
# and architecture, a minbase chroot as debootstrap makes it from the Debian mirror apt is set up
# with, and commands run in it the way a build daemon or a newcomer's machine runs them. Needs
# root, for debootstrap, chroot and the mounts, which all live in a mount namespace of their own.
# The base system is made once per machine and kept in TESSEL_CHROOT_CACHE, with every package
# downloaded into one of these systems, so a second run fetches nothing it fetched before.
chroot_cache=${TESSEL_CHROOT_CACHE:-/var/cache/tessel-chroot}

# debian_sources: the Debian repositories apt is set up with, "URI SUITE COMPONENT" each.
debian_sources() {
  apt-get indextargets --format '$(REPO_URI) $(RELEASE) $(COMPONENT)' \
    'Origin: Debian' 'Identifier: Packages' | sort -u
}

# debian_base: the cached base system's tar file, made first if there is none. The release and
# the mirror name it, so another mirror or release makes a base of its own.
debian_base() {
  local codename arch mirror base
  codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
  arch=$(dpkg --print-architecture)
  mirror=$(debian_sources | awk -v suite="$codename" '$2 == suite { print $1; exit }')
  [ -n "$mirror" ] || fail "apt is set up with no Debian mirror for $codename"
  base=$chroot_cache/$codename-$arch-minbase-$(echo "$mirror" | md5sum | cut -c1-8).tar
  mkdir -p "$chroot_cache/archives/partial"
  (
    # Two checks at once make it once.
    flock 9
    [ -f "$base" ] && exit 0
    local tmp=$chroot_cache/base.tmp
    rm -rf --one-file-system "$tmp"
    echo "Making the base system of $codename from $mirror (kept in $base)" >&2
    debootstrap --variant=minbase --arch="$arch" "$codename" "$tmp" "$mirror" >"$tmp.log" 2>&1 ||
      { tail -n 20 "$tmp.log" >&2; exit 1; }
    tar -C "$tmp" -cf "$base.tmp" . && mv "$base.tmp" "$base"
    rm -rf --one-file-system "$tmp" "$tmp.log"
  ) 9>"$chroot_cache/lock" || fail "debootstrap did not make the base system"
  echo "$base"
}

# fresh_debian ROOT: a fresh system in ROOT, from the base, with this machine's Debian
# repositories and everything up to date, as a new machine is the day it is set up.
fresh_debian() {
  local root=$1 base
  base=$(debian_base) || exit 1
  remove_debian "$root"
  mkdir -p "$root"
  tar -C "$root" -xf "$base"
  debian_sources | awk '{ print "deb", $1, $2, $3 }' >"$root/etc/apt/sources.list"
  cp /etc/resolv.conf "$root/etc/resolv.conf"
  # A throwaway system: dpkg need not sync each file, as build daemons set theirs up.
  echo force-unsafe-io >"$root/etc/dpkg/dpkg.cfg.d/unsafe-io"
  echo 'Acquire::Languages "none";' >"$root/etc/apt/apt.conf.d/90no-translations"
  # The names the installer writes: localhost, which browsers' drivers connect to, and the
  # machine's own, which sudo wants to find.
  printf '127.0.0.1\tlocalhost\n127.0.1.1\t%s\n\n::1\tlocalhost ip6-localhost ip6-loopback\n' \
    "$(hostname)" >"$root/etc/hosts"
  in_debian "$root" env DEBIAN_FRONTEND=noninteractive sh -c \
    'apt-get update -qq && apt-get dist-upgrade -y -qq' >"$root.log" 2>&1 ||
    { cat "$root.log" >&2; fail "the fresh system in $root did not update"; }
  rm -f "$root.log"
}

remove_debian() {
  rm -rf --one-file-system "$1"
}

# add_debian_user ROOT NAME: a user NAME with the id 1000 and a home folder, as the installer
# makes the first user.
add_debian_user() {
  echo "$2:x:1000:1000::/home/$2:/bin/bash" >>"$1/etc/passwd"
  echo "$2:x:1000:" >>"$1/etc/group"
  echo "$2:*:19000:0:99999:7:::" >>"$1/etc/shadow"
  mkdir -p "$1/home/$2"
  chown 1000:1000 "$1/home/$2"
}

# in_debian [--offline] [--user] [--x11] ROOT COMMAND...: runs COMMAND in the system in ROOT, in
# namespaces of its own (mounts, processes, and with --offline the network, where only the
# loopback is up), with /dev, /proc and /sys and the cache of downloaded packages, and a bare
# environment. --user runs it as the user 1000 rather than root; --x11 binds this machine's X
# sockets in, so an X server started here is a display there.
in_debian() {
  local unshare=(unshare --mount --propagation private --pid --fork --kill-child)
  local offline=no user="" x11=no
  while :; do
    case $1 in
      --offline) offline=yes unshare+=(--net) ;;
      --user) user=1000:1000 ;;
      --x11) x11=yes ;;
      *) break ;;
    esac
    shift
  done
  local root=$1
  shift
  local home=/root
  [ -z "$user" ] || home=$(awk -F: '$3 == 1000 { print $6 }' "$root/etc/passwd")
  "${unshare[@]}" sh -c '
    root=$1 cache=$2 offline=$3 user=$4 x11=$5 home=$6
    shift 6
    [ "$offline" = no ] || ip link set lo up || exit 1
    mount --rbind /dev "$root/dev" && mount -t proc proc "$root/proc" &&
      mount --rbind /sys "$root/sys" &&
      mount --bind "$cache/archives" "$root/var/cache/apt/archives" || exit 1
    if [ "$x11" = yes ]; then
      mkdir -p "$root/tmp/.X11-unix" && mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix" || exit 1
    fi
    # Not exec: the shell stays the first process and gathers what its children leave behind.
    chroot ${user:+--userspec=$user --groups=${user#*:}} "$root" env -i \
      PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin HOME="$home" "$@"
  ' sh "$root" "$chroot_cache" "$offline" "$user" "$x11" "$home" "$@"
}
