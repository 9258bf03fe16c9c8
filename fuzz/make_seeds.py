#!/usr/bin/env python3
"""Writes the seed corpus of the start-up fuzz target (fuzz/corpus/seed-*).

Each seed is a list of commands in the target's format: 0 sets one value, 255 makes
many list entries at once (after the word BULK). Key and value names are indexes into the target's tables."""
import pathlib
import struct

KEYS = {"oe": 0, "mail": 1, "iam": 2, "accounts": 3, "wab": 4, "own": 5, "list": 6}
NAMES = ["Store Root", "Signature File", "Signature Text", "Signature Type", "Poll For Mail",
         "Default Mail Account", "Account Name", "POP3 Server", "IMAP Server", "SMTP Server",
         "", "Selected", "Config Name", "Wab File Name", "Mail Check Sts",
         "Signature Sts", "Complete", "Hide Signature Title", "Top", "Left"]


def text(b: bytes) -> bytes:
    assert len(b) < 255
    return bytes([len(b)]) + b


def value(key, suffix, name, kind, data) -> bytes:
    return bytes([0, KEYS[key]]) + text(suffix) + bytes([NAMES.index(name), kind]) + text(data)


def sz(s: str) -> bytes:
    return (s + "\0").encode("utf-16-le")


def dword(n: int) -> bytes:
    return struct.pack("<i", n)


def mail_client() -> bytes:
    return b"".join([
        value("oe", b"", "Store Root", 1, sz("C:\\Mail")),
        value("mail", b"", "Signature Type", 4, dword(0x10001)),
        value("mail", b"", "Signature Text", 1, sz("山田\r\n")),
        value("mail", b"", "Poll For Mail", 4, dword(1800000)),
        value("iam", b"", "Default Mail Account", 1, sz("00000001")),
        value("accounts", b"00000001", "Account Name", 1, sz("Office")),
        value("accounts", b"00000001", "POP3 Server", 1, sz("pop")),
        value("accounts", b"00000001", "SMTP Server", 1, sz("smtp")),
        value("wab", b"", "", 1, sz("C:\\WAB\\a.wab")),
    ])


def entry(n: int, name: str) -> bytes:
    suffix = b"%08X" % n
    return b"".join([
        value("list", suffix, "Selected", 4, dword(1)),
        value("list", suffix, "Config Name", 1, sz(name)),
        value("list", suffix, "Store Root", 1, sz("C:\\Mail")),
        value("list", suffix, "Wab File Name", 1, sz("C:\\WAB\\a.wab")),
        value("list", suffix, "Account Name", 1, sz("00000001")),
        value("list", suffix, "Poll For Mail", 4, dword(600000)),
    ])


seeds = {
    "empty": b"",
    "mail-client": mail_client(),
    "stored-list": mail_client() + entry(1, "会社") + entry(2, "😀 é"),
    "wrong-types": mail_client() + value("mail", b"", "Poll For Mail", 1, sz("30"))
                   + value("list", b"00000001", "Selected", 1, b"\x31"),
    "odd-strings": mail_client() + value("oe", b"", "Store Root", 1, b"\x00\xd8A\x00\x00\x00")
                   + value("list", b"00000001", "Config Name", 1, b"a\x00\x00\x00b\x00"),
    "70000-entries": mail_client() + bytes([255]) + text(b"BULK") + bytes([0xFF, 0xFF]) + text(b"a")
                     + bytes([255]) + text(b"BULK") + bytes([0x11, 0x70]) + text(b"b"),
}
# The long list is slow to run: the regression run takes it, the fuzzer starts without.
for name, data in seeds.items():
    folder = pathlib.Path(__file__).parent / ("corpus-large" if name == "70000-entries" else "corpus")
    folder.mkdir(exist_ok=True)
    (folder / f"seed-{name}").write_bytes(data)
