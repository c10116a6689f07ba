#!/usr/bin/env python3
"""Assembles the web player's site: the page, the module and a key folder, as static files.

    make_site.py --module DIR --key DIR --out DIR
    make_site.py --key DIR --out DIR --key-only      (only out/key/ and out/key.json)

The key's files are copied byte for byte into out/key/. key.json lists them, with the size
of every picture as its header gives it (the page tells the engine which pictures it can
show; a picture cut short has none, so the page says so instead of showing half of it).
The text files are also packed one after the other: one pack for what the start needs, and
two per genus, the root files named after it (characters and species, needed to search)
and its folder (descriptions, needed once a species is opened). So the page fetches the
start's texts in one request and a genus's when it is chosen; key.json gives each file its
pack and offset, and each pack its size.
A picture in a language folder (UK, NL, D, F, I, S beside the common picture) carries its
folder's letters, and key.json lists the letters in the engine's order of languages: the
service worker keeps the common pictures and only those of the language in use.
The site's digest names the service worker's cache, so a changed key or page is fetched
anew at the next visit with a signal.
"""
import argparse
import gzip
import hashlib
import json
import shutil
import struct
import sys
from pathlib import Path

PAGE = Path(__file__).resolve().parent
ICON = PAGE.parent / "packaging" / "icons" / "sporix.svg"
PAGE_FILES = ["index.html", "style.css", "manifest.webmanifest",
              "js/advice.js", "js/app.js", "js/dom.js", "js/history.js", "js/journal.js", "js/keyfiles.js", "js/offline.js",
              "js/page.js", "js/pagetexts.js", "js/pictures.js", "js/render.js", "js/windows.js"]
MODULE_FILES = ["sporix.js", "sporix.wasm"]
PICTURE_EXTENSIONS = {".jpg", ".jpeg", ".bmp"}
# The language folders' letters, languages 1 to 6 as the engine numbers them.
LANGUAGE_FOLDERS = ["UK", "NL", "D", "F", "I", "S"]
# Written by the program itself; on the site the settings live in the browser.
NOT_SERVED = {"spxinit.txt"}
START_PACK_URL = "texts/start.bin"
STYLE_LINK = '<link rel="stylesheet" href="style.css">'


def bitmap_size(data):
    if len(data) < 26 or data[:2] != b"BM":
        return None
    header = struct.unpack_from("<I", data, 14)[0]
    if header == 12:
        width, height = struct.unpack_from("<HH", data, 18)
    else:
        width, height = struct.unpack_from("<ii", data, 18)
    return width, abs(height)


def jpeg_size(data):
    if data[:2] != b"\xff\xd8":
        return None
    at = 2
    while at + 4 <= len(data):
        if data[at] != 0xFF:
            return None
        marker = data[at + 1]
        if marker == 0xFF:
            at += 1
            continue
        length = struct.unpack_from(">H", data, at + 2)[0]
        # Start-of-frame markers (not DHT, JPG, DAC) carry the picture's size.
        if 0xC0 <= marker <= 0xCF and marker not in (0xC4, 0xC8, 0xCC):
            if at + 9 > len(data):
                return None
            height, width = struct.unpack_from(">HH", data, at + 5)
            return width, height
        at += 2 + length
    return None


def bitmap_whole(data):
    header = struct.unpack_from("<I", data, 14)[0]
    pixels = struct.unpack_from("<I", data, 10)[0]
    if header == 12:
        width, height, _, bits = struct.unpack_from("<HHHH", data, 18)
        compression = 0
    else:
        width, height, _, bits, compression, image_size = struct.unpack_from("<iiHHII", data, 18)
    if compression != 0:
        return len(data) >= pixels + image_size
    return len(data) >= pixels + (abs(width) * bits + 31) // 32 * 4 * abs(height)


def jpeg_whole(data):
    # Some cameras write a few bytes after the end marker.
    return b"\xff\xd9" in data[-64:]


def picture_size(path):
    data = path.read_bytes()
    bitmap = path.suffix.lower() == ".bmp"
    size = bitmap_size(data) if bitmap else jpeg_size(data)
    if not size or size[0] <= 0 or size[1] <= 0:
        return None
    if not (bitmap_whole(data) if bitmap else jpeg_whole(data)):
        print(f"{path}: warning: the picture is cut short; the page will not show it", file=sys.stderr)
        return None
    return {"width": size[0], "height": size[1]}


def pack_of(name, genera):
    """The pack that holds the file `name`: "GENUS" for the root files named after a genus
    folder (characters, species), "GENUS/" for the files in it (descriptions), "" for the
    rest, which the start needs."""
    parts = name.split("/")
    if len(parts) > 1:
        return parts[0].upper() + "/" if parts[0].upper() in genera else ""
    head = parts[0].split(".")[0].upper()
    return head if head in genera else ""


