#!/usr/bin/env python3
"""Reads the windows' designs (.ui) and writes them as one ES module for the page.

Usage: read_designs.py OUTPUT UI_FILES...

Besides the designs it reads what the desktop keeps in code next to them: the
texts a window sets when it is built (its .cpp beside its .ui, with the credits
of app/credits.h), the pictures it loads, its line-kind titles, and the closing
routes (app/closing_routes.inc). The page types none of these texts itself.
"""
import json
import pathlib
import re
import sys
import xml.etree.ElementTree as ET

BOX_CLASSES = {"QLineEdit", "QComboBox"}
LINE_TOLERANCE = 12  # pixels: controls this close in height stand on one line
FRAME_TITLES = {"Input", "Output"}


def prop(widget, name):
    node = widget.find(f"property[@name='{name}']")
    if node is None:
        return None
    for tag in ("string", "cstring", "enum", "bool", "number"):
        child = node.find(tag)
        if child is not None:
            return child.text or ""
    rect = node.find("rect")
    if rect is not None:
        return {k: int(rect.find(k).text) for k in ("x", "y", "width", "height")}
    return node


def font_of(widget):
    font = widget.find("property[@name='font']/font")
    size = font.findtext("pointsize") if font is not None else None
    bold = font.findtext("bold") if font is not None else None
    return (int(size) if size else 8), bold == "true"


def text_colour(widget):
    colour = widget.find(
        "property[@name='palette']/palette/active/colorrole[@role='WindowText']/brush/color")
    if colour is None:
        return None
    return "#%02x%02x%02x" % tuple(int(colour.findtext(c)) for c in ("red", "green", "blue"))


def estimated_width(control):
    """Labels are sized to their text on the desktop: a rough width from it."""
    if control["class"] not in ("QLabel", "LinkLabel") or control.get("picture"):
        return control["width"]
    return max(control["width"], len(control.get("text", "")) * (control["pt"] * 0.8))


def menu_word(caption):
    """A menu caption is its word, then a run of blanks and the key names."""
    return re.split(r"\s{2,}", caption.strip())[0]


# -- what the window's code sets -------------------------------------------------

def read_credits(app_dir):
    path = app_dir / "credits.h"
    if not path.exists():
        return {}
    return dict(re.findall(r'constexpr\s+char\s+(\w+)\[\]\s*=\s*"([^"]*)"', path.read_text("utf-8")))


def evaluate_text(expression, credits):
    """QStringLiteral("...") and QString::fromUtf8(credits::X) joined by '+'."""
    parts = []
    for part in re.finditer(r'QStringLiteral\("([^"]*)"\)|QString::fromUtf8\(credits::(\w+)\)', expression):
        literal, credit = part.groups()
        parts.append(literal if literal is not None else credits.get(credit, ""))
    return "".join(parts) if parts else None


def read_code(source, credits):
    """Texts, pictures and line-kind titles that a window's code gives it."""
    code = {"texts": {}, "pictures": {}, "titles": {}}
    if not source.exists():
        return code
    text = source.read_text("utf-8")
    for name, expression in re.findall(r"(\w+)->setText\((.*)\);", text):
        value = evaluate_text(expression, credits)
        if value is not None:
            code["texts"].setdefault(name, value)
    for name, picture in re.findall(r'SetPictureOnFirstShow\(\*(\w+),\s*QStringLiteral\(":/pictures/([^"]+)"\)', text):
        code["pictures"][name] = picture
    for kind, title in re.findall(r'\{\s*LineTopology::(\w+),\s*"([^"]*)"\s*\}', text):
        code["titles"][kind] = title
    return code


def read_closing_routes(app_dir):
    path = app_dir / "closing_routes.inc"
    if not path.exists():
        return {}
    return dict(re.findall(r"^CLOSING_ROUTE\((\w+),\s*(\w+)\)", path.read_text("utf-8"), re.M))


# -- the design ------------------------------------------------------------------

def read_controls(top, code):
    controls = {}
    for widget in top.iter("widget"):
        cls, name = widget.get("class"), widget.get("name")
        if widget is top or cls in ("QWidget", "QMenuBar", "QMenu"):
            continue
        geometry = prop(widget, "geometry") or {"x": 0, "y": 0, "width": 0, "height": 0}
        pt, bold = font_of(widget)
        control = {"class": cls, **geometry, "pt": pt}
        if bold:
            control["bold"] = True
        for key, prop_name in (("text", "text"), ("buddy", "buddy"), ("accessibleName", "accessibleName")):
            value = prop(widget, prop_name)
            if isinstance(value, str) and value != "":
                control[key] = value
        if name in code["texts"] and not control.get("text"):
            control["text"] = code["texts"][name]
        colour = text_colour(widget)
        if colour:
            control["colour"] = colour
        if name in code["pictures"]:
            control["picture"] = code["pictures"][name]
        if cls == "QComboBox":
            control["editable"] = prop(widget, "editable") == "true"
            control["items"] = [item.findtext("property/string", "") for item in widget.findall("item")]
        controls[name] = control
    return controls


