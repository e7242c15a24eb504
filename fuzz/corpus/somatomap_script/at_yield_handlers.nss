# Every control pressed while a run yields acts on the arrays the run is using; the run goes
# on with them. Run under the address sanitizer, this proves that no press reads freed or
# resized memory.
clock 3600
at-yield 1 click commReset
at-yield 2 click picHandF1(5)
at-yield 3 set chkMapOn 1
at-yield 3 click optHandPart(3)
at-yield 4 click commIncCont
at-yield 5 click CommFindWinner
at-yield 6 set hsbPeakrad 4
at-yield 7 click commLrn
at-yield 8 type txtLrate 0.5
at-yield 9 click commCleanHand
at-yield 10 click commLrnHand
click commLrnHand
show txtTrialNum text
show txtCurrentRad text
show txtError text
show chkMapOn value
var part_touched
var StopLearning
var error
