# The same during a slow run.
click chkGoSlow
click optSig
at-yield 1 close Form1
click commLearn