def is_decoration(control):
    """Frame rules, underscores, bevels and frame-edge pictures stay on the desktop."""
    text = control.get("text", "")
    if control["class"] == "QFrame":
        return True
    if control["class"] == "QLabel" and not text and not control.get("colour"):
        picture = control.get("picture", "")
        return not picture or picture.startswith("frame_")
    return bool(text) and set(text) == {"_"}


def is_hint(control):
    return control["class"] == "QLabel" and "colour" in control and not control.get("picture")


def attach_hints(controls, boxes):
    """A hint label explains the box just above it (or, failing that, just below)."""
    hints = {}
    for name, hint in controls.items():
        if not is_hint(hint):
            continue
        best = None
        for box_name in boxes:
            box = controls[box_name]
            overlaps = hint["x"] < box["x"] + box["width"] and box["x"] < hint["x"] + estimated_width(hint)
            dy = hint["y"] - box["y"]
            if not overlaps or abs(dy) > 40 or dy == 0:
                continue
            rank = (0 if dy > 0 else 1, abs(dy))
            if best is None or rank < best[0]:
                best = (rank, box_name)
        if best:
            hints[best[1]] = name
    return hints


def split_columns(controls, names):
    """The x of the widest clear gap that splits a design into two columns that each hold boxes, or None."""
    spans = sorted((controls[n]["x"], controls[n]["x"] + estimated_width(controls[n]), n) for n in names)
    best, reach = None, None
    for index, (left, right, _) in enumerate(spans):
        if reach is not None and left > reach + 8:
            before = {n for _, _, n in spans[:index]}
            after = {n for _, _, n in spans[index:]}
            if any(controls[n]["class"] in BOX_CLASSES for n in before) and \
                    any(controls[n]["class"] in BOX_CLASSES for n in after) and \
                    (best is None or left - reach > best[0]):
                best = (left - reach, left)
        reach = right if reach is None else max(reach, right)
    return best[1] if best else None


def frames_of(controls, names):
    """Each frame title with the band of height its frame encloses."""
    frames = []
    for name in names:
        control = controls[name]
        if control["class"] != "QLabel" or control.get("text", "").strip() not in FRAME_TITLES:
            continue
        left = control["x"] - 32
        bottoms = [c["y"] for c in controls.values()
                   if c.get("text") and set(c["text"]) == {"_"} and c["y"] > control["y"] + 4
                   and left - 16 <= c["x"] <= control["x"] + 8]
        frames.append({"title": control["text"].strip(), "name": name, "top": control["y"],
                       "bottom": min(bottoms) if bottoms else 10 ** 6})
    return frames


def caption_part(name, control, previous):
    part = {"name": name, "text": control.get("text", "")}
    if previous is not None:
        if control["pt"] < previous["pt"] and control["y"] >= previous["y"] + 6:
            part["v"] = "sub"
        elif control["pt"] < previous["pt"] and control["y"] <= previous["y"] - 4:
            part["v"] = "sup"
    return part


def line_rows(controls, line, hints):
    """One line of the design as rows: fields (caption, box, unit), buttons, choices, texts."""
    line = sorted(line, key=lambda n: controls[n]["x"])
    boxes = [n for n in line if controls[n]["class"] in BOX_CLASSES]
    if not boxes:
        kinds = {"QPushButton": "buttons", "QRadioButton": "choices", "QCheckBox": "choices"}
        rows, current = [], None
        for name in line:
            control = controls[name]
            kind = "picture" if control.get("picture") else kinds.get(control["class"], "texts")
            if current is None or current["kind"] != kind:
                current = {"kind": kind, "items": []}
                rows.append(current)
            current["items"].append(name)
        return rows
    rows, field, previous = [], None, None
    for name in line:
        control = controls[name]
        if control["class"] in BOX_CLASSES:
            if field is None or "box" in field:
                field = {"kind": "field", "caption": [], "unit": []}
                rows.append(field)
            field["box"] = name
            if name in hints:
                field["hint"] = hints[name]
            if control.get("accessibleName"):
                field["accessibleName"] = control["accessibleName"]
            previous = None
            continue
        if control.get("text", "").strip() == "=":
            continue  # the sign between a symbol and its box says nothing on its own
        if field is None or (control.get("buddy") in boxes and "box" in field):
            field = {"kind": "field", "caption": [], "unit": []}
            rows.append(field)
        (field["unit"] if "box" in field else field["caption"]).append(caption_part(name, control, previous))
        previous = control
    return rows


def mark_results(controls, blocks):
    """Result boxes: an Output frame's, or those below a button of their column outside any Input frame."""
    buttons = [controls[n]["y"] for b in blocks for r in b["rows"] if r["kind"] == "buttons" for n in r["items"]
               if controls[n]["class"] == "QPushButton"]
    for block in blocks:
        for row in block["rows"]:
            if row["kind"] != "field":
                continue
            below_button = block.get("frame") != "Input" and any(y < controls[row["box"]]["y"] for y in buttons)
            if block.get("frame") == "Output" or below_button:
                row["result"] = True


