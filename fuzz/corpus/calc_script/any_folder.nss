# Started from a folder without a pattern file, the program reads the one beside it.
var nPatterns
var nOutputs
click commLearn
show commLearn caption
