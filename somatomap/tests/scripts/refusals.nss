# Numbers the map cannot use are refused with a message naming the box to change, and
# nothing changes: Map Active stays ticked, the boxes and the error keep their values.
clock 3600
click picHandF1(3)
click commLrn
var error
type txtPeakrad 0
click commLrnHand
type txtPeakrad 3
type txtNumTrials 2
click commLrnHand
type txtNumTrials 40000
click commLrnHand
type txtNumTrials 10
type txtPeakrad 0.0001
click commLrnHand
type txtPeakrad 40000
click commLrnHand
click commLrn
type txtPeakrad -2
click commLrn
click commIncCont
click CommFindWinner
click optHandPart(0)
show picHandF1(0) backcolor
type txtPeakrad 1000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000
click commIncCont
type txtPeakrad 3
type txtLrate 1000000000000000000000000000000000000000
click commLrn
# A rate that fits a float but carries the weights beyond it: the model refuses the step.
click optRadBas
click picHandF1(3)
var error
type txtLrate 300000000000000000000000000000000000000
click commLrn
click optDotProd
show chkMapOn value
show txtTrialNum text
show txtCurrentRad text
var StopLearning
var error
# The leading-number rule stays: text after the number is ignored, no number reads as 0.
type txtLrate 0.2abc
type txtNumTrials 1 trial
type txtPeakrad 1 node
click commLrnHand
show txtTrialNum text
