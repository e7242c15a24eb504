# Experiment 1 and the window for the guide: a learning run under the threshold rule with the
# default settings. The Sum Error box is read after each epoch; the run stops by itself at
# the first epoch without an error.
at-yield 1 show txtError text
at-yield 2 show txtError text
at-yield 3 show txtError text
at-yield 4 show txtError text
at-yield 5 show txtError text
at-yield 6 show txtError text
at-yield 7 show txtError text
at-yield 8 show txtError text
at-yield 9 show txtError text
at-yield 10 show txtError text
at-yield 11 show txtError text
at-yield 12 show txtError text
at-yield 13 show txtError text
at-yield 14 show txtError text
at-yield 15 show txtError text
click commLearn
show commLearn caption
show txtEpoques text
show txtError text
# Test numeral 8: only its own output box turns red.
click commShownum(8)
click commProcessIp
var outputs
grab Form1 calc.png
# The same window at 250 %, as on a projector (View > Zoom In).
zoom 250
grab Form1 calc_250.png
zoom 100
