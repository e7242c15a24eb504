# Without weights the activations are the inputs themselves, so the history of unit 1 shows
# which input each of six iterations saw. Unit texts are read by their leading number.
type txtPoswt 0
type txtNegwt 0
type txtIter 6
type text1(0) 0.8
type text1(1) 0.3abc
type text1(2)
type text1(3) abc
# Offset 0: the input stays on for the whole run.
click commRun
var actHistory
var extip
# Offset 1: the input acts only in the first iteration.
type txtExtipoff 1
key txtExtipoff 13
click commRun
var actHistory
var extip
# Ramp with offset 2: a quarter, a half, removed, then three quarters and full to the end.
click chkRamp
type txtExtipoff 2
key txtExtipoff 13
click commRun
var actHistory
# Ramp with offset 4: a quarter, a half, three quarters, full, then none.
type txtExtipoff 4
key txtExtipoff 13
click commRun
var actHistory
# Two runs with the same settings and no noise give the same history: each starts from zero.
click comPardef
click commExtipdef
click optQ94
click commRun
var actHistory
click commRun
var actHistory
var act
