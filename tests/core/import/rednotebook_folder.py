# Writes a RedNotebook data folder with RedNotebook's own storage code, for the import tests.
# Usage: rednotebook_folder.py FOLDER  (PYTHONPATH must reach the rednotebook package)
import struct
import sys
import zlib

from rednotebook import storage
from rednotebook.data import Month

folder = sys.argv[1]


def png(width, height):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    rows = b"".join(b"\0" + b"\xff\x00\x00" * width for _ in range(height))
    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(rows))
            + chunk(b"IEND", b""))


with open(folder + "/pic.png", "wb") as f:
    f.write(png(2, 3))

march = Month(2024, 3)
march.get_day(5).text = (
    "= Trip =\n"
    "We went **far** and //slow//, __under__ and --struck--.\n"
    "- bags\n"
    "  - small one\n"
    "+ first\n"
    'See [the map ""https://example.org/map""] #travel\n'
    '[""pic.png""] and [""gone.png""]'
)
march.get_day(5).content["Mood"] = {"happy": None}
march.get_day(17).text = "Quiet day with ümlauts."
march.edited = True
april = Month(2024, 4)
april.get_day(1).content = {"text": "", "Work": {"report": None, "meeting": None}}
april.edited = True
storage.save_months_to_disk({"2024-03": march, "2024-04": april}, folder, saveas=True)
