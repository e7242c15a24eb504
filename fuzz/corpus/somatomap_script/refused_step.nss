# A learning rate that carries the weights beyond the float range, typed while a run yields:
# the step is refused with one message and the run ends as an abort ends it. The touch before
# the run leaves every node active, so every step of the run has some strength.
clock 3600
click optRadBas
click picHandF1(0)
at-yield 3 type txtLrate 300000000000000000000000000000000000000
click commLrnHand
show txtTrialNum text
show chkMapOn value
var StopLearning
show txtError text
# The next run clears the abort and learns as usual.
type txtLrate 0.2
type txtNumTrials 3
at-yield 1 var StopLearning
click commLrnHand
show txtTrialNum text
var StopLearning
