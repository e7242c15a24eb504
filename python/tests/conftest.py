# SPDX-FileCopyrightText: 2026 The neurosims developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The guide's experiments and their expected automation output, shared by the tests."""

import pathlib

import numpy as np
import pytest

SCRIPTS = pathlib.Path(__file__).resolve().parents[2] / "docs" / "scripts"


class Record:
    """What an experiment shows, in the order the window's automation prints it: a `var` line
    is kept as its numbers, a box's text as the text."""

    def __init__(self):
        self.lines = []

    def var(self, name, value):
        self.lines.append((name, np.asarray(value)))

    def text(self, box, text):
        self.lines.append((box + ".text", str(text)))


def expected_lines(script, keys):
    """The lines of docs/scripts/<script>.expected whose names the experiment reproduces."""
    lines = []
    for line in (SCRIPTS / (script + ".expected")).read_text().splitlines():
        key, _, value = line.partition("=")
        if key in keys:
            lines.append((key, value))
    return lines


def assert_same_as_window(script, record):
    expected = expected_lines(script, {key for key, _ in record.lines})
    assert [key for key, _ in record.lines] == [key for key, _ in expected]
    for (key, got), (_, text) in zip(record.lines, expected):
        if isinstance(got, str):
            assert got == text, key
        else:
            # The window prints the shortest text that reads back to each number: read back,
            # the numbers are the model's to the last bit.
            want = np.array([float(t) for t in text.split()]).astype(got.dtype)
            assert np.array_equal(got.ravel(), want), key


@pytest.fixture
def record():
    return Record()
