"""Writes the help as one HTML page, for systems that have no viewer for .hlp files.

The page holds the same topics as the help file: the contents topic first, so that the page opens at it, then
the others in source order. Each topic is a section whose id is the topic's name, and every jump of the help
file is a link to that id. The page is UTF-8 and needs nothing beside it.
"""

from html import escape

from help_source import Jump

STYLE = """
body { margin: 0 auto; max-width: 46em; padding: 1em 1.5em 3em; line-height: 1.6; color: #222; background: #fff;
       font-family: "Malgun Gothic", "맑은 고딕", Gulim, "굴림", Dotum, "돋움", sans-serif; }
section { border-top: 1px solid #ccc; padding-top: 0.5em; margin-top: 1.5em; }
section:first-of-type { border-top: none; margin-top: 0; }
h1 { font-size: 1.5em; }
h2 { font-size: 1.25em; }
p { margin: 0.4em 0; }
a { color: #1a4f9c; }
"""


def topics_in_page_order(source):
    contents = source.topic(source.contents)
    return [contents] + [t for t in source.topics if t is not contents]


def paragraph_html(paragraph):
    parts = []
    for run in paragraph.runs:
        if isinstance(run, Jump):
            parts.append('<a href="#%s">%s</a>' % (escape(run.target), escape(run.text, quote=False)))
        else:
            parts.append(escape(run, quote=False))
    return "<p>%s</p>" % "".join(parts)


def topic_html(topic, heading):
    lines = ['<section id="%s">' % escape(topic.name), "<%s>%s</%s>" % (heading, escape(topic.title, quote=False),
                                                                          heading)]
    lines += [paragraph_html(p) for p in topic.paragraphs]
    lines.append("</section>")
    return "\n".join(lines)


def build_help_page(source):
    """The page's bytes (UTF-8)."""
    topics = topics_in_page_order(source)
    body = [topic_html(topic, "h1" if index == 0 else "h2") for index, topic in enumerate(topics)]
    page = "\n".join([
        "<!DOCTYPE html>",
        '<html lang="ko">',
        "<head>",
        '<meta charset="utf-8">',
        '<meta name="viewport" content="width=device-width, initial-scale=1">',
        "<title>%s</title>" % escape(source.title, quote=False),
        "<style>%s</style>" % STYLE,
        "</head>",
        "<body>",
        *body,
        "</body>",
        "</html>",
        "",
    ])
    return page.encode("utf-8")
