#!/usr/bin/python3
"""Every JSON object the command line printed in the tests, one a line, against the shipped
schema (Draft 2020-12), with Debian's jsonschema. Usage: validate-json.py SCHEMA LOG"""
import json
import sys

import jsonschema

schema_path, log_path = sys.argv[1], sys.argv[2]
with open(schema_path, encoding="utf-8") as f:
    schema = json.load(f)
jsonschema.Draft202012Validator.check_schema(schema)
validator = jsonschema.Draft202012Validator(schema)
count, failed = 0, 0
with open(log_path, encoding="utf-8") as f:
    for number, line in enumerate(f, 1):
        if not line.strip():
            continue
        count += 1
        errors = sorted(validator.iter_errors(json.loads(line)), key=str)
        if errors:
            failed += 1
            print(f"line {number}: {line.strip()[:300]}")
            for error in errors[:3]:
                print(f"  {error.message[:300]}")
print(f"{count - failed} passed, {failed} failed")
sys.exit(1 if failed or count == 0 else 0)
