# Experiment 3: the default input and parameters with a weak lateral inhibitory weight of 0.1,
# under both rules.
click commExtipdef
click comPardef
type txtNegwt 0.1
key txtNegwt 13
click commRun
var actHistory
click optQ94
click commRun
var actHistory
