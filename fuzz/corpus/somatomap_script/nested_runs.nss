# Map Whole Hand pressed inside a running one starts a second run inside the first: it
# clears the abort and the error, runs to its end and ticks Map Active, then the first run
# resumes with its own trial number and radius.
clock 3600
type txtNumTrials 4
type txtPeakrad 2
at-yield 2 click commLrnHand
at-yield 3 show txtTrialNum text
at-yield 6 show txtTrialNum text
at-yield 6 show chkMapOn value
click commLrnHand
show txtTrialNum text
show txtCurrentRad text
show chkMapOn value
# An abort of the second run also ends the first, which finds the abort right after its yield.
at-yield 2 click commLrnHand
at-yield 4 click commAbort
click commLrnHand
show txtTrialNum text
show chkMapOn value
var StopLearning
