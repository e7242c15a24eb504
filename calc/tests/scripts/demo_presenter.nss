# A demonstration recorded with a learning run stopped from inside its yield, then played:
# paused inside the run (the run holds), stepped on by Next, played on; then stopped
# mid-run, which leaves the state where it is.
clock 1000
record demo_presenter.calc-demo
click chkRandom
at-yield 3 click CommandHalt
click commLearn
say Learning stopped after a few epochs.
stop-recording
var weights
var order
click chkRandom
at-yield 4 click cmdDemoPlay
at-yield 5 show txtEpoques text
at-yield 5 show cmdDemoPlay caption
at-yield 8 show txtEpoques text
at-yield 9 click cmdDemoNext
at-yield 12 show lblDemoProgress caption
at-yield 12 show lblDemoCaption caption
at-yield 13 show lblDemoProgress caption
at-yield 14 click cmdDemoPlay
play demo_presenter.calc-demo
var weights
var order
at-yield 4 click cmdDemoStop
at-yield 6 show txtEpoques text
at-yield 6 click CommandHalt
play demo_presenter.calc-demo
show txtEpoques text
var running
