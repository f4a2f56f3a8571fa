#!/usr/bin/python3
"""The peer of bench/labels.sh and bench/report.sh: a plain reportlab canvas drawing the same pages as Corvella's
label run and contact report, from the same contact file, with the same font embedded.

usage: peer_reportlab.py labels|report CONTACT_FILE OUT_PDF FONT_FILE

Prints "ms N" (the time from opening the file to the PDF written) and "pages N"."""
import sqlite3
import sys
import time

from reportlab.lib.units import mm
from reportlab.pdfbase import pdfmetrics
from reportlab.pdfbase.ttfonts import TTFont
from reportlab.pdfgen import canvas

A4 = (210 * mm, 297 * mm)
FONT = "Body"


class Page:
    """Text placed by the top of its character cell, on a white cell as Corvella prints it."""

    def __init__(self, path, size):
        self.canvas = canvas.Canvas(path, pagesize=size, pageCompression=1)
        self.height = size[1]
        self.face = pdfmetrics.getFont(FONT).face
        self.pages = 1

    def text(self, x_mm, y_mm, text, points, colour):
        if not text:
            return
        c = self.canvas
        ascent = self.face.ascent * points / 1000
        descent = -self.face.descent * points / 1000
        top = self.height - y_mm * mm
        width = pdfmetrics.stringWidth(text, FONT, points)
        c.setFillColorRGB(1, 1, 1)
        c.rect(x_mm * mm, top - ascent - descent, width, ascent + descent, stroke=0, fill=1)
        c.setFillColorRGB(*colour)
        c.setFont(FONT, points)
        c.drawString(x_mm * mm, top - ascent, text)

    def line(self, x1, y1, x2, y2):
        if (x1, y1) != (x2, y2):
            self.canvas.line(x1 * mm, self.height - y1 * mm, x2 * mm, self.height - y2 * mm)

    def new_page(self):
        self.canvas.showPage()
        self.pages += 1

    def save(self):
        self.canvas.save()


def labels(db, out):
    page = Page(out, A4)
    black = (0, 0, 0)
    # The settings row of a new contact file: 3 x 8 labels of 70 x 37 mm and these elements.
    rows = db.execute(
        "SELECT Ad, Soyad, [Firma Adi], [Adres 1], [Adres 2], Sehir, [Posta Kodu] FROM kayit "
        "ORDER BY [Firma Adi] COLLATE BINARY")
    for index, (first, last, company, address1, address2, city, postal) in enumerate(rows):
        slot = index % 24
        if slot == 0 and index > 0:
            page.new_page()
        x0, y0 = (index % 3) * 70, (slot // 3) * 37
        name = " ".join(part for part in ((first or "").strip(), (last or "").strip()) if part)
        for dx, dy, text, points in ((20, 4, name, 10), (5, 10, company, 10), (5, 16, address1, 9),
                                     (5, 22, address2, 9), (30, 28, city, 9), (5, 33, postal, 9),
                                     (5, 4, "Sayın", 10), (25, 28, "/", 9)):
            page.text(x0 + dx, y0 + dy, text or "", points, black)
    page.save()
    return page.pages


def report(db, out):
    # Seven text columns 25 characters wide: a table of 237 mm, printed across the long side.
    names = ["Firma Adi", "Sektör", "Alt Sektör", "Ad", "Soyad", "Sehir", "e-mail"]
    page = Page(out, (A4[1], A4[0]))
    red, blue = (1, 0, 0), (0, 0, 1)
    pitch, height, left, right = 5, 210, 4, 247
    text_x = [round((4 + 26 * i) * 1.3) + 1 for i in range(7)]
    separators = [left] + [round((4 + 26 * i) * 1.3) for i in range(1, 7)]
    count = db.execute("SELECT count(*) FROM kayit").fetchone()[0]
    rows = db.execute("SELECT " + ", ".join("[%s]" % n for n in names) + " FROM kayit "
                      "ORDER BY [Firma Adi] COLLATE BINARY")
    page.text(15, 2, "Contacts", 14, red)
    row = 0
    while True:
        for x, name in zip(text_x, names):
            page.text(x, pitch, name.replace("_", " "), 8, red)
        line = 3
        full = False
        while row < max(count, 1):
            y = line * pitch
            values = rows.fetchone() if row < count else [""] * 7
            for x, value in zip(text_x, values):
                page.line(left, y - 2, right, y - 2)
                page.text(x, y - 1, value or "", 8, blue)
            row += 1
            line += 1
            if row > 1 and (line + 2) * pitch > height:
                full = True
                bottom = (line - 1) * pitch + 3
                break
        if not full:
            bottom = line * pitch + 1
        top, underline = pitch, 2 * pitch + 1
        for y in (top, underline, bottom):
            page.line(left, y, right, y)
        for x in [left, right] + separators:
            page.line(x, top, x, bottom)
        if not full:
            break
        page.new_page()
    page.save()
    return page.pages


def main():
    if len(sys.argv) != 5 or sys.argv[1] not in ("labels", "report"):
        sys.exit(__doc__)
    kind, contacts, out, font = sys.argv[1:]
    start = time.monotonic()
    pdfmetrics.registerFont(TTFont(FONT, font))
    db = sqlite3.connect(contacts)
    pages = (labels if kind == "labels" else report)(db, out)
    print("ms %d" % round((time.monotonic() - start) * 1000))
    print("pages %d" % pages)


if __name__ == "__main__":
    main()
