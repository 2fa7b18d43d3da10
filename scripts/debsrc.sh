# shellcheck shell=bash
# Derives deb-src entries from the machine's own Debian package sources (sourced, not
# run), so that the project names no mirror and works with whichever the machine uses.
#
# velora_debsrc_entries APT_DIR CODENAME prints, in deb822 form, one deb-src entry for
# each Debian deb entry of APT_DIR/sources.list and APT_DIR/sources.list.d/*.list (one-line
# form) and APT_DIR/sources.list.d/*.sources (deb822 form): the same URIs, components and
# Signed-By keyring, and its suites of the release. Debian's entries are the suites of the
# release (CODENAME, CODENAME-updates, -security, -backports, -proposed-updates) signed by
# Debian's archive keyring or by apt's own trusted keys (no Signed-By); disabled entries
# and other archives are left out.
velora_debsrc_entries() {
  local apt_dir=$1 codename=$2 files=() f
  for f in "$apt_dir/sources.list" "$apt_dir"/sources.list.d/*.list "$apt_dir"/sources.list.d/*.sources; do
    [ -f "$f" ] && files+=("$f")
  done
  [ ${#files[@]} -gt 0 ] || return 0
  awk -v codename="$codename" '
    function release_suites(list,    n, i, s, out) {
      n = split(list, s, /[ \t]+/)
      out = ""
      for (i = 1; i <= n; i++)
        if (s[i] ~ ("^" codename "(-(updates|security|backports|backports-sloppy|proposed-updates))?$"))
          out = out (out == "" ? "" : " ") s[i]
      return out
    }
    function emit(uris, suites, components, key,    s) {
      s = release_suites(suites)
      if (s == "" || uris == "" || components == "" || (key != "" && key !~ /debian-archive-keyring/))
        return
      printf "%sTypes: deb-src\nURIs: %s\nSuites: %s\nComponents: %s\n", (emitted++ ? "\n" : ""), uris, s, components
      if (key != "")
        printf "Signed-By: %s\n", key
    }
    function one_line(    i, j, n, opts, o, key, components) {
      sub(/#.*/, "")
      if ($1 != "deb")
        return
      i = 2
      key = ""
      if ($2 ~ /^\[/) {
        opts = ""
        for (; i <= NF; i++) {
          opts = opts " " $i
          if ($i ~ /\]$/) { i++; break }
        }
        gsub(/[\[\]]/, "", opts)
        n = split(opts, o, /[ \t]+/)
        for (j = 1; j <= n; j++)
          if (o[j] ~ /^signed-by=/)
            key = substr(o[j], 11)
      }
      components = ""
      for (j = i + 2; j <= NF; j++)
        components = components (components == "" ? "" : " ") $j
      emit($i, $(i + 1), components, key)
    }
    function flush(    t) {
      t = " " field["types"] " "
      if (t ~ /[ \t]deb[ \t]/ && tolower(field["enabled"]) != "no")
        emit(field["uris"], field["suites"], field["components"], field["signed-by"])
      split("", field)
    }
    FNR == 1 { flush() }
    FILENAME !~ /\.sources$/ { one_line(); next }
    /^#/ { next }
    /^[ \t]*$/ { flush(); next }
    /^[ \t]/ { sub(/^[ \t]+/, ""); field[last] = field[last] " " $0; next }
    {
      last = tolower(substr($0, 1, index($0, ":") - 1))
      value = substr($0, index($0, ":") + 1)
      sub(/^[ \t]+/, "", value)
      sub(/[ \t]+$/, "", value)
      field[last] = value
    }
    END { flush() }
  ' "${files[@]}"
}
