#!/usr/bin/env python3
"""Reads a file the program wrote with a reader written elsewhere and prints what it found
as JSON: `dxf FILE` through ezdxf, `csv FILE` through Python's csv module in CP932."""
import csv
import json
import sys


def read_dxf(path):
    import ezdxf
    from ezdxf import bbox

    doc = ezdxf.readfile(path)
    space = doc.modelspace()
    outline = bbox.extents(space.query('*[layer=="外形線"]'))
    style = doc.styles.get("Standard")
    counts = {}
    for entity in space:
        layer = counts.setdefault(entity.dxf.layer, {})
        layer[entity.dxftype()] = layer.get(entity.dxftype(), 0) + 1
    return {
        "style": {"font": style.dxf.font, "family": style.get_extended_font_data()[0]},
        "codepage": doc.header.get("$DWGCODEPAGE"),
        "version": doc.dxfversion,
        "layers": {layer.dxf.name: {"colour": layer.dxf.color, "linetype": layer.dxf.linetype}
                   for layer in doc.layers},
        "outline": [outline.extmin.x, outline.extmin.y, outline.extmax.x, outline.extmax.y],
        "size": list(bbox.extents(space).size)[:2],
        "texts": [text.dxf.text for text in space.query("TEXT")],
        "arcs": [{"layer": arc.dxf.layer, "radius": arc.dxf.radius}
                 for arc in space.query("ARC")],
        "auditErrors": len(doc.audit().errors),
        "counts": counts,
    }


def read_csv(path):
    with open(path, "rb") as f:
        raw = f.read()
    lines = raw.split(b"\n")[:-1]
    with open(path, encoding="cp932", newline="") as f:
        rows = list(csv.reader(f))
    return {"crlf": all(line.endswith(b"\r") for line in lines), "rows": rows}


if __name__ == "__main__":
    kind, path = sys.argv[1], sys.argv[2]
    print(json.dumps(read_dxf(path) if kind == "dxf" else read_csv(path), ensure_ascii=False))
