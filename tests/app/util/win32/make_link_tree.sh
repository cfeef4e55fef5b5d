#!/bin/sh
# Builds a tree with Unix symlinks that point out of it; Windows programs cannot create links
# under Wine. Usage: make_link_tree.sh <root>
set -e
root="$1"
rm -rf "$root"
mkdir -p "$root/outside/sub" "$root/tree/dir"
echo keep > "$root/outside/keep.txt"
echo keep > "$root/outside/sub/inner.txt"
echo file > "$root/tree/dir/file.txt"
ln -s ../../outside "$root/tree/dir/relative"
ln -s "$root/outside" "$root/tree/absolute"
