# Started in a folder without calc2.dat, the installed program reads the pattern file of
# its data folder, and learns from it.
show Form1 caption
var nPatterns
var nInputs
var nOutputs
click commLearn
show txtEpoques text
show txtError text
