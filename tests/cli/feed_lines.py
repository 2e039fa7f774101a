#!/usr/bin/python3
"""Checks the lines of `horatick --follow --format waybar|i3bar` with a JSON
parser, as the status bar reads them, and prints each status line decoded
(one JSON value a line, keys sorted, ASCII only) for the test to compare.

usage: feed_lines.py waybar|i3bar FILE
Exits 1, saying why, at the first line the bar would not take.
"""
import json
import sys

CLASSES = {"alarm", "timer", "idle"}


def fail(number, line, why):
    sys.exit("line %d %r: %s" % (number, line, why))


def check_waybar(number, line):
    value = json.loads(line)
    if not isinstance(value, dict) or set(value) != {"text", "tooltip", "class", "alt"}:
        fail(number, line, "not an object of text, tooltip, class and alt")
    if not all(isinstance(v, str) for v in value.values()):
        fail(number, line, "a value that is not a string")
    if value["class"] not in CLASSES or value["alt"] != value["class"]:
        fail(number, line, "class or alt wrong")
    return value


def check_i3bar(number, line, first):
    if first == line.startswith(","):
        fail(number, line, "the first status line has a comma or a later one lacks it")
    value = json.loads(line[0 if first else 1:])
    if not isinstance(value, list) or not value:
        fail(number, line, "not an array of blocks")
    for block in value:
        if not isinstance(block, dict) or not isinstance(block.get("full_text"), str):
            fail(number, line, "a block without full_text")
        if not isinstance(block.get("name"), str) or not isinstance(block.get("urgent"), bool):
            fail(number, line, "a block without name or urgent")
    return value


def main():
    kind = sys.argv[1]
    with open(sys.argv[2], encoding="utf-8") as file:
        lines = file.read().split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    status = lines
    if kind == "i3bar":
        if len(lines) < 2 or json.loads(lines[0]) != {"version": 1} or lines[1] != "[":
            sys.exit("no i3bar header and array start: %r" % lines[:2])
        status = lines[2:]
    for number, line in enumerate(status, 1):
        try:
            value = check_waybar(number, line) if kind == "waybar" else check_i3bar(number, line, number == 1)
        except json.JSONDecodeError as error:
            fail(number, line, error)
        print(json.dumps(value, sort_keys=True))


main()
