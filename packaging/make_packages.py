#!/usr/bin/env python3
"""Makes Tockly's two downloads from the Windows build: the portable zip and the NSIS installer.

Both are the same bytes for the same sources: every file is given the time of the last commit
(SOURCE_DATE_EPOCH when set), the zip lists its files in a fixed order with fixed attributes, and
the installer stores those times.
"""

import argparse
import os
import shutil
import subprocess
import sys
import time
import zipfile
from pathlib import Path

VERSION = "1.0.0"
# The zip format cannot hold an earlier time.
ZIP_EPOCH_FLOOR = 315532800  # 1980-01-01


def source_date_epoch(source_dir: Path) -> int:
    if "SOURCE_DATE_EPOCH" in os.environ:
        return int(os.environ["SOURCE_DATE_EPOCH"])
    result = subprocess.run(["git", "-C", str(source_dir), "log", "-1", "--format=%ct"],
                            capture_output=True, text=True, check=False)
    if result.returncode != 0 or not result.stdout.strip():
        sys.exit("make_packages: no SOURCE_DATE_EPOCH and no git history to take it from")
    return int(result.stdout.strip())


def stage(bin_dir: Path, licenses: Path, readme: Path, target: Path) -> None:
    """The program folder as installed: what Tockly reads beside itself, the read-me, licences."""
    if target.exists():
        shutil.rmtree(target)
    target.mkdir(parents=True)
    shutil.copy2(bin_dir / "Tockly.exe", target / "Tockly.exe")
    for folder in ("language", "data"):
        shutil.copytree(bin_dir / folder, target / folder)
    # Notepad before Windows 10 shows a file with bare line feeds as one line.
    text = readme.read_text(encoding="utf-8").replace("\r\n", "\n").replace("\n", "\r\n")
    (target / "ReadMe.txt").write_bytes(text.encode("utf-8"))
    (target / "licenses").mkdir()
    for licence in sorted(licenses.iterdir()):
        if not licence.name.startswith("."):
            shutil.copyfile(licence, target / "licenses" / licence.name)


def files_of(root: Path) -> list[Path]:
    return sorted((p for p in root.rglob("*") if p.is_file()),
                  key=lambda p: p.relative_to(root).as_posix())


def set_times(root: Path, epoch: int) -> None:
    for path in [root, *root.rglob("*")]:
        os.utime(path, (epoch, epoch), follow_symlinks=False)


def write_zip(root: Path, top: str, output: Path, epoch: int) -> None:
    stamp = time.gmtime(max(epoch, ZIP_EPOCH_FLOOR))[:6]
    temporary = output.with_suffix(".tmp")
    with zipfile.ZipFile(temporary, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as archive:
        for path in files_of(root):
            info = zipfile.ZipInfo(f"{top}/{path.relative_to(root).as_posix()}", stamp)
            info.create_system = 0  # MS-DOS attributes, whatever system made it
            info.external_attr = 0x20  # FILE_ATTRIBUTE_ARCHIVE
            info.compress_type = zipfile.ZIP_DEFLATED
            archive.writestr(info, path.read_bytes(), compresslevel=9)
    temporary.replace(output)


def write_uninstall_list(root: Path, output: Path) -> None:
    """Delete and RMDir lines for every staged file and folder, the deepest folders last."""
    lines = []
    for path in files_of(root):
        windows = str(path.relative_to(root)).replace("/", "\\")
        lines.append(f'Delete "$INSTDIR\\{windows}"')
    folders = sorted((p for p in root.rglob("*") if p.is_dir()),
                     key=lambda p: (-len(p.relative_to(root).parts), p.as_posix()))
    for folder in folders:
        windows = str(folder.relative_to(root)).replace("/", "\\")
        lines.append(f'RMDir "$INSTDIR\\{windows}"')
    output.write_text("\n".join(lines) + "\n", encoding="utf-8")


def write_installer(makensis: str, script: Path, root: Path, icon: Path, uninstall_list: Path,
                    output: Path, epoch: int) -> None:
    temporary = output.with_suffix(".tmp")
    environment = dict(os.environ, SOURCE_DATE_EPOCH=str(epoch))
    subprocess.run([makensis, "-V2", "-WX", "-INPUTCHARSET", "UTF8",
                    f"-DSTAGE={root}", f"-DICON={icon}", f"-DSTAGE_LIST={uninstall_list}",
                    f"-DOUTFILE={temporary}", str(script)], check=True, env=environment)
    temporary.replace(output)


def main() -> None:
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--bin", type=Path, required=True, help="the build's bin folder")
    parser.add_argument("--licenses", type=Path, required=True)
    parser.add_argument("--readme", type=Path, required=True)
    parser.add_argument("--nsi", type=Path, required=True)
    parser.add_argument("--icon", type=Path, required=True)
    parser.add_argument("--makensis", default="makensis")
    parser.add_argument("--source-dir", type=Path, required=True)
    parser.add_argument("--out", type=Path, required=True, help="folder for the two packages")
    parser.add_argument("--stamp", type=Path)
    args = parser.parse_args()

    epoch = source_date_epoch(args.source_dir)
    work = args.out / "stage"
    root = work / "Tockly"
    stage(args.bin, args.licenses, args.readme, root)
    set_times(root, epoch)
    uninstall_list = work / "uninstall-files.nsh"
    write_uninstall_list(root, uninstall_list)

    write_zip(root, "Tockly", args.out / f"Tockly-{VERSION}-portable.zip", epoch)
    write_installer(args.makensis, args.nsi, root, args.icon, uninstall_list,
                    args.out / f"Tockly-{VERSION}-setup.exe", epoch)
    if args.stamp:
        args.stamp.write_text(f"{epoch}\n")


if __name__ == "__main__":
    main()
