#!/usr/bin/env python3
"""helpcompile: turns the UTF-8 help source into a Windows Help file and the same help as one HTML page.

    helpcompile.py SOURCE.txt OUTPUT.hlp

The page is written beside the help file, under the same name ending in .html (psaltery.hlp, psaltery.html):
systems without a viewer for .hlp files show the page in the web browser.

A fault of the source is reported as FILE:LINE: reason on standard error with exit code 1; the outputs are then
not created and existing ones are left as they were (each file is written beside it and renamed when complete).
"""

import os
import sys

sys.dont_write_bytecode = True  # keep the source tree free of __pycache__
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from help_source import SourceError, parse_help_source  # noqa: E402
from hlp_writer import build_help_file  # noqa: E402
from html_writer import build_help_page  # noqa: E402


def page_path(output_path):
    return os.path.splitext(output_path)[0] + ".html"


def compile_help(source_path, output_path):
    with open(source_path, "rb") as stream:
        source = parse_help_source(stream.read())
    # A fixed date keeps the build reproducible; SOURCE_DATE_EPOCH may set it.
    outputs = [(output_path, build_help_file(source, when=int(os.environ.get("SOURCE_DATE_EPOCH", "0")))),
               (page_path(output_path), build_help_page(source))]
    # The files are renamed into place, which would replace a device or pipe named as output.
    for path, _ in outputs:
        if os.path.lexists(path) and not os.path.isfile(path):
            raise OSError("%s is not a regular file" % path)
    for path, data in outputs:
        with open(path + ".tmp", "wb") as stream:
            stream.write(data)
    for path, _ in outputs:
        os.replace(path + ".tmp", path)


def main(argv):
    if len(argv) != 3:
        print("usage: helpcompile.py SOURCE.txt OUTPUT.hlp", file=sys.stderr)
        return 2
    try:
        compile_help(argv[1], argv[2])
    except SourceError as error:
        print("%s:%d: %s" % (argv[1], error.line, error.reason), file=sys.stderr)
        return 1
    except OSError as error:
        print("helpcompile: %s" % error, file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
