#!/usr/bin/env python3
"""Regenerates the artwork, sounds, text images and local pages of both skins.

Usage: tools/art/generate.py [--rasteriser PATH] [PART ...]

PART is any of tiles, images, textimages, sounds, www (default: all). The outputs are
written into resources/default and resources/corvana and are committed; see
docs/artwork.md. The rasteriser (tools/art/rasteriser) is built into build-art/ on the
first run unless --rasteriser names an existing binary.
"""

import argparse
import functools
import json
import os
import subprocess
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))

import images  # noqa: E402
import sounds  # noqa: E402
import textimages  # noqa: E402
import tiles  # noqa: E402
import www  # noqa: E402
from svg import Glyphs  # noqa: E402

TOP = HERE.parent.parent
RESOURCES = TOP / "resources"
WORK = TOP / "build-art"


def build_rasteriser():
    build = WORK / "rasteriser"
    subprocess.run(["cmake", "-S", str(HERE / "rasteriser"), "-B", str(build), "-G", "Ninja",
                    "-DCMAKE_BUILD_TYPE=Release"], check=True, stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", str(build)], check=True, stdout=subprocess.DEVNULL)
    return build / "mahjong-art-rasteriser"


class Rasteriser:
    """Collects jobs and runs them in one call of the rasteriser."""

    def __init__(self, binary, name):
        self.binary = binary
        self.jobs = []
        self.file = WORK / "jobs" / (name + ".json")

    def svg(self, source_text, source_name, output, width, height):
        source = WORK / "sources" / source_name
        source.parent.mkdir(parents=True, exist_ok=True)
        source.write_text(source_text, encoding="utf-8")
        self.jobs.append({"type": "svg", "source": str(source), "output": str(output),
                          "width": width, "height": height})

    def add(self, job):
        self.jobs.append(job)

    def run(self):
        if not self.jobs:
            return
        self.file.parent.mkdir(parents=True, exist_ok=True)
        self.file.write_text(json.dumps({"jobs": self.jobs}, ensure_ascii=False, indent=1),
                             encoding="utf-8")
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        subprocess.run([str(self.binary), str(self.file)], check=True, env=env)
        self.jobs = []


def write(path, text):
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_text(text, encoding="utf-8")


@functools.lru_cache(maxsize=None)
def load_glyphs(binary):
    """The glyph outlines of the tiles and images, rendered once per run."""
    r = Rasteriser(binary, "glyphs")
    out = WORK / "glyphs.json"
    r.add({"type": "glyphs", "output": str(out),
           "items": tiles.glyph_requests() + images.glyph_requests()})
    r.run()
    return Glyphs(out)


def make_tiles(binary):
    skin = RESOURCES / "default"
    glyphs = load_glyphs(binary)
    write(skin / "tiles-blank-green.svg", tiles.svg_back("green2"))
    write(skin / "tiles-blank-darkwood.svg", tiles.svg_back("darkwood"))
    for style, name in (("numbered", "tiles-fg.svg"), ("half", "tiles-fg-half-marked.svg"),
                        ("plain", "tiles-fg-no-marks.svg"), ("simple", "tiles-fg-simple.svg")):
        write(skin / name, tiles.svg_faces(glyphs, style))
    r = Rasteriser(binary, "tiles")
    w, h = tiles.SHEET_SIZE
    for key, name in (("default", "tiles-blank-default.png"), ("green", "tiles-blank-green.png"),
                      ("red", "tiles-blank-red.png")):
        r.svg(tiles.png_back_sheet(key), name + ".svg", skin / name, w, h)
    w, h = tiles.FACE_SHEET_SIZE
    r.svg(tiles.png_face_sheet(glyphs), "tiles-fg.png.svg", skin / "tiles-fg.png", w, h)
    w, h = tiles.HIGHLIGHT_SIZE
    r.svg(tiles.highlight_sheet(), "tile-highlights-red.png.svg",
          skin / "tile-highlights-red.png", w, h)
    r.run()


def make_images(binary):
    glyphs = load_glyphs(binary)
    for name, text in images.vector_files(glyphs).items():
        write(RESOURCES / "default" / name, text)
    r = Rasteriser(binary, "images")
    for skin in ("default", "corvana"):
        for name, (text, width, height) in images.png_sources(skin, glyphs).items():
            r.svg(text, skin + "/" + name + ".svg", RESOURCES / skin / name, width, height)
    r.run()


def make_textimages(binary):
    r = Rasteriser(binary, "textimages")
    for job in textimages.jobs(RESOURCES / "default" / "text-images"):
        r.add(job)
    r.run()


def make_www():
    for name, text in www.files().items():
        write(RESOURCES / "default" / "www" / name, text)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--rasteriser", type=Path)
    parser.add_argument("parts", nargs="*",
                        default=["tiles", "images", "textimages", "sounds", "www"])
    args = parser.parse_args()
    needs_tool = set(args.parts) & {"tiles", "images", "textimages"}
    binary = args.rasteriser or (build_rasteriser() if needs_tool else None)
    for part in args.parts:
        if part == "tiles":
            make_tiles(binary)
        elif part == "images":
            make_images(binary)
        elif part == "textimages":
            make_textimages(binary)
        elif part == "sounds":
            sounds.generate(RESOURCES / "default")
        elif part == "www":
            make_www()
        else:
            parser.error("unknown part " + part)


if __name__ == "__main__":
    main()
