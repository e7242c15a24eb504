var IpVectors
var IpSums
var smapWts
var smapAct
var palmXval
var palmYval
var error
var part_touched
var StopLearning
show txtTrialNum text
show txtError text
show picHandF1(5) backcolor
save SESSION
