#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets (tests/fuzz/corpus/<target>/): small valid inputs
of each target's format, so every decoder's success path is reached from the first run.
Run it again after a change of an input format, naming the targets whose format changed (no name:
all); the files it writes are kept in the repository."""
import os
import shutil

HERE = os.path.dirname(os.path.abspath(__file__))
CORPUS = os.path.join(HERE, "corpus")


def h(text):
    return bytes.fromhex(text.replace(" ", ""))


def records(flags, recs):
    """The decoder targets' input: a flags byte (1: 50 addresses, 2: Hebrew, 4: early end frame),
    then each record as a length byte and its bytes."""
    out = bytes([flags])
    for r in recs:
        out += bytes([len(r)]) + r
    return out


def frame(command, data):
    body = bytes([0x01, len(data) + 4, 0x10 if command == 0xC5 else 0x00, command]) + data
    return bytes([0xAA]) + body + bytes([sum(body) & 0xFF])


def panel_name(text):
    """Program text (ASCII, Hebrew) to the panel's 16 characters: reversed, digit runs kept,
    right-aligned, Hebrew letters at 96..122."""
    out, run = [], ""
    for ch in reversed(text):
        if ch.isdigit():
            run = ch + run
            continue
        out.append(run)
        run = ""
        code = ord(ch)
        if 0x05D0 <= code <= 0x05EA:
            out.append(chr(code - 0x05D0 + 96))
        else:
            out.append(ch)
    s = "".join(out) + run
    return (" " * 16 + s)[-16:].encode("latin-1")


SMOKE_12 = h("0C 17 03 12 00 00 41 2D 02 00 02 00 00 00")
OUTPUT_2 = h("02 25 00 10 78 18 40 40 00 00 00 00 00 00")
RELAY_40 = h("28 4D 40 20 0F 03 40 40 04 1F 00 1E 01 00")
FOURZONE_20 = h("14 53 00 20 00 00 40 40 01 04 00 00 00 00")
INPUT_5 = h("05 5F 00 10 00 00 40 40 01 06 00 00 00 00")


def group(g, trigger, outputs):
    outs = list(outputs) + [0] * (6 - len(outputs))
    return bytes([g - 1, trigger, len(outputs)] + outs)


def groups_reply():
    reply = [group(g, 0, []) for g in range(1, 33)]
    reply[0] = group(1, 1, [2, 0xC9])
    reply[4] = group(5, 2, [40, 0xCA, 0xCD])
    reply[31] = group(32, 3, [1, 2, 3, 4, 5, 6])
    return reply


def event(device, text, minute, hour, day, month, year):
    t = panel_name(text[:16]) + b" " * 28
    return bytes([device, 0x20]) + t[:44] + bytes([minute, hour, day, month, year])


B2 = h("32 01 71 01 50 01 34 12 05 5B 41 1E 16 00 06")
BC = h("01 00 01 00")

BASE_PROJECT = ("[General]\r\nSiteName=Site.HV6\r\nUpdated=01/01/2026 08:00:00\r\nSoftName=Verdal5000\r\n"
                "SoftwareVersion=1.32\r\nLanguage=0\r\nAdmin =19\r\n[Project Details]\r\n"
                "Addr=\u05e8\u05d7\u05d5\u05d1 \u05d4\u05e8\u05e6\u05dc 1\r\nCont=Dana\r\nTel:=03-1234567\r\n"
                "Inst=01/02/2026\r\nMisc=\r\n[Hardware]\r\nNumOfSystem=01\r\nNumOfDevices=003\r\n"
                "MaxNumOfDevices=126\r\n[01]\r\nCOM-ver=01.20\r\nSOFT-ver=01.71\r\nHARD-ver=01.26\r\n"
                "SYSCFG=00-003-1-1-0-1-0-0-0-0-0-0-0-1-0-2200-0630-01\r\nPanel 01=1\r\nPanel 02=0\r\n"
                "PS 01=0\r\nPS 02=0\r\n"
                "[01-001]\r\nNAME=\u05d2\u05dc\u05d0\u05d9 1\r\nFNAM=001 SMOKE DET  #\r\n"
                "TYPE=001 0-00-005-1-1 00-00-00-0-1 01-00-0-0-1-0 000 000 070 045 002 001 002 000 000\r\n"
                "[01-002]\r\nNAME=BELL 2\r\nFNAM=002 OUTPUT     #\r\n"
                "TYPE=002 0-08-001-0-1 01-00-00-0-0 01-00-1-0-0-0 120 024 064 064 000 000 000 000 000\r\n"
                "[01-003]\r\nNAME=\u05d3\u05dc\u05ea 3\r\nFNAM=003 INPUT      #\r\n"
                "TYPE=003 0-16-007-1-1 00-00-00-0-0 01-00-0-0-0-0 000 000 064 064 000 000 000 000 000\r\n"
                "[#####]\r\n******************************=******************************\r\n"
                "[01-Gr-01]\r\nGRPo=01-1-2[002/201/000/000/000/000]\r\nGrpName=BELLS\r\n"
                "[01-Gr-02]\r\nGRPo=02-2-1[205/000/000/000/000/000]\r\nGrpName=\u05d7\u05d9\u05d5\u05d2\r\n"
                "[----------]\r\nNumOfGroups=2\r\n").encode("cp1255")


def empty_project():
    return (b"[General]\r\nSiteName=Empty.HV6\r\nUpdated=01/01/2026 00:00:00\r\nSoftName=Verdal5000\r\n"
            b"SoftwareVersion=1.32\r\nLanguage=0\r\nAdmin =19\r\n[Project Details]\r\nAddr=\r\nCont=\r\n"
            b"Tel:=\r\nInst=\r\nMisc=\r\n[Hardware]\r\nNumOfSystem=01\r\nNumOfDevices=0  \r\n"
            b"MaxNumOfDevices=126\r\n[01]\r\nCOM-ver=00.00\r\nSOFT-ver=00.00\r\nHARD-ver=00.00\r\n"
            b"SYSCFG=00-003-1-1-0-1-0-0-0-0-0-0-0-0-0-0000-0000-01\r\nPanel 01=0\r\nPanel 02=0\r\n"
            b"PS 01=0\r\nPS 02=0\r\n[#####]\r\n******************************=******************************\r\n"
            b"[----------]\r\nNumOfGroups=0\r\n")


def settings(file_bytes, ops):
    return bytes([len(file_bytes) & 0xFF, len(file_bytes) >> 8]) + file_bytes + ops


def value(text):
    b = text.encode("latin-1")
    return bytes([len(b)]) + bytes((c - 32) for c in b)


def devices_ops(flags, seed, ops):
    """The devices window's operations: flags (1: 50 addresses, 2: Hebrew, 4: administrator mode,
    8: an empty project), the random project's seed, then operation bytes with their arguments
    and the answers of the message boxes they show (fuzz_devices_ops.cpp)."""
    return bytes([flags]) + seed.to_bytes(4, "little") + bytes(ops)


ENABLE, SETTINGS, TYPE, SETTING, NAME, OK, CANCEL, STEP, DELETE, FILL, IMPORT, NAMES, CLOSE = range(13)
YES, NO, CANCEL_ANSWER = 0, 1, 2
OUTPUTS = 0x10

SEEDS = {
    "frame": [frame(0xC6, SMOKE_12), frame(0xC5, group(1, 1, [2])), frame(0xB2, B2), h("AA 01 04 00 06 0B")],
    "deviceblock": [records(0, [SMOKE_12, OUTPUT_2, RELAY_40, FOURZONE_20]), records(3, [INPUT_5, SMOKE_12]),
                    records(4, [OUTPUT_2, SMOKE_12])],
    "verification": [records(0, [SMOKE_12, OUTPUT_2, INPUT_5]), records(1, [FOURZONE_20])],
    "groupblock": [records(0, groups_reply()), records(2, [group(g, 0, []) for g in range(1, 33)])],
    "nameblock": [records(0, [bytes([12, 0x20]) + panel_name("001 SMOKE DET  #"),
                              bytes([5, 0x20]) + panel_name("\u05d3\u05dc\u05ea 5")]),
                  records(3, [bytes([40, 0x20]) + panel_name("FLOOR 2 ROOM 123")])],
    "historyblock": [records(0, [event(12, "FIRE 12", 0x30, 0x14, 0x05, 0x03, 0x24),
                                 event(0, "\u05ea\u05e7\u05dc\u05d4", 0x01, 0x02, 0x28, 0x02, 0x24)])],
    "systemblock": [records(0, [B2]), records(2, [BC])],
    # A whole download: system block, remote units, devices, names and groups (empty records
    # between the blocks); the groups name addresses that hold no output.
    "download": [records(0, [B2, BC, SMOKE_12, OUTPUT_2, RELAY_40, FOURZONE_20, INPUT_5, b"",
                             bytes([12, 0x20]) + panel_name("001 SMOKE DET  #"), b""] + groups_reply()),
                 records(1, [B2, BC, INPUT_5, b"", b""] + [group(g, 0, []) for g in range(1, 33)])],
    "projectfile": [BASE_PROJECT, empty_project(), BASE_PROJECT.replace(b"MaxNumOfDevices=126", b"MaxNumOfDevices=50")],
    "projectread": [BASE_PROJECT, empty_project(), BASE_PROJECT.replace(b"MaxNumOfDevices=126", b"MaxNumOfDevices=50")],
    "settings": [settings(b"[General]\r\nSiteName=A.HV6\r\n[01]\r\nPanel 01=1\r\n",
                          bytes([0, 0, 0]) + bytes([1, 3, 4]) + value("01-2-1[005/000]") + bytes([0, 3, 4, 5, 3, 0, 6, 0, 0])),
                 settings(empty_project(), bytes([7, 0, 0, 1, 2, 2]) + value("x y") + bytes([8, 0, 0, 0, 2, 2])),
                 # A vertical tab before a key is part of its name: "SiteName" is written beside it.
                 settings(b"[General]\r\n\x0bSiteName=old\r\n", bytes([1, 0, 0]) + value("new") + bytes([5, 0, 0, 0, 0, 0]))],
    "devicerecord_roundtrip": [bytes([0]) + SMOKE_12, bytes([2]) + RELAY_40, bytes([1]) + FOURZONE_20,
                               bytes([0]) + OUTPUT_2],
    # A relay's second panel cancelled, two single devices on its addresses, the first deleted; a
    # mixed session on a random project; a 50-address Hebrew session closed with a panel open.
    "devices_ops": [
        devices_ops(8, 0, [ENABLE, 39, TYPE, OUTPUTS | 2, SETTING, 0, 1, OK, CANCEL, ENABLE, 39, OK, ENABLE, 40, OK,
                           DELETE, 39, YES, YES, CLOSE, CANCEL_ANSWER]),
        devices_ops(0, 1234, [FILL, 99, 5, 0, IMPORT, 3, 100, 0, 101, 3, 7, 6, NAMES, SETTINGS, 4, SETTING, 0, 0,
                              NAME, 1, 1, STEP, 1, OK, DELETE, 9, YES, NO, ENABLE, 60, TYPE, OUTPUTS, SETTING, 0, 1,
                              OK, OK]),
        devices_ops(1 | 2 | 4, 7, [ENABLE, 20, TYPE, 10, OK, OK, ENABLE, 29, TYPE, 7, OK, ENABLE, 10, TYPE, OUTPUTS,
                                   SETTING, 0, 1, OK, CLOSE, CANCEL_ANSWER, DELETE, 29, YES, NO]),
        devices_ops(0, 99, [DELETE, 0, YES, YES, CLOSE, YES]),
    ],
    "namerecord_roundtrip": [bytes([12, 0x20]) + panel_name("001 SMOKE DET  #"),
                             bytes([3, 0x20]) + panel_name("\u05d2\u05dc\u05d0\u05d9 3"),
                             "\u05d7\u05d3\u05e8 7 - A".encode("cp1255")],
}


def main(targets):
    for target, seeds in SEEDS.items():
        if targets and target not in targets:
            continue
        folder = os.path.join(CORPUS, target)
        shutil.rmtree(folder, ignore_errors=True)
        os.makedirs(folder)
        for i, seed in enumerate(seeds, 1):
            with open(os.path.join(folder, "seed-%d" % i), "wb") as f:
                f.write(seed)
    print("seeds written to", CORPUS)


if __name__ == "__main__":
    import sys
    main(sys.argv[1:])  # the targets named, or all
