#!/usr/bin/env python3
"""Prints the display, DPI and font settings of a Wine prefix, one a line.

Usage: wine_settings.py PREFIX

Each line is "where\\name=value" as the prefix's registry files hold the
value (dword:..., "text" or hex:...), or "where\\name absent". The values are
read from user.reg and system.reg themselves: Wine rewrites the keys'
timestamps in those files on every run, so the files differ where the values
do not. Wine writes the files when the prefix's session ends, so end it
first (wineserver -w).
"""
import os
import sys

# file | key as the file names it | value
SETTINGS = [
    ('user.reg', r'Control Panel\\Desktop', 'LogPixels'),
    ('system.reg', r'System\\CurrentControlSet\\Hardware Profiles\\Current\\Software\\Fonts', 'LogPixels'),
    ('user.reg', r'Software\\Wine\\X11 Driver', 'Decorated'),
    ('user.reg', r'Software\\Wine\\X11 Driver', 'Managed'),
    ('user.reg', r'Control Panel\\Desktop\\WindowMetrics', 'MessageFont'),
]


def logical_lines(path):
    """The file's lines with each value's continuation lines ("\\" at the end) joined."""
    with open(path, encoding='utf-8', errors='replace') as registry:
        pending = ''
        for line in registry:
            line = line.rstrip('\r\n')
            if line.endswith('\\') and not line.startswith('['):
                pending += line[:-1].strip()
                continue
            yield pending + line.strip() if pending else line
            pending = ''


def key_values(path, key):
    """The values of one key: {name: data}; empty when the key is missing."""
    values = {}
    current = None
    for line in logical_lines(path):
        if line.startswith('['):
            # "[key] timestamp": the timestamp changes on every run.
            current = line[1:].rsplit(']', 1)[0].lower()
        elif current == key.lower() and line.startswith('"') and '"=' in line:
            name, data = line[1:].split('"=', 1)
            values[name.lower()] = data
    return values


def main():
    prefix = sys.argv[1]
    for file, key, name in SETTINGS:
        path = os.path.join(prefix, file)
        data = key_values(path, key).get(name.lower()) if os.path.exists(path) else None
        where = ('HKCU' if file == 'user.reg' else 'HKLM') + '\\' + key.replace('\\\\', '\\')
        print(f'{where}\\{name} absent' if data is None else f'{where}\\{name}={data}')


if __name__ == '__main__':
    main()
