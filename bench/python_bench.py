# SPDX-FileCopyrightText: 2026 The neurosims developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The Python side of the reach figures (reach_model_bench holds the C++ side): the sweep of
10,000 reaches over targets and tuning widths made through calls from Python, and one
cell_response() call. Run with the release build's module:
    PYTHONPATH=build/release/python python3 bench/python_bench.py"""

import time
import timeit

from neurosims import reach


def sweep():
    model = reach.Model()
    steps = 0
    for t in range(100):
        for w in range(100):
            model.restart()
            model.place_target(-40 + 0.8 * t, 100)
            model.tuning_width = 0.2 + 0.2 * w
            steps += len(model.reach()) - 1
    return steps


start = time.perf_counter()
steps = sweep()
seconds = time.perf_counter() - start
print(f"sweep: 10000 reaches, {steps} steps, {seconds:.3f} s")
model = reach.Model()
calls = 200000
per_call = timeit.timeit(model.cell_response, number=calls) / calls
print(f"cell_response(): {per_call * 1e6:.3f} us a call")
