#!/usr/bin/env python3
"""Fails when a translation would ship incomplete: a text of the sources that a language's file
lacks (the files are older than the code), or a message left unfinished or empty.

    check_translations.py CMAKE GENERATOR PROJECT_CMAKE LUPDATE TS_FILE...

GENERATOR is Qt's GenerateLUpdateProject.cmake, which turns the build's PROJECT_CMAKE into the
project description lupdate reads, as the update_translations target does.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET


def problems(path):
    found = []
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            source = "".join(message.find("source").itertext())
            if translation is None or translation.get("type") in ("unfinished", "vanished", "obsolete"):
                found.append(f"{name}: \"{source}\" is not translated")
            elif not "".join(translation.itertext()).strip() and not translation.findall("numerusform"):
                found.append(f"{name}: \"{source}\" has an empty translation")
    return found


def main():
    cmake, generator, project_cmake, lupdate, ts_files = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4], sys.argv[5:]
    failed = False
    with tempfile.TemporaryDirectory() as work:
        project = os.path.join(work, "project.json")
        subprocess.run([cmake, f"-DIN_FILE={project_cmake}", f"-DOUT_FILE={project}", "-P", generator], check=True)
        copies = []
        for ts in ts_files:
            copy = os.path.join(work, os.path.basename(ts))
            shutil.copyfile(ts, copy)
            copies.append(copy)
        # The same options as the update_translations target, on copies: the check changes nothing.
        subprocess.run([lupdate, "-project", project, "-no-obsolete", "-locations", "none", "-silent",
                        "-ts", *copies], check=True)
        for ts, copy in zip(ts_files, copies):
            with open(ts, "rb") as a, open(copy, "rb") as b:
                if a.read() != b.read():
                    print(f"{os.path.basename(ts)} is older than the sources: run "
                          "'cmake --build build --target update_translations', then translate what it adds")
                    failed = True
            for problem in problems(copy):
                print(f"{os.path.basename(ts)}: {problem}")
                failed = True
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
