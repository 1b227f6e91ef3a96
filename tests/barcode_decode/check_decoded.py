#!/usr/bin/env python3
"""Compares what a barcode reader decoded from the images of a decode test with the messages
the test program meant them to carry.

Usage: check_decoded.py MANIFEST READER_XML
       check_decoded.py --message SYMBOLS   (the text that Full ASCII symbols with a trailing
                                             check character carry; for the run script)

MANIFEST: one row per image, "image <TAB> kind <TAB> expected message as hex <TAB> note"; kind
is "plain" or "ascii", with "+check" when a modulo-43 check character precedes the stop.
READER_XML: zbarimg's --xml output for the same images.

The reader returns the Code 39 characters between start and stop (the space symbol as a space)
and knows nothing of check characters or Full ASCII: both are undone here, independently of
the product's tables. Every file read here is untrusted: malformed input fails the row.
"""

import base64
import sys
import xml.etree.ElementTree as ElementTree

CODE39 = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%"
NAMESPACE = "{http://zbar.sourceforge.net/2008/barcode}"
# The test programs write a few hundred rows: a manifest far longer than that is not theirs.
MAX_ROWS = 10000


def full_ascii_pair(shift, letter):
    """The ASCII code a shift character and a letter stand for, or None."""
    index = ord(letter) - ord("A")
    if not 0 <= index < 26:
        return None
    if shift == "$":
        return index + 1
    if shift == "+":
        return ord("a") + index
    if shift == "/":
        if letter <= "O":
            return ord("!") + index
        return ord(":") if letter == "Z" else None
    if shift == "%":
        table = {"A": 27, "B": 28, "C": 29, "D": 30, "E": 31,
                 "F": ord(";"), "G": ord("<"), "H": ord("="), "I": ord(">"), "J": ord("?"),
                 "K": ord("["), "L": ord("\\"), "M": ord("]"), "N": ord("^"), "O": ord("_"),
                 "P": ord("{"), "Q": ord("|"), "R": ord("}"), "S": ord("~"), "T": 127,
                 "U": 0, "V": ord("@"), "W": ord("`"), "X": 127, "Y": 127, "Z": 127}
        return table[letter]
    return None


def undo_full_ascii(symbols):
    """The message that Code 39 Full ASCII symbols stand for, or an error text."""
    message = bytearray()
    i = 0
    while i < len(symbols):
        c = symbols[i]
        if c in "$+/%":
            if i + 1 >= len(symbols):
                return None, f"shift character {c!r} at the end"
            code = full_ascii_pair(c, symbols[i + 1])
            if code is None:
                return None, f"no Full ASCII pair {c + symbols[i + 1]!r}"
            message.append(code)
            i += 2
        else:
            message.append(ord(c))
            i += 1
    return bytes(message), None


def undo_check(symbols):
    """The symbols without their last one, once that one is their modulo-43 check character."""
    if len(symbols) < 2:
        return None, "no room for data and a check character"
    data, check = symbols[:-1], symbols[-1]
    expected = CODE39[sum(CODE39.index(c) for c in data) % 43]
    if check != expected:
        return None, f"check character {check!r}, but the data give {expected!r}"
    return data, None


def read_manifest(path):
    rows = []
    with open(path, encoding="ascii", errors="replace") as manifest:
        for number, line in enumerate(manifest, 1):
            if number > MAX_ROWS:
                raise ValueError(f"more than {MAX_ROWS} rows")
            fields = line.rstrip("\n").split("\t")
            if len(fields) != 4 or fields[1] not in ("plain", "plain+check", "ascii", "ascii+check"):
                raise ValueError(f"row {number} is malformed: {line!r}")
            rows.append((fields[0], fields[1], bytes.fromhex(fields[2]), fields[3]))
    return rows


def read_decoded(path):
    """Image file name -> list of decoded symbol strings."""
    decoded = {}
    root = ElementTree.parse(path).getroot()
    for source in root.iter(NAMESPACE + "source"):
        href = source.get("href", "")
        name = href.replace("\\", "/").rsplit("/", 1)[-1]
        found = decoded.setdefault(name, [])
        for symbol in source.iter(NAMESPACE + "symbol"):
            if symbol.get("type") != "CODE-39":
                found.append(f"<{symbol.get('type')} symbol>")
                continue
            data = symbol.find(NAMESPACE + "data")
            text = (data.text or "") if data is not None else ""
            if data is not None and data.get("format") == "base64":
                text = base64.b64decode(text).decode("latin-1")
            found.append(text)
    return decoded


def check_row(kind, expected, symbols):
    """None when the symbols carry the expected message, else what is wrong."""
    if any(c not in CODE39 for c in symbols):
        return f"decoded {symbols!r}, which holds characters outside Code 39"
    if kind.endswith("+check"):
        symbols, error = undo_check(symbols)
        if error:
            return error
    if kind.startswith("ascii"):
        message, error = undo_full_ascii(symbols)
        if error:
            return error
    else:
        message = symbols.encode("ascii")
    if message != expected:
        return f"decoded {message!r}, expected {expected!r}"
    return None


def print_message(symbols):
    """Prints the text a Full ASCII barcode with a check character carries."""
    data, error = undo_check(symbols)
    if not error:
        message, error = undo_full_ascii(data)
    if error:
        print(f"{symbols!r}: {error}")
        return 1
    print(message.decode("latin-1"))
    return 0


def main():
    if len(sys.argv) == 3 and sys.argv[1] == "--message":
        return print_message(sys.argv[2])
    if len(sys.argv) != 3:
        sys.exit("usage: check_decoded.py MANIFEST READER_XML")
    try:
        rows = read_manifest(sys.argv[1])
        decoded = read_decoded(sys.argv[2])
    except (OSError, ValueError, UnicodeError, ElementTree.ParseError) as error:
        sys.exit(f"could not read the results: {error}")
    if not rows:
        sys.exit("the manifest lists no image")

    failed = 0
    for image, kind, expected, note in rows:
        found = decoded.get(image)
        if found is None:
            problem = "the reader did not report this image"
        elif len(found) != 1:
            problem = f"the reader found {len(found)} barcodes: {found!r}"
        else:
            problem = check_row(kind, expected, found[0])
        if problem:
            failed += 1
            print(f"FAIL {image} ({kind}, {note}): {problem}")
    print(f"{len(rows) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
