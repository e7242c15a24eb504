var weights
var outputs
var netInputs
var errors
var sumError
var lrate
var order
var nPatterns
var nInputs
var nOutputs
var nActiveInputs
var running
var displayLearning
var learnSlowly
var shownNumeral
var shownPattern
show txtEpoques text
show txtError text
show picOpnode(7) backcolor
pixel picWts 3 8
save SESSION
