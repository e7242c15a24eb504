# Display I/O inverts the flag that makes a run show each presentation; a run sets it true.
click Check1
var displayLearning
show Check1 value
type txtIpepoques 2
click optSig
at-yield 1 click Check1
click commLearn
var displayLearning
show Check1 value
# The second epoch ran without the input and output displays: the first epoch's last
# pattern (F) is still shown.
show Picture1(0) backcolor
show Picture1(2) backcolor
click Check1
var displayLearning
# Run Slowly: read at the start of the run.
click chkGoSlow
click commLearn
var learnSlowly
show txtEpoques text
show Picture1(2) backcolor
