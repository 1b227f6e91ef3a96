#!/usr/bin/env python3
"""Draws the help pages' illustrations (GIF, through ImageMagick's convert) and the
three contents-tree icons (16 x 16, 24-bit ICO, written directly).

Run from anywhere: python3 help_content/img/make_images.py
The outputs are committed; run this again only after changing a drawing.
"""
import os
import struct
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ICON_DIR = os.path.join(os.path.dirname(HERE), "icons")

FACE = "#D4D0C8"
SHADOW = "#808080"
TITLE = "#0A246A"
FONT = "DejaVu-Sans"
FONT_BOLD = "DejaVu-Sans-Bold"
MONO = "DejaVu-Sans-Mono"

# Code 39: five bars and four spaces per character, "1" = wide element.
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "code39"))
from code39_patterns import PATTERNS as CODE39  # noqa: E402


def q(text):
    return "'" + text.replace("\\", "\\\\").replace("'", "\\'") + "'"


class Canvas:
    def __init__(self, width, height, background="white"):
        self.width, self.height, self.background = width, height, background
        self.ops = []

    def draw(self, *ops):
        self.ops.extend(ops)

    def rect(self, x, y, w, h, fill, stroke="none"):
        self.draw(["-fill", fill, "-stroke", stroke, "-strokewidth", "1",
                   "-draw", f"rectangle {x},{y} {x + w - 1},{y + h - 1}"])

    def line(self, x1, y1, x2, y2, colour="black"):
        self.draw(["-stroke", colour, "-strokewidth", "1",
                   "-draw", f"line {x1},{y1} {x2},{y2}"])

    def text(self, x, y, s, size=11, colour="black", font=FONT):
        self.draw(["-stroke", "none", "-fill", colour, "-font", font, "-pointsize", str(size),
                   "-draw", f"text {x},{y} {q(s)}"])

    def sunken(self, x, y, w, h, fill="white"):
        self.rect(x, y, w, h, fill)
        self.line(x, y, x + w - 1, y, SHADOW)
        self.line(x, y, x, y + h - 1, SHADOW)
        self.line(x, y + h - 1, x + w - 1, y + h - 1, "white")
        self.line(x + w - 1, y, x + w - 1, y + h - 1, "white")

    def raised(self, x, y, w, h, fill=FACE):
        self.rect(x, y, w, h, fill)
        self.line(x, y, x + w - 1, y, "white")
        self.line(x, y, x, y + h - 1, "white")
        self.line(x, y + h - 1, x + w - 1, y + h - 1, SHADOW)
        self.line(x + w - 1, y, x + w - 1, y + h - 1, SHADOW)

    def window(self, x, y, w, h, title):
        self.raised(x, y, w, h)
        self.rect(x + 3, y + 3, w - 6, 18, TITLE)
        self.text(x + 8, y + 16, title, 10, "white", FONT_BOLD)
        self.raised(x + w - 20, y + 5, 14, 13)
        self.text(x + w - 16, y + 16, "x", 9)

    def button(self, x, y, w, h, label, size=9):
        self.raised(x, y, w, h)
        self.text(x + 6, y + h // 2 + 4, label, size)

    def group(self, x, y, w, h, label):
        self.draw(["-fill", "none", "-stroke", SHADOW, "-strokewidth", "1",
                   "-draw", f"rectangle {x},{y} {x + w - 1},{y + h - 1}"])
        self.rect(x + 6, y - 6, 6 * len(label) + 4, 12, FACE)
        self.text(x + 8, y + 4, label, 9)

    def check(self, x, y, label, on=True):
        self.sunken(x, y, 11, 11)
        if on:
            self.line(x + 2, y + 5, x + 4, y + 8)
            self.line(x + 4, y + 8, x + 8, y + 2)
        self.text(x + 16, y + 10, label, 9)

    def radio(self, x, y, label, on=False):
        self.draw(["-fill", "white", "-stroke", SHADOW, "-draw", f"circle {x + 5},{y + 5} {x + 5},{y}"])
        if on:
            self.draw(["-fill", "black", "-stroke", "none", "-draw", f"circle {x + 5},{y + 5} {x + 5},{y + 3}"])
        self.text(x + 14, y + 10, label, 9)

    def edit(self, x, y, w, h, s="", colour="black", size=9):
        self.sunken(x, y, w, h)
        if s:
            self.text(x + 4, y + h // 2 + 4, s, size, colour)

    def combo(self, x, y, w, s):
        self.edit(x, y, w, 18, s)
        self.raised(x + w - 16, y + 2, 14, 14)
        self.text(x + w - 13, y + 13, "v", 8)

    def barcode(self, x, y, h, data, narrow=1, wide=3, label=None, colour="black"):
        pos = x
        for ch in data:
            pattern = CODE39.get(ch, CODE39["*"])
            for i, bit in enumerate(pattern):
                width = wide if bit == "1" else narrow
                if i % 2 == 0:
                    self.rect(pos, y, width, h, colour)
                pos += width
            pos += narrow
        if label:
            self.text(x + (pos - x) // 2 - 4 * len(label), y + h + 12, label, 10, colour)
        return pos

    def save(self, name):
        args = ["convert", "-size", f"{self.width}x{self.height}", f"xc:{self.background}"]
        for op in self.ops:
            args.extend(op)
        args.extend(["+dither", "-colors", "64", os.path.join(HERE, name)])
        subprocess.run(args, check=True)


def barcode_dialog(c, x, y, full_ascii, data, encoded, bars):
    width = 540 if full_ascii else 380
    c.window(x, y, width, 300, "Tolvek Vantrix Helper")
    top = y + 36
    c.group(x + 8, top, 156, 72, "Code 39 Barcode Options")
    c.check(x + 16, top + 12, "Add Human-Readable Text")
    c.check(x + 16, top + 30, "Add Checksum Character")
    c.check(x + 16, top + 48, "Enable Code 39 Full ASCII", full_ascii)
    c.group(x + 168, top, 204, 72, "Font Information")
    c.combo(x + 174, top + 10, 116, "TolvekVantrixMT")
    c.combo(x + 296, top + 10, 50, "12")
    c.radio(x + 176, top + 36, "XL")
    c.radio(x + 216, top + 36, "L")
    c.radio(x + 248, top + 36, "M", True)
    c.radio(x + 176, top + 52, "XS")
    c.radio(x + 216, top + 52, "S")
    c.button(x + 310, top + 44, 50, 18, "HELP")
    top += 84
    c.group(x + 8, top, 156, 92, "Start / Stop Character")
    labels = ["* - - *", "| - - |", "[ - - ]", "# - - #", "( - - )", "{ - - }"]
    for i, label in enumerate(labels):
        c.radio(x + 16 + (i // 3) * 64, top + 12 + (i % 3) * 18, label, i == 4)
    c.button(x + 46, top + 68, 50, 18, "HELP")
    c.group(x + 168, top, 204, 92, "Code 39 Data")
    c.text(x + 176, top + 16, "Data to be encoded:", 9)
    c.edit(x + 176, top + 20, 188, 18, data)
    c.text(x + 176, top + 52, "Ecoded string:", 9)
    c.edit(x + 176, top + 56, 188, 18, encoded, "red")
    top += 104
    c.group(x + 8, top, 364, 70, "Preview Area")
    c.sunken(x + 16, top + 10, 236, 54)
    c.barcode(x + 24, top + 16, 26, "*" + bars + "*", 1, 2, data)
    c.text(x + 262, top + 20, "Barcode Color:", 9)
    c.sunken(x + 344, top + 10, 22, 14, "black")
    c.button(x + 262, top + 28, 102, 16, "Copy to clipboard")
    c.button(x + 262, top + 48, 102, 18, "Insert Barcode")
    if full_ascii:
        c.group(x + 380, y + 28, 152, 262, "Control Characters of Full ASCII")
        c.combo(x + 388, y + 40, 136, "View Character Name")
        names = ["NU", "SH", "SX", "EX", "ET", "EQ", "AK", "BL", "BS", "HT", "LF", "VT",
                 "FF", "CR", "SO", "SI", "DL", "D1", "D2", "D3", "D4", "NK", "SY", "EB",
                 "CN", "EM", "SB", "ESC", "FS", "GS", "RS", "US", "DEL", "<", "SP", ">"]
        for i, name in enumerate(names):
            c.button(x + 388 + (i % 3) * 45, y + 64 + (i // 3) * 18, 42, 16, name, 8)


def page_icon(c, x, y, label, colour="#2060C0", tag=""):
    c.draw(["-fill", "white", "-stroke", "#404040", "-draw",
            f"polygon {x},{y} {x + 22},{y} {x + 30},{y + 8} {x + 30},{y + 36} {x},{y + 36}"])
    c.rect(x + 4, y + 20, 22, 10, colour)
    c.text(x + 5, y + 29, tag, 7, "white", FONT_BOLD)
    c.text(x - 6, y + 50, label, 9)


def folder_shape(c, x, y, w, h):
    c.draw(["-fill", "#F0C850", "-stroke", "#907020", "-draw",
            f"polygon {x},{y + 4} {x + w // 3},{y + 4} {x + w // 3 + 4},{y + 8} {x + w},{y + 8} "
            f"{x + w},{y + h} {x},{y + h}"])


def img_folder():
    c = Canvas(360, 200)
    c.window(0, 0, 360, 200, "C:\\Program Files\\Tolvek\\Glyphora")
    c.sunken(6, 26, 348, 168)
    items = [("TolvekDravel.dll", "DLL"), ("Vantrix.dll", "DLL"), ("tolvekvantrix.dat", "DAT")]
    for i, (name, tag) in enumerate(items):
        page_icon(c, 30 + i * 110, 40, name, "#606060", tag)
    folder_shape(c, 30, 120, 36, 28)
    c.text(34, 166, "doc", 9)
    c.text(100, 140, "doc\\Lumidoc.exe   (help viewer)", 9)
    c.text(100, 156, "doc\\PendrelEn.dll (this help)", 9)
    c.save("folder.gif")


def img_font():
    c = Canvas(300, 220)
    c.window(0, 0, 300, 220, "Fonts")
    c.sunken(6, 26, 288, 188)
    sizes = ["XS", "S", "M", "L", "XL"]
    for i, s in enumerate(sizes):
        for j, suffix in enumerate(["", "T"]):
            y = 34 + i * 36 + j * 18
            c.rect(14, y, 14, 14, "#F4F4F4", "#404040")
            c.text(17, y + 12, "O", 9, "#206020", FONT_BOLD)
            c.text(36, y + 12, "TolvekVantrix" + s + suffix, 10)
    c.save("font.gif")


def img_h():
    c = Canvas(320, 120)
    c.text(10, 16, "TolvekVantrixM", 10, font=FONT_BOLD)
    c.barcode(10, 24, 40, "*CODE39*", 1, 3)
    c.text(170, 16, "TolvekVantrixMT", 10, font=FONT_BOLD)
    c.barcode(170, 24, 40, "*CODE39*", 1, 3, "CODE39")
    c.text(10, 100, "The T fonts print the data as text under the bars.", 9)
    c.save("h.gif")


def img_xdim():
    c = Canvas(300, 150)
    c.barcode(20, 20, 70, "*A*", 6, 16)
    c.line(20, 100, 26, 100, "red")
    c.line(20, 95, 20, 105, "red")
    c.line(26, 95, 26, 105, "red")
    c.text(20, 120, "X: width of the narrowest bar", 10, "red")
    c.text(20, 138, "wide elements are three times X", 10)
    c.save("x-dim.gif")


def word_window(c, title):
    c.window(0, 0, c.width, c.height, title)
    c.rect(3, 22, c.width - 6, 18, FACE)
    for i, m in enumerate(["File", "Edit", "View", "Insert", "Format", "Tools", "Table", "Window", "Help"]):
        c.text(8 + i * 46, 35, m, 9)
    c.sunken(6, 66, c.width - 12, c.height - 72)


def img_wordins():
    c = Canvas(400, 220)
    word_window(c, "Document1 - Word")
    c.raised(6, 42, c.width - 12, 22)
    c.button(10, 45, 96, 17, "Insert Barcode")
    c.text(24, 92, "Order 4711, pallet 3 of 5", 10)
    c.barcode(24, 104, 44, "*ORDER4711*", 1, 3, "ORDER4711")
    c.text(24, 186, "Inserted in TolvekVantrixMT, 12 points", 9, "#404040")
    c.save("wordins.gif")


def img_dot():
    c = Canvas(220, 90)
    page_icon(c, 20, 10, "Glyphora.dot", "#2050A0", "DOT")
    page_icon(c, 130, 10, "Glyphora.bas", "#A05020", "BAS")
    c.save("dot.gif")


def img_newfromtemp():
    c = Canvas(340, 200)
    c.window(0, 0, 340, 200, "Templates")
    c.sunken(6, 26, 328, 134)
    page_icon(c, 30, 40, "Normal", "#2050A0", "DOT")
    page_icon(c, 120, 40, "Glyphora", "#2050A0", "DOT")
    c.draw(["-fill", "none", "-stroke", TITLE, "-draw", "rectangle 108,36 170,102"])
    c.radio(14, 170, "Document", True)
    c.radio(110, 170, "Template")
    c.button(260, 168, 66, 22, "OK")
    c.save("newfromtemp.gif")


def img_wordtoolbar():
    c = Canvas(360, 80)
    c.window(0, 0, 360, 80, "Customize")
    c.raised(6, 30, 348, 40)
    c.button(12, 38, 110, 22, "Insert Barcode")
    c.text(132, 54, "<- dragged from Macros:", 9)
    c.text(132, 66, "Glyphora.InsertCode39Barcode", 8, "#404040")
    c.save("wordtoolbar.gif")


def img_helper():
    c = Canvas(382, 302, FACE)
    barcode_dialog(c, 0, 0, False, "CODE39", "(CODE39W)", "CODE39W")
    c.save("helper.gif")


def img_bhelper():
    c = Canvas(382, 302, FACE)
    barcode_dialog(c, 0, 0, False, "PART 42", "(PART_426)", "PART 426")
    c.save("bhelper.gif")


def img_bhelperfull():
    c = Canvas(542, 302, FACE)
    barcode_dialog(c, 0, 0, True, "Ab<CR>", "(A+B$M.)", "A+B$M.")
    c.save("bhelperfull.gif")


def img_fullascii():
    c = Canvas(190, 280, FACE)
    c.group(6, 10, 178, 262, "Control Characters of Full ASCII")
    c.combo(20, 22, 150, "View Character Name")
    names = ["NU", "SH", "SX", "EX", "ET", "EQ", "AK", "BL", "BS", "HT", "LF", "VT",
             "FF", "CR", "SO", "SI", "DL", "D1", "D2", "D3", "D4", "NK", "SY", "EB",
             "CN", "EM", "SB", "ESC", "FS", "GS", "RS", "US", "DEL", "<", "SP", ">"]
    for i, name in enumerate(names):
        c.button(20 + (i % 3) * 52, 48 + (i // 3) * 18, 46, 16, name, 8)
    c.save("fullascii.gif")


def img_input():
    c = Canvas(240, 100, FACE)
    c.group(6, 10, 228, 84, "Code 39 Data")
    c.text(14, 28, "Data to be encoded:", 9)
    c.edit(14, 32, 210, 18, "12345 ABC")
    c.text(14, 64, "Ecoded string:", 9)
    c.edit(14, 68, 210, 18, "(12345_ABC0)", "red")
    c.save("input.gif")


def img_help():
    c = Canvas(220, 70, FACE)
    c.group(6, 10, 208, 54, "Font Information")
    c.combo(14, 20, 120, "TolvekVantrixMT")
    c.button(146, 36, 56, 20, "HELP")
    c.draw(["-fill", "none", "-stroke", "red", "-draw", "rectangle 143,33 204,58"])
    c.save("help.gif")


def img_bas():
    c = Canvas(380, 150)
    c.window(0, 0, 380, 150, "Import File")
    c.sunken(6, 26, 368, 84)
    page_icon(c, 20, 34, "Glyphora.bas", "#A05020", "BAS")
    c.text(110, 54, "File > Import File... in the", 9)
    c.text(110, 68, "Visual Basic editor (Alt+F11)", 9)
    c.text(8, 132, "Files of type: Basic Files (*.bas)", 9)
    c.button(300, 118, 66, 22, "Open")
    c.save("bas.gif")


def img_low():
    c = Canvas(320, 120)
    c.text(10, 14, "600 dpi", 10, font=FONT_BOLD)
    c.barcode(10, 20, 36, "*LOW1*", 2, 6)
    c.text(170, 14, "low resolution or scaled", 10, "#A00000", FONT_BOLD)
    # The same symbol with bars rounded to a coarse grid: narrow and wide close up.
    c.barcode(170, 20, 36, "*LOW1*", 2, 4, colour="#505050")
    c.text(10, 90, "Wide and narrow bars must stay clearly different.", 9)
    c.text(10, 106, "Print at full resolution, never scaled to fit.", 9)
    c.save("low.gif")


def excel_window(c, title):
    c.window(0, 0, c.width, c.height, title)
    c.sunken(6, 26, c.width - 12, c.height - 32)
    for col in range(5):
        c.raised(30 + col * 80, 28, 80, 16)
        c.text(66 + col * 80, 40, "ABCDE"[col], 9)
    for row in range(8):
        c.raised(8, 44 + row * 18, 22, 18)
        c.text(14, 57 + row * 18, str(row + 1), 9)
        c.line(30, 62 + row * 18, c.width - 8, 62 + row * 18, "#C0C0C0")


def img_excelmacro():
    c = Canvas(400, 200)
    excel_window(c, "Book1 - Excel")
    c.window(120, 56, 260, 130, "Macro")
    c.text(130, 96, "Macro name:", 9)
    c.edit(130, 100, 160, 18, "InsertCode39Barcode")
    c.sunken(130, 122, 160, 56)
    c.rect(132, 124, 156, 14, TITLE)
    c.text(134, 135, "InsertCode39Barcode", 9, "white")
    c.text(134, 151, "Code39Column", 9)
    c.button(300, 100, 70, 20, "Run")
    c.button(300, 126, 70, 20, "Cancel")
    c.save("excelmacro.gif")


def img_xlt():
    c = Canvas(120, 90)
    page_icon(c, 40, 10, "Glyphora.xlt", "#207040", "XLT")
    c.save("xlt.gif")


def img_newfromxlt():
    c = Canvas(340, 200)
    c.window(0, 0, 340, 200, "Templates")
    c.sunken(6, 26, 328, 134)
    page_icon(c, 30, 40, "Workbook", "#207040", "XLS")
    page_icon(c, 120, 40, "Glyphora", "#207040", "XLT")
    c.draw(["-fill", "none", "-stroke", TITLE, "-draw", "rectangle 108,36 170,102"])
    c.button(260, 168, 66, 22, "OK")
    c.save("newfromxlt.gif")


def img_access():
    c = Canvas(380, 170)
    c.window(0, 0, 380, 170, "Report: Shipping Labels")
    c.sunken(6, 26, 368, 138)
    c.text(16, 46, "Text box Control Source:", 9, font=FONT_BOLD)
    c.text(16, 62, "=Code39([ProductCode])", 9, "#00007F", MONO)
    c.text(16, 80, "Font Name: TolvekVantrixMT", 9)
    c.barcode(16, 92, 40, "*P10042*", 1, 3, "P10042")
    c.save("access.gif")


def img_paint():
    c = Canvas(360, 160)
    c.window(0, 0, 360, 160, "untitled - Paint")
    c.raised(6, 26, 60, 128)
    c.text(26, 46, "A", 14, font=FONT_BOLD)
    c.sunken(70, 26, 284, 128)
    c.draw(["-fill", "none", "-stroke", "#404040", "-draw", "rectangle 84,40 340,120"])
    c.barcode(94, 50, 40, "*INV7*", 1, 3, "INV7")
    c.text(78, 146, "Text tool, font TolvekVantrixMT", 8, "#404040")
    c.save("paint.gif")


def img_pdf():
    c = Canvas(340, 140)
    c.window(0, 0, 340, 140, "Print")
    c.text(12, 44, "Printer:", 9)
    c.combo(70, 30, 200, "PDF printer")
    c.check(12, 60, "Embed all fonts", True)
    c.text(12, 92, "Page scaling:", 9)
    c.combo(100, 78, 120, "None")
    c.button(260, 108, 66, 22, "OK")
    c.save("pdf.gif")


def img_pdffont():
    c = Canvas(340, 140)
    c.window(0, 0, 340, 140, "Document Properties - Fonts")
    c.sunken(6, 26, 328, 108)
    c.text(14, 46, "TolvekVantrixMT (Embedded Subset)", 9, font=FONT_BOLD)
    c.text(24, 62, "Type: TrueType", 9)
    c.text(24, 76, "Encoding: Ansi", 9)
    c.text(14, 100, "Verdana (Embedded Subset)", 9)
    c.save("pdf-font.gif")


def img_print():
    c = Canvas(340, 150)
    c.window(0, 0, 340, 150, "Print")
    c.text(12, 44, "Printer:", 9)
    c.combo(70, 30, 200, "Laser printer")
    c.text(12, 72, "Print quality:", 9)
    c.combo(100, 58, 120, "600 dpi")
    c.text(12, 100, "Zoom:", 9)
    c.combo(100, 86, 120, "No Scaling")
    c.button(260, 118, 66, 22, "OK")
    c.save("print.gif")


def img_dll():
    c = Canvas(420, 120)
    boxes = [("Your program", "#E8F0FF"), ("Vantrix.dll", "#FFF4D8"), ("TolvekDravel.dll", "#E8FFE8")]
    for i, (label, fill) in enumerate(boxes):
        c.rect(10 + i * 140, 30, 120, 50, fill, "#404040")
        c.text(20 + i * 140, 60, label, 10, font=FONT_BOLD)
    c.line(130, 55, 150, 55)
    c.line(270, 55, 290, 55)
    c.text(10, 20, "\"Vantrix.Encoder\" (IEncoder)", 9)
    c.text(150, 96, "CalcCheckSum, Vantrix,", 9)
    c.text(150, 110, "VantrixExt", 9)
    c.text(290, 96, "InsertBarcode", 9)
    c.save("dll.gif")


def img_reference():
    c = Canvas(340, 170)
    c.window(0, 0, 340, 170, "References")
    c.text(10, 40, "Available References:", 9)
    c.sunken(10, 46, 240, 112)
    refs = [("Visual Basic For Applications", True), ("OLE Automation", True),
            ("Vantrix 1.0 Type Library", True), ("Other type library", False)]
    for i, (name, on) in enumerate(refs):
        if i == 2:
            c.rect(12, 48 + i * 18, 236, 16, TITLE)
        c.check(16, 50 + i * 18, "", on)
        c.text(32, 60 + i * 18, name, 9, "white" if i == 2 else "black")
    c.button(262, 46, 66, 22, "OK")
    c.button(262, 74, 66, 22, "Cancel")
    c.save("reference.gif")


def img_wordsel():
    c = Canvas(400, 120)
    c.text(20, 30, "Order number:", 10)
    c.rect(116, 18, 60, 16, "#0A246A")
    c.text(118, 30, "4711-A", 10, "white")
    c.text(20, 70, "Select the text, then press Insert Barcode.", 9)
    c.save("wordsel.gif")


def img_www():
    c = Canvas(120, 40)
    c.draw(["-fill", "#2060C0", "-stroke", "none", "-draw", "circle 18,20 18,4"])
    c.draw(["-fill", "none", "-stroke", "white", "-draw", "ellipse 18,20 7,16 0,360"])
    c.line(2, 20, 34, 20, "white")
    c.text(40, 25, "Web site", 10, "#0033CC")
    c.save("www.gif")


def img_lib():
    c = Canvas(120, 60)
    for i, colour in enumerate(["#A05020", "#2050A0", "#207040"]):
        c.rect(10 + i * 16, 8, 14, 44, colour, "#303030")
    c.text(64, 36, "VANTRIXLib", 9)
    c.save("lib.gif")


# Contents-tree icons: one 16 x 16 image, 24-bit colour, with a transparency mask.
ICON_COLOURS = {
    ".": None, "k": (0, 0, 0), "w": (255, 255, 255), "y": (240, 200, 80), "o": (144, 112, 32),
    "b": (32, 80, 176), "d": (16, 40, 104), "g": (128, 128, 128), "l": (192, 192, 192),
}

FOLDER_ICON = [
    "................",
    "................",
    "..ooooo.........",
    ".oyyyyyo........",
    ".oyyyyyyoooooo..",
    ".oyyyyyyyyyyyyo.",
    ".oyyyyyyyyyyyyo.",
    ".oyyyyyyyyyyyyo.",
    ".oyyyyyyyyyyyyo.",
    ".oyyyyyyyyyyyyo.",
    ".oyyyyyyyyyyyyo.",
    ".oyyyyyyyyyyyyo.",
    ".oyyyyyyyyyyyyo.",
    ".oooooooooooooo.",
    "................",
    "................",
]

ROOT_ICON = [
    "................",
    "...dddddddddd...",
    "..dbbbbbbbbbbd..",
    "..dbbbbbbbbbbdw.",
    "..dbbwwwwwwbbdw.",
    "..dbbbbbbbbbbdw.",
    "..dbbwwwwwbbbdw.",
    "..dbbbbbbbbbbdw.",
    "..dbbbbbbbbbbdw.",
    "..dbbbbbbbbbbdw.",
    "..dbbbbbbbbbbdw.",
    "..dbbbbbbbbbbdw.",
    "..dddddddddddlw.",
    "..dwwwwwwwwwwww.",
    "...dddddddddddd.",
    "................",
]

PAGE_ICON = [
    "................",
    "..kkkkkkkkk.....",
    "..kwwwwwwwkk....",
    "..kwwwwwwwklk...",
    "..kwggggwwkkkk..",
    "..kwwwwwwwwwwk..",
    "..kwggggggggwk..",
    "..kwwwwwwwwwwk..",
    "..kwggggggggwk..",
    "..kwwwwwwwwwwk..",
    "..kwggggggggwk..",
    "..kwwwwwwwwwwk..",
    "..kwggggggwwwk..",
    "..kwwwwwwwwwwk..",
    "..kkkkkkkkkkkk..",
    "................",
]


def write_icon(name, rows):
    size = 16
    xor = bytearray()
    mask = bytearray()
    for row in reversed(rows):              # bitmaps are stored bottom-up
        bits = 0
        for x, key in enumerate(row):
            colour = ICON_COLOURS[key]
            if colour is None:
                xor += bytes((0, 0, 0))
                bits |= 0x8000 >> x
            else:
                r, g, b = colour
                xor += bytes((b, g, r))
        mask += struct.pack(">H", bits) + b"\0\0"   # each mask row padded to 32 bits
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 24, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = header + bytes(xor) + bytes(mask)
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", size, size, 0, 0, 1, 24, len(image), 22)
    with open(os.path.join(ICON_DIR, name), "wb") as f:
        f.write(directory + image)


def main():
    for draw in [img_folder, img_font, img_h, img_xdim, img_wordins, img_dot, img_newfromtemp,
                 img_wordtoolbar, img_helper, img_bhelper, img_bhelperfull, img_fullascii,
                 img_input, img_help, img_bas, img_low, img_excelmacro, img_xlt, img_newfromxlt,
                 img_access, img_paint, img_pdf, img_pdffont, img_print, img_dll, img_reference,
                 img_wordsel, img_www, img_lib]:
        draw()
    os.makedirs(ICON_DIR, exist_ok=True)
    write_icon("folder.ico", FOLDER_ICON)
    write_icon("root.ico", ROOT_ICON)
    write_icon("page.ico", PAGE_ICON)


if __name__ == "__main__":
    main()
