# Map Whole Hand with the defaults: 10 trials from radius 3. The radius box shows 2 from
# trial 3, 1 from trial 6 and 0 from trial 9; each line runs in the yield at the start of a
# trial, so it sees what the trials before it left. Map Active is off while the run lasts.
clock 3600
at-yield 1 show chkMapOn value
at-yield 1 show txtTrialNum text
at-yield 2 show txtCurrentRad text
at-yield 3 show txtCurrentRad text
at-yield 4 show txtCurrentRad text
at-yield 6 show txtCurrentRad text
at-yield 7 show txtCurrentRad text
at-yield 9 show txtCurrentRad text
at-yield 10 show txtCurrentRad text
at-yield 10 var error
click commLrnHand
show txtTrialNum text
show txtCurrentRad text
show txtError text
show chkMapOn value
var StopLearning
# Straight after start-up the activation map is all 0, so every step had strength 0: the
# error is the mismatch alone.
var error
# Abort pressed while trial 3 runs is seen at the start of trial 4: the trial box shows 4,
# the error box keeps trial 3's error.
type txtNumTrials 8
at-yield 4 show txtError text
at-yield 4 click commAbort
click commLrnHand
show txtTrialNum text
show txtError text
show chkMapOn value
var StopLearning
# No trials, or a negative count: Map Active goes off and on again and nothing else changes;
# the next Map Whole Hand clears the abort.
type txtNumTrials 0
click commLrnHand
show txtTrialNum text
show txtError text
show chkMapOn value
var StopLearning
type txtNumTrials -3
click commLrnHand
show txtTrialNum text
var error
# The schedule can fall below -1 (10 trials from radius 6 end at -4); the radius box shows
# the scheduled value and the run ends normally.
type txtNumTrials 10
type txtPeakrad 6
at-yield 9 show txtCurrentRad text
click commLrnHand
show txtCurrentRad text
show txtTrialNum text
show txtError text
