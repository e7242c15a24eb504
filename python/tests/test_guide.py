# SPDX-FileCopyrightText: 2026 The neurosims developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The guide's experiments (docs/scripts) made through the module, against what the windows'
automation printed for them."""

import neurosims
from conftest import assert_same_as_window
from neurosims import calc, reach, sidestop, somatomap


def hand(record, model):
    record.var("handx", model.var("handx"))
    record.var("handy", model.var("handy"))


def compare_reach(model):
    """REACH with the +/- distractor comparison: without the distractor, RESTART, with it."""
    model.respond_to_distractor = False
    model.reach()
    model.restart()
    model.respond_to_distractor = True
    model.reach()


def test_reach_experiments(record):
    model = reach.Model()
    compare_reach(model)
    hand(record, model)
    assert_same_as_window("reach", record)

    record.lines.clear()
    model = reach.Model()
    model.reach()
    hand(record, model)
    model.restart()
    model.respond_to_distractor = True
    model.reach()
    hand(record, model)
    assert_same_as_window("reach_distractor", record)

    record.lines.clear()
    model = reach.Model()
    model.respond_to_distractor = True
    for attention, inhibit in ((2, False), (1, True), (1.5, True)):
        model.attention = attention
        model.lateral_inhibition = inhibit
        if attention != 1:
            record.var("attnBoost", model.attention)
        model.reach()
        hand(record, model)
        model.restart()
    assert_same_as_window("reach_attention", record)

    record.lines.clear()
    model = reach.Model()
    model.respond_to_distractor = model.suppress_distractor = True
    for level in (1, 0.5, 0):
        model.inhibition = level
        if level != 1:
            record.var("inhibLevel", model.var("inhibLevel"))
        model.reach()
        hand(record, model)
        model.restart()
    assert_same_as_window("reach_suppress", record)


def test_reach_help_steps(record):
    def shown(model):
        x, y = model.hand
        record.text("txtHandx", neurosims.float_text(x))
        record.text("txtHandy", neurosims.float_text(y))

    model = reach.Model()
    record.var("prefDir", model.var("prefDir"))
    path = model.reach()
    assert tuple(path[-1]) == model.hand and tuple(path[0]) == (0, 0)
    shown(model)
    model.restart()
    model.respond_to_distractor = True
    model.reach()
    shown(model)
    model.restart()
    model.suppress_distractor = True
    model.reach()
    shown(model)
    model.suppress_distractor = False
    model.restart()
    compare_reach(model)
    shown(model)
    assert_same_as_window("reach_help", record)


def test_sidestop_experiments(record):
    for rule in ("standard", "alternative"):
        record.var("actHistory", sidestop.run(rule=rule))
    assert_same_as_window("sidestop", record)

    record.lines.clear()
    for rule in ("standard", "alternative"):
        record.var("actHistory", sidestop.run(negwt=0.1, rule=rule))
    assert_same_as_window("sidestop_weak", record)

    record.lines.clear()
    for rule in ("standard", "alternative"):
        record.var("actHistory", sidestop.run(rule=rule))
    for poswt in (0, 1):
        record.var("act", sidestop.run(poswt=poswt)[-1])
    assert_same_as_window("sidestop_help", record)


def learnt(record, net, errors, at_yields=()):
    # The run yields after every epoch that leaves an error; the last epoch's is shown.
    for epoch in at_yields:
        record.text("txtError", neurosims.float_text(errors[epoch - 1]))
    record.text("txtEpoques", len(errors))
    record.text("txtError", neurosims.float_text(errors[-1]))


def test_calc_experiments(record):
    net = calc.Network.from_file()
    assert not net.weights.any()
    errors = net.learn()
    learnt(record, net, errors, range(1, 16))
    record.var("outputs", net.test(8))
    assert_same_as_window("calc", record)

    record.lines.clear()
    net = calc.Network()
    net.learn()
    learnt(record, net, net.learn(rule="sigmoid"), range(1, 21))
    record.var("outputs", net.test(8))
    learnt(record, net, net.learn(200))
    record.var("outputs", net.test(1))
    record.var("outputs", net.test(8))
    assert_same_as_window("calc_sigmoid", record)

    record.lines.clear()
    net = calc.Network()
    learnt(record, net, net.learn())
    record.var("outputs", net.test(8))
    learnt(record, net, net.learn(rule="sigmoid"))
    learnt(record, net, net.learn(rate=0.5, rule="threshold"))
    learnt(record, net, net.learn(rate=0.005))
    assert_same_as_window("calc_help", record)
    assert net.weights.ravel().tolist() == net.var("weights").tolist()


def test_somatomap_experiments(record):
    # The scripts freeze the window's clock at 3600 seconds before the map loads.
    trained = somatomap.Map(seed=3600)
    errors = trained.learn_hand(20, radius=5)
    for trial in (2, 5, 10, 15, 20):
        record.text("txtError", neurosims.float_text(errors[trial - 2]))
    record.text("txtError", neurosims.float_text(errors[-1]))
    assert_same_as_window("somatomap", record)

    record.lines.clear()
    untrained = somatomap.Map(seed=3600)
    errors = untrained.learn_hand(map_active=False)
    record.text("txtTrialNum", len(errors))
    record.text("txtError", neurosims.float_text(errors[-1]))
    assert_same_as_window("somatomap_untrained", record)

    record.lines.clear()
    help_map = somatomap.Map(seed=3600)
    record.text("txtError", neurosims.float_text(help_map.learn_hand(map_active=False)[-1]))
    errors = help_map.learn_hand(20, radius=5)
    for trial in (2, 15):
        record.text("txtError", neurosims.float_text(errors[trial - 2]))
    record.text("txtError", neurosims.float_text(errors[-1]))
    help_map.touch(0)
    help_map.enhance(6, radius=3)
    record.var("smapAct", help_map.activation)
    assert_same_as_window("somatomap_help", record)
