"""Paths and the byte writer every part of the demo generator shares."""

import os

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
EXAMPLES = os.path.join(ROOT, "examples")
SUITE = os.path.join(EXAMPLES, "suite")
PROJECTS = os.path.join(EXAMPLES, "projects")

CRLF = "\r\n"


def write_bytes(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)
