# The "Try it" steps of the help page, in one calc window as a student makes them.
# 1. The threshold rule learns until an epoch makes no error; numeral 8 then lights only its
# own output unit.
click commLearn
show txtEpoques text
show txtError text
click commShownum(8)
click commProcessIp
var outputs
# 2. The sigmoid rule: the error shrinks but stays above 0, so all 20 epochs run.
click optSig
click commLearn
show txtEpoques text
show txtError text
# 3. Under the threshold rule again, learning rates of 0.5 and 0.005 need these many epochs.
click optThresh
type txtLrate 0.5
click commLearn
show txtEpoques text
show txtError text
type txtLrate 0.005
click commLearn
show txtEpoques text
show txtError text
