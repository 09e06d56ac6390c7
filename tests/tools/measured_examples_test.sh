#!/bin/sh
# The measured examples shipped in docs/data are what tools/make_measured_examples makes: made
# from the model with its stated noise and seed, byte for byte.
make="$1"
source="$2"
fail() { echo "FAIL: $*" >&2; exit 1; }
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
"$make" "$tmp" || fail "ovrelan-make-examples: exit $?"
for name in uc_noisy.csv current.csv; do
    cmp "$tmp/$name" "$source/docs/data/$name" || fail "docs/data/$name is not what the tool makes"
done
echo ok
