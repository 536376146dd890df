#!/bin/sh
# The task store on a full disk: while the store's temporary file is a link to /dev/full every
# write fails for want of space; then the link goes, as if space had been freed.
#   full_disk_test.sh WINE_EXEC TEST_EXE FOLDER
set -eu
wine_exec=$1 test_exe=$2 folder=$3
rm -rf "$folder"
mkdir -p "$folder/Tockly"
ln -s /dev/full "$folder/Tockly/settings.dat.tmp"
export TOCKLY_FULL_DISK_FOLDER="$folder"
"$wine_exec" "$test_exe" --gtest_filter='TaskStoreFullDisk.WhileTheDiskIsFull*'
rm "$folder/Tockly/settings.dat.tmp"
"$wine_exec" "$test_exe" --gtest_filter='TaskStoreFullDisk.WithSpaceAgain*'
rm -rf "$folder"
