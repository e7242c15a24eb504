# Undo, Redo and opening a session wait while a run yields: a region touched inside the run
# belongs to it, and one Undo after the run takes back the run and the touch together. Run
# under the address sanitizer, this proves that nothing is restored under the run's feet.
clock 3600
undo
redo
type txtNumTrials 3
var part_touched
show txtTrialNum text
at-yield 1 undo
at-yield 2 menu mnuRedo
at-yield 2 click picHandF1(5)
at-yield 3 redo
save undo_in_run.somatomap-session
at-yield 3 open undo_in_run.somatomap-session
click commLrnHand
var part_touched
show txtTrialNum text
undo
var part_touched
show txtTrialNum text
redo
var part_touched
show txtTrialNum text
