#!/usr/bin/python3
"""Makes trimvale.html, one self-contained page: the page's frame (page.html),
the program (emscripten's script with its WebAssembly inside), the faces the
windows are drawn in, cut down to the characters they need, and the icon. A
Content-Security-Policy lets in exactly the page's own scripts and styles.

    make_page.py PAGE.html PROGRAM.js ICON.png OUT.html NODE PRERENDER.js VERSION

The questionnaire's window is in the page from the start, drawn from the same
descriptions by the program's own code (PRERENDER.js) and inert until the
program takes it over, so that it shows before the program has loaded.
"""
import base64
import hashlib
import io
import json
import re
import subprocess
import sys

from fontTools import subset
from fontTools.pens.transformPen import TransformPen
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import TTFont

LIBERATION = "/usr/share/fonts/truetype/liberation/LiberationSans-{}.ttf"
Z003 = "/usr/share/fonts/opentype/urw-base35/Z003-MediumItalic.otf"

BANNER = "Trimvale!"
# MS Sans Serif sets about 8 % narrower than Liberation Sans (the same stretch
# the Linux program gives it).
NARROWING = 0.92


def cut_down(font, characters):
    options = subset.Options()
    options.hinting = False
    options.layout_features = []
    options.name_IDs = []
    options.notdef_outline = True
    subsetter = subset.Subsetter(options)
    subsetter.populate(text=characters)
    subsetter.subset(font)


def narrowed(font, factor):
    """The face drawn `factor` times as wide, as a stretched face is."""
    glyph_set = font.getGlyphSet()
    glyf = font["glyf"]
    hmtx = font["hmtx"]
    for name in font.getGlyphOrder():
        pen = TTGlyphPen(glyph_set)
        glyph_set[name].draw(TransformPen(pen, (factor, 0, 0, 1, 0, 0)))
        glyf[name] = pen.glyph()
        advance, lsb = hmtx[name]
        glyph = glyf[name]
        glyph.recalcBounds(glyf)
        hmtx[name] = (round(advance * factor), getattr(glyph, "xMin", 0))
    return font


def renamed(font, family):
    # A changed face may not carry the original's reserved name.
    for record in font["name"].names:
        if record.nameID in (1, 3, 4, 6, 16, 17, 21):
            record.string = family if record.nameID != 6 else family.replace(" ", "")
    return font


def woff2(font):
    # The faces keep their own time stamps: the page is the same bytes at every build.
    font.flavor = "woff2"
    out = io.BytesIO()
    font.save(out)
    return base64.b64encode(out.getvalue()).decode("ascii")


# The faces are made from their bytes by a script in the page's head, before
# the page is first laid out, so that its first frame is drawn in them. A face
# declared in the style arrives only after that layout, and then the whole
# window is laid out and painted again.
FACES_SCRIPT = """(function () {
if (!window.FontFace || !document.fonts) return;
function add(family, data, weight, style) {
var text = atob(data), bytes = new Uint8Array(text.length);
for (var i = 0; i < text.length; ++i) bytes[i] = text.charCodeAt(i);
document.fonts.add(new FontFace(family, bytes, { weight: weight, style: style }));
}
@FACES@})();"""


def face(family, data, weight, style):
    return f'add("{family}", "{data}", "{weight}", "{style}");\n'


def faces_script(text):
    faces = []
    for file, weight, style in (("Regular", "normal", "normal"), ("Bold", "bold", "normal"),
                                ("BoldItalic", "bold", "italic")):
        font = TTFont(LIBERATION.format(file), recalcTimestamp=False)
        cut_down(font, text)
        faces.append(face("Trimvale Sans", woff2(renamed(narrowed(font, NARROWING),
                                                         "Trimvale Sans")), weight, style))
    script = TTFont(Z003, recalcTimestamp=False)
    cut_down(script, BANNER)
    # The face is italic by design; the banner asks for it bold and upright,
    # and so it is declared, that no engine fall back to another face.
    faces.append(face("Trimvale Script", woff2(renamed(script, "Trimvale Script")), "bold",
                      "normal"))
    return FACES_SCRIPT.replace("@FACES@", "".join(faces))


def sha256(text):
    return "'sha256-" + base64.b64encode(hashlib.sha256(text.encode("utf-8")).digest()).decode() + "'"


def prerendered(node, prerender):
    drawn = json.loads(subprocess.run([node, prerender], check=True, capture_output=True,
                                      text=True).stdout)
    # Shown, in front, centred on the desk, and not to be used before the program runs.
    markup = drawn["markup"].replace('class="window" id="Form1" hidden',
                                     'class="window prerendered front" id="Form1" inert aria-busy="true"', 1)
    assert "prerendered" in markup, "the questionnaire's markup changed its form"
    centred = (f'#desk > .prerendered {{ left: max(0px, calc((100% - {drawn["width"]}px) / 2)); '
               f'top: max(0px, calc((100% - {drawn["height"]}px) / 2)); }}')
    return markup, drawn["styles"] + centred, drawn["characters"]


def main(page_file, program_file, icon_file, out_file, node, prerender, version):
    page = open(page_file, encoding="utf-8").read()
    program = open(program_file, encoding="utf-8").read()
    icon = base64.b64encode(open(icon_file, "rb").read()).decode("ascii")

    head, rest = page.split("<style>", 1)
    style, rest = rest.split("</style>", 1)
    markup, styles, window_text = prerendered(node, prerender)
    # Every character a window shows, the page's own words, and the close box's cross.
    page_text = re.sub(r"<[^>]*>", "", re.sub(r"<style>.*?</style>", "",
                                           rest.split("<body>", 1)[1].split("<script", 1)[0], flags=re.S))
    characters = "".join(sorted(set(window_text + page_text + "\u00d7") - set("\n")))
    faces = faces_script(characters)
    style = style.replace("@ICON@", "data:image/png;base64," + icon).replace("@PRERENDERED@", styles)
    rest = rest.replace("@QUESTIONNAIRE@", markup)
    # A script inside the page: "</script" must not end it early.
    program = program.replace("</script", "<\\/script")
    rest = rest.replace("@PROGRAM@", program)
    # The page's style, and the one a browser without script applies.
    styles = [style] + re.findall(r"<style>(.*?)</style>", rest, re.S)
    policy = ("default-src 'none'; "
              f"script-src {sha256(faces)} {sha256(program)} 'wasm-unsafe-eval'; "
              f"style-src {' '.join(sha256(s) for s in styles)}; "
              # 'self' only where the page is served as a folder's index: its
              # manifest, the manifest's icons and the worker that keeps it offline.
              "img-src data: 'self'; connect-src data:; "
              "manifest-src 'self'; worker-src 'self'; "
              "base-uri 'none'; form-action 'none'")
    head = (head.replace("@POLICY@", policy).replace("@VERSION@", version)
            .replace("@ICON@", "data:image/png;base64," + icon).replace("@FACES@", faces))
    with open(out_file, "w", encoding="utf-8") as out:
        out.write(head + "<style>" + style + "</style>" + rest)


if __name__ == "__main__":
    main(*sys.argv[1:])
