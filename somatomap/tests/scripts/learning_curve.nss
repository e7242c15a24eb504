# The learning curve of whole-hand runs opens from the View menu while a run yields, shows
# each trial's error as it ends and closes inside the run, which goes on to its end.
clock 4321
type txtNumTrials 5
click commLrnHand
at-yield 1 menu menLearningCurve
at-yield 3 close frmLearningCurve
at-yield 4 menu menLearningCurve
click commLrnHand
show frmLearningCurve visible
show txtTrialNum text
show txtError text
export picCurve csv learning_curve.csv
# A closed main window takes the curve's window with it: the program ends.
close Form1
