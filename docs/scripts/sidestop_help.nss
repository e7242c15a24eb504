# The "Try it" steps of the help page, in one sidestop window as a student makes them.
# 1. The default setting and input, run with the bar graph online: unit 6 is alone from the
# third iteration on and fades by a factor of ten per iteration after iteration 16 (the
# activations of every iteration, unit 1 to 10).
click comPardef
click commExtipdef
click chkUpdate
click commRun
var actHistory
# 2. The alternative rule: unit 6 at 0.99 after one iteration, unit 8 fading in two.
click optQ94
click commRun
var actHistory
# 3. No positive feedback: once the input is removed after iteration 16, every unit is at 0;
# with a weight of 1 unit 6 holds itself on.
click optRegLI
type txtPoswt 0
key txtPoswt 13
show txtExtipoff text
click commRun
var act
type txtPoswt 1
key txtPoswt 13
click commRun
var act
