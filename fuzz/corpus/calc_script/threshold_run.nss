# A default run under the threshold rule ends with "LEARN" at the first epoch without error;
# then every numeral lights exactly its own output box.
click commLearn
show commLearn caption
show txtEpoques text
show txtError text
var sumError
var running
var displayLearning
var order
# The last presentation (F, pattern 16) is still shown.
show Picture1(0) backcolor
show Picture1(6) backcolor
show picOpnode(15) backcolor
# The arrows step 1, 2, ..., F, 0, each showing the numeral and the network's answer.
click Image2
var shownNumeral
var outputs
show picOpnode(1) backcolor
show picOpnode(2) backcolor
click Image2
var outputs
click Image2
var outputs
click Image2
var outputs
click Image2
var outputs
click Image2
var outputs
click Image2
var outputs
click Image2
var outputs
click Image2
var outputs
click Image2
var shownNumeral
var shownPattern
var outputs
show picOpnode(10) backcolor
click Image2
var outputs
click Image2
var outputs
click Image2
var outputs
click Image2
var outputs
click Image2
var shownNumeral
var shownPattern
var outputs
show picOpnode(15) backcolor
show picOpnode(14) backcolor
click Image2
var shownNumeral
var shownPattern
var outputs
show picOpnode(0) backcolor
show picOpnode(15) backcolor
# A run that ended by itself stays marked running: ReStart does nothing.
click CommandRestart
show txtEpoques text
show commLearn caption
