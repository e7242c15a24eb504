# SPDX-FileCopyrightText: 2026 The neurosims developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""What the module refuses, and how it stays apart from the windows."""

import pathlib
import subprocess

import neurosims
import pytest
from neurosims import calc, reach, sidestop, somatomap

NAN = float("nan")


def bad_pattern_file(tmp_path):
    path = tmp_path / "calc2.dat"
    path.write_text("3\n7\nx\n")
    return calc.Network(str(path))


REFUSALS = {
    "tuning width 0": (lambda _: setattr(reach.Model(), "tuning_width", 0), "tuningWidth"),
    "attention nan": (lambda _: setattr(reach.Model(), "attention", NAN), "not nan"),
    "speed 5": (lambda _: reach.Model().reach(speed=5), "from 10 to 40"),
    "target at inf": (lambda _: reach.Model().place_target(float("inf"), 0), "finite"),
    "distractor far off": (
        lambda _: reach.Model().place_distractor(0, -3e6),
        r"^\(0, -3000000\) is no place this display can show: it lies beyond",
    ),
    "no iterations": (lambda _: sidestop.run(iterations=0), "at least one iteration"),
    "weight nan": (lambda _: sidestop.run(negwt=NAN), "inhibitory weight must be a number"),
    "noise 0.5": (lambda _: sidestop.run(noise=0.5), "noiseSD"),
    "huge input": (lambda _: sidestop.run(inputs=[1e300] * 10), "input of unit 1"),
    "missing file": (lambda tmp: calc.Network(str(tmp / "none.dat")), "cannot be opened"),
    "malformed file": (bad_pattern_file, "line 3"),
    "numeral 16": (lambda _: calc.Network().test(16), "from 0 to 15"),
    "rate inf": (lambda _: calc.Network().learn(rate=float("inf")), "finite"),
    "radius 0": (lambda _: somatomap.Map(seed=1).learn_hand(radius=0), "bubble radius of 0"),
    "region 24": (lambda _: somatomap.Map(seed=1).touch(24), "from 0 to 23"),
    "rule": (lambda _: calc.Network().learn(rule="linear"), "'threshold', 'sigmoid'"),
}


@pytest.mark.parametrize("case", REFUSALS, ids=list(REFUSALS))
def test_refusal_is_a_value_error(case, tmp_path):
    call, message = REFUSALS[case]
    with pytest.raises(ValueError, match=message):
        call(tmp_path)


def test_wrong_types_and_reentry():
    model = reach.Model()
    with pytest.raises(TypeError):
        model.attention = "high"
    # A refused value leaves the model as it was.
    with pytest.raises(ValueError):
        model.tuning_width = 50
    assert model.tuning_width == 5.0
    # Off the display but within what it can draw is a place, as in the window; a refused
    # place leaves the target where it was.
    model.place_target(150, 0)
    with pytest.raises(ValueError):
        model.place_target(3e6, 0)
    assert model.target == (152.0, -2.0)
    with pytest.raises(ValueError, match="busy"):
        model.reach(on_step=lambda x, y: model.restart())
    with pytest.raises(ZeroDivisionError):
        model.reach(on_step=lambda x, y: 1 / 0)
    # A true on_step stops the reach after its first step.
    model.restart()
    assert len(model.reach(on_step=lambda x, y: True)) == 2


def test_seeds_repeat_and_stop_asks_end_runs():
    noisy = [sidestop.run(noise=0.1, seed=seed) for seed in (1, 1, 2)]
    assert (noisy[0] == noisy[1]).all() and (noisy[0] != noisy[2]).any()
    net = calc.Network()
    first = net.learn(order="random", seed=3)
    assert (net.learn(order="random", seed=3) == first).all()
    assert len(net.learn(on_step=lambda epoch, error: epoch == 2)) == 2
    assert len(somatomap.Map(seed=1).learn_hand(on_step=lambda trial, error: True)) == 1


def test_no_qt_loaded():
    module = pathlib.Path(neurosims.__file__)
    assert "Qt" not in subprocess.run(["ldd", module], capture_output=True, text=True).stdout
    assert "libQt" not in pathlib.Path("/proc/self/maps").read_text()
