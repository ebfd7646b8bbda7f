# Sourced by the CLI tests: a world of its own in the current directory, built
# with the CLI itself — a 3 × 3 ring model (one clue cell in the middle), every
# three-letter word of A..Z as the dictionary (so every fill succeeds at once),
# the shipped parameters, and registry and settings files that point here (the
# user's own configuration is never read). Needs CLI and SRC set.
export BRISVANE_REGISTRY=$PWD/registry.ini
export BRISVANE_SETTINGS=$PWD/W5E.ini
printf '[Opsat]\nGemmested=%s/out\nDictionary=%s\nModelOgVej=%s\nParametre=%s\nSkabelon=%s\n' \
  "$PWD" "$PWD" "$PWD" "$PWD" "$PWD" > W5E.ini
printf '...\n.#.\n...\n' > ring.txt
"$CLI" model ring.txt --ktd ring.ktd --vej ring.vej
for a in {a..z}; do for b in {a..z}; do printf '%s\n' "$a$b"{a..z}; done; done > words.txt
"$CLI" dict import words.txt -o words.dic --language 9 2>/dev/null
cp "$SRC/data/Default.par" .
printf '[Skabelon]\nModel=ring.ktd\nTrie=words.dic\nVej=ring.vej\nParametre=Default.par\nDestDir=%s/out\nSprog=9\n' \
  "$PWD" > ring.skb

# Every basic crossword file in directory $1 is whole: "3<TAB>3", then three
# rows of three letters or '#', CRLF line ends, nothing else (20 bytes).
all_whole() {
  local f
  for f in "$1"/x*; do
    [ -e "$f" ] || continue
    if [ "$(stat -c %s "$f")" != 20 ] || [ "$(LC_ALL=C grep -cE $'^(3\t3|[A-Z#]{3})\r$' "$f")" != 4 ]; then
      echo "not whole: $f" >&2
      return 1
    fi
  done
}
