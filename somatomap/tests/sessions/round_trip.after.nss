# Going on: the displays as they were, then another whole-hand run.
# The clock is frozen again (a fresh process starts with a live one).
clock 5000
show picHandF1(5) backcolor
show txtLrate text
show txtTrialNum text
pixel picSenseMap 10.5 10.5
var part_touched
type txtNumTrials 4
click commLrnHand
var smapWts
var smapAct
var IpVectors
var error
var part_touched
var StopLearning
show txtError text
