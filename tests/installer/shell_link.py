"""Reads what a shell link (.lnk) starts: its target path, arguments, working folder and icon.

Only the parts a shortcut made by a setup carries are decoded: the link header, the item id list (skipped),
the link info with the local path, and the string data.
"""

import struct

HAS_ID_LIST, HAS_LINK_INFO, HAS_NAME, HAS_RELATIVE_PATH = 0x01, 0x02, 0x04, 0x08
HAS_WORKING_DIR, HAS_ARGUMENTS, HAS_ICON_LOCATION, IS_UNICODE = 0x10, 0x20, 0x40, 0x80
LINK_CLSID = bytes.fromhex("0114020000000000c000000000000046")


def _c_string(data, at, encoding):
    end = data.index(b"\0", at)
    return data[at:end].decode(encoding)


def _utf16_string(data, at):
    end = at
    while data[end:end + 2] != b"\0\0":
        end += 2
    return data[at:end].decode("utf-16-le")


def read_shell_link(data, ansi_encoding="cp949"):
    """Returns a dict with target, arguments, working_dir, icon and name (None where the link has none)."""
    header_size, clsid, flags = struct.unpack_from("<I16sI", data, 0)
    if header_size != 0x4C or clsid != LINK_CLSID:
        raise ValueError("not a shell link")
    pos = header_size
    if flags & HAS_ID_LIST:
        pos += 2 + struct.unpack_from("<H", data, pos)[0]
    target = None
    if flags & HAS_LINK_INFO:
        info_size, info_header, info_flags, _volume, base_at, _net, suffix_at = struct.unpack_from("<7I", data, pos)
        if info_flags & 1:  # VolumeIDAndLocalBasePath
            if info_header >= 0x24:
                base_u, suffix_u = struct.unpack_from("<2I", data, pos + 28)
                target = _utf16_string(data, pos + base_u) + _utf16_string(data, pos + suffix_u)
            else:
                target = _c_string(data, pos + base_at, ansi_encoding) + _c_string(data, pos + suffix_at,
                                                                                    ansi_encoding)
        pos += info_size
    # The count excludes the terminating null, but Wine counts it in; a trailing null is dropped either way.
    strings = {}
    for flag, key in ((HAS_NAME, "name"), (HAS_RELATIVE_PATH, "relative_path"), (HAS_WORKING_DIR, "working_dir"),
                      (HAS_ARGUMENTS, "arguments"), (HAS_ICON_LOCATION, "icon")):
        if flags & flag:
            count = struct.unpack_from("<H", data, pos)[0]
            if flags & IS_UNICODE:
                strings[key] = data[pos + 2:pos + 2 + 2 * count].decode("utf-16-le").rstrip("\0")
                pos += 2 + 2 * count
            else:
                strings[key] = data[pos + 2:pos + 2 + count].decode(ansi_encoding).rstrip("\0")
                pos += 2 + count
    return dict(target=target, arguments=strings.get("arguments"), working_dir=strings.get("working_dir"),
                icon=strings.get("icon"), name=strings.get("name"))
