# Going on: the displays as they were, then ReStart for more epochs in random order.
# The clock is frozen again (a fresh process starts with a live one).
clock 5000
show txtEpoques text
show txtError text
show chkRandom value
show optSig value
show Picture1(0) backcolor
show picOpnode(7) backcolor
pixel picWts 3 8
var shownNumeral
menu menLearningCurve
export picCurve csv round_trip_curve.csv
type txtIpepoques 3
click CommandRestart
var weights
var outputs
var netInputs
var errors
var sumError
var order
var lrate
var shownPattern
show txtEpoques text
show txtError text
