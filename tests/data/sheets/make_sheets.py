#!/usr/bin/env python3
"""Writes the hand-made test sheets of this folder (run it again after a change).

The CSV files are written byte for byte as French Excel and an English
spreadsheet save them; the .xlsx and .ods are zipped from XML written here,
with shared strings, number cells and a date cell as spreadsheet programs
store them."""
import zipfile
from pathlib import Path

here = Path(__file__).resolve().parent

# French Excel: "CSV (séparateur : point-virgule)", Windows-1252, CR LF.
(here / "federation_fr.csv").write_bytes(
    ("Nom;Prénom;N° licence;Transpondeur;Club;Ville;Date de naissance\r\n"
     "DUPONT;Jean;4512;1201;CV Berck;Berck;14/03/1986\r\n"
     "LEFÈVRE;Éloïse;4513;;CV Berck;Étaples;02/07/1990\r\n"
     ";;;;;;\r\n"
     "MARTIN;Paul;4514;12345678;CV Hardelot;Hardelot;\r\n"
     "Catégorie1;Test;;;;;\r\n").encode("cp1252"))

# An English export in UTF-8 with its byte order mark, commas, and an address
# typed on two lines in a quoted cell.
(here / "entries_utf8.csv").write_bytes(
    ("\ufeffFull name,Licence number,Transponder,Address,Country,Email\n"
     "\"SØRENSEN Åsa\",DK-77,654321,\"Strandvej 4\nDK-6857 Blåvand\",Danemark,asa@example.dk\n"
     "\"O'BRIEN \"\"Paddy\"\"\",IE-3,000042,,Irlande,\n"
     "ŁUKASZ Nowak,PL-1,,,,\n").encode("utf-8"))

CT = """<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">
<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>
<Default Extension="xml" ContentType="application/xml"/>
<Override PartName="/xl/workbook.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/>
<Override PartName="/xl/worksheets/sheet1.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/>
<Override PartName="/xl/worksheets/sheet2.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/>
<Override PartName="/xl/sharedStrings.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml"/>
<Override PartName="/xl/styles.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml"/>
</Types>"""
RELS = """<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">
<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/>
</Relationships>"""
# The first sheet is rId7, whose part is sheet2.xml: the reader must follow
# the relationships, not guess the part's name.
WORKBOOK = """<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">
<sheets><sheet name="Inscrits" sheetId="1" r:id="rId7"/><sheet name="Autre" sheetId="2" r:id="rId8"/></sheets>
</workbook>"""
WB_RELS = """<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">
<Relationship Id="rId8" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="worksheets/sheet1.xml"/>
<Relationship Id="rId7" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="worksheets/sheet2.xml"/>
<Relationship Id="rId9" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings" Target="sharedStrings.xml"/>
</Relationships>"""
STRINGS = ["Engagements 2026", "Nom", "Prénom", "Licence", "Puce", "Date de naissance",
           "Pays", "DUPONT", "Jean", "France", "LEFÈVRE", "Éloïse", "Club"]
SST = ('<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
       '<sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" count="13" uniqueCount="13">'
       + "".join(
           # "LEFÈVRE" is written in two runs, as a program does after a bold letter.
           '<si><r><t>LEF</t></r><r><rPr><b/></rPr><t>ÈVRE</t></r><rPh sb="0" eb="1"><t>X</t></rPh></si>'
           if s == "LEFÈVRE" else f"<si><t>{s}</t></si>" for s in STRINGS)
       + "</sst>")
STYLES = """<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<styleSheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">
<numFmts count="1"><numFmt numFmtId="164" formatCode="dd/mm/yyyy;@"/></numFmts>
<cellXfs count="3"><xf numFmtId="0"/><xf numFmtId="164"/><xf numFmtId="2"/></cellXfs>
</styleSheet>"""
def s(i): return f' t="s"><v>{i}</v></c>'
SHEET = ('<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
         '<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>'
         '<row r="1"><c r="A1"' + s(0) + '</row>'
         '<row r="3"><c r="A3"' + s(1) + '<c r="B3"' + s(2) + '<c r="C3"' + s(3)
         + '<c r="D3"' + s(4) + '<c r="E3"' + s(5) + '<c r="F3"' + s(6) + '<c r="G3"' + s(12) + '</row>'
         '<row r="4"><c r="A4"' + s(7) + '<c r="B4"' + s(8) + '<c r="C4"><v>4512</v></c>'
         '<c r="D4" s="2"><v>1201</v></c><c r="E4" s="1"><v>31485</v></c><c r="F4"' + s(9)
         + '<c r="G4" t="inlineStr"><is><t>CV &amp; Char à voile</t></is></c></row>'
         '<row r="6"><c r="A6"' + s(10) + '<c r="B6"' + s(11) + '<c r="C6"><v>4513.0</v></c>'
         '<c r="D6"><v>2.5</v></c></row>'
         '</sheetData></worksheet>')
