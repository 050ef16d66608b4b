"""Damaged and unusual stand-ins for the game's cue and clip files, as a
player might leave them in its folder. Each maker takes the path to write
and the good file's bytes."""
import os
import random
import struct

HOLE = 8 << 30  # the hole after the real bytes of a huge sparse file


def missing(path, good):
    if os.path.lexists(path):
        os.remove(path)


def empty(path, good):
    open(path, "wb").close()


def half(path, good):
    with open(path, "wb") as f:
        f.write(good[:len(good) // 2])


def garbage(path, good):
    with open(path, "wb") as f:
        f.write(random.Random(len(good)).randbytes(len(good)))


def directory(path, good):
    missing(path, good)
    os.mkdir(path)


def named_pipe(path, good):
    missing(path, good)
    os.mkfifo(path)


def huge_sparse(path, good):
    with open(path, "wb") as f:
        f.write(good)
        f.truncate(len(good) + HOLE)


def absurd_header(path, good):
    """Sizes and counts near the top of their fields."""
    data = bytearray(good)
    if data[8:12] == b"WAVE":
        fmt = data.find(b"fmt ") + 8
        # channels, rate, bytes a second, block size, bits a sample
        struct.pack_into("<HIIHH", data, fmt + 2, 0xFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFF, 0xFFFF)
        at = data.find(b"data")
        struct.pack_into("<I", data, at + 4, 0xFFFFFFF0)
    else:
        avih = data.find(b"avih") + 8
        struct.pack_into("<I", data, avih + 16, 0x7FFFFFFF)  # frames
        struct.pack_into("<ii", data, avih + 32, 0x7FFFFFFF, 0x7FFFFFFF)
        strf = data.find(b"strf") + 8
        struct.pack_into("<ii", data, strf + 4, 0x7FFFFFFF, 0x7FFFFFFF)
    with open(path, "wb") as f:
        f.write(data)


def stereo_cut_mid_frame(path, good):
    """The cue's samples as 16-bit stereo whose data ends half-way through
    a frame, as a truncated copy would."""
    at = good.find(b"data")
    size = struct.unpack_from("<I", good, at + 4)[0]
    mono = good[at + 8:at + 8 + size]
    pcm = b"".join(mono[i:i + 2] * 2 for i in range(0, len(mono) - 1, 2)) + mono[:2]
    rate = struct.unpack_from("<I", good, good.find(b"fmt ") + 12)[0]
    fmt = struct.pack("<HHIIHH", 1, 2, rate, rate * 4, 4, 16)
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt
    body += b"data" + struct.pack("<I", len(pcm)) + pcm
    with open(path, "wb") as f:
        f.write(b"RIFF" + struct.pack("<I", len(body)) + body)


def huge_frames(path, good):
    """A clip of a few hundred bytes that decodes to hundreds of megabytes:
    2048 x 2048 run-length frames that each say only "end of picture"."""
    src = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "fuzz", "corpus", "clip",
                       "rle8-huge-frames.avi")
    with open(src, "rb") as s, open(path, "wb") as f:
        f.write(s.read())


CLIP = "cool.avi"

KINDS = {
    "missing": missing, "empty": empty, "half": half, "garbage": garbage,
    "directory": directory, "pipe": named_pipe, "sparse": huge_sparse,
    "header": absurd_header, "stereo-cut": stereo_cut_mid_frame, "huge-frames": huge_frames,
}
CUE_KINDS = ["missing", "empty", "half", "garbage", "directory", "pipe", "sparse", "header", "stereo-cut"]
CLIP_KINDS = ["missing", "empty", "half", "garbage", "directory", "pipe", "sparse", "header", "huge-frames"]
