#!/usr/bin/env python3
"""Checks the settings files in FOLDER against docs/orvesc-settings.schema.json (draft 2020-12):
each validates, other_cutoff holds the family the battery does not use, and the schema refuses what the reader refuses for its shape. Usage: settingsschema.py FOLDER"""
import copy
import json
import pathlib
import sys

from jsonschema import Draft202012Validator

schema_path = pathlib.Path(__file__).resolve().parents[2] / "docs" / "orvesc-settings.schema.json"
schema = json.loads(schema_path.read_text())
Draft202012Validator.check_schema(schema)
validator = Draft202012Validator(schema)
failures = []

files = sorted(pathlib.Path(sys.argv[1]).glob("*.orvesc.json"))
if not files:
    failures.append(f"no settings files in {sys.argv[1]}")
for path in files:
    document = json.loads(path.read_text())
    for error in validator.iter_errors(document):
        failures.append(f"{path.name}: {error.message} at {list(error.absolute_path)}")
    settings = document["settings"]
    if "other_cutoff" in settings and (settings["battery"]["code"] == 32) == (settings["other_cutoff"]["code"] <= 51):
        failures.append(f"{path.name}: other_cutoff of the battery's own family")

# A schema that took anything would pass the files above.
broken = {
    "no brake": lambda d: d["settings"].pop("brake"),
    "a code above a byte": lambda d: d["settings"]["brake"].update(code=256),
    "a frequency on a warn voltage model": lambda d: d["model"].update(code=182),
    "a newer version": lambda d: d.update(version=2),
}
samples = [json.loads(f.read_text()) for f in files if f.name.startswith("saved-38-")]
for name, breaks in broken.items() if samples else ():
    document = copy.deepcopy(samples[0])
    breaks(document)
    if validator.is_valid(document):
        failures.append(f"the schema takes a file with {name}")

for failure in failures:
    print(failure, file=sys.stderr)
sys.exit(1 if failures else 0)
