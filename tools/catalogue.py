"""The generated sections of docs/ASSETS.md, the catalogue of pictures and sounds.

make_atlas.py writes the pictures section and make_sounds.py the sounds section; each swaps only
its own section (between its begin and end markers), so the hand-written text around them stays.
"""
import os

from content import read_file, write_text, written_path

CATALOGUE = "docs/ASSETS.md"


def replace_section(name, lines):
    """Writes lines as the section called name."""
    begin = "<!-- %s:begin" % name
    end = "<!-- %s:end -->" % name
    section = "\n".join(["%s (written by tools/make_%s.py) -->" % (begin, "atlas" if name == "pictures" else name)]
                        + lines + [end])
    source = written_path(CATALOGUE)
    text = read_file(source).decode("utf-8") if os.path.lexists(source) else ""
    if begin in text and end in text:
        text = text[:text.index(begin)] + section + text[text.index(end) + len(end):]
    else:
        text = text.rstrip("\n") + ("\n\n" if text else "") + section + "\n"
    write_text(CATALOGUE, text)