def layout_of(controls):
    names = [n for n, c in controls.items() if not is_decoration(c)]
    boxes = [n for n in names if controls[n]["class"] in BOX_CLASSES]
    hints = attach_hints(controls, boxes)
    hint_names = set(hints.values())
    placed = [n for n in names if n not in hint_names]
    split = split_columns(controls, placed)
    columns = [[n for n in placed if split is None or (controls[n]["x"] < split) == first]
               for first in ((True, False) if split is not None else (True,))]
    blocks = []
    for column_index, column in enumerate(columns, start=1):
        frames = frames_of(controls, column)
        frame_names = {f["name"] for f in frames}
        members = sorted((n for n in column if n not in frame_names), key=lambda n: (controls[n]["y"], controls[n]["x"]))
        lines = []
        for name in members:
            if lines and abs(controls[name]["y"] - controls[lines[-1][0]]["y"]) <= LINE_TOLERANCE:
                lines[-1].append(name)
            else:
                lines.append([name])
        column_blocks = []
        for line in lines:
            y = controls[line[0]]["y"]
            frame = next((f for f in frames if f["top"] <= y < f["bottom"]), None)
            key = frame["name"] if frame else None
            if not column_blocks or column_blocks[-1]["key"] != key:
                block = {"key": key, "column": column_index, "rows": [], "top": frame["top"] if frame else y}
                if frame:
                    block["frame"] = frame["title"]
                    block["legend"] = frame["name"]
                column_blocks.append(block)
            rows = line_rows(controls, line, hints)
            if sum(row["kind"] == "field" for row in rows) > 1:  # boxes side by side on one line
                for row in rows:
                    row["line"] = line[0]
            column_blocks[-1]["rows"].extend(rows)
        for frame in frames:  # an empty frame still shows
            if not any(b["key"] == frame["name"] for b in column_blocks):
                column_blocks.append({"key": frame["name"], "column": column_index, "rows": [],
                                      "top": frame["top"], "frame": frame["title"], "legend": frame["name"]})
        column_blocks.sort(key=lambda b: b["top"])
        mark_results(controls, column_blocks)
        blocks.extend(column_blocks)
    for block in blocks:
        del block["key"], block["top"]
    return {"columns": len(columns), "blocks": blocks}


def read_menu(top):
    actions = {a.get("name"): prop(a, "text") or "" for a in top.iter("action")}
    menu = []
    for submenu in top.iter("widget"):
        if submenu.get("class") != "QMenu":
            continue
        for item in submenu.findall("addaction"):
            name = item.get("name")
            menu.append({"name": name, "text": menu_word(actions.get(name, "")), "menu": prop(submenu, "title")})
    return menu


def read_design(path):
    root = ET.parse(path).getroot()
    top = root.find("widget")
    code = read_code(path.with_suffix(".cpp"), read_credits(path.parent.parent / "app"))
    controls = read_controls(top, code)
    for action in top.iter("action"):
        controls[action.get("name")] = {"class": "QAction", "text": menu_word(prop(action, "text") or "")}
    geometry = prop(top, "geometry")
    design = {
        "caption": prop(top, "windowTitle") or "",
        "width": geometry["width"],
        "height": geometry["height"],
        "menu": read_menu(top),
        "tabOrder": [t.text for t in root.iter("tabstop")],
        "controls": controls,
        "layout": layout_of({n: c for n, c in controls.items() if c["class"] != "QAction"}),
    }
    if code["titles"]:
        design["titles"] = code["titles"]
    design["controls"] = {name: page_facts(control) for name, control in controls.items()}
    return top.get("name"), design


def page_facts(control):
    """What the page uses of a control once the layout is made: positions only size pictures."""
    dropped = {"x", "y", "pt"} | (set() if control.get("picture") else {"width", "height"})
    return {key: value for key, value in control.items() if key not in dropped}


def window_order(name):
    return int(re.sub(r"\D", "", name) or 0)


def main(argv):
    if len(argv) < 3:
        sys.exit("usage: read_designs.py OUTPUT UI_FILES...")
    output, sources = pathlib.Path(argv[1]), [pathlib.Path(p) for p in argv[2:]]
    windows = dict(read_design(path) for path in sources if path.suffix == ".ui")
    app_dirs = {p.parent for p in sources if p.parent.name == "app"} or {sources[0].parent.parent / "app"}
    routes = {}
    for app_dir in app_dirs:
        routes.update(read_closing_routes(app_dir))
    data = {
        "order": sorted(windows, key=window_order),
        "windows": windows,
        "closingRoutes": routes,
    }
    output.parent.mkdir(parents=True, exist_ok=True)
    output.write_text("// Generated from the windows' designs by web/tools/read_designs.py.\nexport default "
                      + json.dumps(data, ensure_ascii=False, separators=(",", ":")) + ";\n", "utf-8")


if __name__ == "__main__":
    main(sys.argv)
