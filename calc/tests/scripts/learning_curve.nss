# The learning curve opens from the View menu while a run yields and draws each epoch as it
# ends; closing it inside the run leaves the run to go on. The window saves the curve (this
# run and the one before) and its picture like every display.
type txtIpepoques 8
click commLearn
type txtIpepoques 6
at-yield 2 menu menLearningCurve
at-yield 3 show frmLearningCurve visible
at-yield 5 close frmLearningCurve
click commLearn
show frmLearningCurve visible
show txtEpoques text
var sumError
menu menLearningCurve
export frmLearningCurve.picCurve csv learning_curve.csv
export picCurve png learning_curve.png
export picCurve svg learning_curve.svg
# A closed main window takes the curve's window with it: the program ends.
close Form1
