# Records docs/demos/calc.calc-demo (run from the source folder): then prints the state the
# replay must end in (check.nss).
clock 36000
record docs/demos/calc.calc-demo
say The network learns to show each digit on the seven segments, in a random order.
wait 3
click chkRandom
wait 1
at-yield 6 click CommandHalt
click commLearn
wait 3
ask After a few more epochs, will the error be smaller or larger? | Smaller | Larger
wait 2
at-yield 6 click CommandHalt
click CommandRestart
wait 3
say The error falls as the weights learn the patterns.
stop-recording