OTHER = ('<?xml version="1.0" encoding="UTF-8"?><worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">'
         '<sheetData><row r="1"><c r="A1" t="inlineStr"><is><t>pas cette feuille</t></is></c></row></sheetData></worksheet>')

with zipfile.ZipFile(here / "engagements.xlsx", "w", zipfile.ZIP_DEFLATED) as z:
    z.writestr("[Content_Types].xml", CT)
    z.writestr("_rels/.rels", RELS)
    z.writestr("xl/workbook.xml", WORKBOOK)
    z.writestr("xl/_rels/workbook.xml.rels", WB_RELS)
    z.writestr("xl/sharedStrings.xml", SST)
    z.writestr("xl/styles.xml", STYLES)
    z.writestr("xl/worksheets/sheet1.xml", OTHER)
    z.writestr("xl/worksheets/sheet2.xml", SHEET)

CONTENT = """<?xml version="1.0" encoding="UTF-8"?>
<office:document-content xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" office:version="1.3">
<office:body><office:spreadsheet>
<table:table table:name="Pilotes">
<table:table-column table:number-columns-repeated="5"/>
<table:table-row><table:table-cell office:value-type="string"><text:p>Nom complet</text:p></table:table-cell><table:table-cell office:value-type="string"><text:p>Transpondeur</text:p></table:table-cell><table:table-cell office:value-type="string"><text:p>Fréquence</text:p></table:table-cell><table:table-cell office:value-type="string"><text:p>Téléphone</text:p></table:table-cell><table:table-cell table:number-columns-repeated="16380"/></table:table-row>
<table:table-row><table:table-cell office:value-type="string"><text:p>GARNIER<text:s text:c="2"/>Luc</text:p><office:annotation><text:p>note cachée</text:p></office:annotation></table:table-cell><table:table-cell office:value-type="float" office:value="777"><text:p>777</text:p></table:table-cell><table:table-cell office:value-type="string"><text:p>27.195</text:p></table:table-cell><table:table-cell office:value-type="string"><text:p>06 12 34 56 78</text:p></table:table-cell><table:table-cell table:number-columns-repeated="16380"/></table:table-row>
<table:table-row table:number-rows-repeated="2"><table:table-cell table:number-columns-repeated="16384"/></table:table-row>
<table:table-row><table:table-cell table:number-columns-repeated="2" office:value-type="string"><text:p>BIS &amp; Co</text:p></table:table-cell><table:table-cell/><table:table-cell office:value-type="float" office:value="1e3"/></table:table-row>
<table:table-row table:number-rows-repeated="1048570"><table:table-cell table:number-columns-repeated="16384"/></table:table-row>
</table:table>
<table:table table:name="Autre"><table:table-row><table:table-cell><text:p>pas celle-ci</text:p></table:table-cell></table:table-row></table:table>
</office:spreadsheet></office:body></office:document-content>"""

with zipfile.ZipFile(here / "pilotes.ods", "w", zipfile.ZIP_DEFLATED) as z:
    z.writestr(zipfile.ZipInfo("mimetype"), "application/vnd.oasis.opendocument.spreadsheet")
    z.writestr("content.xml", CONTENT)
    z.writestr("META-INF/manifest.xml", '<?xml version="1.0" encoding="UTF-8"?><manifest:manifest xmlns:manifest="urn:oasis:names:tc:opendocument:xmlns:manifest:1.0" manifest:version="1.3"/>')

# A zip bomb: one part of 200 MB of zeros, packed into a few hundred KB.
with zipfile.ZipFile(here / "bomb.xlsx", "w", zipfile.ZIP_DEFLATED, compresslevel=9) as z:
    z.writestr("xl/workbook.xml", WORKBOOK)
    z.writestr("xl/_rels/workbook.xml.rels", WB_RELS)
    z.writestr("xl/worksheets/sheet2.xml", b"<" + b" " * (200 * 1024 * 1024))
