# The "Try it" steps of the help page, in one somatomap window as a student makes them. The
# clock is frozen before the window loads, so the map starts from the same random weights.
# 1. A whole-hand run with the defaults learns nothing: Map Active is off while it runs, and
# the Error stays at 7.7, that of the untrained map.
clock 3600
click commLrnHand
show chkMapOn value
show txtError text
# 2. The hand parts chosen in turn (what they paint is in the guide's pictures).
click optHandPart(0)
click optHandPart(1)
click optHandPart(2)
click optHandPart(3)
# 3. 20 trials from radius 5 with Map Active ticked as the run starts: the Error falls from
# 0.35 after the first trial to 0.18 after trial 14 and jumps to 3.1 in the last trial.
type txtNumTrials 20
type txtPeakrad 5
at-yield 1 click chkMapOn
at-yield 2 show txtError text
at-yield 15 show txtError text
click commLrnHand
show txtError text
type txtPeakrad 3
click commCleanHand
# 4. One region touched, then Find Peak Activity: a bubble of nodes at 0.9 around the winner,
# a ring below 0 around it, the rest of the map at 0.
click picHandF1(0)
click CommFindWinner
var smapAct
