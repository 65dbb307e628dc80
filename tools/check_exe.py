#!/usr/bin/env python3
"""Checks a built Windows program without running it.

Usage: check_exe.py PROGRAM.exe i386|amd64

Checks that the file is a GUI program of the given machine type (PE32 for i386, PE32+ for amd64) and that it
imports no DLL beyond the ones every Windows system has, so that the program folder needs nothing but the
program itself, and that it does not import the libraries that the program loads on first use (the sound,
the save-file dialog, the screen readers' objects), which would be loaded before the first window. The
program's own calls that take or give text are the wide (W) ones: an ANSI (A) function among the imports is
refused, but for the few that the MinGW runtime itself calls with names of its own, never the user's text.
Exits 1 and says what is wrong otherwise.
"""

import struct
import sys

MACHINES = {"i386": (0x14C, 0x10B), "amd64": (0x8664, 0x20B)}
SUBSYSTEM_WINDOWS_GUI = 2
SYSTEM_DLLS = {
    "kernel32.dll", "user32.dll", "gdi32.dll", "comctl32.dll", "comdlg32.dll", "shell32.dll", "winmm.dll",
    "ole32.dll", "oleaut32.dll", "advapi32.dll", "msvcrt.dll", "shlwapi.dll", "uuid.dll", "oleacc.dll",
}
# Loaded by the program when first needed (src/ui/OnDemandLibrary.h), not when it starts: the sound, the file
# dialogs, and what a screen reader asks for.
ON_DEMAND_DLLS = {"winmm.dll", "comdlg32.dll", "oleacc.dll"}
# ANSI functions that the MinGW-w64 runtime (start-up, threads, its error output) imports itself.
RUNTIME_ANSI_FUNCTIONS = {
    "CreateEventA", "CreateSemaphoreA", "FormatMessageA", "GetModuleHandleA", "GetStartupInfoA", "LoadLibraryA",
    "OutputDebugStringA",
}


def read_c_string(data, offset):
    return data[offset:data.index(b"\0", offset)].decode("ascii")


def describe(data):
    """Returns (machine, optional-header magic, subsystem, imported DLL names, imported function names)."""
    if data[:2] != b"MZ":
        raise ValueError("no MZ header")
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[pe:pe + 4] != b"PE\0\0":
        raise ValueError("no PE header")
    machine, sections, _, _, _, opt_size, _ = struct.unpack_from("<HHIIIHH", data, pe + 4)
    opt = pe + 24
    magic = struct.unpack_from("<H", data, opt)[0]
    subsystem = struct.unpack_from("<H", data, opt + 68)[0]
    directories = opt + (96 if magic == 0x10B else 112)
    import_rva = struct.unpack_from("<I", data, directories + 8)[0]

    section_table = opt + opt_size
    spans = [struct.unpack_from("<IIII", data, section_table + 40 * i + 8) for i in range(sections)]

    def file_offset(rva):
        for vsize, vaddr, rawsize, rawptr in spans:
            if vaddr <= rva < vaddr + max(vsize, rawsize):
                return rawptr + rva - vaddr
        raise ValueError("address 0x%x lies in no section" % rva)

    thunk_size, ordinal_flag = (4, 1 << 31) if magic == 0x10B else (8, 1 << 63)
    dlls, functions = [], []
    if import_rva:
        entry = file_offset(import_rva)
        while True:
            lookup_rva, _, _, name_rva, address_rva = struct.unpack_from("<IIIII", data, entry)
            if name_rva == 0:
                break
            dlls.append(read_c_string(data, file_offset(name_rva)))
            thunk = file_offset(lookup_rva or address_rva)
            while True:
                value = struct.unpack_from("<Q" if thunk_size == 8 else "<I", data, thunk)[0]
                if value == 0:
                    break
                if not value & ordinal_flag:
                    functions.append(read_c_string(data, file_offset(value & 0x7FFFFFFF) + 2))
                thunk += thunk_size
            entry += 20
    return machine, magic, subsystem, dlls, functions


def is_ansi_text_function(name):
    """True for the A twin of a W function, e.g. MessageBoxA (not a name that merely ends in A)."""
    return len(name) > 2 and name.endswith("A") and name[-2].islower()


def problems(path, machine_name):
    with open(path, "rb") as f:
        data = f.read()
    machine, magic, subsystem, dlls, functions = describe(data)
    want_machine, want_magic = MACHINES[machine_name]
    found = []
    if machine != want_machine or magic != want_magic:
        found.append("machine 0x%x with header 0x%x, not a %s program" % (machine, magic, machine_name))
    if subsystem != SUBSYSTEM_WINDOWS_GUI:
        found.append("subsystem %d, not a GUI program" % subsystem)
    found += ["imports %s, which Windows does not ship" % d for d in dlls if d.lower() not in SYSTEM_DLLS]
    found += ["imports %s, which it should load on first use, not at start" % d for d in dlls
              if d.lower() in ON_DEMAND_DLLS]
    found += ["imports %s, an ANSI call: the program's text goes through the wide calls" % f for f in functions
              if is_ansi_text_function(f) and f not in RUNTIME_ANSI_FUNCTIONS]
    return found, dlls


def main(argv):
    if len(argv) != 3 or argv[2] not in MACHINES:
        print(__doc__.strip().splitlines()[2], file=sys.stderr)
        return 2
    try:
        found, dlls = problems(argv[1], argv[2])
    except (OSError, ValueError, struct.error) as error:
        found, dlls = ["cannot be read as a Windows program: %s" % error], []
    for problem in found:
        print("%s: %s" % (argv[1], problem))
    if not found:
        print("%s: %s GUI program, imports %s" % (argv[1], argv[2], ", ".join(dlls)))
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
