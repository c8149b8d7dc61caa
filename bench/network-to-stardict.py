#!/usr/bin/env python3
"""Writes the words of a network with their meanings as a StarDict dictionary, so that sdcv can
look up the same words as QuorSemNetBrowser --print for the comparison in BENCHMARKS.md.

    bench/network-to-stardict.py NETWORK.mdb FOLDER
"""
import sqlite3
import struct
import sys
from pathlib import Path


def ascii_casefold_key(word: bytes):
    # StarDict orders its index by g_ascii_strcasecmp, then byte for byte.
    return (word.lower() if word.isascii() else bytes(
        c + 32 if 65 <= c <= 90 else c for c in word), word)


def main() -> None:
    network, folder = sys.argv[1], Path(sys.argv[2])
    folder.mkdir(parents=True, exist_ok=True)
    db = sqlite3.connect(f"file:{network}?mode=ro", uri=True)
    articles = {}
    for word, meaning in db.execute(
            "select W.WORD, M.MEANING from T_WORD W left join TM_WORD_MEANING WM"
            " on WM.WORD_ID = W.ID left join T_MEANING M on M.ID = WM.MEANING_ID"
            " order by W.ID, M.ID"):
        articles.setdefault(word.encode(), []).append(meaning or "")
    data, index = bytearray(), bytearray()
    for word in sorted(articles, key=ascii_casefold_key):
        text = "\n".join(articles[word]).encode()
        index += word + b"\0" + struct.pack(">II", len(data), len(text))
        data += text
    (folder / "quor.dict").write_bytes(data)
    (folder / "quor.idx").write_bytes(index)
    (folder / "quor.ifo").write_text(
        "StarDict's dict ifo file\nversion=2.4.2\n"
        f"wordcount={len(articles)}\nidxfilesize={len(index)}\n"
        "bookname=Quor network\nsametypesequence=m\n")


if __name__ == "__main__":
    main()