def key_files(key):
    for path in sorted(key.rglob("*")):
        relative = path.relative_to(key)
        if not path.is_file() or any(part.startswith(".") for part in relative.parts):
            continue
        if relative.as_posix().lower() in NOT_SERVED:
            continue
        try:
            relative.as_posix().encode("utf-8")
        except UnicodeEncodeError:
            print(f"{path}: warning: name is not UTF-8; left out", file=sys.stderr)
            continue
        yield path, relative.as_posix()


def copy_key(key, out, digest):
    target = out / "key"
    for old in [target, out / "texts"]:
        if old.exists():
            shutil.rmtree(old)
    (out / "texts").mkdir(parents=True)
    # The root's language folders hold only the placeholder's pictures, which the start needs.
    genera = {path.name.upper() for path in key.iterdir() if path.is_dir() and not path.name.startswith(".")} - set(LANGUAGE_FOLDERS)
    files = []
    packs = {}
    for path, name in key_files(key):
        destination = target / name
        destination.parent.mkdir(parents=True, exist_ok=True)
        shutil.copyfile(path, destination)
        data = path.read_bytes()
        entry = {"path": name, "size": len(data)}
        pack = pack_of(name, genera)
        if path.suffix.lower() in PICTURE_EXTENSIONS:
            entry["picture"] = picture_size(path)
            # Not in any pack, but made known to the engine with the genus's search pack.
            entry["pack"] = pack.rstrip("/")
            folder = path.parent.name.upper() if path.parent != key else ""
            if folder in LANGUAGE_FOLDERS:
                entry["language"] = folder
        else:
            texts = packs.setdefault(pack, bytearray())
            entry["pack"] = pack
            entry["offset"] = len(texts)
            texts += data
        files.append(entry)
        digest.update(name.encode("utf-8") + b"\0" + data)
    listed = {}
    for number, (genus, texts) in enumerate(sorted(packs.items())):
        # The start's pack has a fixed name, so that the page can ask for it at once.
        url = f"texts/{number}.bin" if genus else START_PACK_URL
        (out / url).write_bytes(texts)
        listed[genus] = {"url": url, "size": len(texts)}
    return files, listed


def copy_page(module, out, digest):
    for name in PAGE_FILES + ["sw.js"]:
        (out / name).parent.mkdir(parents=True, exist_ok=True)
    for name in PAGE_FILES:
        shutil.copyfile(PAGE / name, out / name)
        digest.update(name.encode() + b"\0" + (PAGE / name).read_bytes())
    # The style sheet goes into the page itself: one round trip less before the first paint.
    page = (PAGE / "index.html").read_text(encoding="utf-8")
    style = (PAGE / "style.css").read_text(encoding="utf-8")
    (out / "index.html").write_text(page.replace(STYLE_LINK, f"<style>\n{style}</style>"), encoding="utf-8")
    shutil.copyfile(ICON, out / "icon.svg")
    for name in MODULE_FILES:
        shutil.copyfile(module / name, out / name)
        digest.update(name.encode() + b"\0" + (module / name).read_bytes())


def write_service_worker(out, version):
    text = (PAGE / "sw.js").read_text(encoding="utf-8")
    text = text.replace("__VERSION__", version).replace("__PAGE_FILES__", json.dumps(["./", "icon.svg"] + PAGE_FILES + MODULE_FILES))
    (out / "sw.js").write_text(text, encoding="utf-8")


# Sent compressed by a host that serves NAME.gz beside NAME (web/serve.py, or a static
# server set up so); pictures are compressed already.
COMPRESSED = {".html", ".css", ".js", ".json", ".webmanifest", ".svg", ".wasm", ".bin"}


def write_compressed(out):
    for path in sorted(out.rglob("*")):
        if path.is_file() and path.suffix in COMPRESSED and not path.is_relative_to(out / "key"):
            path.with_name(path.name + ".gz").write_bytes(gzip.compress(path.read_bytes(), 9, mtime=0))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--module", type=Path, help="folder holding sporix.js and sporix.wasm")
    parser.add_argument("--key", type=Path, required=True, help="the key's working folder")
    parser.add_argument("--out", type=Path, required=True)
    parser.add_argument("--key-only", action="store_true")
    args = parser.parse_args()
    if not args.key_only and not args.module:
        parser.error("--module is needed unless --key-only")
    args.out.mkdir(parents=True, exist_ok=True)
    digest = hashlib.sha256()
    if not args.key_only:
        copy_page(args.module, args.out, digest)
    files, packs = copy_key(args.key, args.out, digest)
    version = digest.hexdigest()[:16]
    manifest = {"version": version, "languages": LANGUAGE_FOLDERS, "packs": packs, "files": files}
    (args.out / "key.json").write_text(json.dumps(manifest, separators=(",", ":")), encoding="utf-8")
    if not args.key_only:
        write_service_worker(args.out, version)
        write_compressed(args.out)
    print(f"{args.out}: {len(files)} key files, version {version}")


if __name__ == "__main__":
    main()
